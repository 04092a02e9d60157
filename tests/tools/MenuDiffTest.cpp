#include "MenuDiff.h"

#include "MenuFixtures.h"

#include <gtest/gtest.h>

using namespace fixtures;

namespace {

std::vector<std::string> Lines(const MenuImage& a, const MenuImage& b)
{
    std::vector<std::string> out;
    for (const MenuDifference& d : DiffMenus(a, b))
        out.push_back(FormatDifference(d, false));
    return out;
}

} // namespace

TEST(DiffMenus, TheSameMenuHasNoDifferences)
{
    EXPECT_TRUE(DiffMenus(Sample(), Sample()).empty());
    EXPECT_TRUE(DiffMenus(MenuImage{}, MenuImage{}).empty());
}

TEST(DiffMenus, FieldByFieldAsTheEditorDecodesThem)
{
    const MenuImage a =
        Menu({{"FRIES", "3:05", "0:30", "7:00", 1}, {"FISH", "4:30", "", "5:00", 0}});
    const MenuImage b =
        Menu({{"FRIES", "3:10", "0:30", "7:00", 1}, {}, {"NEW", "", "0:10", "", 1}});
    EXPECT_EQ(Lines(a, b), (std::vector<std::string>{
                               "item 1 cook: 3:05 -> 3:10",
                               "item 2 name: \"FISH\" -> \"\"",
                               "item 2 cook: 4:30 -> \"\"",
                               "item 2 hold: 5:00 -> 0:00",
                               "item 3 name: \"\" -> \"NEW\"",
                               "item 3 shake: 0:00 -> 0:10",
                               "item 3 compensation: 0 -> 1",
                           }));
}

TEST(DiffMenus, BytesThatDecodingHidesStillCount)
{
    const MenuImage a = Menu({{"AB", "1:00", "", "", 0}}, 0);
    MenuImage b = Menu({{" AB", "1:00", "", "", 0}}, 0x10);
    Record(b, 2)[ReservedOffset] = 0x07;
    Reseal(b, 2);
    Record(b, 3)[ChecksumOffset] = 0x00;
    EXPECT_EQ(Lines(a, b), (std::vector<std::string>{
                               "item 1 name bytes: \"AB        \" -> \" AB       \"",
                               "item 2 byte 11: 0x00 -> 0x07",
                               "item 3 checksum: 0x40 -> 0x00 (expected 0x40)",
                               "reserved byte 190: 0x00 -> 0x10",
                           }));
}

TEST(DiffMenus, EmptyExactlyWhenEveryByteIsTheSame)
{
    Random r(7);
    for (int i = 0; i < 2000; ++i) {
        MenuImage a{};
        for (std::uint8_t& byte : a)
            byte = r.Byte();
        for (int item = 1; item <= MenuItemCount; ++item)
            if (r.Next() % 2)
                Reseal(a, item);
        MenuImage b = a;
        EXPECT_TRUE(DiffMenus(a, b).empty());
        const std::size_t at = r.Next() % FileDataSize;
        b[at] = static_cast<std::uint8_t>(b[at] ^ (1 + r.Next() % 255));
        EXPECT_FALSE(DiffMenus(a, b).empty()) << "byte " << at;
    }
}

TEST(FormatDifference, ColoursOnlyTheValues)
{
    EXPECT_EQ(FormatDifference({3, "cook", "3:05", "3:10", {}, {}}, true),
              "item 3 cook: \033[31m3:05\033[0m -> \033[32m3:10\033[0m");
    EXPECT_EQ(FormatDifference({0, "reserved byte 190", "0x00", "0x01", {}, {}}, false),
              "reserved byte 190: 0x00 -> 0x01");
}
