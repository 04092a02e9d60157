// Choosing lines of the item list, with and without unsaved changes, by
// mouse and keyboard, and every answer to the question.
#include "EditorTestSupport.h"

#include "Global_data.h"
#include "MenuEditors100.h"
#include "ModalDriver.h"
#include "QuenmarkEdition.h"
#include "Twips.h"
#include "VbColor.h"

#include <QApplication>
#include <QTest>

using namespace editor_testing;
using namespace testing_support;

namespace {

class ItemSelectionTest : public EditorTest
{
protected:
    void SetUp() override
    {
        Start(QuenmarkEdition);
        ItemMemory[4] = MenuItem{"FRIES", "3:00", "0:30", "7:00", 0};
    }

    int SelectedLine() const
    {
        const auto selected = List()->selectedItems();
        return selected.isEmpty() ? -1 : List()->row(selected.first());
    }

    // On item 2 with the name typed over and not stored.
    void EditItem2()
    {
        ChooseLine(1);
        Type(Name(), "chips");
        ASSERT_EQ(ItemChanged, FlagTrue);
    }

    void ExpectOnItem(int index)
    {
        EXPECT_EQ(CurrentItem, index);
        EXPECT_EQ(SelectedLine(), index);
        EXPECT_EQ(Caption()->text(), QStringLiteral("Current Menu Item  -  %1").arg(index + 1));
    }
};

TEST_F(ItemSelectionTest, FirstChoiceEnablesEverythingAndKeepsTheFields)
{
    ChooseLine(3);
    ExpectOnItem(3);
    for (QWidget* w : std::initializer_list<QWidget*>{Name(), Cook(), Duty(), Hold(), Comp()})
        EXPECT_TRUE(w->isEnabled());
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(Button(i)->isEnabled()) << i;
    ExpectEmptyFields();
    EXPECT_EQ(ItemChanged, FlagFalse);
}

TEST_F(ItemSelectionTest, WithoutChangesTheChosenItemIsLoaded)
{
    ChooseLine(0);
    ChooseLine(4);
    ExpectOnItem(4);
    EXPECT_EQ(Name()->text(), QStringLiteral("FRIES"));
    EXPECT_EQ(Cook()->text(), QStringLiteral("3:00"));
    EXPECT_EQ(Duty()->text(), QStringLiteral("0:30"));
    EXPECT_EQ(Hold()->text(), QStringLiteral("7:00"));
    EXPECT_EQ(Comp()->checkState(), Qt::Unchecked);
    EXPECT_EQ(ItemChanged, FlagFalse) << "loading the box is no click";

    // An empty slot shows the defaults, whatever else it holds.
    ItemMemory[6] = MenuItem{"", "1:00", "", "2:00", 0};
    ChooseLine(6);
    ExpectEmptyFields();
}

TEST_F(ItemSelectionTest, CancelReturnsToTheEditedItemAndDoesNotSwallowTheNextChoice)
{
    EditItem2();
    Answer("Cancel");
    ChooseLine(4);
    ExpectRequest(18, ColorYellow, ChangeQuestion(2));
    ExpectOnItem(1);
    EXPECT_EQ(Name()->text(), QStringLiteral("CHIPS"));
    EXPECT_EQ(ItemChanged, FlagTrue);
    EXPECT_EQ(IgnoreListClick, FlagFalse);

    // The very next choice is asked about again, not swallowed.
    Answer("Cancel");
    ChooseLine(4);
    EXPECT_EQ(PendingModalActions(), 0);
    ExpectOnItem(1);
    Answer("NO");
    ChooseLine(4);
    ExpectOnItem(4);
}

TEST_F(ItemSelectionTest, NoDropsTheChangesAndResetsTheColours)
{
    EditItem2();
    Retype(Cook(), "1:5");
    Answer("OK");
    Press(3);
    ASSERT_EQ(BackColor(Cook()), ColorRed);
    Answer("NO");
    ChooseLine(4);
    ExpectOnItem(4);
    EXPECT_EQ(Name()->text(), QStringLiteral("FRIES"));
    EXPECT_EQ(ItemMemory[1], MenuItem{}) << "nothing was stored";
    EXPECT_EQ(ListLines()[1], QStringLiteral("2"));
    EXPECT_EQ(ItemChanged, FlagFalse);
    EXPECT_EQ(BackColor(Cook()), ColorWindowBackground);
}

TEST_F(ItemSelectionTest, YesStoresValidEntriesAndMovesOn)
{
    ChooseLine(1);
    TypeItem("chips", "2:00", "0:20", "5:00");
    Answer("YES");
    ChooseLine(4);
    ExpectRequest(18, ColorYellow, ChangeQuestion(2));
    ExpectOnItem(4);
    EXPECT_EQ(ItemMemory[1], (MenuItem{"CHIPS", "2:00", "0:20", "5:00", 1}));
    EXPECT_EQ(ListLines()[1], QStringLiteral("2  CHIPS"));
    EXPECT_EQ(Name()->text(), QStringLiteral("FRIES"));
    EXPECT_EQ(ItemChanged, FlagFalse);
}

TEST_F(ItemSelectionTest, YesWithInvalidEntriesStaysAndAsksAgain)
{
    EditItem2(); // the cook time is still empty
    Answer("YES");
    Answer("OK");
    ChooseLine(4);
    ExpectRequest(16, ColorRed, InvalidEntries);
    ExpectOnItem(1);
    EXPECT_EQ(BackColor(Cook()), ColorRed);
    EXPECT_EQ(ItemChanged, FlagTrue);
    EXPECT_EQ(ItemMemory[1], MenuItem{});

    Answer("Cancel");
    ChooseLine(4);
    EXPECT_EQ(PendingModalActions(), 0) << "the second choice asks again";
    ExpectRequest(18, ColorYellow, ChangeQuestion(2));
}

TEST_F(ItemSelectionTest, QuestionsAreCentredOverTheEditor)
{
    EditItem2();
    window->move(37, 21);
    QTest::qWait(1);
    Answer("Cancel");
    ChooseLine(4);
    const QRect outer = WindowRectTwips(window);
    EXPECT_EQ(FormCenterX, RoundHalfEven(outer.left() + outer.width() / 2.0));
    EXPECT_EQ(FormCenterY, RoundHalfEven(outer.top() + outer.height() / 2.0));
}

TEST_F(ItemSelectionTest, ClickingTheCompensationBoxAloneIsAChange)
{
    ChooseLine(1);
    QTest::mouseClick(Comp(), Qt::LeftButton);
    EXPECT_EQ(ItemChanged, FlagTrue);
    EXPECT_EQ(Comp()->checkState(), Qt::Unchecked);
    Answer("Cancel");
    ChooseLine(4);
    ExpectRequest(18, ColorYellow, ChangeQuestion(2));
}

TEST_F(ItemSelectionTest, KeyboardMovesAreChoices)
{
    ChooseLine(3);
    QTest::keyClick(List(), Qt::Key_Down);
    ExpectOnItem(4);
    EXPECT_EQ(Name()->text(), QStringLiteral("FRIES"));

    Type(Name(), "X");
    Answer("Cancel");
    QTest::keyClick(List(), Qt::Key_Up);
    EXPECT_EQ(PendingModalActions(), 0) << "the first move with changes asks";
    ExpectOnItem(4);
    Answer("NO");
    QTest::keyClick(List(), Qt::Key_Up);
    ExpectOnItem(3);
}

TEST_F(ItemSelectionTest, TheFirstMoveBeforeAnyChoiceChoosesTheMarkedLine)
{
    List()->setFocus();
    ASSERT_EQ(List()->selectedItems().size(), 0);
    const int marked = std::max(List()->currentRow(), 0);
    if (List()->currentRow() < 0)
        List()->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    QTest::keyClick(List(), Qt::Key_Down);
    ExpectOnItem(marked);
}

TEST_F(ItemSelectionTest, GivingTheListTheFocusChoosesNothing)
{
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    Button(5)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), List());
    EXPECT_EQ(CurrentItem, -1);
    EXPECT_FALSE(Name()->isEnabled());
    QTest::keyClick(List(), Qt::Key_Space);
    ExpectOnItem(List()->currentRow());
}

