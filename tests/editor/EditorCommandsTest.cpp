// The item commands of the editor window: Save Item, Clear Item, New Menu,
// the question of Get Menu from File, and Quit.
#include "EditorTestSupport.h"

#include "Global_data.h"
#include "MenuEditors100.h"
#include "ModalDriver.h"
#include "QuenmarkEdition.h"
#include "VbColor.h"
#include "VessquenEdition.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QTest>

#include <functional>

using namespace editor_testing;
using namespace testing_support;

namespace {

class EditorCommandsTest : public EditorTest
{
protected:
    void SetUp() override
    {
        Start(QuenmarkEdition);
        ItemMemory[4] = MenuItem{"FRIES", "3:00", "0:30", "7:00", 1};
        ItemMemory[9] = MenuItem{"NUGGETS", "4:00", "1:00", "9:00", 0};
        Form().SetupOpeningForm(1);
        ChooseLine(4);
        ChooseLine(4); // now loaded
        ASSERT_EQ(Name()->text(), QStringLiteral("FRIES"));
    }

    void MarkCookRed()
    {
        Retype(Cook(), "0:10");
        Answer("OK");
        Press(3);
        ASSERT_EQ(BackColor(Cook()), ColorRed);
    }

    // A refused command: item 5 stays FRIES in the store while its field
    // keeps what was typed, still a change to store.
    void ExpectEditKept(const QLineEdit* field, const QString& typed) const
    {
        EXPECT_EQ(ItemMemory[4].Name, "FRIES");
        EXPECT_EQ(field->text(), typed);
        EXPECT_EQ(ItemChanged, FlagTrue);
    }
};

TEST_F(EditorCommandsTest, SaveItemStoresValidEntries)
{
    TypeItem("chips", "2:00", "0:20", "5:00");
    QTest::mouseClick(Comp(), Qt::LeftButton);
    Press(3);
    EXPECT_EQ(ItemMemory[4], (MenuItem{"CHIPS", "2:00", "0:20", "5:00", 0}));
    EXPECT_EQ(ListLines()[4], QStringLiteral("5  CHIPS"));
    EXPECT_EQ(ItemChanged, FlagFalse);
    EXPECT_EQ(Name()->text(), QStringLiteral("CHIPS"));
    EXPECT_EQ(Caption()->text(), QStringLiteral("Current Menu Item  -  5"));

    // The store keeps the text as typed: a leading zero stays until a file
    // round trip makes it canonical.
    Retype(Cook(), "02:00");
    Press(3);
    EXPECT_EQ(ItemMemory[4].Cook, "02:00");
}

TEST_F(EditorCommandsTest, SaveItemWithInvalidEntriesStoresNothing)
{
    Retype(Name(), "ABCDEFGHIJK");
    Answer("OK");
    Press(3);
    ExpectRequest(16, ColorRed, InvalidEntries);
    EXPECT_EQ(BackColor(Name()), ColorRed);
    ExpectEditKept(Name(), QStringLiteral("ABCDEFGHIJK"));
}

TEST_F(EditorCommandsTest, SaveItemValidatesWithoutChangesToo)
{
    ChooseLine(2); // an empty item: its cook time is empty
    ASSERT_EQ(ItemChanged, FlagFalse);
    Answer("OK");
    Press(3);
    EXPECT_EQ(MsgText, InvalidEntries);
    EXPECT_EQ(BackColor(Cook()), ColorRed);
    EXPECT_EQ(ItemChanged, FlagFalse) << "stays as it was";
}

TEST_F(EditorCommandsTest, ListLinesKeepNamesInOneColumn)
{
    ChooseLine(9);
    Retype(Name(), "ABCDEFGHIJ");
    Press(3);
    EXPECT_EQ(ListLines()[9], QStringLiteral("10 ABCDEFGHIJ"));
    ChooseLine(0);
    TypeItem("A", "1:00", "0:00", "0:00");
    Press(3);
    EXPECT_EQ(ListLines()[0], QStringLiteral("1  A"));
}

TEST_F(EditorCommandsTest, ClearItemAnsweredNoChangesNothing)
{
    Retype(Hold(), "8:00");
    Answer("NO");
    Press(4);
    ExpectRequest(17, ColorYellow, ClearQuestion);
    ExpectEditKept(Hold(), QStringLiteral("8:00"));
    EXPECT_EQ(ListLines()[4], QStringLiteral("5  FRIES"));
}

TEST_F(EditorCommandsTest, ClearItemEmptiesTheItem)
{
    MarkCookRed();
    Answer("YES");
    Press(4);
    ExpectRequest(17, ColorYellow, ClearQuestion);
    EXPECT_EQ(ItemMemory[4], MenuItem{}) << "times cleared to empty, not 0:00";
    ExpectEmptyFields();
    EXPECT_EQ(ItemChanged, FlagFalse);
    EXPECT_EQ(ListLines()[4], QStringLiteral("5  "));
    EXPECT_EQ(CurrentItem, 4);
    EXPECT_EQ(Caption()->text(), QStringLiteral("Current Menu Item  -  5"));
    EXPECT_EQ(BackColor(Cook()), ColorWindowBackground);

    ChooseLine(9);
    ChooseLine(4);
    EXPECT_EQ(Duty()->text(), QStringLiteral("0:00"));
}

TEST_F(EditorCommandsTest, NewMenuAnsweredNoChangesNothing)
{
    Answer("NO");
    Press(5);
    ExpectRequest(17, ColorYellow, ClearQuestion);
    EXPECT_EQ(ItemMemory[9].Name, "NUGGETS");
    EXPECT_EQ(CurrentItem, 4);
}

TEST_F(EditorCommandsTest, NewMenuEndsOnAnEmptyItemOne)
{
    FileData[190] = 0x5A;
    MenuFolder = "/somewhere";
    MarkCookRed();
    Answer("YES");
    Press(5);
    ExpectRequest(17, ColorYellow, ClearQuestion);
    for (const MenuItem& item : ItemMemory)
        EXPECT_EQ(item, MenuItem{});
    EXPECT_EQ(ListLines(), QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(CurrentItem, 0);
    EXPECT_EQ(List()->currentRow(), 0);
    EXPECT_TRUE(List()->item(0)->isSelected());
    EXPECT_EQ(Caption()->text(), QStringLiteral("Current Menu Item  -  1"));
    EXPECT_EQ(Name()->text(), QString());
    EXPECT_EQ(Cook()->text(), QString());
    EXPECT_TRUE(Name()->isEnabled());
    EXPECT_TRUE(Button(3)->isEnabled());
    EXPECT_EQ(ItemChanged, FlagFalse);
    EXPECT_EQ(BackColor(Cook()), ColorWindowBackground);
    EXPECT_EQ(FileData[190], 0x5A) << "New Menu leaves the file image alone";
    EXPECT_EQ(MenuFolder, "/somewhere");
}

TEST_F(EditorCommandsTest, NewMenuFromItemOneStillLoadsIt)
{
    ChooseLine(0);
    TypeItem("A", "1:00", "0:00", "0:00");
    Press(3);
    Answer("YES");
    Press(5);
    EXPECT_EQ(Name()->text(), QString());
    EXPECT_EQ(ListLines()[0], QStringLiteral("1"));
}

TEST_F(EditorCommandsTest, EnterChoosesTheFocusedButtonAsSpaceDoes)
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        MsgText.clear();
        Answer("NO");
        Button(4)->setFocus();
        QTest::keyClick(Button(4), key);
        EXPECT_EQ(PendingModalActions(), 0) << "key " << key << " did not choose Clear Item";
        ExpectRequest(17, ColorYellow, ClearQuestion);
    }
    EXPECT_EQ(ItemMemory[4].Name, "FRIES");

