// The editor for an operator who uses the keyboard alone or a screen reader:
// what each control announces, the order in which Tab visits the controls,
// and whole tasks done with keys only, dialogs included. Both editions.
#include "EditorTestSupport.h"

#include "Global_data.h"
#include "MenuEditors100.h"
#include "ModalDriver.h"
#include "QStringPrinter.h"
#include "QuenmarkEdition.h"
#include "VessquenEdition.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QTest>

#include <algorithm>
#include <functional>
#include <map>

using namespace editor_testing;
using namespace testing_support;

namespace {

struct Announced {
    QAccessible::Role role = QAccessible::NoRole;
    QString name;
    QString description;
};

Announced Announce(QWidget* widget)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    if (!iface)
        return {};
    return {iface->role(), iface->text(QAccessible::Name), iface->text(QAccessible::Description)};
}

QString Focused()
{
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QStringLiteral("(none)");
}

// Presses Tab (or Shift+Tab) `steps` times from the control that has the
// focus and lists where the focus went, starting with where it was.
QStringList Walk(int steps, bool backwards = false)
{
    QStringList visited{Focused()};
    for (int i = 0; i < steps; ++i) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus)
            break;
        QTest::keyClick(focus, Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
        visited << Focused();
    }
    return visited;
}

void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, key, modifiers);
}

void Keys(const QString& text)
{
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClicks(focus, text);
}

// Queues keystrokes for the next dialog, sent wherever its focus is; records
// which control had the focus before each one.
void KeysOnNextModal(QList<Qt::Key> keys, QStringList* focusBefore = nullptr)
{
    OnNextModal([=](QWidget* dialog) {
        for (Qt::Key key : keys) {
            QWidget* focus = QApplication::focusWidget();
            if (focusBefore)
                *focusBefore << (focus ? focus->objectName() : QStringLiteral("(none)"));
            if (!focus || focus->window() != dialog->window()) {
                ADD_FAILURE() << "the dialog has no focus";
                return;
            }
            QTest::keyClick(focus, key);
        }
    });
}

const QStringList FullOrder{"cmdBut_5", "lstItems", "txtName",  "txtCook",  "txtDuty",  "txtHold",
                            "chkComp",  "cmdBut_3", "cmdBut_4", "cmdBut_1", "cmdBut_2", "cmdBut_0"};
const QStringList NoItemOrder{"cmdBut_5", "lstItems", "cmdBut_2", "cmdBut_0"};