TEST_F(ItemSelectionTest, ClickingTheSelectedLineIsAChoiceToo)
{
    ChooseLine(4);
    Retype(Name(), "CHANGED");
    Answer("NO");
    ChooseLine(4);
    EXPECT_EQ(PendingModalActions(), 0);
    EXPECT_EQ(MsgText, ChangeQuestion(5));
    ExpectOnItem(4);
    EXPECT_EQ(Name()->text(), QStringLiteral("FRIES")) << "NO reloads the item";

    // Without changes it asks nothing.
    ChooseLine(4);
    ExpectOnItem(4);
}

// With a line hidden the list would scroll whenever the program chooses a
// line again, and move the lines under the operator's mouse.
TEST_F(ItemSelectionTest, AllTenLinesShowSoNoneMovesUnderTheMouse)
{
    const QRect shown = List()->viewport()->rect();
    for (int i = 0; i < MenuItemCount; ++i)
        EXPECT_TRUE(shown.contains(List()->visualItemRect(List()->item(i)))) << "line " << i + 1;

    EditItem2();
    const QRect tenth = List()->visualItemRect(List()->item(9));
    Answer("Cancel");
    ChooseLine(9);
    ExpectOnItem(1);
    EXPECT_EQ(List()->visualItemRect(List()->item(9)), tenth);
    Answer("NO");
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, tenth.center());
    EXPECT_EQ(PendingModalActions(), 0);
    ExpectOnItem(9);
}