    // Enter held down on New Menu: its repeats reach the question, which waits
    // for the operator's own answer.
    bool stillAsking = false;
    OnNextModal([&stillAsking](QWidget* question) {
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
        QApplication::sendEvent(question->focusWidget(), &repeat);
        stillAsking = question->isVisible();
        if (stillAsking)
            testing_support::Press(question, QStringLiteral("NO"));
    });
    QTest::keyClick(Button(5), Qt::Key_Return);
    EXPECT_TRUE(stillAsking);
    EXPECT_EQ(ItemMemory[4].Name, "FRIES");

    // Back in the editor the repeats choose no button either.
    Answer("NO");
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
    QApplication::sendEvent(Button(4), &repeat);
    EXPECT_EQ(PendingModalActions(), 1) << "a repeated Enter chose Clear Item";

    // Under Wine the release of the Enter that closed a dialog can go astray,
    // so the operator's next press comes flagged as a repeat: long after the
    // Enter before it, it is a press of its own and chooses.
    QTest::qWait(1200);
    QApplication::sendEvent(Button(4), &repeat);
    EXPECT_EQ(PendingModalActions(), 0) << "a new Enter after a lost release chose nothing";
    ResetModalDriver();
}

TEST_F(EditorCommandsTest, GetMenuAnsweredNoOpensNoChooser)
{
    Retype(Name(), "EDITED");
    Answer("NO");
    Press(2);
    EXPECT_EQ(PendingModalActions(), 0);
    ExpectRequest(17, ColorYellow, GetQuestion);
    EXPECT_EQ(Name()->text(), QStringLiteral("EDITED"));
    EXPECT_EQ(ItemChanged, FlagTrue);
    EXPECT_EQ(ItemMemory[4].Name, "FRIES");
}

