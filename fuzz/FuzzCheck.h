// What the fuzz targets share: a check that stops the run on a broken
// invariant, so that libFuzzer keeps the input that broke it, and a strict
// UTF-8 test that does not come from the code under test.
#pragma once

#include <QByteArrayView>
#include <QStringDecoder>

#include <cstdio>
#include <cstdlib>
#include <string_view>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// Well-formed UTF-8 as Unicode defines it (shortest form, no surrogates,
// nothing above U+10FFFF), judged by Qt's decoder rather than by the code
// under test.
inline bool IsWellFormedUtf8(std::string_view s)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded =
        decoder.decode(QByteArrayView(s.data(), static_cast<qsizetype>(s.size())));
    return !decoder.hasError();
}
