#include "Commands.h"

#include "MenuFixtures.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace fixtures;

namespace {

const char* const EmptyJson =
    "    {\"name\": \"\", \"cook\": \"\", \"shake\": \"0:00\", \"hold\": \"0:00\", "
    "\"compensation\": 0}";

} // namespace

TEST(ExportMenuJson, ItemsInTheEditorsTermsKeysInReadingOrder)
{
    std::string expected =
        "{\n  \"items\": [\n"
        "    {\"name\": \"FRIES\", \"cook\": \"3:00\", \"shake\": \"0:30\", \"hold\": \"7:00\", "
        "\"compensation\": 1},\n"
        "    {\"name\": \"FISH\", \"cook\": \"4:30\", \"shake\": \"0:00\", \"hold\": \"5:00\", "
        "\"compensation\": 0},\n"
        "    {\"name\": \"CHICKEN 2\", \"cook\": \"12:00\", \"shake\": \"1:15\", \"hold\": "
        "\"15:00\", \"compensation\": 1},\n";
    for (int i = 4; i <= 10; ++i)
        expected += std::string(EmptyJson) + (i < 10 ? ",\n" : "\n");
    expected += "  ],\n  \"reserved\": 7\n}\n";
    MenuImage image = Sample();
    image[ReservedByteIndex] = 7;
    EXPECT_EQ(ExportMenuJson(image).toStdString(), expected);
}

TEST(ExportMenuJson, EveryByteOfANameSurvivesAsValidJson)
{
    // Names through Latin-1: control bytes, quotes, backslashes and bytes above 127.
    MenuImage image{};
    for (int i = 0; i < FileDataSize; ++i)
        image[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 37 + 11);
    const QByteArray json = ExportMenuJson(image);
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << json.toStdString();
    const QJsonArray items = doc.object().value("items").toArray();
    ASSERT_EQ(items.size(), MenuItemCount);
    const MenuItems decoded = DecodeMenu(image);
    for (int i = 0; i < MenuItemCount; ++i) {
        const QJsonObject item = items.at(i).toObject();
        const MenuItem& expected = decoded[static_cast<std::size_t>(i)];
        EXPECT_EQ(item.value("name").toString().toStdString(), expected.Name) << i;
        EXPECT_EQ(item.value("cook").toString().toStdString(), expected.Cook) << i;
        EXPECT_EQ(item.value("shake").toString().toStdString(), expected.Duty) << i;
        EXPECT_EQ(item.value("hold").toString().toStdString(), expected.Hold) << i;
        EXPECT_EQ(item.value("compensation").toInt(), expected.Comp) << i;
    }
    EXPECT_EQ(doc.object().value("reserved").toInt(), image[ReservedByteIndex]);
}

TEST(ExportMenuJson, ZeroFilledFileGivesNamesOfZeroCharacters)
{
    const QByteArray json = ExportMenuJson(MenuImage{});
    EXPECT_TRUE(json.contains("{\"name\": \"\\u0000\\u0000\\u0000\\u0000\\u0000\\u0000\\u0000"
                              "\\u0000\\u0000\\u0000\", \"cook\": \"\", \"shake\": \"0:00\", "
                              "\"hold\": \"0:00\", \"compensation\": 0}"))
        << json.toStdString();
}

TEST(ExportMenuCsv, HeaderThenTenRowsWithCrlfAndQuoting)
{
    MenuImage image = Menu({{"FRIES", "3:00", "0:30", "7:00", 1},
                            {"A,B", "1:00", "0:00", "0:00", 0},
                            {"5\" PIE", "99:59", "0:00", "0:00", 1}});
    std::string expected = "item,name,cook,shake,hold,compensation\r\n"
                           "1,FRIES,3:00,0:30,7:00,1\r\n"
                           "2,\"A,B\",1:00,0:00,0:00,0\r\n"
                           "3,\"5\"\" PIE\",99:59,0:00,0:00,1\r\n";
    for (int i = 4; i <= 10; ++i)
        expected += std::to_string(i) + ",,,0:00,0:00,0\r\n";
    EXPECT_EQ(ExportMenuCsv(image).toStdString(), expected);
}

TEST(ExportLosses, NoneForAFileAnImportGivesBack)
{
    EXPECT_TRUE(ExportLosses(Sample(), MenuFormat::Json).empty());
    EXPECT_TRUE(ExportLosses(Sample(), MenuFormat::Csv).empty());
    EXPECT_TRUE(ExportLosses(Menu({}, 0x33), MenuFormat::Json).empty());
    // Trailing blanks are padding and come back as they were.
    EXPECT_TRUE(ExportLosses(Menu({{"A B", "1:00", "0:00", "0:00", 0}}), MenuFormat::Csv).empty());
}

TEST(ExportLosses, NamesEachByteThatCannotComeBack)
{
    MenuImage image = Menu({{"  LEAD", "1:00", "0:00", "0:00", 0}}, 0x33);
    Record(image, 3)[ChecksumOffset] = 0x12;
    Record(image, 4)[ReservedOffset] = 0x05;
    Reseal(image, 4);
    EXPECT_EQ(ExportLosses(image, MenuFormat::Json),
              (std::vector<std::string>{
                  "item 1: the blanks before the name are not exported",
                  "item 3: checksum 0x12, expected 0x40; an import writes 0x40",
                  "item 4: reserved byte 11 is 0x05; an import writes 0",
              }));
    EXPECT_EQ(
        ExportLosses(image, MenuFormat::Csv).back(),
        "reserved byte 190 is 0x33, which CSV cannot hold; an import writes 0 (JSON keeps it)");
}
