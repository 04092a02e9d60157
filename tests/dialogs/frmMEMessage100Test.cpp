#include "MenuEditors100.h"
#include "ModalDriver.h"
#include "PlatformPaths.h"
#include "Twips.h"
#include "VbColor.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <map>

using namespace testing_support;

namespace {

const QStringList Captions{"OK", "YES", "NO", "Cancel"};

// What one show of the dialog looked like.
struct Seen {
    QString title;
    QStringList visible; // captions of the visible buttons, by index
    std::uint32_t backColor = 0;
    QRect outerTwips;
    QString focus;
    QString text;
    QSize clientPixels;
    Qt::WindowFlags flags;
    bool fixedSize = false;
};

Seen Look(QWidget* dialog)
{
    Seen seen;
    seen.title = dialog->windowTitle();
    for (int i = 0; i < 4; ++i) {
        auto* b = dialog->findChild<QPushButton*>(QStringLiteral("cmdBut_%1").arg(i));
        if (b && b->isVisible())
            seen.visible << b->text();
    }
    auto* label = dialog->findChild<QLabel*>("lblInformation");
    seen.backColor = BackColor(label);
    seen.text = label->text();
    seen.outerTwips = WindowRectTwips(dialog);
    seen.focus = dialog->focusWidget() ? dialog->focusWidget()->objectName() : QString();
    seen.clientPixels = dialog->size();
    seen.flags = dialog->windowFlags();
    seen.fixedSize = dialog->minimumSize() == dialog->maximumSize();
    return seen;
}

// Shows the message dialog with the request given, looks at it, then runs
// `answer` on it (a button press or a close).
Seen ShowAndAnswer(std::int16_t style, std::uint32_t color, const QString& text,
                   const std::function<void(QWidget*)>& answer)
{
    MsgStyle = style;
    MsgColor = color;
    MsgText = text;
    Seen seen;
    OnNextModal([&](QWidget* dialog) {
        seen = Look(dialog);
        answer(dialog);
    });
    ShowMessageDialog();
    return seen;
}

QPoint CenterTwips(const QRect& r)
{
    return {r.x() + r.width() / 2, r.y() + r.height() / 2};
}

class MessageDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        FormCenterX = 4200;
        FormCenterY = 3300;
        MsgResult = -7;
    }
    void TearDown() override
    {
        EXPECT_EQ(PendingModalActions(), 0);
        EXPECT_TRUE(VisibleTopLevels().isEmpty());
        ResetModalDriver();
    }
};

struct StyleCase {
    std::int16_t style;
    QStringList buttons;
    bool red;
    bool anchored;
};

const std::vector<StyleCase> StyleTable{
    {-32768, {"OK"}, true, false},
    {-1, {"OK"}, true, false},
    {0, {"OK"}, false, false},
    {1, {"YES", "NO"}, false, false},
    {2, {"YES", "NO", "Cancel"}, false, false},
    {3, {"OK"}, true, false},
    {5, {"OK"}, true, false},
    {15, {"OK"}, true, false},
    {16, {"OK"}, false, true},
    {17, {"YES", "NO"}, false, true},
    {18, {"YES", "NO", "Cancel"}, false, true},
    {19, {"OK"}, true, true},
    {100, {"OK"}, true, true},
    {32767, {"OK"}, true, true},
};

} // namespace

TEST_F(MessageDialog, EveryStyleShowsItsButtonsColourAndPlaceAndAnswersByIndex)
{
    const QSize screen = ScreenSizeTwips();
    for (const StyleCase& c : StyleTable) {
        for (const QString& caption : c.buttons) {
            SCOPED_TRACE(
                QStringLiteral("style %1, press %2").arg(c.style).arg(caption).toStdString());
            MsgResult = -7;
            const Seen seen = ShowAndAnswer(c.style, ColorYellow, "\r\nSure?",
                                            [&](QWidget* d) { Press(d, caption); });
            EXPECT_EQ(MsgResult, Captions.indexOf(caption));
            EXPECT_EQ(seen.title, "Information");
            EXPECT_EQ(seen.visible, c.buttons);
            EXPECT_EQ(seen.backColor, c.red ? ColorRed : ColorYellow);
            const QPoint expected = c.anchored ? QPoint(FormCenterX, FormCenterY)
                                               : QPoint(screen.width() / 2, screen.height() / 2);
            const QPoint center = CenterTwips(seen.outerTwips);
            // One pixel of rounding either way.
            EXPECT_LE(std::abs(center.x() - expected.x()), TwipsPerPixel) << center.x();
            EXPECT_LE(std::abs(center.y() - expected.y()), TwipsPerPixel) << center.y();
            EXPECT_EQ(seen.focus, QStringLiteral("cmdBut_%1").arg(Captions.indexOf(c.buttons[0])));
        }
    }
}

