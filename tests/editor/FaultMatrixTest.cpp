// The editors against files and folders that fail them. Each case must show
// the platform's box titled "ERROR" with "MenuSave : " or "MenuGet : " and the
// full name, leave the editor working, and lose nothing: the file on disk stays
// byte for byte as it was, and the menu in memory, the list and the fields stay
// as they were. Both programs run every case.
//
// The permission cases mean nothing to root, so this binary runs as an
// ordinary user (and says so when it does not). The full-disk case on a real
// file system runs only where run-with-tiny-fs could mount one for it.
#include "EditorTestSupport.h"

#include "ChooserActions.h"
#include "Global_data.h"
#include "MenuEditors100.h"
#include "MenuFileAccess.h"
#include "MenuFileFormat.h"
#include "ModalDriver.h"
#include "QuenmarkEdition.h"
#include "TestFiles.h"
#include "VessquenEdition.h"
#include "WriteFaults.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <unistd.h>

using namespace editor_testing;
using namespace testing_support;

// Root ignores permissions: a pass there would prove nothing.
#define REQUIRE_UNPRIVILEGED()                                                                     \
    ASSERT_NE(geteuid(), 0u) << "permission cases must run as an ordinary user "                   \
                                "(tests/run-unprivileged)"

namespace {

constexpr int MiB = 1024 * 1024;

QByteArray Pattern(int size, int seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i * 7 + seed);
    return bytes;
}

// A menu file that reads as three named items, byte 190 set, and `tail` bytes
// of something else behind it.
QByteArray MenuFileWithTail(qsizetype tail)
{
    MenuItems items{};
    items[0] = {"OLD ONE", "2:00", "0:10", "5:00", 1};
    items[3] = {"OLD FOUR", "", "0:00", "0:00", 0};
    items[9] = {"OLD TEN", "1092:15", "0:00", "0:00", 200};
    MenuImage image{};
    image[190] = 0x5A;
    EncodeMenu(items, image);
    QByteArray bytes = AsBytes(image);
    bytes.append(QByteArray(tail, '\xEE'));
    return bytes;
}

// Gives the owner back full rights below path, top down, so that the
// temporary folder can be removed whatever a case took away.
void GiveBack(const QString& path)
{
    const QFileInfo info(path);
    if (info.isSymLink())
        return;
    if (info.isDir()) {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QStringList names =
            QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        for (const QString& name : names)
            GiveBack(QDir(path).filePath(name));
    } else {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    }
}

// What the editor holds: the store, the file image, the window's list and
// fields, and its selection state.
struct Snapshot {
    MenuItems store{};
    MenuImage image{};
    QStringList lines;
    QStringList fields;
    Qt::CheckState comp = Qt::Unchecked;
    std::int16_t current = -1;
    Flag changed = FlagFalse;
    QString caption;
    QList<int> selected;
};

