#include "MenuImport.h"

#include "Commands.h"
#include "MenuFixtures.h"
#include "TimeValues.h"

#include <gtest/gtest.h>

using namespace fixtures;

namespace {

using Errors = std::vector<std::string>;

// The errors, the last marked " [--raw]" when --raw would take every value refused.
Errors Marked(ImportedMenu menu)
{
    if (!menu.errors.empty() && menu.rawTaken == menu.errors.size())
        menu.errors.back() += " [--raw]";
    return menu.errors;
}

Errors JsonErrors(const std::string& text, ImportRules rules = ImportRules::Editor)
{
    return Marked(ParseMenuJson(QByteArray::fromStdString(text), "m.json", rules));
}

Errors CsvErrors(const std::string& text, ImportRules rules = ImportRules::Editor)
{
    return Marked(ParseMenuCsv(QByteArray::fromStdString(text), "m.csv", rules));
}

// One JSON item with the given fields, the others as a sound item has them.
std::string JsonItem(const std::string& fields)
{
    return "{\"items\": [{" + fields + "}]}";
}

const std::string Header = "item,name,cook,shake,hold,compensation\r\n";

std::string RandomEditorTime(Random& r, int atMost)
{
    const int seconds = static_cast<int>(r.Next() % static_cast<std::uint32_t>(atMost + 1));
    return CalculateTimeAsString(static_cast<std::uint8_t>(seconds / 256),
                                 static_cast<std::uint8_t>(seconds % 256));
}

// What the editor itself could have saved: typed names without leading blanks,
// times up to 99:59 with the shake time not above the cook time.
MenuImage RandomEditorMenu(Random& r)
{
    MenuItems items{};
    for (MenuItem& item : items) {
        if (r.Next() % 4 == 0)
            continue;
        const int length = 1 + static_cast<int>(r.Next() % 10);
        for (int k = 0; k < length; ++k)
            item.Name += static_cast<char>(k == 0 ? 33 + r.Next() % 63 : 32 + r.Next() % 64);
        item.Cook = RandomEditorTime(r, 5999);
        item.Duty = RandomEditorTime(r, CalculateTimeInSeconds(item.Cook));
        item.Hold = RandomEditorTime(r, 5999);
        item.Comp = static_cast<std::int16_t>(r.Next() % 2);
    }
    MenuImage image{};
    EncodeMenu(items, image);
    image[ReservedByteIndex] = r.Byte();
    return image;
}

// Any bytes, except those that decoding cannot carry: checksums are right,
// byte 11 is 0 and no name starts with a blank.
MenuImage RandomRawMenu(Random& r)
{
    MenuImage image{};
    for (std::uint8_t& b : image)
        b = r.Byte();
    for (int item = 1; item <= MenuItemCount; ++item) {
        const RecordBytes record = Record(image, item);
        if (r.Next() % 3 == 0)
            std::fill_n(record.begin() + NameOffset, NameLength, ' ');
        else if (record[NameOffset] == ' ')
            record[NameOffset] = 'X';
        if (r.Next() % 5 == 0)
            std::fill_n(record.begin() + CookOffset, 2, 0);
        record[ReservedOffset] = 0;
        Reseal(image, item);
    }
    return image;
}

} // namespace

TEST(ImportRoundTrip, ExportOfWhatTheEditorWritesComesBackByteForByte)
{
    Random r(1);
    for (int i = 0; i < 300; ++i) {
        const MenuImage image = RandomEditorMenu(r);
        const ImportedMenu json = ParseMenuJson(ExportMenuJson(image), "j", ImportRules::Editor);
        ASSERT_TRUE(json.errors.empty()) << json.errors.front() << "\n"
                                         << ExportMenuJson(image).toStdString();
        EXPECT_EQ(ImportedImage(json), image);

        MenuImage noReserved = image;
        noReserved[ReservedByteIndex] = 0;
        const ImportedMenu csv = ParseMenuCsv(ExportMenuCsv(image), "c", ImportRules::Editor);
        ASSERT_TRUE(csv.errors.empty()) << csv.errors.front();
        EXPECT_EQ(ImportedImage(csv), noReserved);
    }
}

