#include "KeyFilters.h"

#include <gtest/gtest.h>

TEST(StandardizeKeyText, AdmitsCodes32To95AfterUpperCasing)
{
    for (int key = 0; key < 256; ++key) {
        const auto k = static_cast<std::int16_t>(key);
        const std::int16_t got = StandardizeKeyText(k, false);
        if (key == 8 || key == 127)
            EXPECT_EQ(got, key);
        else if (key >= 'a' && key <= 'z')
            EXPECT_EQ(got, key - 32);
        else if (key >= 32 && key <= 95)
            EXPECT_EQ(got, key);
        else
            EXPECT_EQ(got, 0) << key;
    }
}

TEST(StandardizeKeyText, DiscardsTheUsualSuspectsAndCodesWithoutAByte)
{
    for (int key : std::initializer_list<int>{'`', '{', '|', '}', '~', 0x16, 0x03, 0xE9, 0xFF, -1})
        EXPECT_EQ(StandardizeKeyText(static_cast<std::int16_t>(key), false), 0) << key;
    for (int key : std::initializer_list<int>{'"', '\'', ':', '\\', '_', ' ', '0', '@', '['})
        EXPECT_EQ(StandardizeKeyText(static_cast<std::int16_t>(key), false), key);
}

TEST(StandardizeKeyNumber, DigitsAndErasingOnly)
{
    for (int key = -1; key < 300; ++key) {
        const auto k = static_cast<std::int16_t>(key);
        const bool digitOrErase = (key >= '0' && key <= '9') || key == 8 || key == 127;
        EXPECT_EQ(StandardizeKeyNumber(k, false, true), digitOrErase ? key : 0) << key;
    }
}

TEST(StandardizeKeyFilename, RefusesTheNineAndControlCodes)
{
    for (int key : std::initializer_list<int>{'\\', '/', ':', '*', '?', '"', '<', '>', '|', 0, 13,
                                              27, 31, 128, 255, -1})
        EXPECT_EQ(StandardizeKeyFilename(static_cast<std::int16_t>(key)), 0) << key;
    for (int key : std::initializer_list<int>{8, 'a', 'Z', '.', ' ', '-', '_', '~', 127})
        EXPECT_EQ(StandardizeKeyFilename(static_cast<std::int16_t>(key)), key) << key;
}
