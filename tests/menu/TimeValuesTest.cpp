#include "TimeValues.h"

#include <gtest/gtest.h>

TEST(CalculateTimeAsString, GivesMinutesWithoutPaddingAndTwoDigitSeconds)
{
    EXPECT_EQ(CalculateTimeAsString(0, 0), "0:00");
    EXPECT_EQ(CalculateTimeAsString(0, 5), "0:05");
    EXPECT_EQ(CalculateTimeAsString(0, 90), "1:30");
    EXPECT_EQ(CalculateTimeAsString(1, 0), "4:16");
    EXPECT_EQ(CalculateTimeAsString(2, 88), "10:00");
    EXPECT_EQ(CalculateTimeAsString(23, 111), "99:59");
    EXPECT_EQ(CalculateTimeAsString(255, 255), "1092:15");
    EXPECT_EQ(CalculateTimeAsString(0, 245), "4:05");
}

TEST(CalculateTimeInSeconds, ReadsMinutesAndSecondsWithoutRangeChecks)
{
    EXPECT_EQ(CalculateTimeInSeconds("0:00"), 0);
    EXPECT_EQ(CalculateTimeInSeconds("99:59"), 5999);
    EXPECT_EQ(CalculateTimeInSeconds("0:75"), 75);
    EXPECT_EQ(CalculateTimeInSeconds("1092:15"), 65535);
    EXPECT_EQ(CalculateTimeInSeconds("01:05"), 65);
    EXPECT_EQ(CalculateTimeInSeconds("-1:30"), -30);
    EXPECT_EQ(CalculateTimeInSeconds("1:5"), 65);
    // Only the first colon divides the parts.
    EXPECT_EQ(CalculateTimeInSeconds("1:2:3"), 0);
}

TEST(CalculateTimeInSeconds, GivesZeroForTextItCannotRead)
{
    for (const char* text : {"", ":", "12345", "a:00", "1:b", ":30", "1:", " 1:00", "1.5:00",
                             "99999999999:00", "1:99999999999", "-:00", "+:00"})
        EXPECT_EQ(CalculateTimeInSeconds(text), 0) << text;
}

TEST(TimeValues, EveryBytePairRoundTrips)
{
    for (int msb = 0; msb < 256; ++msb)
        for (int lsb = 0; lsb < 256; ++lsb) {
            const std::string text = CalculateTimeAsString(static_cast<std::uint8_t>(msb),
                                                           static_cast<std::uint8_t>(lsb));
            ASSERT_EQ(CalculateTimeInSeconds(text), msb * 256 + lsb) << text;
        }
}