TEST(ImportRoundTrip, RawImportGivesBackAnyFileThatDecodingCanCarry)
{
    Random r(2);
    for (int i = 0; i < 300; ++i) {
        MenuImage image = RandomRawMenu(r);
        const ImportedMenu json = ParseMenuJson(ExportMenuJson(image), "j", ImportRules::Raw);
        ASSERT_TRUE(json.errors.empty()) << json.errors.front();
        EXPECT_EQ(ImportedImage(json), image);

        image[ReservedByteIndex] = 0;
        const ImportedMenu csv = ParseMenuCsv(ExportMenuCsv(image), "c", ImportRules::Raw);
        ASSERT_TRUE(csv.errors.empty()) << csv.errors.front();
        EXPECT_EQ(ImportedImage(csv), image);
    }
}

TEST(ImportRoundTrip, WhatDecodingCannotCarryIsRepairedNotRefused)
{
    MenuImage image = Sample();
    Record(image, 1)[ChecksumOffset] ^= 0xFF;
    Record(image, 2)[ReservedOffset] = 9;
    const MenuImage sound = Sample();
    const ImportedMenu back = ParseMenuJson(ExportMenuJson(image), "j", ImportRules::Editor);
    ASSERT_TRUE(back.errors.empty());
    EXPECT_EQ(ImportedImage(back), sound);
}

TEST(ImportJson, ItemsLeftOutAreEmptySlots)
{
    const ImportedMenu menu = ParseMenuJson(
        R"({"items": [null, {"name": "FRIES", "cook": "3:00", "compensation": true}]})", "m",
        ImportRules::Editor);
    ASSERT_TRUE(menu.errors.empty()) << menu.errors.front();
    EXPECT_EQ(ImportedImage(menu), Menu({{}, {"FRIES", "3:00", "0:00", "0:00", 1}}));
    EXPECT_EQ(menu.reserved, 0);
    EXPECT_EQ(ImportedImage(ParseMenuJson("\xEF\xBB\xBF{\"items\": [], \"reserved\": 200}", "m",
                                          ImportRules::Editor)),
              Menu({}, 200));
}

TEST(ImportJson, SmallLettersBecomeCapitalsUnderTheEditorsRulesOnly)
{
    const std::string text = JsonItem(R"("name": "fries é", "cook": "3:00")");
    const ImportedMenu editor =
        ParseMenuJson(QByteArray::fromStdString(JsonItem(R"("name": "fries", "cook": "3:00")")),
                      "m", ImportRules::Editor);
    ASSERT_TRUE(editor.errors.empty());
    EXPECT_EQ(editor.items[0].Name, "FRIES");
    const ImportedMenu raw = ParseMenuJson(QByteArray::fromStdString(text), "m", ImportRules::Raw);
    ASSERT_TRUE(raw.errors.empty());
    EXPECT_EQ(raw.items[0].Name, "fries é");
    // é upper-cases to É, which is still outside what the name field takes.
    EXPECT_EQ(JsonErrors(text).size(), 1u);
}

TEST(ImportJson, ItemsWithoutANameKeepAnyTimesTheFileCanHold)
{
    const ImportedMenu menu = ParseMenuJson(
        R"({"items": [{"name": "", "cook": "1092:15", "shake": "200:00", "compensation": 255}]})",
        "m", ImportRules::Editor);
    ASSERT_TRUE(menu.errors.empty()) << menu.errors.front();
    const MenuImage image = ImportedImage(menu);
    EXPECT_EQ(RecordAt(image, 0)[CookOffset], 0xFF);
    EXPECT_EQ(image[18], 255);
}

TEST(ImportJson, EditorRulesAtTheirEdges)
{
    for (const char* fields : {
             R"("name": "ABCDEFGHIJ", "cook": "99:59", "shake": "99:59", "hold": "99:59")",
             R"("name": "A", "cook": "00:00", "shake": "0:00", "hold": "0:00")",
             R"("name": " !\"#/09:@Z", "cook": "1:00")",
             R"("name": "[\\]^_", "cook": "1:00")",
             R"("name": "   ", "cook": "", "shake": "", "hold": "")",
             R"("name": "X", "cook": "05:30", "shake": "5:30", "compensation": 0)",
         })
        EXPECT_TRUE(JsonErrors(JsonItem(fields)).empty()) << fields;
}

