#include "Commands.h"

#include "MenuFixtures.h"
#include "MenuText.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace fixtures;

namespace {

std::vector<std::string> Lines(const MenuImage& image, std::int64_t size = FileDataSize)
{
    std::vector<std::string> out;
    const std::size_t length = std::min<std::int64_t>(size, FileDataSize);
    for (const Finding& f :
         CheckMenuBytes(std::span<const std::uint8_t>(image.data(), length), size))
        out.push_back(FormatFinding("M.tmr", f));
    return out;
}

} // namespace

TEST(CheckMenuBytes, ASoundFileHasNothingToSay)
{
    EXPECT_TRUE(Lines(Sample()).empty());
    EXPECT_TRUE(Lines(Menu({})).empty());
    // The reserved byte 190 carries whatever the last file read brought.
    EXPECT_TRUE(Lines(Menu({}, 0xFF)).empty());
}

TEST(CheckMenuBytes, AChecksumThatDoesNotMatchIsAProblem)
{
    MenuImage image = Sample();
    Record(image, 3)[ChecksumOffset] ^= 0x01;
    Record(image, 10)[NameOffset + 4] = 'Z';
    const std::uint8_t c3 = Record(image, 3)[ChecksumOffset];
    EXPECT_EQ(Lines(image),
              (std::vector<std::string>{"M.tmr: item 3: checksum " + HexByte(c3) + ", expected " +
                                            HexByte(c3 ^ 0x01),
                                        "M.tmr: item 10: checksum 0x40, expected 0x7A"}));
    // The worked record's own checksum, spelled as the report spells it.
    MenuImage fries = Menu({{"FRIES", "3:00", "0:30", "7:00", 1}});
    Record(fries, 1)[ChecksumOffset] = 0x12;
    EXPECT_EQ(Lines(fries),
              std::vector<std::string>{"M.tmr: item 1: checksum 0x12, expected 0x91"});
}

TEST(CheckMenuBytes, SizeIsAProblemAndWholeRecordsAreStillChecked)
{
    MenuImage image = Sample();
    Record(image, 2)[ChecksumOffset] = 0;
    EXPECT_EQ(Lines(image, 0), std::vector<std::string>{"M.tmr: 0 bytes, expected 191"});
    EXPECT_EQ(Lines(image, 1), std::vector<std::string>{"M.tmr: 1 byte, expected 191"});
    // 37 bytes hold one whole record; the second is cut and left alone.
    EXPECT_EQ(Lines(image, 37), std::vector<std::string>{"M.tmr: 37 bytes, expected 191"});
    const auto short190 = Lines(image, 190);
    ASSERT_EQ(short190.size(), 2u);
    EXPECT_EQ(short190[0], "M.tmr: 190 bytes, expected 191");
    EXPECT_EQ(short190[1].substr(0, 25), "M.tmr: item 2: checksum 0");
    EXPECT_EQ(Lines(image, 1 << 20).front(), "M.tmr: 1048576 bytes, expected 191");
    EXPECT_EQ(Lines(image, 192).size(), 2u);
}

TEST(CheckMenuBytes, WarnsAboutWhatTheEditorCouldNotHaveWritten)
{
    MenuImage image = Menu({{"FRIES", "3:00", "0:30", "7:00", 1},
                            {"fries", "3:00", "0:30", "7:00", 1},
                            {"OK", "1:00", "1:00", "0:00", 1},
                            {"LONG", "0:30", "0:31", "0:00", 0},
                            {"COMP", "1:00", "0:00", "0:00", 2}});
    Record(image, 1)[ReservedOffset] = 0x05;
    Reseal(image, 1);
    // A zero-filled record, as a fresh start holds: ten zero characters.
    std::ranges::fill(Record(image, 6), 0);
    EXPECT_EQ(Lines(image),
              (std::vector<std::string>{
                  "M.tmr: item 1: warning: reserved byte 11 is 0x05, expected 0",
                  "M.tmr: item 2: warning: name \"fries     \" has characters outside codes 32 "
                  "to 95",
                  "M.tmr: item 4: warning: shake 0:31 is longer than cook 0:30",
                  "M.tmr: item 5: warning: compensation 2, expected 0 or 1",
                  "M.tmr: item 6: warning: name "
                  "\"\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\" has characters outside "
                  "codes 32 to 95",
              }));
    for (const Finding& f : CheckMenuBytes(image, FileDataSize))
        EXPECT_TRUE(f.warning) << f.text;
}
