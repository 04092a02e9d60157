#include "Text.h"

#include <gtest/gtest.h>

TEST(Utf8ToLatin1, MalformedSequencesBecomeOneQuestionMarkEach)
{
    // Overlong forms of 'A', of NUL and of an accented letter, a surrogate,
    // a value beyond Unicode, a lone continuation byte, a cut sequence.
    EXPECT_EQ(Utf8ToLatin1("\xC1\x81\x42"), "?B");
    EXPECT_EQ(Utf8ToLatin1("\xC0\x80"), "?");
    EXPECT_EQ(Utf8ToLatin1("\xE0\x83\x89"), "?");
    EXPECT_EQ(Utf8ToLatin1("\xF0\x80\x81\x81"), "?");
    EXPECT_EQ(Utf8ToLatin1("\xED\xA0\x80"), "?");
    EXPECT_EQ(Utf8ToLatin1("\xF4\x90\x80\x80"), "?");
    EXPECT_EQ(Utf8ToLatin1("\x81\x41"), "?A");
    EXPECT_EQ(Utf8ToLatin1("A\xC3"), "A?");
    for (const char* bad : {"\xC1\x81", "\xC0\x80", "\xE0\x83\x89", "\xED\xA0\x80"})
        EXPECT_FALSE(IsLatin1(bad)) << bad;
    // The shortest forms at the edges of each length still pass.
    EXPECT_EQ(Utf8ToLatin1("\xC2\x80\xC3\xBF\x7F"), "\x80\xFF\x7F");
    EXPECT_EQ(Utf8Length("\xE0\xA0\x80\xF0\x90\x80\x80\xF4\x8F\xBF\xBF"), 3u);
}

TEST(Utf8CodePoints, EachMalformedByteIsReportedAndNothingIsLost)
{
    const std::vector<std::int32_t> points = Utf8CodePoints("A\xC1\x81\xC3\xA9\xE2\x82");
    EXPECT_EQ(points,
              (std::vector<std::int32_t>{'A', -1 - 0xC1, -1 - 0x81, 0xE9, -1 - 0xE2, -1 - 0x82}));
    std::string back;
    for (const std::int32_t cp : points)
        if (cp >= 0)
            AppendUtf8(back, cp);
    EXPECT_EQ(back, "A\xC3\xA9");
    EXPECT_FALSE(IsValidUtf8("A\xC1\x81"));
    EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x8D\x9F"));
}

TEST(Trimmed, OnlyTheGivenBlanksAtEitherEnd)
{
    EXPECT_EQ(Trimmed("  A B "), "A B");
    EXPECT_EQ(Trimmed("\t A. ", " "), "\t A.");
    EXPECT_EQ(Trimmed(" \t name\t", " \t"), "name");
    EXPECT_EQ(Trimmed("   "), "");
    EXPECT_EQ(WithoutBom("\xEF\xBB\xBF{}"), "{}");
    EXPECT_EQ(WithoutBom("{}\xEF\xBB\xBF"), "{}\xEF\xBB\xBF");
}