TEST(ImportJson, EveryErrorNamesInputItemFieldAndValue)
{
    struct Case {
        std::string text;
        Errors errors;
        ImportRules rules = ImportRules::Editor;
    };
    const std::string editorName =
        ", which the editor does not take (it takes capital letters, digits, spaces and "
        "punctuation; small letters become capitals)";
    const std::string editorTime = " is not a time the editor takes (m:ss or mm:ss, 0:00 to 99:59)";
    const std::string rawTime = " is not a time from 0:00 to 1092:15 (m:ss)";
    const std::vector<Case> cases = {
        {"[]", {"m.json: not a menu: expected an object with \"items\""}},
        {"{}", {"m.json: items: missing; a menu is {\"items\": [...]}"}},
        {R"({"items": 5})", {"m.json: items: 5 is not a list"}},
        {R"({"items": {}})", {"m.json: items: an object is not a list"}},
        {R"({"items": [], "extra": true})",
         {"m.json: extra: true is an unknown field (a menu has items and reserved)"}},
        {R"({"items": [{"cook": null, "x": null}], "y": null})",
         {"m.json: y: null is an unknown field (a menu has items and reserved)",
          "m.json: item 1: x: null is an unknown field (an item has name, cook, shake, hold and "
          "compensation)"}},
        {R"({"items": [], "reserved": 256})",
         {"m.json: reserved: 256 is not a whole number from 0 to 255"}},
        {R"({"items": [], "reserved": -1})",
         {"m.json: reserved: -1 is not a whole number from 0 to 255"}},
        {R"({"items": [], "reserved": 1.5})",
         {"m.json: reserved: 1.5 is not a whole number from 0 to 255"}},
        {R"({"items": [], "reserved": null})",
         {"m.json: reserved: null is not a whole number from 0 to 255"}},
        {R"({"items": [{},{},{},{},{},{},{},{},{},{},{}]})",
         {"m.json: items: 11 items, a menu holds at most 10"}},
        {R"({"items": [5, "x"]})",
         {"m.json: item 1: 5 is not an item (an object)",
          "m.json: item 2: \"x\" is not an item (an object)"}},
        {JsonItem(R"("shak": "0:30")"),
         {"m.json: item 1: shak: \"0:30\" is an unknown field (an item has name, cook, shake, "
          "hold and compensation)"}},
        {JsonItem(R"("name": 5)"), {"m.json: item 1: name: 5 is not text"}},
        {JsonItem(R"("name": ["A"])"), {"m.json: item 1: name: a list is not text"}},
        {JsonItem(R"("name": "ABCDEFGHIJK", "cook": "1:00")"),
         {"m.json: item 1: name: \"ABCDEFGHIJK\" has 11 characters, at most 10"}},
        {JsonItem(R"("name": "A{", "cook": "1:00")"),
         {"m.json: item 1: name: \"A{\" has \"{\"" + editorName + " [--raw]"}},
        {JsonItem(R"("name": "A\u0000", "cook": "1:00")"),
         {"m.json: item 1: name: \"A\\x00\" has \"\\x00\"" + editorName + " [--raw]"}},
        {JsonItem(R"("name": "€", "cook": "1:00")"),
         {"m.json: item 1: name: \"€\" has \"€\"" + editorName}},
        {JsonItem(R"("name": "A€")"),
         {"m.json: item 1: name: \"A€\" has \"€\", which Latin-1 lacks"},
         ImportRules::Raw},
        {JsonItem(R"("name": "ABCDEFGHIJK")"),
         {"m.json: item 1: name: \"ABCDEFGHIJK\" has 11 characters, at most 10"},
         ImportRules::Raw},
        {JsonItem(R"("name": "A", "cook": "3:75")"),
         {"m.json: item 1: cook: \"3:75\"" + editorTime}},
        {JsonItem(R"("name": "A", "cook": "100:00")"),
         {"m.json: item 1: cook: \"100:00\"" + editorTime + " [--raw]"}},
        {JsonItem(R"("name": "A", "cook": "1:00", "shake": "1:5")"),
         {"m.json: item 1: shake: \"1:5\"" + editorTime}},
        {JsonItem(R"("name": "A", "cook": "1:00", "hold": "-1:30")"),
         {"m.json: item 1: hold: \"-1:30\"" + editorTime}},
        {JsonItem(R"("name": "A", "cook": 180)"),
         {"m.json: item 1: cook: 180 is not a time (text of the form m:ss)"}},
        {JsonItem(R"("name": "A", "cook": "1092:16")"),
         {"m.json: item 1: cook: \"1092:16\"" + rawTime},
         ImportRules::Raw},
        {JsonItem(R"("name": "A", "cook": "1:60", "shake": " 1:00", "hold": "1:00:00")"),
         {"m.json: item 1: cook: \"1:60\"" + rawTime, "m.json: item 1: shake: \" 1:00\"" + rawTime,
          "m.json: item 1: hold: \"1:00:00\"" + rawTime},
         ImportRules::Raw},
        {JsonItem(R"("name": "A", "cook": "0:30", "shake": "1:00")"),
         {"m.json: item 1: shake: \"1:00\" is longer than cook \"0:30\" [--raw]"}},
        {JsonItem(R"("name": "A", "shake": "0:01")"),
         {"m.json: item 1: shake: \"0:01\" is longer than cook \"\" [--raw]"}},
        {JsonItem(R"("name": "A", "cook": "1:00", "compensation": 2)"),
         {"m.json: item 1: compensation: 2 is not 0 or 1 [--raw]"}},
        {JsonItem(R"("name": "A", "cook": "1:00", "compensation": 0.5)"),
         {"m.json: item 1: compensation: 0.5 is not 0 or 1"}},
        {JsonItem(R"("name": "A", "compensation": 256)"),
         {"m.json: item 1: compensation: 256 is not a whole number from 0 to 255"},
         ImportRules::Raw},
        {JsonItem(R"("name": "A", "compensation": "on")"),
         {"m.json: item 1: compensation: \"on\" is not a whole number from 0 to 255"},
         ImportRules::Raw},
    };
    for (const Case& c : cases)
        EXPECT_EQ(JsonErrors(c.text, c.rules), c.errors) << c.text;
}

TEST(ImportJson, SyntaxErrorsGiveLineAndColumn)
{
    const Errors errors = JsonErrors("{\n  \"items\": [\n    {\"name\": }\n");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind("m.json: line 3, column ", 0), 0u) << errors[0];
    EXPECT_NE(errors[0].find(": not valid JSON: "), std::string::npos) << errors[0];
    EXPECT_EQ(JsonErrors("").size(), 1u);
    EXPECT_EQ(JsonErrors("{\"items\": [{\"name\": \"\xFF\"}]}").size(), 1u);
}