TEST_F(MessageDialog, ColourZeroAndTheSystemBackgroundAreTakenAsGiven)
{
    EXPECT_EQ(ShowAndAnswer(0, 0, "\r\nx", [](QWidget* d) { Press(d, "OK"); }).backColor, 0u);
    const Seen seen =
        ShowAndAnswer(17, ColorWindowBackground, "\r\nx", [](QWidget* d) { Press(d, "NO"); });
    EXPECT_EQ(seen.backColor, ColorWindowBackground);
    EXPECT_EQ(MsgResult, 2);
}

TEST_F(MessageDialog, FrameHasNoCloseBoxAndAFixedClientArea)
{
    // A message of three lines keeps the design's size.
    const Seen seen = ShowAndAnswer(0, ColorRed, "\r\nInitialization Error #53\r\nFile not found",
                                    [](QWidget* d) { Press(d, "OK"); });
    EXPECT_TRUE(seen.flags & Qt::WindowTitleHint);
    EXPECT_TRUE(seen.flags & Qt::CustomizeWindowHint);
    EXPECT_FALSE(seen.flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(seen.flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(seen.flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(seen.fixedSize);
    EXPECT_EQ(seen.clientPixels, QSize(TwipsToPixels(5295), TwipsToPixels(1995)));
}

TEST_F(MessageDialog, LayoutFollowsTheTable)
{
    MsgStyle = 2;
    MsgText = "\r\nx";
    OnNextModal([](QWidget* d) {
        auto rect = [&](const char* name) { return d->findChild<QWidget*>(name)->geometry(); };
        EXPECT_EQ(rect("lblInformation"), TwipsRect(120, 60, 5055, 1275));
        EXPECT_EQ(rect("cmdBut_0"), TwipsRect(120, 1440, 5055, 435));
        EXPECT_EQ(rect("cmdBut_1"), TwipsRect(120, 1440, 1575, 435));
        EXPECT_EQ(rect("cmdBut_2"), TwipsRect(3600, 1440, 1575, 435));
        EXPECT_EQ(rect("cmdBut_3"), TwipsRect(1860, 1440, 1575, 435));
        auto* label = d->findChild<QLabel*>("lblInformation");
        const QString family = label->font().family();
        EXPECT_TRUE(family == "MS Sans Serif" || FaceSubstitutes("MS Sans Serif").contains(family))
            << family.toStdString();
        EXPECT_EQ(label->font().pointSize(), 12);
        EXPECT_EQ(label->font().styleHint(), QFont::SansSerif);
        EXPECT_EQ(label->frameShape(), QFrame::Box);
        EXPECT_EQ(label->lineWidth(), 1);
        EXPECT_TRUE(label->alignment() & Qt::AlignHCenter);
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
        for (auto* b : d->findChildren<QPushButton*>()) {
            EXPECT_FALSE(b->isDefault()) << b->text().toStdString();
            EXPECT_FALSE(b->autoDefault()) << b->text().toStdString();
        }
        Press(d, "Cancel");
    });
    ShowMessageDialog();
    EXPECT_EQ(MsgResult, 3);
}

TEST_F(MessageDialog, LineBreaksAreKeptAndALeadingOneOpensAnEmptyFirstLine)
{
    auto ok = [](QWidget* d) { Press(d, "OK"); };
    EXPECT_EQ(ShowAndAnswer(16, ColorRed, "\r\nInvalid Filename", ok).text, "\nInvalid Filename");
    EXPECT_EQ(ShowAndAnswer(16, ColorRed, "No break", ok).text, "No break");
    EXPECT_EQ(ShowAndAnswer(16, ColorRed, "one\r\ntwo\r\n\r\nfour", ok).text, "one\ntwo\n\nfour");
    EXPECT_EQ(ShowAndAnswer(16, ColorRed, "<b>tag</b>", ok).text, "<b>tag</b>");
}

TEST_F(MessageDialog, AnAnchorNearTheEdgePutsTheDialogPartlyOffTheScreen)
{
    FormCenterX = 0;
    FormCenterY = -300;
    const Seen seen = ShowAndAnswer(16, ColorRed, "\r\nx", [](QWidget* d) { Press(d, "OK"); });
    EXPECT_LT(seen.outerTwips.left(), 0);
    EXPECT_LT(seen.outerTwips.top(), 0);
    // The headless platform nudges a window whose client area starts above or
    // left of the screen by its frame margin (2 pixels); a real one does not.
    const QPoint center = CenterTwips(seen.outerTwips);
    EXPECT_LE(std::abs(center.x() - FormCenterX), 3 * TwipsPerPixel);
    EXPECT_LE(std::abs(center.y() - FormCenterY), 3 * TwipsPerPixel);

    const QSize screen = ScreenSizeTwips();
    FormCenterX = screen.width();
    FormCenterY = screen.height();
    const Seen far = ShowAndAnswer(19, ColorRed, "\r\nx", [](QWidget* d) { Press(d, "OK"); });
    EXPECT_GT(far.outerTwips.right(), screen.width());
    EXPECT_GT(far.outerTwips.bottom(), screen.height());
}

TEST_F(MessageDialog, CloseWithoutAButtonAnswersTheSafeChoice)
{
    // Cancel where shown, else NO, else OK; never the answer of an earlier show.
    const std::map<std::int16_t, std::int16_t> safe{{0, 0},  {1, 2},  {2, 3},  {5, 0}, {-1, 0},
                                                    {16, 0}, {17, 2}, {18, 3}, {19, 0}};
    const std::vector<std::pair<const char*, std::function<void(QWidget*)>>> closers{
        {"Escape", [](QWidget* d) { QTest::keyClick(d, Qt::Key_Escape); }},
        {"window close", [](QWidget* d) { d->close(); }},
        {"reject", [](QWidget* d) { qobject_cast<QDialog*>(d)->reject(); }},
    };
    for (const auto& [style, answer] : safe) {
        for (const auto& [how, closer] : closers) {
            SCOPED_TRACE(QStringLiteral("style %1, %2").arg(style).arg(how).toStdString());
            MsgResult = 1; // what an earlier YES left behind
            ShowAndAnswer(style, ColorYellow, "\r\nSure?", closer);
            EXPECT_EQ(MsgResult, answer);
        }
    }
}

TEST_F(MessageDialog, EnterPressesOnlyTheFocusedButton)
{
    // Focus starts on YES; Tab moves it to NO, and Enter presses that one.
    ShowAndAnswer(17, ColorYellow, "\r\nSure?", [](QWidget* d) {
        QTest::keyClick(d->focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(d->focusWidget()->objectName(), "cmdBut_2");
        QTest::keyClick(d->focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(MsgResult, 2);

    ShowAndAnswer(18, ColorYellow, "\r\nSure?", [](QWidget* d) {
        EXPECT_EQ(d->focusWidget()->objectName(), "cmdBut_1");
        QTest::keyClick(d->focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    });
    EXPECT_EQ(MsgResult, 1);

    // The repeats of a held Enter press nothing.
    MsgResult = -7;
    ShowAndAnswer(17, ColorYellow, "\r\nSure?", [](QWidget* d) {
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
        QApplication::sendEvent(d->focusWidget(), &repeat);
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(MsgResult, -7);
        Press(d, "NO");
    });
    EXPECT_EQ(MsgResult, 2);

    // Enter with the focus on no button (sent to the window itself) does nothing.
    ShowAndAnswer(0, ColorRed, "\r\nx", [](QWidget* d) {
        d->findChild<QPushButton*>("cmdBut_0")->clearFocus();
        QTest::keyClick(d, Qt::Key_Return);
        EXPECT_TRUE(d->isVisible());
        MsgResult = -7;
        Press(d, "OK");
    });
    EXPECT_EQ(MsgResult, 0);
}

TEST_F(MessageDialog, TabWalksTheVisibleButtonsInTheTablesOrder)
{
    // OK, YES, NO, Cancel: so NO comes before Cancel, though Cancel stands
    // between YES and NO.
    const std::map<std::int16_t, QStringList> walks{
        {0, {"cmdBut_0", "cmdBut_0"}},
        {1, {"cmdBut_1", "cmdBut_2", "cmdBut_1"}},
        {2, {"cmdBut_1", "cmdBut_2", "cmdBut_3", "cmdBut_1"}},
    };
    for (const auto& [style, expected] : walks) {
        SCOPED_TRACE(style);
        QStringList forwards;
        QStringList backwards;
        ShowAndAnswer(style, ColorYellow, "\r\nSure?", [&](QWidget* d) {
            for (int i = 0; i < expected.size(); ++i) {
                forwards << d->focusWidget()->objectName();
                QTest::keyClick(d->focusWidget(), Qt::Key_Tab);
            }
            for (int i = 0; i < expected.size(); ++i) {
                QTest::keyClick(d->focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
                backwards.prepend(d->focusWidget()->objectName());
            }
            QTest::keyClick(d->focusWidget(), Qt::Key_Space);
        });
        EXPECT_EQ(forwards, expected);
        EXPECT_EQ(backwards, expected.mid(0, expected.size() - 1) << expected.first());
        EXPECT_EQ(MsgResult, Captions.indexOf(style == 0 ? "OK" : "YES")) << "Space presses";
    }
}

TEST_F(MessageDialog, AScreenReaderHearsTheMessageAndTheButtons)
{
    ShowAndAnswer(18, ColorYellow,
                  "\r\nYou are changing Menu Items.\r\nDo you want to save Item 3 information?",
                  [](QWidget* d) {
                      const QString spoken = QStringLiteral(
                          "You are changing Menu Items. Do you want to save Item 3 information?");
                      QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(d);
                      ASSERT_NE(dialog, nullptr);
                      EXPECT_EQ(dialog->role(), QAccessible::Dialog);
                      EXPECT_EQ(dialog->text(QAccessible::Name), "Information");
                      EXPECT_EQ(dialog->text(QAccessible::Description), spoken);

                      QAccessibleInterface* message = QAccessible::queryAccessibleInterface(
                          d->findChild<QLabel*>("lblInformation"));
                      EXPECT_EQ(message->role(), QAccessible::StaticText);
                      EXPECT_EQ(message->text(QAccessible::Name), spoken);

                      for (int i = 0; i < 4; ++i) {
                          auto* b = d->findChild<QPushButton*>(QStringLiteral("cmdBut_%1").arg(i));
                          QAccessibleInterface* button = QAccessible::queryAccessibleInterface(b);
                          EXPECT_EQ(button->role(), QAccessible::Button);
                          EXPECT_EQ(button->text(QAccessible::Name), Captions[i]);
                          // The hidden OK is not offered.
                          EXPECT_EQ(button->state().invisible, i == 0) << i;
                      }
                      Press(d, "Cancel");
                  });

    // Each show announces its own message.
    ShowAndAnswer(16, ColorRed, "\r\nInvalid Entry(s).", [](QWidget* d) {
        EXPECT_EQ(QAccessible::queryAccessibleInterface(d)->text(QAccessible::Description),
                  "Invalid Entry(s).");
        Press(d, "OK");
    });
}

TEST_F(MessageDialog, LongTextGrowsTheDialogInsteadOfBeingCut)
{
    QString text;
    for (int i = 1; i <= 12; ++i)
        text +=
            QStringLiteral("\r\nline %1 of a message far longer than any the program sends").arg(i);
    MsgStyle = 18;
    MsgText = text;
    FormCenterY = ScreenSizeTwips().height() / 2;
    OnNextModal([](QWidget* d) {
        auto* label = d->findChild<QLabel*>("lblInformation");
        EXPECT_GT(label->height(), TwipsToPixels(1275));
        EXPECT_GE(label->height(), label->heightForWidth(label->width()));
        EXPECT_EQ(label->width(), TwipsToPixels(5055));
        EXPECT_GT(d->height(), TwipsToPixels(1995));
        for (int i = 0; i < 4; ++i) {
            auto* b = d->findChild<QPushButton*>(QStringLiteral("cmdBut_%1").arg(i));
            EXPECT_GT(b->y(), label->geometry().bottom());
            EXPECT_LE(b->geometry().bottom(), d->height());
            EXPECT_EQ(b->height(), TwipsToPixels(435));
        }
        // Still centred on its anchor after growing.
        const QPoint center = CenterTwips(WindowRectTwips(d));
        EXPECT_LE(std::abs(center.y() - FormCenterY), TwipsPerPixel);
        Press(d, "NO");
    });
    ShowMessageDialog();
    EXPECT_EQ(MsgResult, 2);
}

TEST_F(MessageDialog, IsModalOverTheActiveWindow)
{
    QWidget owner;
    owner.show();
    QApplication::setActiveWindow(&owner);
    QWidget* parentSeen = nullptr;
    bool modal = false;
    ShowAndAnswer(16, ColorRed, "\r\nx", [&](QWidget* d) {
        parentSeen = d->parentWidget();
        modal = d->isModal() && QApplication::activeModalWidget() == d;
        Press(d, "OK");
    });
    EXPECT_TRUE(modal);
    EXPECT_EQ(parentSeen, &owner);
    owner.close();
}
