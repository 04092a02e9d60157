// Save Menu to File and Get Menu from File, through the file chooser to the
// bytes on disk and back.
#include "EditorTestSupport.h"

#include "Global_data.h"
#include "MenuEditors100.h"
#include "MenuFileAccess.h"
#include "ModalDriver.h"
#include "QuenmarkEdition.h"
#include "TestFiles.h"
#include "VbColor.h"
#include "WriteFaults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QTest>

#include <vector>

using namespace editor_testing;
using namespace testing_support;

namespace {

// FRIES 3:00 0:30 7:00, compensation on.
const std::vector<std::uint8_t> FriesRecord = {0x91, 0x46, 0x52, 0x49, 0x45, 0x53, 0x20,
                                               0x20, 0x20, 0x20, 0x20, 0x00, 0x00, 0xB4,
                                               0x00, 0x1E, 0x01, 0xA4, 0x01};
// All texts empty, compensation 0.
const std::vector<std::uint8_t> EmptyRecord = {0x40, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20,
                                               0x20, 0x20, 0x20, 0x20, 0x00, 0x00, 0x00,
                                               0x00, 0x00, 0x00, 0x00, 0x00};

QByteArray Bytes(const std::vector<std::uint8_t>& v)
{
    return QByteArray(reinterpret_cast<const char*>(v.data()), static_cast<qsizetype>(v.size()));
}

class FileCommandsTest : public EditorTest
{
protected:
    void SetUp() override
    {
        Start(QuenmarkEdition);
        ChooseLine(0);
    }

    QString MenuPath(const QString& name) const { return QDir(menuFolder()).filePath(name); }