TEST(ImportJson, AllErrorsAreToldAtOnce)
{
    const Errors errors = JsonErrors(R"({"items": [{"name": "a{", "cook": "x"},
        {"name": "B", "cook": "1:00", "compensation": 3}], "reserved": 999})");
    EXPECT_EQ(errors.size(), 4u);
}

TEST(ImportCsv, ColumnsInAnyOrderAnyCaseAndSpreadsheetHabits)
{
    const std::string text = "\xEF\xBB\xBF"
                             "Compensation, Name ,COOK,Item\r\n"
                             "1,FRIES,3:00,2\r\n"
                             "\r\n"
                             "0,\"FISH, COD\",4:30,5\r\n";
    const ImportedMenu menu =
        ParseMenuCsv(QByteArray::fromStdString(text), "m", ImportRules::Editor);
    ASSERT_TRUE(menu.errors.empty()) << menu.errors.front();
    EXPECT_EQ(ImportedImage(menu),
              Menu({{}, {"FRIES", "3:00", "", "", 1}, {}, {}, {"FISH, COD", "4:30", "", "", 0}}));
}

TEST(ImportCsv, WithoutAnItemColumnRowsFillTheSlotsInOrder)
{
    const ImportedMenu menu =
        ParseMenuCsv("name,cook\nA,1:00\n\nB,2:00\n", "m", ImportRules::Editor);
    ASSERT_TRUE(menu.errors.empty());
    EXPECT_EQ(menu.items[0].Name, "A");
    EXPECT_EQ(menu.items[1].Name, "B");
    EXPECT_EQ(menu.items[2], MenuItem{});
    EXPECT_TRUE(
        ParseMenuCsv(QByteArray::fromStdString(Header), "m", ImportRules::Editor).errors.empty());
}

