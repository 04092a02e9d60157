#include "ChooserActions.h"
#include "MenuEditors100.h"
#include "ModalDriver.h"
#include "PlatformPaths.h"
#include "QStringPrinter.h"
#include "TestFiles.h"
#include "Twips.h"
#include "VbColor.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace testing_support;

namespace {

template <typename T> T* Child(QWidget* d, const char* name)
{
    T* w = d->findChild<T*>(name);
    if (!w)
        throw std::runtime_error(std::string("no ") + name);
    return w;
}

QLineEdit* Field(QWidget* d)
{
    return Child<QLineEdit>(d, "txtFileName");
}
FileListBox* Files(QWidget* d)
{
    return Child<FileListBox>(d, "lstFile");
}
DirListBox* Folders(QWidget* d)
{
    return Child<DirListBox>(d, "lstDirectory");
}

void Type(QWidget* d, const QString& text)
{
    QTest::keyClicks(Field(d), text);
}

// Clicks a listed file, sees `shown` in the name field and presses OK.
void ChooseFile(QWidget* d, const QString& name, const QString& shown)
{
    ASSERT_TRUE(ClickFile(d, name)) << name.toStdString();
    EXPECT_EQ(Field(d)->text(), shown);
    Press(d, "OK");
}

// A message the chooser showed over itself.
struct Message {
    QString text;
    std::uint32_t color = 0;
    QStringList buttons;
    QPoint anchor;        // FormCenterX, FormCenterY when it showed
    QPoint chooserCenter; // the chooser's middle, twips
    bool overChooser = false;
};

// Queues the answer to the message the chooser is about to show.
void OkOnNextMessage(Message* seen)
{
    OnNextModal([seen](QWidget* d) {
        seen->text = Child<QLabel>(d, "lblInformation")->text();
        seen->color = BackColor(Child<QLabel>(d, "lblInformation"));
        for (auto* b : d->findChildren<QPushButton*>())
            if (b->isVisible())
                seen->buttons << b->text();
        seen->anchor = {FormCenterX, FormCenterY};
        QWidget* chooser = d->parentWidget();
        seen->overChooser = chooser && chooser->objectName() == "frmMEDrvDirFil100";
        if (chooser) {
            const QRect r = WindowRectTwips(chooser);
            seen->chooserCenter = {r.left() + r.width() / 2, r.top() + r.height() / 2};
        }
        Press(d, "OK");
    });
}

void ExpectError(const Message& m, const QString& text)
{
    EXPECT_EQ(m.text, "\n" + text);
    EXPECT_EQ(m.color, ColorRed);
    EXPECT_EQ(m.buttons, QStringList{"OK"});
    EXPECT_TRUE(m.overChooser);
    EXPECT_LE(std::abs(m.anchor.x() - m.chooserCenter.x()), 1);
    EXPECT_LE(std::abs(m.anchor.y() - m.chooserCenter.y()), 1);
}

class FileChooser : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(temp.isValid());
        base = temp.path();
        menus = base + "/DAVOVI";
        for (const char* folder : {"DAVOVI/Alpha", "DAVOVI/beta", "DAVOVI/.git", "Other"})
            ASSERT_TRUE(QDir(base).mkpath(folder));
        for (const char* file :
             {"DAVOVI/MENU0001.tmr", "DAVOVI/BREAKFAST.tmr", "DAVOVI/BREAKFST.tmr",
              "DAVOVI/lower.TMR", "DAVOVI/Notes.txt", "DAVOVI/.hidden.tmr", "DAVOVI/tmr",
              "DAVOVI/a.tmr.bak", "Other/LUNCH001.tmr"}) {
            Put(base + "/" + file, {});
        }
        ChooserMode = 0;
        ChooserFolder = menus;
        ChooserExtension = "tmr";
        ChosenFileName = "stale";
    }
    void TearDown() override
    {
        EXPECT_EQ(PendingModalActions(), 0);
        EXPECT_TRUE(VisibleTopLevels().isEmpty());
        ResetModalDriver();
    }

    // Shows the chooser; `act` works on it, then the final press ends it.
    void Show(const std::function<void(QWidget*)>& act)
    {
        OnNextModal(act);
        ShowFileChooser();
    }

    // Shows the chooser: `refused` ends with an OK that the chooser refuses,
    // its message is answered, then `after` goes on in the same window.
    Message ShowRefusedThen(const std::function<void(QWidget*)>& refused,
                            const std::function<void(QWidget*)>& after)
    {
        Message m;
        OnNextModal(refused);
        OkOnNextMessage(&m);
        Show(after);
        return m;
    }

    QTemporaryDir temp;
    QString base;
    QString menus;
};

} // namespace