class FaultMatrix : public EditorTest, public ::testing::WithParamInterface<const Edition*>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        // Vessquen never creates its menu folder; here it has one.
        ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("My Documents")));
        Start(*GetParam());
        ASSERT_TRUE(QFileInfo(menuFolder()).isDir()) << menuFolder().toStdString();

        // A menu worth keeping: two stored items, the last read's byte 190.
        ChooseLine(0);
        TypeItem("fries", "3:00", "0:30", "7:00");
        Press(3);
        ChooseLine(4);
        TypeItem("wings", "12:00", "1:00", "0:00");
        Comp()->click();
        Press(3);
        FileData[190] = 0x77;
        ASSERT_EQ(ItemMemory[0].Name, "FRIES");
        ASSERT_EQ(ItemMemory[4].Name, "WINGS");
        ASSERT_EQ(ItemChanged, FlagFalse);
    }

    void TearDown() override
    {
        SetWriteFault(WriteFault::None);
        GiveBack(home.path());
        EditorTest::TearDown();
    }

    // Queues `steps` for the next modal window. Whatever they leave open is
    // closed, so that a case that goes wrong fails rather than waits forever.
    static void OnNext(std::function<void(QWidget*)> steps)
    {
        OnNextModal([steps = std::move(steps)](QWidget* dialog) {
            steps(dialog);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "left open: " << dialog->windowTitle().toStdString();
                dialog->close();
            }
        });
    }

    static void AnswerWith(const QString& caption)
    {
        OnNext([caption](QWidget* dialog) { testing_support::Press(dialog, caption); });
    }

    // The chooser's steps: a name typed, or a listed file clicked, then OK.
    static ModalAction Typed(const QString& name)
    {
        return [name](QWidget* chooser) {
            QLineEdit* field = ChooserField(chooser);
            ASSERT_NE(field, nullptr) << "expected the chooser";
            QTest::keyClicks(field, name);
            testing_support::Press(chooser, QStringLiteral("OK"));
        };
    }

    static ModalAction Clicked(const QString& name)
    {
        return [name](QWidget* chooser) {
            ASSERT_TRUE(ClickFile(chooser, name)) << name.toStdString();
            testing_support::Press(chooser, QStringLiteral("OK"));
        };
    }

    QString MenuPath(const QString& name) const { return QDir(menuFolder()).filePath(name); }

    // An edit typed into item 3 and not stored: a failed read must keep it.
    void TypePending()
    {
        ChooseLine(2);
        TypeItem("PENDING", "1:00", "0:00", "0:00");
        ASSERT_EQ(ItemChanged, FlagTrue);
    }

    Snapshot Take() const
    {
        Snapshot s;
        s.store = ItemMemory;
        s.image = FileData;
        s.lines = ListLines();
        s.fields = {Name()->text(), Cook()->text(), Duty()->text(), Hold()->text()};
        s.comp = Comp()->checkState();
        s.current = CurrentItem;
        s.changed = ItemChanged;
        s.caption = Caption()->text();
        for (const QListWidgetItem* item : List()->selectedItems())
            s.selected << List()->row(item);
        return s;
    }

    void ExpectSame(const Snapshot& was, const MenuImage& image) const
    {
        const Snapshot now = Take();
        for (int i = 0; i < MenuItemCount; ++i)
            EXPECT_EQ(now.store[static_cast<std::size_t>(i)],
                      was.store[static_cast<std::size_t>(i)])
                << "slot " << i;
        EXPECT_TRUE(now.image == image) << "FileData";
        EXPECT_EQ(now.lines, was.lines);
        EXPECT_EQ(now.fields, was.fields);
        EXPECT_EQ(now.comp, was.comp);
        EXPECT_EQ(now.current, was.current);
        EXPECT_EQ(now.changed, was.changed);
        EXPECT_EQ(now.caption, was.caption);
        EXPECT_EQ(now.selected, was.selected);
        EXPECT_EQ(PendingModalActions(), 0);
        EXPECT_EQ(VisibleTopLevels(), QWidgetList{window.data()}) << "only the editor is left";
    }

    // The image a save of the store gives: bytes 0 to 189 from the store,
    // byte 190 as it was.
    static MenuImage Encoded(const Snapshot& s)
    {
        MenuImage image = s.image;
        EncodeMenu(s.store, image);
        return image;
    }

    // Save Menu to File through a chooser driven by `choose`, which ends with
    // the chooser's OK; the write must fail with the box for `path`.
    void SaveFails(const std::function<void(QWidget*)>& choose, const QString& path)
    {
        const Snapshot was = Take();
        OnNext(choose);
        AnswerFileError(QStringLiteral("MenuSave : ") + path);
        Press(1);
        ExpectSame(was, Encoded(was));
    }

    // Get Menu from File answered YES, then the chooser driven by `choose`;
    // the read must fail with the box for `path` and change nothing at all.
    void ReadFails(const std::function<void(QWidget*)>& choose, const QString& path)
    {
        const Snapshot was = Take();
        AnswerWith("YES");
        OnNext(choose);
        AnswerFileError(QStringLiteral("MenuGet : ") + path);
        Press(2);
        ExpectSame(was, was.image);
    }

    // After a failure the editor still saves, reads and chooses lines.
    void ExpectStillWorks()
    {
        SetWriteFault(WriteFault::None);
        OnNext(Typed("ALIVE001"));
        Press(1);
        ASSERT_EQ(PendingModalActions(), 0);
        const QByteArray saved = Contents(MenuPath("ALIVE001.tmr"));
        ASSERT_EQ(saved.size(), FileDataSize);
        EXPECT_EQ(saved, AsBytes(FileData));
        const MenuItems stored = ItemMemory;

        AnswerWith("YES");
        OnNext(Clicked("ALIVE001.tmr"));
        Press(2);
        ASSERT_EQ(PendingModalActions(), 0);
        EXPECT_EQ(ItemMemory[0].Name, stored[0].Name);
        EXPECT_EQ(ItemMemory[4].Name, stored[4].Name);
        EXPECT_EQ(CurrentItem, 0);

        ChooseLine(9);
        EXPECT_EQ(Caption()->text(), QStringLiteral("Current Menu Item  -  10"));
        EXPECT_EQ(VisibleTopLevels(), QWidgetList{window.data()});
    }
};