// Quit and the window's own close, in both editions.
class QuitTest : public EditorTest, public ::testing::WithParamInterface<const Edition*>
{
protected:
    void Restart()
    {
        CloseEverything();
        Start(*GetParam());
        QDir().mkpath(menuFolder());
    }
    void SetUp() override { Restart(); }

    bool Gone()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return window.isNull();
    }
};

TEST_P(QuitTest, AsksOnceWhenWorkWouldBeLost)
{
    const std::vector<std::pair<const char*, std::function<void()>>> losses = {
        {"an edit not stored", [this] { Type(Name(), "fries"); }},
        {"an item stored", [this] { TypeItem("fries", "3:00", "0:30", "7:00"), Press(3); }},
        {"an item cleared", [this] { Answer("YES"), Press(4); }},
        {"a new menu", [this] { Answer("YES"), Press(5); }},
    };
    for (const auto& [what, lose] : losses) {
        SCOPED_TRACE(what);
        ChooseLine(0);
        lose();
        const QString name = Name()->text();
        Answer("NO");
        Press(0);
        ExpectRequest(17, ColorYellow, QuitQuestion);
        ASSERT_FALSE(Gone());
        EXPECT_EQ(Name()->text(), name);
        Answer("YES");
        window->close();
        EXPECT_TRUE(Gone());
        Restart();
    }
}

TEST_P(QuitTest, EndsAtOnceWithNothingUnsaved)
{
    const auto quitsAtOnce = [this] {
        Answer("NO"); // taken only by a question that must not come
        Press(0);
        const bool asked = PendingModalActions() == 0;
        ResetModalDriver();
        return !asked && Gone();
    };
    EXPECT_TRUE(quitsAtOnce()) << "at start";

    Restart();
    ChooseLine(0);
    TypeItem("fries", "3:00", "0:30", "7:00");
    AnswerChooser("MENU0001");
    Press(1);
    EXPECT_TRUE(quitsAtOnce()) << "after a save";

    Restart();
    ChooseLine(0);
    Type(Name(), "lost");
    Answer("YES");
    AnswerChooser("MENU0001");
    Press(2);
    ASSERT_EQ(Name()->text(), QStringLiteral("FRIES"));
    EXPECT_TRUE(quitsAtOnce()) << "after a read";
}

INSTANTIATE_TEST_SUITE_P(BothEditions, QuitTest,
                         ::testing::Values(&QuenmarkEdition, &VessquenEdition), EditionName);

} // namespace
