#include "MenuFileFormat.h"

#include "Global_data.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

using Record = std::array<std::uint8_t, RecordSize>;

Record Encode(const MenuItem& item)
{
    Record r{};
    r.fill(0xEE); // every byte must be written
    EncodeRecord(item, r);
    return r;
}

MenuItem Decode(const Record& r)
{
    return DecodeRecord(r);
}

const Record FriesRecord = {0x91, 0x46, 0x52, 0x49, 0x45, 0x53, 0x20, 0x20, 0x20, 0x20,
                            0x20, 0x00, 0x00, 0xB4, 0x00, 0x1E, 0x01, 0xA4, 0x01};

Record EmptyRecord()
{
    Record r{};
    r[0] = 0x40;
    for (int k = 1; k <= 10; ++k)
        r[k] = 0x20;
    return r;
}

class GlobalState : public ::testing::Test
{
protected:
    void SetUp() override
    {
        FileData.fill(0);
        for (std::int16_t i = 0; i < MenuItemCount; ++i)
            ClearItemMemory(i);
    }
};

} // namespace

TEST(EncodeRecord, WorkedRecordByteForByte)
{
    EXPECT_EQ(Encode({"FRIES", "3:00", "0:30", "7:00", 1}), FriesRecord);
}

TEST(EncodeRecord, EmptySlotTreatsEmptyTimesAsZero)
{
    EXPECT_EQ(Encode({}), EmptyRecord());
    EXPECT_EQ(Encode({"", "", "0:00", "", 0}), EmptyRecord());
}

TEST(EncodeRecord, NamesArePaddedAndCut)
{
    Record ten = Encode({"ABCDEFGHIJ", "1:00", "", "", 0});
    EXPECT_EQ(std::string(ten.begin() + 1, ten.begin() + 11), "ABCDEFGHIJ");
    Record one = Encode({"A", "1:00", "", "", 0});
    EXPECT_EQ(std::string(one.begin() + 1, one.begin() + 11), "A         ");
    Record longer = Encode({"ABCDEFGHIJKLM", "1:00", "", "", 0});
    EXPECT_EQ(std::string(longer.begin() + 1, longer.begin() + 11), "ABCDEFGHIJ");
}

TEST(EncodeRecord, NamesGoThroughLatin1)
{
    Record r = Encode({"CR\xC3\x88ME", "1:00", "", "", 0}); // CRÈME
    EXPECT_EQ(r[3], 0xC8);
    EXPECT_EQ(r[4], 'M');
    // One Latin-1 byte per character, so ten accented letters still fit.
    Record wide = Encode({"\xC3\x89\xC3\x89\xC3\x89\xC3\x89\xC3\x89\xC3\x89\xC3\x89\xC3\x89\xC3"
                          "\x89\xC3\x89",
                          "1:00", "", "", 0});
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(wide[k], 0xC9);
    // No Latin-1 byte: a question mark stands in.
    Record euro = Encode({"\xE2\x82\xAC"
                          "5",
                          "1:00", "", "", 0});
    EXPECT_EQ(euro[1], '?');
    EXPECT_EQ(euro[2], '5');
}

TEST(EncodeRecord, TimesAreBigEndianSecondsAndOutOfRangeIsClamped)
{
    Record r = Encode({"X", "99:59", "1092:15", "4:16", 0});
    EXPECT_EQ(r[12], 23);
    EXPECT_EQ(r[13], 111);
    EXPECT_EQ(r[14], 255);
    EXPECT_EQ(r[15], 255);
    EXPECT_EQ(r[16], 1);
    EXPECT_EQ(r[17], 0);
    Record negative = Encode({"X", "-1:30", "", "", 0});
    EXPECT_EQ(negative[12], 0);
    EXPECT_EQ(negative[13], 0);
}

TEST(EncodeRecord, CompIsItsLowByteAndChecksumCoversIt)
{
    Record r = Encode({"X", "1:00", "", "", 200});
    EXPECT_EQ(r[18], 200);
    EXPECT_EQ(r[0], 0x7C); // 'X' + 9 blanks + 60 + 200 = 0x27C
    EXPECT_EQ(r[11], 0);
}

TEST(DecodeRecord, WorkedRecord)
{
    EXPECT_EQ(Decode(FriesRecord), (MenuItem{"FRIES", "3:00", "0:30", "7:00", 1}));
}

TEST(DecodeRecord, ZeroTimesAndZeroRecord)
{
    Record zero{};
    const MenuItem item = Decode(zero);
    EXPECT_EQ(item.Name, std::string(10, '\0'));
    EXPECT_EQ(item.Cook, "");
    EXPECT_EQ(item.Duty, "0:00");
    EXPECT_EQ(item.Hold, "0:00");
    EXPECT_EQ(item.Comp, 0);
}

