// The editor against a real FAT stick: an image made by mkfs.vfat, mounted
// through FUSE by fusefat, so no kernel FAT driver and no root mount are
// needed. Skipped, with the reason, where FUSE or the tools are missing.
#include "EditorTestSupport.h"

#include "ChooserActions.h"
#include "Global_data.h"
#include "MenuEditors100.h"
#include "ModalDriver.h"
#include "QuenmarkEdition.h"
#include "TestFiles.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTest>

using namespace editor_testing;
using namespace testing_support;

namespace {

// A stick as the desktop mounts it: /media/$USER/LABEL.
class Stick
{
public:
    explicit Stick(const QString& base)
        : image_(base + "/stick.img"), root_(base + "/media/operator/QUENSTICK")
    {
    }
    ~Stick() { Unmount(); }

    // Why the stick cannot be had here, or "" once it is mounted.
    QString Mount(bool readOnly)
    {
        if (!QFile::exists("/dev/fuse"))
            return "no /dev/fuse on this machine";
        for (const char* tool : {"mkfs.vfat", "fusefat", "fusermount"})
            if (QStandardPaths::findExecutable(tool).isEmpty())
                return QString("%1 is not installed").arg(tool);
        if (!QFile::exists(image_) && QProcess::execute("mkfs.vfat", {"-C", image_, "4096"}) != 0)
            return "mkfs.vfat failed";
        QDir().mkpath(root_);
        mounted_ = true;
        fuse_.start("fusefat", {"-f", "-o", readOnly ? "ro" : "rw+", image_, root_});
        const QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired() && fuse_.state() != QProcess::NotRunning) {
            if (QStorageInfo(root_).rootPath() == root_)
                return {};
            QTest::qWait(50);
        }
        return "fusefat could not mount: " + QString::fromLocal8Bit(fuse_.readAllStandardError());
    }
    void Unmount()
    {
        if (!mounted_)
            return;
        mounted_ = false;
        // A pulled stick leaves its mount behind, which this clears too.
        QProcess::execute("fusermount", {"-u", "-z", root_});
        if (!fuse_.waitForFinished(5000))
            fuse_.kill();
        fuse_.waitForFinished(5000);
    }
    // The stick leaves without being unmounted.
    void Pull()
    {
        fuse_.kill();
        fuse_.waitForFinished(5000);
    }
    QString Root() const { return root_; }
    QString File(const QString& name) const { return root_ + "/" + name; }

private:
    QString image_;
    QString root_;
    QProcess fuse_;
    bool mounted_ = false;
};

class FatStickTest : public EditorTest
{
protected:
    void SetUp() override
    {
        Start(QuenmarkEdition);
        ASSERT_TRUE(window);
        stick = std::make_unique<Stick>(home.path());
    }
    void TearDown() override
    {
        stick.reset();
        EditorTest::TearDown();
    }
    void MountOrSkip(bool readOnly)
    {
        const QString reason = stick->Mount(readOnly);
        if (!reason.isEmpty())
            GTEST_SKIP() << reason.toStdString();
        MenuFolder = stick->Root().toStdString();
    }
    // Get Menu from File, clicking `name` in the chooser.
    void GetMenu(const QString& name)
    {
        Answer("YES");
        OnNextModal([name](QWidget* chooser) {
            FileListBox* files = ChooserFiles(chooser);
            const auto found = files->findItems(name, Qt::MatchExactly);
            ASSERT_EQ(found.size(), 1) << name.toStdString() << " is not listed";
            files->SetListIndex(files->row(found.first()));
            testing_support::Press(chooser, "OK");
        });
    }

    std::unique_ptr<Stick> stick;
};

TEST_F(FatStickTest, SavingInOtherLetterCaseReplacesTheFileAndReadsBack)
{
    // Put in while the editor runs: the chooser offers it when it opens.
    MountOrSkip(false);
    Put(stick->File("menu0001.tmr"), QByteArray(FileDataSize, '\x11'));
    Put(stick->File("BREAKFST.TMR"), QByteArray(FileDataSize, 0));
    ChooseLine(0);
    TypeItem("FRIES", "3:05", "0:30", "7:00");
    QStringList drives;
    QStringList files;
    OnNextModal([&](QWidget* chooser) {
        auto* drive = chooser->findChild<DriveListBox*>();
        for (int i = 0; i < drive->count(); ++i)
            drives << drive->itemText(i);
        files = Listed(ChooserFiles(chooser));
        QTest::keyClicks(ChooserField(chooser), "MENU0001");
        testing_support::Press(chooser, "OK");
    });
    Press(1);
    EXPECT_EQ(PendingModalActions(), 0);
    EXPECT_TRUE(drives.contains(stick->Root()));
    EXPECT_EQ(files, (QStringList{"BREAKFST.TMR", "menu0001.tmr"}))
        << "the stick's names match the extension in any case";

    const QStringList onStick = QDir(stick->Root()).entryList(QDir::Files);
    ASSERT_EQ(onStick.filter("menu0001", Qt::CaseInsensitive).size(), 1) << "one file, replaced";
    EXPECT_EQ(Contents(stick->File("MENU0001.tmr")).size(), FileDataSize);

    FileData.fill(0);
    GetMenu(onStick.filter("menu0001", Qt::CaseInsensitive).first());
    Press(2);
    EXPECT_EQ(ItemMemory[0].Name, "FRIES");
    EXPECT_EQ(ItemMemory[0].Cook, "3:05");
}

TEST_F(FatStickTest, WriteProtectedStickTellsWhyAndKeepsTheOldFile)
{
    MountOrSkip(false);
    const QByteArray old(FileDataSize, '\x11');
    Put(stick->File("MENU0001.tmr"), old);
    stick->Unmount();
    MountOrSkip(true);
    ChooseLine(0);
    TypeItem("FRIES", "3:05", "0:30", "7:00");
    AnswerChooser("MENU0001");
    QString reason;
    OnNextModal([&](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), "MenuSave : " + stick->File("MENU0001.tmr"));
        reason = box->informativeText();
        testing_support::Press(dialog, "OK");
    });
    Press(1);
    EXPECT_EQ(PendingModalActions(), 0);
    EXPECT_FALSE(reason.isEmpty()) << "the box says why";
    EXPECT_EQ(Contents(stick->File("MENU0001.tmr")), old);
}

TEST_F(FatStickTest, StickPulledWhileTheChooserShowsItEndsNothing)
{
    MountOrSkip(false);
    Put(stick->File("MENU0001.tmr"), QByteArray(FileDataSize, 0));
    Answer("YES");
    int listed = -1;
    OnNextModal([&](QWidget* chooser) {
        FileListBox* files = ChooserFiles(chooser);
        files->SetListIndex(0);
        stick->Pull();
        files->SetPath(files->Path()); // listed again, from a stick that is gone
        listed = files->ListCount();
        chooser->findChild<DriveListBox*>()->showPopup();
        chooser->findChild<DriveListBox*>()->hidePopup();
        testing_support::Press(chooser, "OK");
    });
    QString text;
    OnNextModal([&](QWidget* dialog) {
        text = LabelTexts(dialog).join(' ');
        testing_support::Press(dialog, "OK");
    });
    Press(2);
    EXPECT_EQ(PendingModalActions(), 0);
    EXPECT_EQ(listed, 0);
    EXPECT_TRUE(text.contains("MenuGet : " + stick->File("MENU0001.tmr"))) << text.toStdString();
    EXPECT_TRUE(window->isVisible()) << "the editor carries on";
}

} // namespace
