#include "Csv.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

using Fields = std::vector<std::string>;

std::vector<Fields> AllFields(const CsvTable& t)
{
    std::vector<Fields> out;
    for (const CsvRecord& r : t.records)
        out.push_back(r.fields);
    return out;
}

std::vector<int> Lines(const CsvTable& t)
{
    std::vector<int> out;
    for (const CsvRecord& r : t.records)
        out.push_back(r.line);
    return out;
}

} // namespace

TEST(ParseCsv, EveryLineEndReadsTheSame)
{
    const std::vector<Fields> expected = {{"a", "b"}, {"1", "2"}, {"x", ""}};
    for (const char* text :
         {"a,b\r\n1,2\r\nx,\r\n", "a,b\n1,2\nx,\n", "a,b\r1,2\rx,\r", "a,b\r\n1,2\nx,"}) {
        const CsvTable t = ParseCsv(text);
        EXPECT_TRUE(t.error.empty()) << text;
        EXPECT_EQ(AllFields(t), expected) << text;
        EXPECT_EQ(Lines(t), (std::vector<int>{1, 2, 3})) << text;
    }
}

TEST(ParseCsv, QuotedFieldsHoldCommasQuotesAndLineBreaks)
{
    const CsvTable t = ParseCsv("\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\"\r\n\"\",plain\r\n");
    ASSERT_TRUE(t.error.empty());
    EXPECT_EQ(AllFields(t),
              (std::vector<Fields>{{"a,b", "say \"hi\"", "two\r\nlines"}, {"", "plain"}}));
    // The second record starts on the third physical line.
    EXPECT_EQ(Lines(t), (std::vector<int>{1, 3}));
}

TEST(ParseCsv, ByteOrderMarkIsSkippedOnlyAtTheStart)
{
    const CsvTable t = ParseCsv("\xEF\xBB\xBFitem,name\r\n1,\xEF\xBB\xBFX\r\n");
    EXPECT_EQ(AllFields(t), (std::vector<Fields>{{"item", "name"}, {"1", "\xEF\xBB\xBFX"}}));
}

TEST(ParseCsv, EmptyLinesAreMarkedBlankButAnEmptyQuotedFieldIsNot)
{
    const CsvTable t = ParseCsv("a\n\n\"\"\n,\n");
    ASSERT_EQ(t.records.size(), 4u);
    EXPECT_FALSE(t.records[0].blank);
    EXPECT_TRUE(t.records[1].blank);
    EXPECT_FALSE(t.records[2].blank);
    EXPECT_FALSE(t.records[3].blank);
    EXPECT_EQ(t.records[3].fields, (Fields{"", ""}));
    EXPECT_TRUE(ParseCsv("").records.empty());
}

TEST(ParseCsv, BytesOtherThanSeparatorsAreKept)
{
    const std::string text("A\0B\t C ,\xE9\n", 10);
    const CsvTable t = ParseCsv(text);
    ASSERT_EQ(t.records.size(), 1u);
    EXPECT_EQ(t.records[0].fields, (Fields{std::string("A\0B\t C ", 7), "\xE9"}));
}

TEST(ParseCsv, QuotingErrorsStopWithTheirLineAndKeepWhatCameBefore)
{
    struct Case {
        const char* text;
        const char* error;
        int line;
        std::size_t kept;
    };
    for (const Case& c : {
             Case{"a\n\"open\nstill open", "a quoted field is not closed", 2, 1},
             Case{"a\nb,\"x\"y\n", "text after the closing quote of a field", 2, 1},
             Case{"a\r\n\"x\r\ny\"z", "text after the closing quote of a field", 3, 1},
             Case{"a\nb,c\"d\n", "a quote inside a field that does not start with one", 2, 1},
         }) {
        const CsvTable t = ParseCsv(c.text);
        EXPECT_EQ(t.error, c.error) << c.text;
        EXPECT_EQ(t.errorLine, c.line) << c.text;
        EXPECT_EQ(t.records.size(), c.kept) << c.text;
    }
}

TEST(CsvField, QuotesOnlyWhatNeedsIt)
{
    // Field, then how it is written.
    const std::pair<const char*, const char*> cases[] = {
        {"FRIES", "FRIES"},           {"", ""},
        {" LEAD", " LEAD"},           {"A,B", "\"A,B\""},
        {"5\" PIE", "\"5\"\" PIE\""}, {"A\rB", "\"A\rB\""},
        {"A\nB", "\"A\nB\""},
    };
    for (const auto& [field, written] : cases)
        EXPECT_EQ(CsvField(field), written) << field;
}

TEST(CsvField, EveryFieldReadsBackAsItWasWritten)
{
    const std::vector<std::string> fields = {
        "", "\"", "\"\"", ",", "a\r\nb", "\r", "x\"y,z", std::string("\0", 1), " ", "\xC3\xA9"};
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ',';
        line += CsvField(fields[i]);
    }
    const CsvTable t = ParseCsv(line + "\r\n");
    ASSERT_TRUE(t.error.empty());
    ASSERT_EQ(t.records.size(), 1u);
    EXPECT_EQ(t.records[0].fields, fields);
}