TEST(ImportCsv, EveryErrorNamesInputLineFieldAndValue)
{
    struct Case {
        std::string text;
        Errors errors;
        ImportRules rules = ImportRules::Editor;
    };
    std::string elevenRows = "name\n";
    for (int i = 0; i < 11; ++i)
        elevenRows += "\n";
    std::string elevenNamed = "name,cook\n";
    for (int i = 0; i < 12; ++i)
        elevenNamed += "A,1:00\n";
    const std::vector<Case> cases = {
        {"",
         {"m.csv: empty; expected the header item,name,cook,shake,hold,compensation and a "
          "line per item"}},
        {"\r\n\r\n",
         {"m.csv: empty; expected the header item,name,cook,shake,hold,compensation "
          "and a line per item"}},
        {"item,name,shak\n",
         {"m.csv: line 1: header: \"shak\" is an unknown column (the columns are item, name, "
          "cook, shake, hold and compensation)"}},
        {"cook,Cook\n", {"m.csv: line 1: header: \"Cook\" is a column named twice"}},
        {Header + "1,A,1:00,0:00,0:00\r\n", {"m.csv: line 2: 5 fields, the header has 6"}},
        {Header + "0,A,1:00,,,\r\n11,B,1:00,,,\r\nx,C,1:00,,,\r\n,D,1:00,,,\r\n",
         {"m.csv: line 2: item: \"0\" is not a number from 1 to 10",
          "m.csv: line 3: item: \"11\" is not a number from 1 to 10",
          "m.csv: line 4: item: \"x\" is not a number from 1 to 10",
          "m.csv: line 5: item: \"\" is not a number from 1 to 10"}},
        {Header + "1,A,1:00,,,\r\n1,B,1:00,,,\r\n",
         {"m.csv: line 3: item: \"1\" is taken already by line 2"}},
        {elevenNamed, {"m.csv: line 12: an 11th item; a menu holds at most 10"}},
        {Header + "1,\"A,1:00,,,\r\n", {"m.csv: line 2: a quoted field is not closed"}},
        {Header + "1,A\"B,1:00,,,\r\n",
         {"m.csv: line 2: a quote inside a field that does not start with one"}},
        {Header + "1,\xE9,1:00,,,\r\n", {"m.csv: line 2: name: \"\\xE9\" is not valid UTF-8"}},
        {Header + "1,fries~,1:00,,,\r\n",
         {"m.csv: line 2: name: \"fries~\" has \"~\", which the editor does not take (it takes "
          "capital letters, digits, spaces and punctuation; small letters become capitals) "
          "[--raw]"}},
        {Header + "2,A,9:99,0:00,0:00,1\r\n",
         {"m.csv: line 2: cook: \"9:99\" is not a time the editor takes (m:ss or mm:ss, 0:00 to "
          "99:59)"}},
        {Header + "2,A,1:00,2:00,0:00,1\r\n",
         {"m.csv: line 2: shake: \"2:00\" is longer than cook \"1:00\" [--raw]"}},
        {Header + "2,A,1:00,0:00,0:00,yes\r\n",
         {"m.csv: line 2: compensation: \"yes\" is not 0 or 1"}},
        {Header + "2,A,1:00,0:00,0:00, 1\r\n",
         {"m.csv: line 2: compensation: \" 1\" is not a whole number from 0 to 255"},
         ImportRules::Raw},
        {Header + "2,A,65536:00,0:00,0:00,1\r\n",
         {"m.csv: line 2: cook: \"65536:00\" is not a time from 0:00 to 1092:15 (m:ss)"},
         ImportRules::Raw},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CsvErrors(c.text, c.rules), c.errors) << c.text;
    EXPECT_TRUE(CsvErrors(elevenRows).empty()) << "blank lines are no items";
}

TEST(GuessMenuFormat, ExtensionFirstThenTheFirstCharacter)
{
    EXPECT_EQ(GuessMenuFormat("menu.JSON", "a,b"), MenuFormat::Json);
    EXPECT_EQ(GuessMenuFormat("menu.csv", "{"), MenuFormat::Csv);
    EXPECT_EQ(GuessMenuFormat("-", "\xEF\xBB\xBF \r\n\t{\"items\": []}"), MenuFormat::Json);
    EXPECT_EQ(GuessMenuFormat("menu.txt", "item,name"), MenuFormat::Csv);
    EXPECT_EQ(GuessMenuFormat("menu", ""), MenuFormat::Csv);
}
