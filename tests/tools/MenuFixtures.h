// Menus and files that the tmrtool tests build for themselves.
#pragma once

#include "Global_data.h"
#include "MenuFileFormat.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>

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

inline void Put(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

inline QByteArray Contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

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

} // namespace fixtures