TEST_F(FileChooser, SaveModeOpensOnTheMenuFolder)
{
    Show([&](QWidget* d) {
        EXPECT_EQ(d->windowTitle(), "Select/Enter File to save Menu Items to");
        EXPECT_EQ(Child<QLabel>(d, "lblFileName")->text(),
                  "Enter Menu Filename,\n8 characters, NO extension.");
        EXPECT_TRUE(Child<QLabel>(d, "lblFileName")->isEnabled());
        // The whole prompt fits its rectangle.
        const QLabel* prompt = Child<QLabel>(d, "lblFileName");
        const QRect needed =
            QFontMetrics(prompt->font())
                .boundingRect(prompt->contentsRect(), Qt::TextWordWrap | prompt->alignment(),
                              prompt->text());
        EXPECT_LE(needed.height(), prompt->contentsRect().height());
        EXPECT_LE(needed.width(), prompt->contentsRect().width());
        EXPECT_EQ(Child<QLabel>(d, "Label1")->text(), "Existing Menu Files:");
        EXPECT_TRUE(Field(d)->isEnabled());
        EXPECT_TRUE(Field(d)->text().isEmpty());
        EXPECT_TRUE(ChosenFileName.isEmpty());
        // Case-sensitive pattern, hidden files left out, sorted.
        EXPECT_EQ(Listed(Files(d)), (QStringList{"BREAKFAST.tmr", "BREAKFST.tmr", "MENU0001.tmr"}));
        EXPECT_EQ(Files(d)->Pattern(), "*.tmr");
        EXPECT_EQ(Files(d)->Path(), menus);
        EXPECT_EQ(Files(d)->ListIndex(), -1);
        EXPECT_EQ(Folders(d)->Path(), menus);
        EXPECT_EQ(Child<DriveListBox>(d, "lstDrive")->Drive(), DriveOfPath(menus));
        Press(d, "Cancel");
    });
    EXPECT_EQ(ChosenFileName, "");
}

