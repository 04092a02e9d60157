#include "Commands.h"

#include "MenuFixtures.h"

#include <gtest/gtest.h>

#include <regex>

using namespace fixtures;

namespace {

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
    EXPECT_EQ(ShowMenu("M.tmr", image, {false, false}), expected);
}

TEST(ShowMenu, OnATerminalTheSameColumnsAlignedWithTheMarkInRed)
{
    MenuImage image = Sample();
    Record(image, 2)[ChecksumOffset] = 0x12;
    const std::string aligned = ShowMenu("M.tmr", image, {true, false});
    const std::string head = aligned.substr(0, aligned.find("\n   4  ") + 1);
    EXPECT_EQ(head, "M.tmr\n"
                    "item  name       cook   shake  hold   compensation  checksum\n"
                    "   1  FRIES      3:00   0:30   7:00              1  ok\n"
                    "   2  FISH       4:30   0:00   5:00              0  0x12, expected 0x26\n"
                    "   3  CHICKEN 2  12:00  1:15   15:00             1  ok\n");
    EXPECT_EQ(aligned.find('\033'), std::string::npos);
    // Cell for cell what a pipe gets, where no cell is empty.
    const std::string piped = ShowMenu("M.tmr", image, {false, false});
    const std::string cells = std::regex_replace(head, std::regex("(^|\n) +"), "$1");
    EXPECT_EQ(std::regex_replace(cells, std::regex("  +"), "  "),
              std::regex_replace(piped.substr(0, piped.find("\n4\t") + 1), std::regex("\t"), "  "))
        << "the columns differ";

    const std::string coloured = ShowMenu("M.tmr", image, {true, true});
    EXPECT_NE(coloured.find("\033[31m0x12, expected 0x26\033[0m"), std::string::npos);
}

TEST(ShowMenu, ControlCharactersAreSpelledOutAndTheReservedByteShown)
{
    MenuImage image = Menu({}, 0x2A);
    std::ranges::fill(Record(image, 1), 0);
    Record(image, 2)[NameOffset] = '\t';
    Record(image, 2)[NameOffset + 1] = 0xE9;
    Reseal(image, 2);
    const std::string s = ShowMenu("M.tmr", image, {false, false});
    EXPECT_NE(
        s.find("\n1\t\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\t\t0:00\t0:00\t0\tok\n"),
        std::string::npos)
        << s;
    EXPECT_NE(s.find("\n2\t\\x09\xC3\xA9\t"), std::string::npos) << s;
    EXPECT_NE(s.find("\nreserved byte 190: 0x2A\n"), std::string::npos);
}
