// tmrtool set over a fleet: a folder per store, 200 menus, one command.
#include "TmrTool.h"

#include "MenuFixtures.h"

#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

#ifndef _WIN32
#include <unistd.h>
#endif

using namespace fixtures;

namespace {

constexpr int Stores = 20;
constexpr int MenusPerStore = 10;

std::string Time(int seconds)
{
    return std::to_string(seconds / 60) + ":" + (seconds % 60 < 10 ? "0" : "") +
           std::to_string(seconds % 60);
}

class SetCommand : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        Random random(7);
        // Stores in nested folders, some files named in capitals; item 3 in
        // use everywhere, its cook time 3:00 or more and its shake under 1:00.
        for (int s = 0; s < Stores; ++s) {
            const QString folder = dir.filePath(QString("region%1/store%2").arg(s % 3).arg(s));
            ASSERT_TRUE(QDir().mkpath(folder));
            for (int m = 0; m < MenusPerStore; ++m) {
                MenuItems items{};
                for (int i = 0; i < MenuItemCount; ++i) {
                    if (i != 2 && random.Next() % 4 == 0)
                        continue;
                    const int shake = static_cast<int>(random.Next() % 60);
                    const int cook = 180 + static_cast<int>(random.Next() % 400);
                    items[static_cast<std::size_t>(i)] = {
                        "ITEM " + std::to_string(random.Next() % 1000), Time(cook), Time(shake),
                        Time(static_cast<int>(random.Next() % 900)),
                        static_cast<std::int16_t>(random.Next() % 2)};
                }
                MenuImage image{};
                EncodeMenu(items, image);
                const QString path =
                    folder + QString(m % 4 == 0 ? "/MENU%1.TMR" : "/MENU%1.tmr").arg(m);
                Put(path, Bytes(image));
                before[path] = image;
            }
        }
    }
    void TearDown() override
    {
        for (const QString& folder : locked)
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    std::map<QString, MenuImage> before;
    QStringList locked;
    QTemporaryDir dir;
};

} // namespace

TEST_F(SetCommand, OneSetOverTheTreeChangesItemThreeInEveryMenuAndNothingElse)
{
    ToolRun r = Tmr({"set", "-r", dir.path(), "--item", "3", "--cook", "4:10", "--name", "fries"});
    ASSERT_EQ(r.status, ExitOk) << r.out;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), Stores * MenusPerStore) << r.out;
    for (const auto& [path, old] : before) {
        const MenuImage now = Image(Contents(path));
        const MenuItems was = DecodeMenu(old), is = DecodeMenu(now);
        MenuItem expected = was[2];
        expected.Name = "FRIES";
        expected.Cook = "4:10";
        EXPECT_EQ(is[2], expected) << path.toStdString();
        for (int i = 0; i < MenuItemCount; ++i) {
            if (i != 2) {
                EXPECT_TRUE(std::equal(RecordAt(old, i).begin(), RecordAt(old, i).end(),
                                       RecordAt(now, i).begin()))
                    << path.toStdString() << " item " << i + 1;
            }
        }
        EXPECT_EQ(now[ReservedByteIndex], old[ReservedByteIndex]);
    }
    // Run again: every file is already right.
    r = Tmr({"set", "-r", dir.path(), "--item", "3", "--cook", "4:10"});
    ASSERT_EQ(r.status, ExitOk);
    EXPECT_EQ(r.out.find("changed:"), std::string::npos) << r.out;
}

TEST_F(SetCommand, ARefusedValueLeavesEveryFileByteForByte)
{
    // A shake of 3:30 is longer than the cook time of some menus only. --raw
    // takes it, and a compensation of 2, and says so once.
    for (const auto& [change, rawTakes] : {std::pair{QStringList{"--shake", "3:30"}, true},
                                           {{"--cook", "1:60"}, false},
                                           {{"--comp", "2"}, true},
                                           {{"--name", "12345678901"}, false}}) {
        const ToolRun r = Tmr(QStringList{"set", "-r", dir.path(), "--item", "3"} + change);
        EXPECT_EQ(r.status, ExitFound) << change.join(' ').toStdString();
        EXPECT_NE(r.out.find("refused: item 3"), std::string::npos) << r.out;
        const auto raw = r.out.find("--raw accepts");
        EXPECT_EQ(raw == std::string::npos ? "" : r.out.substr(raw),
                  rawTakes ? "--raw accepts every value refused\n" : "")
            << r.out;
        for (const auto& [path, old] : before)
            ASSERT_EQ(Contents(path), Bytes(old)) << path.toStdString();
    }
}

TEST_F(SetCommand, AFileThatCannotBeWrittenIsReportedAndTheRestChanged)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no owner-only modes, only a read-only attribute";
#else
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes everywhere; run through tests/run-unprivileged";
#endif
    const QString store = dir.filePath("region1/store4");
    locked << store;
    ASSERT_TRUE(QFile::setPermissions(store, QFile::ReadOwner | QFile::ExeOwner));

    const ToolRun r = Tmr({"set", "-r", dir.path(), "--item", "3", "--hold", "15:01"});
    EXPECT_EQ(r.status, ExitTrouble);
    for (const auto& [path, old] : before) {
        const bool inLocked = path.startsWith(store + "/");
        EXPECT_EQ(Image(Contents(path)) == old, inLocked) << path.toStdString();
        EXPECT_NE(r.out.find(path.toStdString() + (inLocked ? ": not written" : ": changed")),
                  std::string::npos)
            << r.out;
    }
}
