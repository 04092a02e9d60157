// The keystroke filters of the four fields and the validation of an item, on
// the real window.
#include "EditorTestSupport.h"

#include "Global_data.h"
#include "MenuEditors100.h"
#include "ModalDriver.h"
#include "QuenmarkEdition.h"
#include "VbColor.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

using namespace editor_testing;

namespace {

class EntryFiltersTest : public EditorTest
{
protected:
    void SetUp() override
    {
        Start(QuenmarkEdition);
        ChooseLine(0);
        ASSERT_TRUE(Name()->isEnabled());
        ASSERT_EQ(ItemChanged, FlagFalse);
    }

    // Each key on its own, with ItemChanged cleared first.
    QString Typed(QLineEdit* field, std::initializer_list<Qt::Key> keys, const QString& text = {})
    {
        field->clear();
        ItemChanged = FlagFalse;
        for (const Qt::Key key : keys)
            QTest::keyClick(field, key);
        if (!text.isEmpty())
            QTest::keyClicks(field, text);
        EXPECT_EQ(ItemChanged, FlagTrue) << "every keystroke is a change";
        return field->text();
    }

    bool Validate(const QString& name, const QString& cook, const QString& duty,
                  const QString& hold)
    {
        Name()->setText(name);
        Cook()->setText(cook);
        Duty()->setText(duty);
        Hold()->setText(hold);
        return Form().ValidateItemEntries();
    }
};

TEST_F(EntryFiltersTest, NameTakesCapitalsAndDiscardsTheRest)
{
    EXPECT_EQ(Typed(Name(), {}, "fries 2"), QStringLiteral("FRIES 2"));
    EXPECT_EQ(Typed(Name(), {}, "a\"'_\\:["), QStringLiteral("A\"'_\\:["));
    EXPECT_EQ(Typed(Name(), {}, "~"), QString());
    EXPECT_EQ(Typed(Name(), {}, "`{|}"), QString());
    // Characters beyond the keyboard's ASCII: e acute has a Latin-1 capital
    // (201) above 95, the euro sign no Latin-1 byte at all.
    for (const QString& ch : {QStringLiteral("\u00e9"), QStringLiteral("\u20ac")}) {
        Name()->clear();
        ItemChanged = FlagFalse;
        QTest::sendKeyEvent(QTest::Click, Name(), Qt::Key_unknown, ch, Qt::NoModifier);
        EXPECT_EQ(Name()->text(), QString());
        EXPECT_EQ(ItemChanged, FlagTrue);
    }
    EXPECT_EQ(Typed(Name(), {Qt::Key_Return}), QString());
    EXPECT_EQ(Typed(Name(), {Qt::Key_Enter}), QString());
    EXPECT_EQ(Typed(Name(), {Qt::Key_Escape}), QString());
    EXPECT_EQ(Typed(Name(), {}, "AB"), QStringLiteral("AB"));
    QTest::keyClick(Name(), Qt::Key_Backspace);
    EXPECT_EQ(Name()->text(), QStringLiteral("A"));
}

TEST_F(EntryFiltersTest, TimeFieldsTakeDigitsAndColonsOnly)
{
    for (QLineEdit* field : {Cook(), Duty(), Hold()}) {
        EXPECT_EQ(Typed(field, {}, "1:30"), QStringLiteral("1:30"));
        EXPECT_EQ(Typed(field, {}, "::"), QStringLiteral("::"));
        EXPECT_EQ(Typed(field, {}, "-"), QString());
        EXPECT_EQ(Typed(field, {}, "."), QString());
        EXPECT_EQ(Typed(field, {}, "aZ "), QString());
        EXPECT_EQ(Typed(field, {Qt::Key_Return}), QString());
        EXPECT_EQ(Typed(field, {}, "9-9.9"), QStringLiteral("999"));
    }
}

TEST_F(EntryFiltersTest, KeysThatTypeNothingAreNoChange)
{
    Name()->setText("AB");
    ItemChanged = FlagFalse;
    QTest::keyClick(Name(), Qt::Key_Left);
    QTest::keyClick(Name(), Qt::Key_Home);
    EXPECT_EQ(ItemChanged, FlagFalse);
}

TEST_F(EntryFiltersTest, PastedTextIsAChangeButNotFiltered)
{
    QApplication::clipboard()->setText(QStringLiteral("-1:30"));
    ItemChanged = FlagFalse;
    Cook()->clear();
    QTest::keyClick(Cook(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Cook()->text(), QStringLiteral("-1:30"));
    EXPECT_EQ(ItemChanged, FlagTrue);

    // A programmatic load is no change.
    ItemChanged = FlagFalse;
    Form().ItemGetFromMemory(3);
    EXPECT_EQ(ItemChanged, FlagFalse);
}

TEST_F(EntryFiltersTest, TimeRuleTable)
{
    for (const char* good : {"0:00", "00:00", "5:30", "99:59"}) {
        EXPECT_TRUE(Validate("X", good, "0:00", "0:00")) << good;
        EXPECT_EQ(BackColor(Cook()), ColorWindowBackground) << good;
    }
    for (const char* bad : {"1:60", "1:5", "100:00", "12345", "1::00", ""}) {
        for (QLineEdit* field : {Cook(), Duty(), Hold()}) {
            Validate("X", "1:00", "0:00", "0:00");
            field->setText(QString::fromLatin1(bad));
            EXPECT_FALSE(Form().ValidateItemEntries()) << bad;
            EXPECT_EQ(BackColor(field), ColorRed) << bad;
        }
    }
}

TEST_F(EntryFiltersTest, PastedSignsBlanksPointsAndLettersFail)
{
    for (const char* bad : {"-1:30", " 1:30", "+1:30", "1.:30", "a:30", "1:3a", "-0:00"}) {
        EXPECT_FALSE(Validate("X", bad, "0:00", "0:00")) << bad;
        EXPECT_EQ(BackColor(Cook()), ColorRed) << bad;
    }
    // A name with a character that has no byte in the file's code page.
    EXPECT_FALSE(Validate(QStringLiteral("EURO\u20ac"), "1:00", "0:00", "0:00"));
    EXPECT_EQ(BackColor(Name()), ColorRed);
    EXPECT_TRUE(Validate(QStringLiteral("CAF\u00c9"), "1:00", "0:00", "0:00"));
}

TEST_F(EntryFiltersTest, NameRuleTable)
{
    EXPECT_TRUE(Validate("ABCDEFGHIJ", "1:00", "0:00", "0:00"));
    EXPECT_TRUE(Validate("   ", "1:00", "0:00", "0:00")) << "a name of blanks passes";
    EXPECT_FALSE(Validate("ABCDEFGHIJK", "1:00", "0:00", "0:00"));
    EXPECT_EQ(BackColor(Name()), ColorRed);
    EXPECT_FALSE(Validate("", "1:00", "0:00", "0:00"));
    EXPECT_EQ(BackColor(Name()), ColorRed);
    EXPECT_EQ(BackColor(Cook()), ColorWindowBackground);
}

TEST_F(EntryFiltersTest, ShakeLongerThanCookMarksTheCookField)
{
    EXPECT_FALSE(Validate("X", "0:30", "1:00", "0:00"));
    EXPECT_EQ(BackColor(Cook()), ColorRed);
    EXPECT_EQ(BackColor(Duty()), ColorWindowBackground);
    EXPECT_TRUE(Validate("X", "1:00", "1:00", "0:00")) << "equal times pass";
    EXPECT_EQ(BackColor(Cook()), ColorWindowBackground) << "a later validation repaints";

    // Compared only when every field passes.
    EXPECT_FALSE(Validate("", "0:30", "1:00", "0:00"));
    EXPECT_EQ(BackColor(Name()), ColorRed);
    EXPECT_EQ(BackColor(Cook()), ColorWindowBackground);
}

TEST_F(EntryFiltersTest, ValidationChangesNoTextAndNoFocus)
{
    Cook()->setFocus();
    Validate("ab", "1:5", "x", "");
    EXPECT_EQ(Name()->text(), QStringLiteral("ab"));
    EXPECT_EQ(Cook()->text(), QStringLiteral("1:5"));
    EXPECT_EQ(Duty()->text(), QStringLiteral("x"));
    EXPECT_EQ(QApplication::focusWidget(), Cook());
}

} // namespace
