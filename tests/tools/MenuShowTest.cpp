#include "Commands.h"

#include "MenuFixtures.h"

#include <gtest/gtest.h>

using namespace fixtures;

namespace {

MenuFileBytes Of(const MenuImage& image, std::int64_t size = FileDataSize)
{
    MenuFileBytes b;
    b.ok = true;
    b.size = size;
    b.head.assign(image.begin(), image.begin() + std::min<std::int64_t>(size, FileDataSize));
    return b;
}

const std::string EmptyRowsPlain = "4\t\t\t0:00\t0:00\t0\tok\n"
                                   "5\t\t\t0:00\t0:00\t0\tok\n"
                                   "6\t\t\t0:00\t0:00\t0\tok\n"
                                   "7\t\t\t0:00\t0:00\t0\tok\n"
                                   "8\t\t\t0:00\t0:00\t0\tok\n"
                                   "9\t\t\t0:00\t0:00\t0\tok\n"
                                   "10\t\t\t0:00\t0:00\t0\tok\n";

} // namespace

TEST(ShowMenu, ToAPipeTabSeparatedWithoutColour)
{
    MenuImage image = Sample();
    Record(image, 2)[ChecksumOffset] = 0x12;
    const std::string expected = "M.tmr\n"
                                 "item\tname\tcook\tshake\thold\tcompensation\tchecksum\n"
                                 "1\tFRIES\t3:00\t0:30\t7:00\t1\tok\n"
                                 "2\tFISH\t4:30\t0:00\t5:00\t0\t0x12, expected 0x26\n"
                                 "3\tCHICKEN 2\t12:00\t1:15\t15:00\t1\tok\n" +
                                 EmptyRowsPlain;
    EXPECT_EQ(ShowMenu("M.tmr", Of(image), {false, false}), expected);
}

TEST(ShowMenu, OnATerminalAlignedWithTheMarkInRed)
{
    MenuImage image = Sample();
    Record(image, 2)[ChecksumOffset] = 0x12;
    const std::string plain = ShowMenu("M.tmr", Of(image), {true, false});
    EXPECT_EQ(plain.substr(0, plain.find("\n   4  ") + 1),
              "M.tmr\n"
              "item  name       cook   shake  hold   compensation\n"
              "   1  FRIES      3:00   0:30   7:00              1\n"
              "   2  FISH       4:30   0:00   5:00              0  ! checksum 0x12, expected 0x26\n"
              "   3  CHICKEN 2  12:00  1:15   15:00             1\n");
    EXPECT_EQ(plain.find('\033'), std::string::npos);
    EXPECT_NE(
        plain.find("\n  10" + std::string(20, ' ') + "0:00   0:00" + std::string(14, ' ') + "0\n"),
        std::string::npos);

    const std::string coloured = ShowMenu("M.tmr", Of(image), {true, true});
    EXPECT_NE(coloured.find("\033[31m! checksum 0x12, expected 0x26\033[0m"), std::string::npos);
}

TEST(ShowMenu, FilesOfTheWrongSizeShowTheirWholeRecordsAndSaySo)
{
    const MenuImage image = Sample();
    EXPECT_EQ(ShowMenu("M.tmr", Of(image, 0), {false, false}),
              "M.tmr\nM.tmr: 0 bytes, expected 191\n");
    EXPECT_EQ(ShowMenu("M.tmr", Of(image, 20), {false, false}),
              "M.tmr\nitem\tname\tcook\tshake\thold\tcompensation\tchecksum\n"
              "1\tFRIES\t3:00\t0:30\t7:00\t1\tok\nM.tmr: 20 bytes, expected 191\n");
    const std::string s190 = ShowMenu("M.tmr", Of(image, 190), {false, false});
    EXPECT_NE(s190.find(EmptyRowsPlain + "M.tmr: 190 bytes, expected 191\n"), std::string::npos);
    const std::string big = ShowMenu("M.tmr", Of(image, 1 << 20), {false, false});
    EXPECT_NE(big.find(EmptyRowsPlain + "M.tmr: 1048576 bytes, expected 191\n"), std::string::npos);
}

TEST(ShowMenu, ControlCharactersAreSpelledOutAndTheReservedByteShown)
{
    MenuImage image = Menu({}, 0x2A);
    std::ranges::fill(Record(image, 1), 0);
    Record(image, 2)[NameOffset] = '\t';
    Record(image, 2)[NameOffset + 1] = 0xE9;
    Reseal(image, 2);
    const std::string s = ShowMenu("M.tmr", Of(image), {false, false});
    EXPECT_NE(
        s.find("\n1\t\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\t\t0:00\t0:00\t0\tok\n"),
        std::string::npos)
        << s;
    EXPECT_NE(s.find("\n2\t\\x09\xC3\xA9\t"), std::string::npos) << s;
    EXPECT_NE(s.find("\nreserved byte 190: 0x2A\n"), std::string::npos);
}