class KeyboardAccessTest : public EditorTest, public ::testing::WithParamInterface<const Edition*>
{
protected:
    void SetUp() override
    {
        Start(*GetParam());
        // Vessquen never creates its folder; the chooser should open on it.
        ASSERT_TRUE(QDir().mkpath(menuFolder()));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    QWidget* Control(const QString& name) const { return window->findChild<QWidget*>(name); }

    // Where the editor's focus is, to come back to once its dialogs closed.
    // The offscreen platform has no window manager to make the editor active
    // again; this does its part.
    QString ReturnFromDialog()
    {
        const QString kept = window->focusWidget() ? window->focusWidget()->objectName() : "";
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        EXPECT_EQ(Focused(), kept);
        return kept;
    }
};

TEST_P(KeyboardAccessTest, EveryControlHasANameAndARole)
{
    // The fields are named after the label beside them.
    const std::map<QString, QString> fieldNames{
        {"lstItems", "Current Menu Items"}, {"txtName", "Item Name"}, {"txtCook", "Cook Time"},
        {"txtDuty", "Shake Time"},          {"txtHold", "Hold Time"}, {"chkComp", "Compensation"},
    };
    const std::map<ControlKind, QAccessible::Role> roles{
        {ControlKind::Button, QAccessible::Button},
        {ControlKind::Label, QAccessible::StaticText},
        {ControlKind::List, QAccessible::List},
        {ControlKind::TextBox, QAccessible::EditableText},
        {ControlKind::CheckBox, QAccessible::CheckBox},
    };
    for (const ControlLayout& c : GetParam()->EditorLayout.Controls) {
        const QString name = ObjectName(c);
        SCOPED_TRACE(name.toStdString());
        QWidget* w = Control(name);
        ASSERT_NE(w, nullptr);
        const Announced a = Announce(w);
        const auto role = roles.find(c.Kind);
        ASSERT_NE(role, roles.end()) << "the editor makes no control of its own";
        EXPECT_EQ(a.role, role->second);
        // Buttons and labels say their caption; the label that tells the state
        // of the menu starts as "New Menu".
        if (name == "lblMenuItem")
            EXPECT_EQ(a.name, QStringLiteral("New Menu"));
        else if (c.Kind == ControlKind::Button || c.Kind == ControlKind::Label)
            EXPECT_EQ(a.name, ToQString(c.Caption));
        else
            EXPECT_EQ(a.name, fieldNames.at(name));
    }
    // The lines only separate; a screen reader passes over a separator.
    for (const LineLayout& l : GetParam()->EditorLayout.Lines) {
        SCOPED_TRACE(std::string(l.Name));
        QWidget* w = Control(ToQString(l.Name));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(Announce(w).role, QAccessible::Separator);
    }
    const Announced editor = Announce(window);
    EXPECT_EQ(editor.role, QAccessible::Window);
    EXPECT_EQ(editor.name, window->windowTitle());
}

TEST_P(KeyboardAccessTest, LabelsAnnounceTheFieldTheyName)
{
    QAccessibleInterface* field = QAccessible::queryAccessibleInterface(Name());
    ASSERT_NE(field, nullptr);
    const auto labelledBy = field->relations(QAccessible::Label);
    ASSERT_EQ(labelledBy.size(), 1);
    EXPECT_EQ(labelledBy.first().first->object()->objectName(), QStringLiteral("Label7"));
}

TEST_P(KeyboardAccessTest, TheItemCaptionIsAnnouncedAsItChanges)
{
    ChooseLine(2);
    EXPECT_EQ(Announce(Caption()).name, QStringLiteral("Current Menu Item  -  3"));
}

TEST_P(KeyboardAccessTest, StartsOnTheFirstControlAndTabSkipsTheDisabledOnes)
{
    EXPECT_EQ(Focused(), QStringLiteral("cmdBut_5"));
    EXPECT_EQ(Walk(NoItemOrder.size()), NoItemOrder + QStringList{"cmdBut_5"});
}

TEST_P(KeyboardAccessTest, WithAnItemChosenTabVisitsEveryControlInOrder)
{
    ChooseLine(2);
    Control("cmdBut_5")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(Walk(FullOrder.size()), FullOrder + QStringList{"cmdBut_5"});

    QStringList backwards = FullOrder;
    std::reverse(backwards.begin(), backwards.end());
    backwards.prepend("cmdBut_5");
    EXPECT_EQ(Walk(FullOrder.size(), true), backwards);
}

// A menu made, saved, changed, read back and left, without the mouse.
TEST_P(KeyboardAccessTest, TheWholeEditorWorksFromTheKeyboard)
{
    // Into the list and onto item 1: the list's own move selects the line.
    Key(Qt::Key_Tab);
    ASSERT_EQ(Focused(), QStringLiteral("lstItems"));
    Key(Qt::Key_Down);
    Key(Qt::Key_Up);
    EXPECT_EQ(CurrentItem, 0);
    EXPECT_EQ(Caption()->text(), QStringLiteral("Current Menu Item  -  1"));
    ASSERT_TRUE(Name()->isEnabled());

    // Tab into a field selects its text, so typing replaces it.
    Key(Qt::Key_Tab);
    Keys("fries");
    Key(Qt::Key_Tab);
    Keys("3:00");
    Key(Qt::Key_Tab);
    Keys("0:30");
    Key(Qt::Key_Tab);
    Keys("7:00");
    Key(Qt::Key_Tab);
    ASSERT_EQ(Focused(), QStringLiteral("chkComp"));
    Key(Qt::Key_Space);
    EXPECT_FALSE(Comp()->isChecked());
    Key(Qt::Key_Tab);
    ASSERT_EQ(Focused(), QStringLiteral("cmdBut_3"));
    Key(Qt::Key_Space); // Save Item
    EXPECT_EQ(ItemMemory[0], (MenuItem{"FRIES", "3:00", "0:30", "7:00", 0}));
    EXPECT_EQ(ListLines()[0], QStringLiteral("1  FRIES"));

    // Clear Item asks first: NO by Tab and Enter keeps the item, and the
    // focus comes back to the button.
    Key(Qt::Key_Tab);
    ASSERT_EQ(Focused(), QStringLiteral("cmdBut_4"));
    QStringList focusInQuestion;
    KeysOnNextModal({Qt::Key_Tab, Qt::Key_Return}, &focusInQuestion);
    Key(Qt::Key_Return);
    EXPECT_EQ(focusInQuestion, (QStringList{"cmdBut_1", "cmdBut_2"})); // YES, then NO
    EXPECT_EQ(MsgResult, 2);
    EXPECT_EQ(ItemMemory[0].Name, "FRIES");
    EXPECT_EQ(ReturnFromDialog(), QStringLiteral("cmdBut_4"));

    // Save Menu to File: the chooser opens on the drive list; Tab twice to
    // the name, type it, Tab past Cancel to OK, Enter.
    Key(Qt::Key_Tab);
    ASSERT_EQ(Focused(), QStringLiteral("cmdBut_1"));
    QStringList focusInChooser;
    OnNextModal([&focusInChooser](QWidget* chooser) {
        for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Tab}) {
            focusInChooser << Focused();
            QTest::keyClick(QApplication::focusWidget(), key);
        }
        focusInChooser << Focused();
        QTest::keyClicks(QApplication::focusWidget(), "MENU0001");
        for (int i = 0; i < 2; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        focusInChooser << Focused();
        if (QApplication::focusWidget()->window() == chooser)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    Key(Qt::Key_Return);
    EXPECT_EQ(focusInChooser, (QStringList{"lstDrive", "lstDirectory", "txtFileName", "cmdBut_1"}));
    QFile saved(menuFolder() + "/MENU0001.tmr");
    ASSERT_TRUE(saved.exists()) << saved.fileName().toStdString();
    EXPECT_EQ(saved.size(), FileDataSize);
    EXPECT_EQ(ReturnFromDialog(), QStringLiteral("cmdBut_1"));

    // Change the item, then Get Menu from File: YES by Enter, then in the
    // chooser Tab to the file list (the name field is off in read mode),
    // choose the file with Space, Shift+Tab back to OK, Enter.
    Control("txtName")->setFocus(Qt::TabFocusReason);
    Keys("chips");
    Control("cmdBut_3")->setFocus(Qt::TabFocusReason);
    Key(Qt::Key_Return);
    ASSERT_EQ(ItemMemory[0].Name, "CHIPS");
    Control("cmdBut_2")->setFocus(Qt::TabFocusReason);
    KeysOnNextModal({Qt::Key_Return});
    QStringList focusInReader;
    OnNextModal([&focusInReader](QWidget*) {
        for (int i = 0; i < 4; ++i) {
            focusInReader << Focused();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        focusInReader << Focused();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        focusInReader << Focused();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    Key(Qt::Key_Return);
    EXPECT_EQ(focusInReader, (QStringList{"lstDrive", "lstDirectory", "cmdBut_0", "cmdBut_1",
                                          "lstFile", "cmdBut_1"}));
    EXPECT_EQ(ItemMemory[0].Name, "FRIES");
    EXPECT_EQ(ListLines()[0], QStringLiteral("1  FRIES"));
    EXPECT_EQ(ReturnFromDialog(), QStringLiteral("lstItems"));

    // Clear Item answered YES with Space, then Quit with Enter, and Enter on
    // YES to the question about the cleared item, not saved to a file.
    Control("cmdBut_4")->setFocus(Qt::TabFocusReason);
    KeysOnNextModal({Qt::Key_Space});
    Key(Qt::Key_Space);
    EXPECT_EQ(MsgResult, 1);
    EXPECT_TRUE(ItemMemory[0].Name.empty());
    EXPECT_EQ(ReturnFromDialog(), QStringLiteral("cmdBut_4"));
    Control("cmdBut_0")->setFocus(Qt::TabFocusReason);
    KeysOnNextModal({Qt::Key_Return});
    Key(Qt::Key_Return);
    EXPECT_EQ(MsgText, QuitQuestion);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

INSTANTIATE_TEST_SUITE_P(BothEditions, KeyboardAccessTest,
                         ::testing::Values(&QuenmarkEdition, &VessquenEdition), EditionName);

} // namespace