TEST_F(FileChooser, FolderListRunsFromTheDriveRootDownThenTheSubfolders)
{
    Show([&](QWidget* d) {
        DirListBox* tree = Folders(d);
        const QString root = DriveOfPath(menus);
        ASSERT_GE(tree->ListCount(), 3);
        EXPECT_EQ(tree->List(0), root);
        QStringList lines;
        for (int i = 0; i < tree->ListCount(); ++i)
            lines << tree->List(i);
        // Every ancestor below the root, in order, then the two visible subfolders.
        const int at = static_cast<int>(lines.indexOf(menus));
        ASSERT_GT(at, 0);
        EXPECT_EQ(lines.mid(at + 1), (QStringList{menus + "/Alpha", menus + "/beta"}));
        EXPECT_EQ(lines[at - 1], base);
        for (int i = 1; i <= at; ++i)
            EXPECT_EQ(QFileInfo(lines[i]).path(), lines[i - 1] == "/" ? "/" : lines[i - 1]);
        // Indented like a tree: the current folder's line sits deeper than its parent's.
        const auto current = tree->findItems("DAVOVI", Qt::MatchExactly | Qt::MatchRecursive);
        const auto sub = tree->findItems("Alpha", Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_EQ(current.size(), 1);
        ASSERT_EQ(sub.size(), 1);
        EXPECT_GT(tree->visualItemRect(sub.first()).left(),
                  tree->visualItemRect(current.first()).left());
        EXPECT_EQ(tree->currentItem(), current.first());
        Press(d, "Cancel");
    });
}

TEST_F(FileChooser, WindowAndControlsFollowTheTable)
{
    Show([&](QWidget* d) {
        const QRect outer = WindowRectTwips(d);
        EXPECT_LE(std::abs(outer.left() - 1000), TwipsPerPixel);
        EXPECT_LE(std::abs(outer.top() - 1000), TwipsPerPixel);
        EXPECT_EQ(d->size(), QSize(TwipsToPixels(5550), TwipsToPixels(3810)));
        EXPECT_EQ(d->minimumSize(), d->maximumSize());
        EXPECT_FALSE(d->windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(d->windowFlags() & Qt::WindowMinMaxButtonsHint);
        auto rect = [&](const char* name) { return Child<QWidget>(d, name)->geometry(); };
        EXPECT_EQ(rect("lstDrive"), TwipsRect(120, 180, 2955, 315));
        EXPECT_EQ(rect("lstDirectory"), TwipsRect(120, 540, 2955, 2565));
        EXPECT_EQ(rect("txtFileName"), TwipsRect(3180, 2760, 2235, 315));
        EXPECT_EQ(rect("cmdBut_0"), TwipsRect(4020, 3300, 1395, 375));
        EXPECT_EQ(rect("cmdBut_1"), TwipsRect(120, 3300, 1395, 375));
        EXPECT_EQ(rect("lstFile"), TwipsRect(3180, 540, 2235, 1650));
        EXPECT_EQ(rect("Label1"), TwipsRect(3180, 300, 2235, 255));
        EXPECT_EQ(rect("lblFileName"), TwipsRect(3180, 2340, 2235, 435));
        EXPECT_EQ(Child<QPushButton>(d, "cmdBut_0")->text(), "Cancel");
        EXPECT_EQ(Child<QPushButton>(d, "cmdBut_1")->text(), "OK");
        for (auto* b : d->findChildren<QPushButton*>()) {
            EXPECT_FALSE(b->isDefault());
            EXPECT_FALSE(b->autoDefault());
        }
        // Enter in the name field presses nothing: there is no default button.
        Type(d, "MENU0001");
        QTest::keyClick(Field(d), Qt::Key_Return);
        EXPECT_TRUE(d->isVisible());
        Press(d, "Cancel");
    });
    EXPECT_EQ(ChosenFileName, "");
}

TEST_F(FileChooser, ReadModeTakesNamesOnlyFromTheList)
{
    ChooserMode = 1;
    Show([&](QWidget* d) {
        EXPECT_EQ(d->windowTitle(), "Select File to read Menu Items from");
        EXPECT_EQ(Child<QLabel>(d, "lblFileName")->text(), "\nFilename");
        EXPECT_FALSE(Child<QLabel>(d, "lblFileName")->isEnabled());
        EXPECT_FALSE(Field(d)->isEnabled());
        Type(d, "MENU0001");
        EXPECT_EQ(Field(d)->text(), "");
        ChooseFile(d, "BREAKFST.tmr", "BREAKFST");
    });
    EXPECT_EQ(ChosenFileName, menus + "/BREAKFST.tmr");
}

TEST_F(FileChooser, ReadModeAcceptsAListedNameOfAnyLength)
{
    ChooserMode = 1;
    Show([&](QWidget* d) { ChooseFile(d, "BREAKFAST.tmr", "BREAKFAST"); });
    EXPECT_EQ(ChosenFileName, menus + "/BREAKFAST.tmr");
}

TEST_F(FileChooser, OkWithoutANameSaysNoFilenameExistsInBothModes)
{
    for (std::int16_t mode : {0, 1}) {
        SCOPED_TRACE(mode);
        ChooserMode = mode;
        const Message m = ShowRefusedThen([](QWidget* d) { Press(d, "OK"); },
                                          [](QWidget* d) {
                                              EXPECT_TRUE(d->isVisible());
                                              EXPECT_EQ(Field(d)->text(), "");
                                              Press(d, "Cancel");
                                          });
        ExpectError(m, "No Filename Exists");
        EXPECT_EQ(ChosenFileName, "");
    }
}

TEST_F(FileChooser, TypedEightCharactersComposeThePathInTheFolder)
{
    Show([](QWidget* d) {
        Type(d, "MENU0001");
        Press(d, "OK");
    });
    EXPECT_EQ(ChosenFileName, menus + "/MENU0001.tmr");

    ChosenFileName = "stale";
    Show([](QWidget* d) {
        Type(d, "MENU.001");
        Press(d, "OK");
    });
    EXPECT_EQ(ChosenFileName, menus + "/MENU.001.tmr");
}

TEST_F(FileChooser, WrongLengthIsAnInvalidFilenameAndTheChooserStaysOpen)
{
    for (const QString name : {"MENU01", "MENU00001", "M"}) {
        SCOPED_TRACE(name.toStdString());
        ChosenFileName = "stale";
        const Message m = ShowRefusedThen(
            [&](QWidget* d) {
                Type(d, name);
                Press(d, "OK");
            },
            // Back in the chooser: name kept, focus in the field, nothing chosen yet.
            [&](QWidget* d) {
                EXPECT_TRUE(d->isVisible());
                EXPECT_EQ(Field(d)->text(), name);
                EXPECT_EQ(d->focusWidget(), Field(d));
                EXPECT_EQ(ChosenFileName, "");
                Press(d, "Cancel");
            });
        ExpectError(m, "Invalid Filename");
        EXPECT_EQ(ChosenFileName, "");
    }
}

TEST_F(FileChooser, CancelAfterAFailedOkReturnsNothing)
{
    const Message m = ShowRefusedThen(
        [](QWidget* d) {
            ASSERT_TRUE(ClickFile(d, "BREAKFAST.tmr"));
            Press(d, "OK");
        },
        [](QWidget* d) { Press(d, "Cancel"); });
    ExpectError(m, "Invalid Filename");
    EXPECT_EQ(ChosenFileName, "");
}

TEST_F(FileChooser, KeystrokeFilterDropsTheNineCharactersAndKeepsCase)
{
    Show([](QWidget* d) {
        Type(d, "me/nu?0\\0:0*1\"<>|");
        EXPECT_EQ(Field(d)->text(), "menu0001");
        QTest::keyClick(Field(d), Qt::Key_Backspace);
        EXPECT_EQ(Field(d)->text(), "menu000");
        Type(d, "9");
        Press(d, "OK");
    });
    EXPECT_EQ(ChosenFileName, menus + "/menu0009.tmr");
}

TEST_F(FileChooser, ClickingAListedFileFillsTheNameForOverwriting)
{
    const Message m = ShowRefusedThen(
        [](QWidget* d) {
            ASSERT_TRUE(ClickFile(d, "BREAKFAST.tmr"));
            EXPECT_EQ(Field(d)->text(), "BREAKFAST");
            EXPECT_EQ(Files(d)->ListIndex(), 0);
            Press(d, "OK");
        },
        [](QWidget* d) { ChooseFile(d, "BREAKFST.tmr", "BREAKFST"); });
    ExpectError(m, "Invalid Filename");
    EXPECT_EQ(ChosenFileName, menus + "/BREAKFST.tmr");
}

TEST_F(FileChooser, ClickingTheChosenFileAgainRestoresAnEditedName)
{
    Show([](QWidget* d) {
        ASSERT_TRUE(ClickFile(d, "MENU0001.tmr"));
        Field(d)->setText("MENU0");
        ASSERT_TRUE(ClickFile(d, "MENU0001.tmr"));
        EXPECT_EQ(Field(d)->text(), "MENU0001");
        // The keyboard chooses too.
        Files(d)->setFocus();
        QTest::keyClick(Files(d), Qt::Key_Up);
        EXPECT_EQ(Field(d)->text(), "BREAKFST");
        Press(d, "Cancel");
    });
}

TEST_F(FileChooser, NameClickedThenAnotherFolderComposesInTheNewFolder)
{
    Show([&](QWidget* d) {
        ASSERT_TRUE(ClickFile(d, "BREAKFST.tmr"));
        ASSERT_TRUE(OpenFolder(d, menus + "/Alpha"));
        EXPECT_EQ(Folders(d)->Path(), menus + "/Alpha");
        EXPECT_EQ(Files(d)->Path(), menus + "/Alpha");
        EXPECT_EQ(Files(d)->ListCount(), 0);
        EXPECT_EQ(Field(d)->text(), "BREAKFST");
        Press(d, "OK");
    });
    EXPECT_EQ(ChosenFileName, menus + "/Alpha/BREAKFST.tmr");
}

TEST_F(FileChooser, EnterOnAFolderLineOpensIt)
{
    Show([&](QWidget* d) {
        DirListBox* tree = Folders(d);
        const auto parent =
            tree->findItems(QFileInfo(base).fileName(), Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_EQ(parent.size(), 1);
        tree->setFocus();
        tree->setCurrentItem(parent.first());
        QTest::keyClick(tree, Qt::Key_Return);
        EXPECT_EQ(tree->Path(), base);
        EXPECT_TRUE(d->isVisible());
        ASSERT_TRUE(OpenFolder(d, base + "/Other"));
        EXPECT_EQ(Listed(Files(d)), QStringList{"LUNCH001.tmr"});
        ASSERT_TRUE(ClickFile(d, "LUNCH001.tmr"));
        Press(d, "OK");
    });
    EXPECT_EQ(ChosenFileName, base + "/Other/LUNCH001.tmr");
}

TEST_F(FileChooser, PastedNamesThatCouldLeaveTheFolderAreRefused)
{
    const QStringList names{"../abcde",
                            "ab/cdefg",
                            "..\\abcde",
                            "abc:defg",
                            "abc*defg",
                            "abc?defg",
                            "abc\"defg",
                            "abc<defg",
                            "abc>defg",
                            "abc|defg",
                            QString("abc") + QChar(9) + "defg",
                            QString("abcdefg") + QChar(127)};
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const Message m = ShowRefusedThen(
            [&](QWidget* d) {
                QApplication::clipboard()->setText(name);
                Field(d)->setFocus();
                QTest::keyClick(Field(d), Qt::Key_V, Qt::ControlModifier);
                if (Field(d)->text() != name) // no clipboard on this platform
                    Field(d)->insert(name);
                EXPECT_EQ(Field(d)->text(), name);
                Press(d, "OK");
            },
            [](QWidget* d) { Press(d, "Cancel"); });
        ExpectError(m, "Invalid Filename");
        EXPECT_EQ(ChosenFileName, "");
    }
}

TEST_F(FileChooser, PastedNameWithoutRefusedCharactersIsAccepted)
{
    Show([](QWidget* d) {
        Field(d)->insert(QStringLiteral("M\u00c9NU 0.1"));
        Press(d, "OK");
    });
    EXPECT_EQ(ChosenFileName, menus + QStringLiteral("/M\u00c9NU 0.1.tmr"));
}

TEST_F(FileChooser, MissingFolderOpensInItsNearestExistingAncestor)
{
    ChooserFolder = menus + "/gone/deeper";
    Show([&](QWidget* d) {
        EXPECT_EQ(Folders(d)->Path(), menus);
        EXPECT_EQ(Files(d)->ListCount(), 3);
        Type(d, "MENU0002");
        Press(d, "OK");
    });
    EXPECT_EQ(ChosenFileName, menus + "/MENU0002.tmr");

    ChooserFolder = "/no-such-folder-for-quenmark/DAVOVI";
    Show([&](QWidget* d) {
        EXPECT_EQ(Folders(d)->Path(), "/");
        Press(d, "Cancel");
    });
    EXPECT_EQ(ChosenFileName, "");
}

TEST_F(FileChooser, AtTheRootTheSeparatorDoubles)
{
    ChooserFolder = "/";
    Show([](QWidget* d) {
        EXPECT_EQ(Folders(d)->Path(), "/");
        EXPECT_EQ(Folders(d)->List(0), "/");
        Type(d, "MENU0001");
        Press(d, "OK");
    });
    EXPECT_EQ(ChosenFileName, "//MENU0001.tmr");
}

TEST_F(FileChooser, DriveChangeLeadsTheFolderListAndTheFileList)
{
    Show([&](QWidget* d) {
        auto* drive = Child<DriveListBox>(d, "lstDrive");
        EXPECT_EQ(drive->itemText(0), "/");
        emit drive->Change();
        EXPECT_EQ(Folders(d)->Path(), drive->Drive());
        EXPECT_EQ(Files(d)->Path(), drive->Drive());
        Press(d, "Cancel");
    });
}

TEST_F(FileChooser, TheExtensionInTheComposedPathIsAlwaysTmr)
{
    ChooserMode = 1;
    ChooserExtension = "TMR";
    Show([](QWidget* d) {
        EXPECT_EQ(Listed(Files(d)), QStringList{"lower.TMR"});
        ChooseFile(d, "lower.TMR", "lower");
    });
    EXPECT_EQ(ChosenFileName, menus + "/lower.tmr");
}

TEST_F(FileChooser, CloseWithoutAButtonChoosesNothing)
{
    const std::vector<std::function<void(QWidget*)>> closers{
        [](QWidget* d) { QTest::keyClick(d, Qt::Key_Escape); },
        [](QWidget* d) { d->close(); },
    };
    for (const auto& close : closers) {
        ChosenFileName = "stale";
        Show([&](QWidget* d) {
            Type(d, "MENU0001");
            close(d);
        });
        EXPECT_EQ(ChosenFileName, "");
    }
}

TEST_F(FileChooser, UnreadableFolderShowsNoFilesAndStillComposes)
{
    ASSERT_NE(geteuid(), 0u) << "run through run-unprivileged: root reads every folder";
    const QString locked = menus + "/Alpha";
    QFile(locked + "/MENU0003.tmr").open(QIODevice::WriteOnly);
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::Permissions()));
    ChooserFolder = locked;
    Show([&](QWidget* d) {
        EXPECT_EQ(Folders(d)->Path(), locked);
        EXPECT_EQ(Files(d)->ListCount(), 0);
        Type(d, "MENU0003");
        Press(d, "OK");
    });
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(ChosenFileName, locked + "/MENU0003.tmr");
}