// Saving.

TEST_P(FaultMatrix, SavingOntoAReadOnlyFileKeepsIt)
{
    REQUIRE_UNPRIVILEGED();
    const QString path = MenuPath("MENU0001.tmr");
    const QByteArray old = Pattern(FileDataSize, 1);
    Put(path, old);
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));
    const QStringList entries = FileTree(menuFolder());

    SaveFails(Typed("MENU0001"), path);
    EXPECT_EQ(Contents(path), old);
    EXPECT_EQ(QFile::permissions(path) & QFile::WriteOwner, 0);
    EXPECT_EQ(FileTree(menuFolder()), entries) << "no temporary file is left behind";
    ExpectStillWorks();
}

TEST_P(FaultMatrix, SavingIntoAFolderThatMayNotBeWrittenKeepsItsFiles)
{
    REQUIRE_UNPRIVILEGED();
    const QString path = MenuPath("MENU0001.tmr");
    const QByteArray old = Pattern(FileDataSize, 2);
    Put(path, old);
    const QStringList entries = FileTree(menuFolder());
    ASSERT_TRUE(QFile::setPermissions(menuFolder(), QFile::ReadOwner | QFile::ExeOwner));

    // The file itself may be written; replacing it in one step may not.
    SaveFails(Typed("MENU0001"), path);
    SaveFails(Typed("MENU0002"), MenuPath("MENU0002.tmr"));
    EXPECT_EQ(Contents(path), old);
    EXPECT_EQ(FileTree(menuFolder()), entries);

    ASSERT_TRUE(QFile::setPermissions(menuFolder(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    ExpectStillWorks();
}

TEST_P(FaultMatrix, SavingOntoAFolderNamedLikeAMenuFileLeavesTheFolder)
{
    ASSERT_TRUE(QDir(menuFolder()).mkdir("MENU0001.tmr"));
    const QString inside = MenuPath("MENU0001.tmr/KEEP.txt");
    Put(inside, "kept");
    const QStringList entries = FileTree(menuFolder());

    SaveFails(
        [](QWidget* chooser) {
            EXPECT_FALSE(Listed(ChooserFiles(chooser)).contains("MENU0001.tmr"))
                << "a folder is no file";
            Typed("MENU0001")(chooser);
        },
        MenuPath("MENU0001.tmr"));
    EXPECT_TRUE(QFileInfo(MenuPath("MENU0001.tmr")).isDir());
    EXPECT_EQ(Contents(inside), "kept");
    EXPECT_EQ(FileTree(menuFolder()), entries);
    ExpectStillWorks();
}

// A full disk where no small file system can be mounted: the writer fails at
// each stage in turn, as it would when the space runs out.
TEST_P(FaultMatrix, SavingOntoAFullDiskFailsAtEachStageAndKeepsTheOldFile)
{
    const QString path = MenuPath("MENU0001.tmr");
    const QByteArray old = Pattern(FileDataSize, 3);
    Put(path, old);
    const QStringList entries = FileTree(menuFolder());

    for (const WriteFault fault :
         {WriteFault::Open, WriteFault::Write, WriteFault::Flush, WriteFault::Commit}) {
        SCOPED_TRACE(static_cast<int>(fault));
        SetWriteFault(fault);
        SaveFails(Typed("MENU0001"), path);
        SaveFails(Typed("MENU0002"), MenuPath("MENU0002.tmr"));
        EXPECT_EQ(Contents(path), old);
        EXPECT_EQ(FileTree(menuFolder()), entries) << "no temporary file, no new file";
    }
    ExpectStillWorks();
}

TEST_P(FaultMatrix, SavingIntoAFolderThatVanishedAfterItWasListed)
{
    ASSERT_TRUE(QDir(menuFolder()).mkdir("GONE"));
    const QString gone = MenuPath("GONE");
    SaveFails(
        [gone](QWidget* chooser) {
            ASSERT_TRUE(OpenFolder(chooser, gone));
            ASSERT_TRUE(QDir(gone).removeRecursively());
            Typed("MENU0001")(chooser);
        },
        gone + "/MENU0001.tmr");
    EXPECT_FALSE(QFileInfo::exists(gone)) << "the save creates no folder";
    ExpectStillWorks();
}

// Reading.

TEST_P(FaultMatrix, ReadingAFileRemovedAfterItWasClicked)
{
    Put(MenuPath("MENU0001.tmr"), MenuFileWithTail(0));
    TypePending();
    const QString path = MenuPath("MENU0001.tmr");
    ReadFails(
        [path](QWidget* chooser) {
            ASSERT_TRUE(ClickFile(chooser, "MENU0001.tmr"));
            ASSERT_TRUE(QFile::remove(path));
            testing_support::Press(chooser, QStringLiteral("OK"));
        },
        path);
    EXPECT_FALSE(QFileInfo::exists(path)) << "reading creates no file";
    ExpectStillWorks();
}

TEST_P(FaultMatrix, ReadingAFileThatVanishedAfterItWasListed)
{
    Put(MenuPath("MENU0001.tmr"), MenuFileWithTail(0));
    TypePending();
    const QString path = MenuPath("MENU0001.tmr");
    ReadFails(
        [path](QWidget* chooser) {
            ASSERT_TRUE(Listed(ChooserFiles(chooser)).contains("MENU0001.tmr"));
            ASSERT_TRUE(QFile::remove(path));
            ASSERT_TRUE(ClickFile(chooser, "MENU0001.tmr")); // the line is still there
            testing_support::Press(chooser, QStringLiteral("OK"));
        },
        path);
    EXPECT_FALSE(QFileInfo::exists(path));
    ExpectStillWorks();
}

TEST_P(FaultMatrix, ReadingFilesShorterThanAMenuChangesNothing)
{
    TypePending();
    for (const int size : {0, 1, 190}) {
        SCOPED_TRACE(size);
        const QString name = QStringLiteral("SIZE%1.tmr").arg(size, 4, 10, QLatin1Char('0'));
        const QByteArray bytes = MenuFileWithTail(0).left(size);
        Put(MenuPath(name), bytes);
        ReadFails(Clicked(name), MenuPath(name));
        EXPECT_EQ(Contents(MenuPath(name)), bytes);
    }
    ExpectStillWorks();
}

TEST_P(FaultMatrix, ReadingFilesLongerThanAMenuTakesTheirFirst191Bytes)
{
    for (const qsizetype size : {qsizetype{192}, qsizetype{MiB}}) {
        SCOPED_TRACE(size);
        TypePending();
        const QString name = size == 192 ? QStringLiteral("LONG0192.tmr") : "LONG1MIB.tmr";
        const QByteArray bytes = MenuFileWithTail(size - FileDataSize);
        Put(MenuPath(name), bytes);

        AnswerWith("YES");
        OnNext(Clicked(name));
        Press(2);
        ASSERT_EQ(PendingModalActions(), 0);
        const MenuItems read = DecodeMenu(FileData);
        EXPECT_EQ(AsBytes(FileData), bytes.left(FileDataSize));
        EXPECT_TRUE(ItemMemory == read);
        EXPECT_EQ(ItemMemory[0], (MenuItem{"OLD ONE", "2:00", "0:10", "5:00", 1}));
        EXPECT_EQ(ItemMemory[9], (MenuItem{"OLD TEN", "1092:15", "0:00", "0:00", 200}));
        EXPECT_EQ(ListLines(), QStringList({"1  OLD ONE", "2", "3", "4  OLD FOUR", "5", "6", "7",
                                            "8", "9", "10 OLD TEN"}));
        EXPECT_EQ(CurrentItem, 0);
        EXPECT_EQ(ItemChanged, FlagFalse);
        EXPECT_EQ(Name()->text(), QStringLiteral("OLD ONE"));
        EXPECT_EQ(Contents(MenuPath(name)), bytes) << "reading leaves the file alone";
    }
    ExpectStillWorks();
}

TEST_P(FaultMatrix, ReadingAnUnreadableFileChangesNothing)
{
    REQUIRE_UNPRIVILEGED();
    const QString path = MenuPath("SECRET01.tmr");
    const QByteArray bytes = MenuFileWithTail(0);
    Put(path, bytes);
    ASSERT_TRUE(QFile::setPermissions(path, QFile::WriteOwner));
    TypePending();
    ReadFails(Clicked("SECRET01.tmr"), MenuPath("SECRET01.tmr"));
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    EXPECT_EQ(Contents(path), bytes);
    ExpectStillWorks();
}

// A folder named like a menu file is not listed, so it cannot be clicked; but
// a name clicked in another folder is composed in the folder shown at OK.
TEST_P(FaultMatrix, ReadingAFolderNamedLikeAMenuFileFailsCleanly)
{
    ASSERT_TRUE(QDir(menuFolder()).mkdir("FOLDER01.tmr"));
    ASSERT_TRUE(QDir(menuFolder()).mkdir("OTHER"));
    Put(MenuPath("OTHER/FOLDER01.tmr"), MenuFileWithTail(0));
    TypePending();
    const QString folder = menuFolder();
    ReadFails(
        [folder](QWidget* chooser) {
            EXPECT_FALSE(Listed(ChooserFiles(chooser)).contains("FOLDER01.tmr"))
                << "a folder is no file";
            ASSERT_TRUE(OpenFolder(chooser, QDir(folder).filePath("OTHER")));
            ASSERT_TRUE(ClickFile(chooser, "FOLDER01.tmr"));
            ASSERT_TRUE(OpenFolder(chooser, folder));
            EXPECT_EQ(ChooserField(chooser)->text(), QStringLiteral("FOLDER01"));
            testing_support::Press(chooser, QStringLiteral("OK"));
        },
        MenuPath("FOLDER01.tmr"));
    EXPECT_TRUE(QFileInfo(MenuPath("FOLDER01.tmr")).isDir());
    ExpectStillWorks();
}

// A real full disk: a 64 KiB file system that run-with-tiny-fs mounted for
// this process alone, filled to the last byte.
TEST_P(FaultMatrix, TinyDiskSavingOntoAFullFileSystemKeepsTheOldFile)
{
    const QString tiny = qEnvironmentVariable("QUENMARK_TINY_FS");
    if (tiny.isEmpty())
        GTEST_SKIP() << "no small file system: run through tests/run-with-tiny-fs";
    const QString folder =
        QDir(tiny).filePath(QStringLiteral("menus-%1").arg(ToQString(GetParam()->ProductName)));
    ASSERT_TRUE(QDir().mkpath(folder));
    MenuFolder = folder.toStdString();
    const QString path = MenuPath("MENU0001.tmr");
    const QByteArray old = Pattern(FileDataSize, 4);
    Put(path, old);

    const QString filler = QDir(tiny).filePath(QStringLiteral("filler"));
    {
        const int fd = ::open(filler.toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ASSERT_GE(fd, 0);
        const QByteArray block(4096, 'F');
        while (::write(fd, block.constData(), static_cast<std::size_t>(block.size())) > 0) {
        }
        while (::write(fd, block.constData(), 1) > 0) {
        }
        const int error = errno;
        ::close(fd);
        ASSERT_EQ(error, ENOSPC) << "the file system should be full now";
    }
    const QStringList entries = FileTree(tiny);

    SaveFails(Typed("MENU0001"), path);
    SaveFails(Typed("MENU0002"), MenuPath("MENU0002.tmr"));
    EXPECT_EQ(Contents(path), old);
    EXPECT_EQ(FileTree(tiny), entries) << "no temporary file, no new file";

    ASSERT_TRUE(QFile::remove(filler));
    ExpectStillWorks();
    EXPECT_TRUE(QFile::remove(MenuPath("ALIVE001.tmr")));
}

INSTANTIATE_TEST_SUITE_P(Editions, FaultMatrix,
                         ::testing::Values(&QuenmarkEdition, &VessquenEdition), EditionName);

} // namespace