class CompensationTest : public ItemSelectionTest
{
};

TEST_F(CompensationTest, ValuesFromAFileShowAndSurvive)
{
    ItemMemory[0] = MenuItem{"A", "1:00", "0:00", "0:00", 0};
    ItemMemory[1] = MenuItem{"B", "1:00", "0:00", "0:00", 1};
    ItemMemory[2] = MenuItem{"C", "1:00", "0:00", "0:00", 2};
    ItemMemory[3] = MenuItem{"D", "1:00", "0:00", "0:00", 200};
    const Qt::CheckState shown[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked,
                                    Qt::PartiallyChecked};
    const std::int16_t stored[] = {0, 1, 2, 200};
    ChooseLine(4);
    for (int i = 0; i < 4; ++i) {
        ChooseLine(i);
        EXPECT_EQ(Comp()->checkState(), shown[i]) << i;
        Press(3); // store as it stands
        EXPECT_EQ(ItemMemory[static_cast<std::size_t>(i)].Comp, stored[i]) << i;
    }
}

TEST_F(CompensationTest, AClickMakesItPlainlyOnOrOff)
{
    ItemMemory[3] = MenuItem{"D", "1:00", "0:00", "0:00", 7};
    ChooseLine(0);
    ChooseLine(3);
    ASSERT_EQ(Comp()->checkState(), Qt::PartiallyChecked);
    QTest::mouseClick(Comp(), Qt::LeftButton);
    EXPECT_EQ(Comp()->checkState(), Qt::Checked);
    QTest::mouseClick(Comp(), Qt::LeftButton);
    EXPECT_EQ(Comp()->checkState(), Qt::Unchecked);
    QTest::mouseClick(Comp(), Qt::LeftButton);
    EXPECT_EQ(Comp()->checkState(), Qt::Checked);
    Press(3);
    EXPECT_EQ(ItemMemory[3].Comp, 1);
}

} // namespace