TEST(DecodeRecord, TrimsSpacesOnlyAndChecksNothing)
{
    Record r = EmptyRecord();
    const char name[] = "  A B\tC   ";
    for (int k = 0; k < 10; ++k)
        r[1 + k] = static_cast<std::uint8_t>(name[k]);
    r[0] = 0x00;  // wrong checksum
    r[11] = 0x7F; // reserved byte set
    r[18] = 255;
    const MenuItem item = Decode(r);
    EXPECT_EQ(item.Name, "A B\tC");
    EXPECT_EQ(item.Comp, 255);
    // Blank names are empty slots; their times survive.
    Record blank = EmptyRecord();
    blank[13] = 30;
    EXPECT_EQ(Decode(blank), (MenuItem{"", "0:30", "0:00", "0:00", 0}));
}

TEST(DecodeRecord, HighBytesBecomeLatin1Characters)
{
    Record r = EmptyRecord();
    r[1] = 0xC9;
    r[2] = 0xFF;
    EXPECT_EQ(Decode(r).Name, "\xC3\x89\xC3\xBF");
}

TEST(RecordRoundTrip, GivesCanonicalTexts)
{
    const MenuItem typed{"  CHIPS ", "01:05", "", "00:00", 1};
    const Record chips = {0x59, 0x20, 0x20, 0x43, 0x48, 0x49, 0x50, 0x53, 0x20, 0x20,
                          0x20, 0x00, 0x00, 0x41, 0x00, 0x00, 0x00, 0x00, 0x01};
    EXPECT_EQ(Encode(typed), chips);
    EXPECT_EQ(Decode(chips), (MenuItem{"CHIPS", "1:05", "0:00", "0:00", 1}));
    // A name of blanks is written as ten spaces and comes back as an empty slot.
    EXPECT_EQ(Decode(Encode({"   ", "1:00", "", "", 1})).Name, "");
}

TEST(SplitLongIntoBytes, HighestFirst)
{
    std::uint8_t b3, b2, b1, b0;
    SplitLongIntoBytes(0x01020304, b3, b2, b1, b0);
    EXPECT_EQ(b3, 1);
    EXPECT_EQ(b2, 2);
    EXPECT_EQ(b1, 3);
    EXPECT_EQ(b0, 4);
    SplitLongIntoBytes(4590, b3, b2, b1, b0);
    EXPECT_EQ(b1 * 256 + b0, 4590);
}

TEST(CalculateByteSum, SumsCountBytesAndNothingForNonPositiveCounts)
{
    const std::vector<std::uint8_t> data{255, 255, 1, 2};
    EXPECT_EQ(CalculateByteSum(data, 0, 4), 513);
    EXPECT_EQ(CalculateByteSum(data, 2, 2), 3);
    EXPECT_EQ(CalculateByteSum(data, 0, 0), 0);
    EXPECT_EQ(CalculateByteSum(data, 0, -3), 0);
}

TEST_F(GlobalState, ClearLeavesTimesEmptyNotZero)
{
    ItemMemory[3] = {"FRIES", "3:00", "0:30", "7:00", 1};
    ClearItemMemory(3);
    EXPECT_EQ(ItemMemory[3], (MenuItem{"", "", "", "", 0}));
}

TEST_F(GlobalState, WholeMenuOfEmptySlotsAndReservedByteCarried)
{
    ASSERT_EQ(FileData.size(), 191u);
    FileData[190] = 0x5A;
    for (std::int16_t i = 0; i < MenuItemCount; ++i)
        FileDataFromItemMemory(i);
    for (int i = 0; i < MenuItemCount; ++i) {
        Record r;
        std::copy_n(FileData.begin() + i * RecordSize, RecordSize, r.begin());
        EXPECT_EQ(r, EmptyRecord()) << i;
    }
    EXPECT_EQ(FileData[190], 0x5A);
}

TEST_F(GlobalState, RecordsLandAtTheirOffsets)
{
    ItemMemory[9] = {"FRIES", "3:00", "0:30", "7:00", 1};
    FileDataFromItemMemory(9);
    EXPECT_TRUE(std::equal(FriesRecord.begin(), FriesRecord.end(), FileData.begin() + 171));
    EXPECT_EQ(FileData[190], 0);
    ClearItemMemory(9);
    FileDataToItemMemory(9);
    EXPECT_EQ(ItemMemory[9].Name, "FRIES");
    EXPECT_EQ(CalculateByteSum(172, 18), 913);
}

TEST_F(GlobalState, EmptyNameKeepsItsTimesThroughASave)
{
    ItemMemory[0] = {"", "2:00", "0:10", "", 1};
    FileDataFromItemMemory(0);
    ClearItemMemory(0);
    FileDataToItemMemory(0);
    EXPECT_EQ(ItemMemory[0], (MenuItem{"", "2:00", "0:10", "0:00", 1}));
}

TEST(EncodeMenu, DecodeMenuInvertsItAndLeavesTheReservedByte)
{
    MenuItems items{};
    items[0] = {"FRIES", "3:00", "0:30", "7:00", 1};
    items[5] = {"NUGGETS", "4:15", "1:00", "10:00", 0};
    MenuImage image{};
    image[190] = 7;
    EncodeMenu(items, image);
    EXPECT_EQ(image[190], 7);
    const MenuItems back = DecodeMenu(image);
    EXPECT_EQ(back[0], items[0]);
    EXPECT_EQ(back[5], items[5]);
    EXPECT_EQ(back[1], (MenuItem{"", "", "0:00", "0:00", 0}));
}