TEST_F(FileChooser, TabWalksTheControlsInTheTablesOrder)
{
    // Save mode: every control takes the focus in turn, then round again.
    QStringList walk;
    Show([&](QWidget* d) {
        for (int i = 0; i < 7; ++i) {
            walk << d->focusWidget()->objectName();
            QTest::keyClick(d->focusWidget(), Qt::Key_Tab);
        }
        Press(d, "Cancel");
    });
    EXPECT_EQ(walk, (QStringList{"lstDrive", "lstDirectory", "txtFileName", "cmdBut_0", "cmdBut_1",
                                 "lstFile", "lstDrive"}));

    // Read mode: the name field is off and skipped, both ways.
    ChooserMode = 1;
    QStringList forwards;
    QStringList backwards;
    Show([&](QWidget* d) {
        forwards << d->focusWidget()->objectName();
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(d->focusWidget(), Qt::Key_Tab);
            forwards << d->focusWidget()->objectName();
        }
        backwards << d->focusWidget()->objectName();
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(d->focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
            backwards << d->focusWidget()->objectName();
        }
        Press(d, "Cancel");
    });
    EXPECT_EQ(forwards, (QStringList{"lstDrive", "lstDirectory", "cmdBut_0", "cmdBut_1", "lstFile",
                                     "lstDrive"}));
    EXPECT_EQ(backwards, (QStringList{"lstDrive", "lstFile", "cmdBut_1", "cmdBut_0", "lstDirectory",
                                      "lstDrive"}));
}

