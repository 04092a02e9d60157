// Menus and files that the tmrtool tests build for themselves.
#pragma once

#include "Global_data.h"
#include "MenuFileFormat.h"
#include "TestFiles.h"
#include "TmrTool.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <sstream>
#include <string>

namespace fixtures {

// Items 1, 2, ... as given, the rest empty, then byte 190.
inline MenuImage Menu(std::initializer_list<MenuItem> items, std::uint8_t reserved = 0)
{
    MenuItems all{};
    std::size_t i = 0;
    for (const MenuItem& item : items)
        all[i++] = item;
    MenuImage image{};
    EncodeMenu(all, image);
    image[ReservedByteIndex] = reserved;
    return image;
}

inline MenuImage Sample()
{
    return Menu({{"FRIES", "3:00", "0:30", "7:00", 1},
                 {"FISH", "4:30", "0:00", "5:00", 0},
                 {"CHICKEN 2", "12:00", "1:15", "15:00", 1}});
}

inline QByteArray Bytes(const MenuImage& image)
{
    return QByteArray(reinterpret_cast<const char*>(image.data()), FileDataSize);
}

inline MenuImage Image(const QByteArray& bytes)
{
    MenuImage image{};
    for (int i = 0; i < FileDataSize && i < bytes.size(); ++i)
        image[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(bytes[i]);
    return image;
}

// Record `item` (1 to 10) of `image`.
inline RecordBytes Record(MenuImage& image, int item)
{
    return RecordAt(image, item - 1);
}

// Rewrites the checksum of record `item` after a test changed its bytes.
inline void Reseal(MenuImage& image, int item)
{
    const RecordBytes r = Record(image, item);
    r[ChecksumOffset] = RecordChecksum(r);
}

// tmrtool run in the test's own process.
struct ToolRun {
    int status;
    std::string out, err;
};

inline ToolRun Tmr(const QStringList& args, bool terminal = false)
{
    std::ostringstream out, err;
    Console console{out, err, terminal, terminal};
    const int status = RunTmrtool(args, console);
    return {status, out.str(), err.str()};
}

using testing_support::Contents;
using testing_support::InTemporaryFolder;
using testing_support::Put;

// A small deterministic generator, so that failures can be replayed.
class Random
{
public:
    explicit Random(std::uint32_t seed) : state(seed * 2654435761u + 1) {}
    std::uint32_t Next()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
    std::uint8_t Byte() { return static_cast<std::uint8_t>(Next()); }

private:
    std::uint32_t state;
};

// The system's own words for a file that is not there; Windows words them in
// the user's language.
inline std::string NoSuchFile()
{
#ifdef _WIN32
    QFile missing(QDir::temp().filePath(QStringLiteral("quenmark-no-such-menu.tmr")));
    missing.open(QIODevice::ReadOnly);
    return missing.errorString().toStdString();
#else
    return "No such file or directory";
#endif
}

} // namespace fixtures