    void WriteMenu(const QString& name, const QByteArray& bytes)
    {
        QFile file(MenuPath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    // A menu with FRIES in item 1, a blank name with times in item 2, the
    // compensation value 7 in item 3, and byte 190 set.
    QByteArray SampleMenu() const
    {
        QByteArray image = Bytes(FriesRecord);
        // Blank name, cook 1:00 (0x3C): 10*32 + 60 = 380 -> 0x7C.
        image += Bytes({0x7C, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x00,
                        0x00, 0x3C, 0x00, 0x00, 0x00, 0x00, 0x00});
        // "A", cook 0:10, compensation 7: 65 + 9*32 + 10 + 7 = 370 -> 0x72.
        image += Bytes({0x72, 0x41, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x00,
                        0x00, 0x0A, 0x00, 0x00, 0x00, 0x00, 0x07});
        for (int i = 3; i < MenuItemCount; ++i)
            image += Bytes(EmptyRecord);
        image += char(0x33);
        return image;
    }

    // The chooser was asked for a menu of the menu folder, to save (0) or to
    // read (1).
    void ExpectChooserAsked(std::int16_t mode) const
    {
        EXPECT_EQ(ChooserMode, mode);
        EXPECT_EQ(ChooserFolder, menuFolder());
        EXPECT_EQ(ChooserExtension, QStringLiteral("tmr"));
    }

    // Chooses a listed file with the mouse, as an operator reads a menu.
    void AnswerChooserByClick(const QString& fileName)
    {
        OnNextModal([fileName](QWidget* chooser) {
            auto* files = chooser->findChild<QListWidget*>(QStringLiteral("lstFile"));
            ASSERT_NE(files, nullptr);
            const auto found = files->findItems(fileName, Qt::MatchExactly);
            ASSERT_EQ(found.size(), 1) << fileName.toStdString() << " is not listed";
            QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                              files->visualItemRect(found.first()).center());
            testing_support::Press(chooser, QStringLiteral("OK"));
        });
    }
};

TEST_F(FileCommandsTest, SaveWithAPendingChangeStoresItThenWritesTheWorkedRecord)
{
    TypeItem("fries", "3:00", "0:30", "7:00");
    AnswerChooser("MENU0001");
    Press(1);
    EXPECT_EQ(PendingModalActions(), 0);
    ExpectChooserAsked(0);
    EXPECT_EQ(ItemChanged, FlagFalse);
    EXPECT_EQ(ListLines()[0], QStringLiteral("1  FRIES"));

    const QByteArray saved = Contents(MenuPath("MENU0001.tmr"));
    ASSERT_EQ(saved.size(), 191);
    EXPECT_EQ(saved.left(19), Bytes(FriesRecord));
    for (int i = 1; i < MenuItemCount; ++i)
        EXPECT_EQ(saved.mid(i * 19, 19), Bytes(EmptyRecord)) << i;
    EXPECT_EQ(saved.at(190), 0);
    EXPECT_EQ(CurrentItem, 0) << "the save changes no field and no line";
    EXPECT_EQ(Name()->text(), QStringLiteral("FRIES"));
}

TEST_F(FileCommandsTest, SaveWithoutChangesGoesStraightToTheChooser)
{
    ItemMemory[3] = MenuItem{"FRIES", "3:00", "0:30", "7:00", 1};
    FileData.fill(0x77);
    AnswerChooser(""); // cancelled
    Press(1);
    EXPECT_EQ(PendingModalActions(), 0);
    EXPECT_TRUE(QDir(menuFolder()).entryList(QDir::Files).isEmpty()) << "nothing written";
    for (const std::uint8_t byte : FileData)
        ASSERT_EQ(byte, 0x77) << "nothing encoded";

    AnswerChooser("MENU0002");
    Press(1);
    const QByteArray saved = Contents(MenuPath("MENU0002.tmr"));
    ASSERT_EQ(saved.size(), 191);
    EXPECT_EQ(saved.mid(3 * 19, 19), Bytes(FriesRecord));
    EXPECT_EQ(static_cast<std::uint8_t>(saved.at(190)), 0x77) << "byte 190 is never encoded";

    // Saving the same menu again gives the same file.
    AnswerChooser("MENU0002");
    Press(1);
    EXPECT_EQ(Contents(MenuPath("MENU0002.tmr")), saved);
}

TEST_F(FileCommandsTest, SaveWithAnInvalidEntryStopsBeforeTheChooser)
{
    TypeItem("X", "0:30", "1:00", "0:00");
    Answer("OK"); // the only dialog: no chooser follows
    Press(1);
    EXPECT_EQ(PendingModalActions(), 0);
    EXPECT_EQ(MsgText, InvalidEntries);
    EXPECT_EQ(BackColor(Cook()), ColorRed);
    EXPECT_EQ(ItemMemory[0], MenuItem{});
    EXPECT_EQ(ItemChanged, FlagTrue);
}

TEST_F(FileCommandsTest, AFailedWriteIsShownAndChangesNothingOnDisk)
{
    ASSERT_TRUE(QDir(menuFolder()).mkdir("MENU0003.tmr"));
    TypeItem("A", "1:00", "0:00", "0:00");
    AnswerChooser("MENU0003");
    AnswerFileError(QStringLiteral("MenuSave : ") + MenuPath("MENU0003.tmr"));
    Press(1);
    EXPECT_EQ(PendingModalActions(), 0);
    EXPECT_TRUE(QFileInfo(MenuPath("MENU0003.tmr")).isDir());
    EXPECT_EQ(ItemMemory[0].Name, "A") << "the store keeps the item";

    SetWriteFault(WriteFault::Write);
    AnswerChooser("MENU0004");
    AnswerFileError(QStringLiteral("MenuSave : ") + MenuPath("MENU0004.tmr"));
    Press(1);
    SetWriteFault(WriteFault::None);
    EXPECT_FALSE(QFileInfo::exists(MenuPath("MENU0004.tmr")));
}

TEST_F(FileCommandsTest, GetMenuCancelledInTheChooserChangesNothing)
{
    TypeItem("EDITED", "1:00", "0:00", "0:00");
    ItemMemory[5].Name = "KEEP";
    const QStringList lines = ListLines();
    Answer("YES");
    AnswerChooser("");
    Press(2);
    EXPECT_EQ(PendingModalActions(), 0);
    ExpectChooserAsked(1);
    EXPECT_EQ(ItemMemory[5].Name, "KEEP");
    EXPECT_EQ(ListLines(), lines);
    EXPECT_EQ(Name()->text(), QStringLiteral("EDITED"));
    EXPECT_EQ(ItemChanged, FlagTrue);
    EXPECT_EQ(CurrentItem, 0);
}

TEST_F(FileCommandsTest, GetMenuReadsTheFileAndChoosesItemOne)
{
    WriteMenu("BREAKFST.tmr", SampleMenu());
    TypeItem("X", "0:30", "1:00", "0:00");
    Answer("OK");
    Press(3);
    ASSERT_EQ(BackColor(Cook()), ColorRed);

    Answer("YES");
    AnswerChooserByClick("BREAKFST.tmr");
    Press(2);
    EXPECT_EQ(PendingModalActions(), 0);
    EXPECT_EQ(ItemMemory[0], (MenuItem{"FRIES", "3:00", "0:30", "7:00", 1}));
    EXPECT_EQ(ItemMemory[1], (MenuItem{"", "1:00", "0:00", "0:00", 0}));
    EXPECT_EQ(ItemMemory[2], (MenuItem{"A", "0:10", "0:00", "0:00", 7}));
    EXPECT_EQ(ItemMemory[3], (MenuItem{"", "", "0:00", "0:00", 0}));
    EXPECT_EQ(ListLines(),
              QStringList({"1  FRIES", "2", "3  A", "4", "5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(CurrentItem, 0);
    EXPECT_TRUE(List()->item(0)->isSelected());
    EXPECT_EQ(Caption()->text(), QStringLiteral("Current Menu Item  -  1"));
    EXPECT_EQ(Name()->text(), QStringLiteral("FRIES"));
    EXPECT_EQ(Duty()->text(), QStringLiteral("0:30"));
    EXPECT_EQ(ItemChanged, FlagFalse);
    EXPECT_EQ(BackColor(Cook()), ColorWindowBackground);

    // Saving it again gives back the same bytes: the blank-named times, the
    // compensation 7 and byte 190 included.
    AnswerChooser("BREAKFS2");
    Press(1);
    EXPECT_EQ(Contents(MenuPath("BREAKFS2.tmr")), SampleMenu());
}

TEST_F(FileCommandsTest, GetMenuWithAFailedReadChangesNothing)
{
    WriteMenu("SHORT000.tmr", SampleMenu().left(100));
    ItemMemory[5].Name = "KEEP";
    FileData.fill(0x11);
    TypeItem("EDITED", "1:00", "0:00", "0:00");
    const QStringList lines = ListLines();

    for (const char* name : {"SHORT000", "MISSING0"}) {
        Answer("YES");
        AnswerChooser(QString::fromLatin1(name));
        AnswerFileError(QStringLiteral("MenuGet : ") +
                        MenuPath(QString::fromLatin1(name) + ".tmr"));
        Press(2);
        EXPECT_EQ(PendingModalActions(), 0);
        EXPECT_EQ(ItemMemory[5].Name, "KEEP");
        EXPECT_EQ(ItemMemory[0], MenuItem{});
        EXPECT_EQ(ListLines(), lines);
        EXPECT_EQ(Name()->text(), QStringLiteral("EDITED"));
        EXPECT_EQ(CurrentItem, 0);
        EXPECT_EQ(ItemChanged, FlagTrue);
        for (const std::uint8_t byte : FileData)
            ASSERT_EQ(byte, 0x11);
    }
    EXPECT_FALSE(QFileInfo::exists(MenuPath("MISSING0.tmr"))) << "reading creates no file";
}

} // namespace
