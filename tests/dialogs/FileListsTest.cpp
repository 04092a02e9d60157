#include "ChooserActions.h"

#include "PlatformPaths.h"
#include "QStringPrinter.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace testing_support;

namespace {

class FileLists : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(temp.isValid());
        base = temp.path();
        for (const char* folder :
             {"menus/zeta", "menus/Alpha", "menus/.hidden", "menus/x.tmr", "locked/inner"})
            ASSERT_TRUE(QDir(base).mkpath(folder));
        for (const char* file : {"menus/c.tmr", "menus/B.tmr", "menus/a.tmr", "menus/D.TMR",
                                 "menus/e.txt", "menus/.f.tmr", "menus/gtmr", "locked/h.tmr"}) {
            Put(base + "/" + file, {});
        }
    }
    void TearDown() override
    {
        QFile::setPermissions(base + "/locked",
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // Makes `locked` unreadable; meaningless for root, which reads it anyway.
    void Lock()
    {
        ASSERT_NE(geteuid(), 0u) << "run through run-unprivileged: root reads every folder";
        ASSERT_TRUE(QFile::setPermissions(base + "/locked", QFileDevice::Permissions()));
        ASSERT_FALSE(QDir(base + "/locked").isReadable());
    }

    QTemporaryDir temp;
    QString base;
};

} // namespace

TEST_F(FileLists, FileListShowsMatchingFilesSortedAsTheFileSystemComparesNames)
{
    FileListBox list;
    list.SetPath(base + "/menus");
    list.SetPattern("*.tmr");
    // Case-sensitive pattern; hidden files and folders left out.
    EXPECT_EQ(Listed(&list), (QStringList{"a.tmr", "B.tmr", "c.tmr"}));
    list.SetPattern("*.tmr;*.TMR");
    EXPECT_EQ(Listed(&list), (QStringList{"a.tmr", "B.tmr", "c.tmr", "D.TMR"}));
    list.SetPattern("*.tmr");
    EXPECT_EQ(list.List(3), "");
    EXPECT_EQ(list.List(-1), "");
    list.SetPath(base + "/gone");
    EXPECT_EQ(list.ListCount(), 0);
    list.SetPath("");
    EXPECT_EQ(list.ListCount(), 0);
}

TEST_F(FileLists, FileListClicksOncePerChoice)
{
    FileListBox list;
    list.SetPath(base + "/menus");
    list.SetPattern("*.tmr");
    list.resize(200, 200);
    list.show();
    QSignalSpy clicks(&list, &FileListBox::Click);
    EXPECT_EQ(list.ListIndex(), -1);

    list.SetListIndex(1);
    EXPECT_EQ(list.ListIndex(), 1);
    EXPECT_EQ(clicks.count(), 1);
    list.SetListIndex(1);
    EXPECT_EQ(clicks.count(), 2);

    const QPoint third = list.visualItemRect(list.item(2)).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, third);
    EXPECT_EQ(list.ListIndex(), 2);
    EXPECT_EQ(clicks.count(), 3);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, third);
    EXPECT_EQ(clicks.count(), 4);

    // Taking the focus or losing the lines is no click.
    list.SetListIndex(-1);
    EXPECT_EQ(list.ListIndex(), -1);
    list.SetPath(base + "/menus/Alpha");
    list.setFocus();
    EXPECT_EQ(clicks.count(), 4);
    list.close();
}

TEST_F(FileLists, FolderListOpensTheNearestExistingFolderAndTellsOfChanges)
{
    DirListBox tree;
    QSignalSpy changes(&tree, &DirListBox::Change);
    tree.SetPath(base + "/menus");
    EXPECT_EQ(tree.Path(), base + "/menus");
    EXPECT_EQ(changes.count(), 1);
    tree.SetPath(base + "/menus/");
    EXPECT_EQ(changes.count(), 1);
    tree.SetPath(base + "/menus/gone/deeper");
    EXPECT_EQ(tree.Path(), base + "/menus");
    EXPECT_EQ(changes.count(), 1);

    const int count = tree.ListCount();
    ASSERT_GE(count, 5);
    EXPECT_EQ(tree.List(0), DriveOfPath(base));
    EXPECT_EQ(tree.List(count - 5), base);
    EXPECT_EQ(tree.List(count - 4), base + "/menus");
    // Hidden folders left out, sorted without regard to case.
    EXPECT_EQ(tree.List(count - 3), base + "/menus/Alpha");
    EXPECT_EQ(tree.List(count - 2), base + "/menus/x.tmr");
    EXPECT_EQ(tree.List(count - 1), base + "/menus/zeta");
    EXPECT_EQ(tree.List(count), "");

    tree.SetPath(base + "/menus/c.tmr");
    EXPECT_EQ(tree.Path(), base + "/menus");
    tree.SetPath(base);
    EXPECT_EQ(changes.count(), 2);
}

TEST_F(FileLists, UnreadableFolderListsNothingAndKeepsGoing)
{
    Lock();
    DirListBox tree;
    tree.SetPath(base + "/locked");
    EXPECT_EQ(tree.Path(), base + "/locked");
    EXPECT_EQ(tree.List(tree.ListCount() - 1), base + "/locked");

    FileListBox list;
    list.SetPattern("*.tmr");
    list.SetPath(base + "/locked");
    EXPECT_EQ(list.ListCount(), 0);
    EXPECT_EQ(list.ListIndex(), -1);

    // A folder below it cannot even be told to exist: the nearest readable
    // ancestor is the locked one.
    tree.SetPath(base + "/locked/inner");
    EXPECT_EQ(tree.Path(), base + "/locked");
}

TEST_F(FileLists, DriveListStartsAtTheRootAndFollowsAPath)
{
    DriveListBox drives;
    EXPECT_EQ(drives.itemText(0), "/");
    EXPECT_EQ(drives.Drive(), "/");
    QSignalSpy changes(&drives, &DriveListBox::Change);
    drives.SetDrive(base + "/menus");
    EXPECT_EQ(drives.Drive(), DriveOfPath(base));
    EXPECT_EQ(changes.count(), DriveOfPath(base) == "/" ? 0 : 1);
    drives.SetDrive("/");
    EXPECT_EQ(drives.Drive(), "/");
}
