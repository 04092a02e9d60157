// Between the core's texts (UTF-8 in std::string) and Qt's QString, one way
// each, so that every caller converts alike.
#pragma once

#include "Result.h"

#include <QString>

#include <string>
#include <string_view>

inline QString ToQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string ToStd(const QString& text)
{
    return text.toStdString();
}

// A reason that Qt or the system gave, as the core's Failure.
inline Failure Failed(const QString& reason, const QString& path = {})
{
    return Failure(ToStd(reason), ToStd(path));
}