TEST_F(FileChooser, KeyboardAloneChoosesAListedFile)
{
    // Read mode: Tab to the file list, Space on its first line, back to OK.
    ChooserMode = 1;
    Show([](QWidget* d) {
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(d->focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(d->focusWidget()->objectName(), "lstFile");
        QTest::keyClick(d->focusWidget(), Qt::Key_Space);
        EXPECT_EQ(Field(d)->text(), "BREAKFAST");
        QTest::keyClick(d->focusWidget(), Qt::Key_Down);
        EXPECT_EQ(Field(d)->text(), "BREAKFST");
        QTest::keyClick(d->focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        ASSERT_EQ(d->focusWidget()->objectName(), "cmdBut_1");
        QTest::keyClick(d->focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(ChosenFileName, menus + "/BREAKFST.tmr");
}

TEST_F(FileChooser, AScreenReaderHearsEveryControl)
{
    struct Expected {
        const char* name;
        QAccessible::Role role;
        QString save;
        QString read;
    };
    const std::vector<Expected> controls{
        {"lstDirectory", QAccessible::Tree, "Folder", "Folder"},
        {"txtFileName", QAccessible::EditableText,
         "Enter Menu Filename, 8 characters, NO extension.", "Filename"},
        {"cmdBut_0", QAccessible::Button, "Cancel", "Cancel"},
        {"cmdBut_1", QAccessible::Button, "OK", "OK"},
        {"lstFile", QAccessible::List, "Existing Menu Files:", "Existing Menu Files:"},
        {"Label1", QAccessible::StaticText, "Existing Menu Files:", "Existing Menu Files:"},
    };
    for (std::int16_t mode : {0, 1}) {
        SCOPED_TRACE(mode);
        ChooserMode = mode;
        Show([&](QWidget* d) {
            QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(d);
            EXPECT_EQ(dialog->role(), QAccessible::Dialog);
            EXPECT_EQ(dialog->text(QAccessible::Name), d->windowTitle());
            for (const Expected& c : controls) {
                SCOPED_TRACE(c.name);
                QAccessibleInterface* iface =
                    QAccessible::queryAccessibleInterface(Child<QWidget>(d, c.name));
                ASSERT_NE(iface, nullptr);
                EXPECT_EQ(iface->role(), c.role);
                EXPECT_EQ(iface->text(QAccessible::Name), mode == 0 ? c.save : c.read);
            }
            // Qt names a combo box on Linux by the value it shows; what it is
            // comes with the description.
            auto* drives = Child<DriveListBox>(d, "lstDrive");
            QAccessibleInterface* drive = QAccessible::queryAccessibleInterface(drives);
            EXPECT_EQ(drive->role(), QAccessible::ComboBox);
#ifdef Q_OS_UNIX
            EXPECT_EQ(drive->text(QAccessible::Name), drives->currentText());
#else
            EXPECT_EQ(drive->text(QAccessible::Name), "Drive");
#endif
            EXPECT_FALSE(drives->currentText().isEmpty());
            EXPECT_TRUE(drive->text(QAccessible::Description).startsWith("Drive"));

            QAccessibleInterface* prompt =
                QAccessible::queryAccessibleInterface(Child<QWidget>(d, "lblFileName"));
            EXPECT_EQ(prompt->role(), QAccessible::StaticText);
            EXPECT_FALSE(prompt->text(QAccessible::Name).trimmed().isEmpty());
            // The name field tells which label names it.
            const auto labelledBy =
                QAccessible::queryAccessibleInterface(Field(d))->relations(QAccessible::Label);
            ASSERT_EQ(labelledBy.size(), 1);
            EXPECT_EQ(labelledBy.first().first->object()->objectName(), "lblFileName");
            Press(d, "Cancel");
        });
    }
}
