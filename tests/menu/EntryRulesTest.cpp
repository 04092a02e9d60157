#include "EntryRules.h"

#include <gtest/gtest.h>

TEST(ValidateItemEntry_Name, OneToTenCharacters)
{
    EXPECT_FALSE(ValidateItemEntry_Name(""));
    EXPECT_TRUE(ValidateItemEntry_Name("A"));
    EXPECT_TRUE(ValidateItemEntry_Name("ABCDEFGHIJ"));
    EXPECT_FALSE(ValidateItemEntry_Name("ABCDEFGHIJK"));
    EXPECT_TRUE(ValidateItemEntry_Name("    "));
    // Characters, not bytes: ten accented letters are ten characters.
    EXPECT_TRUE(ValidateItemEntry_Name("\xC3\x89\xC3\x89\xC3\x89\xC3\x89\xC3\x89\xC3\x89\xC3\x89"
                                       "\xC3\x89\xC3\x89\xC3\x89"));
}

TEST(ValidateItemEntry_Name, RefusesWhatTheFileCannotHold)
{
    EXPECT_FALSE(ValidateItemEntry_Name("\xE2\x82\xAC"
                                        "5"));                // euro sign
    EXPECT_FALSE(ValidateItemEntry_Name("\xF0\x9F\x8D\x9F")); // emoji
    EXPECT_FALSE(ValidateItemEntry_Name("A\xFF"));            // not UTF-8
    EXPECT_FALSE(ValidateItemEntry_Name("\xC1\x81"));         // 'A' in an overlong form
}

TEST(ValidateItemEntry_Time, TypedForms)
{
    for (const char* ok : {"0:00", "00:00", "5:30", "99:59", "0:59", "10:00", "00:01"})
        EXPECT_TRUE(ValidateItemEntry_Time(ok)) << ok;
    for (const char* bad :
         {"", "1:60", "1:5", "100:00", "12345", "1::00", "::00", ":000", "0:0", "1:00:", "9:99"})
        EXPECT_FALSE(ValidateItemEntry_Time(bad)) << bad;
}

TEST(ValidateItemEntry_Time, PastedNonDigitsFail)
{
    for (const char* bad : {"-1:30", "-0:30", "+1:30", " 1:30", "1: 5", "1.:30", "a:00", "1:3a",
                            "1:-5", "\xC2\xB9:00"})
        EXPECT_FALSE(ValidateItemEntry_Time(bad)) << bad;
}

TEST(ItemEntryFaults, ShakeWithinCookMarksTheCookFieldOnceTheFieldsPass)
{
    using enum ItemField;
    EXPECT_EQ(ItemEntryFaults({"FRIES", "1:00", "1:00", "0:00", 1}), std::vector<ItemField>{});
    EXPECT_EQ(ItemEntryFaults({"FRIES", "0:30", "1:00", "0:00", 1}), std::vector{Cook});
    EXPECT_EQ(ItemEntryFaults({"", "0:30", "1:00", "0:00", 1}), std::vector{Name});
    EXPECT_EQ(ItemEntryFaults({"A", "", "1:60", "x", 1}), (std::vector{Cook, Shake, Hold}));
}

TEST(ItemAsShown, AnEmptySlotShowsTheEditorsDefaults)
{
    EXPECT_EQ(ItemAsShown({"", "3:00", "", "", 0}), (MenuItem{"", "", "0:00", "0:00", 1}));
    const MenuItem named{"FRIES", "3:00", "", "", 0};
    EXPECT_EQ(ItemAsShown(named), named);
}
