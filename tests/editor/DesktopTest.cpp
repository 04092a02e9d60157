// The editor on a real X desktop (tests/run-with-desktop: Xvfb and openbox):
// windows placed by their outer frames, title bar included, and text that
// stays readable on the yellow and red areas under a dark theme.
#include "EditorTestSupport.h"

#include "FileLists.h"
#include "MenuEditors100.h"
#include "ModalDriver.h"
#include "QuenmarkEdition.h"
#include "VbColor.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QTest>
#include <QWindow>

using namespace editor_testing;
using namespace testing_support;

namespace {

QPointF Centre(const QRect& r)
{
    return {r.x() + r.width() / 2.0, r.y() + r.height() / 2.0};
}

// Waits until the window manager has framed the window and the window's
// outer centre stands within a pixel of `where`.
bool CentredOn(QWidget* w, QPointF where)
{
    return QTest::qWaitFor(
        [&] {
            const QPointF d = Centre(w->frameGeometry()) - where;
            return w->windowHandle()->frameMargins().top() > 0 && std::abs(d.x()) <= 1 &&
                   std::abs(d.y()) <= 1;
        },
        3000);
}

class DesktopTest : public EditorTest
{
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != "xcb")
            GTEST_SKIP() << "needs a window manager: run through tests/run-with-desktop";
        Start(QuenmarkEdition);
    }
};

TEST_F(DesktopTest, EditorAndItsQuestionsAreCentredByTheirOuterFrames)
{
    const QPointF screen = Centre(window->screen()->geometry());
    EXPECT_TRUE(CentredOn(window, screen))
        << "editor's frame centre " << Centre(window->frameGeometry()).y() << ", screen's "
        << screen.y();
    const QPointF editor = Centre(window->frameGeometry());
    bool centred = false;
    OnNextModal([&](QWidget* dialog) {
        centred = CentredOn(dialog, editor);
        EXPECT_EQ(dialog->windowHandle()->transientParent(), window->windowHandle());
        testing_support::Press(dialog, "NO");
    });
    Press(5); // New Menu asks first
    EXPECT_EQ(PendingModalActions(), 0);
    EXPECT_TRUE(centred) << "the question stands over the editor's centre";
}

TEST_F(DesktopTest, ChooserStandsAtItsPlaceAndCentresItsMessages)
{
    QPoint chooserCorner;
    bool centred = false;
    Answer("YES"); // to reading a menu
    OnNextModal([&](QWidget* chooser) {
        const bool placed = QTest::qWaitFor(
            [&] {
                return chooser->windowHandle()->frameMargins().top() > 0 &&
                       chooser->frameGeometry().topLeft() == QPoint(67, 67);
            },
            3000);
        EXPECT_TRUE(placed) << chooser->frameGeometry().x() << "," << chooser->frameGeometry().y()
                            << " margins " << chooser->windowHandle()->frameMargins().top();
        chooserCorner = chooser->frameGeometry().topLeft();
        const QPointF over = Centre(chooser->frameGeometry());
        OnNextModal([&, over](QWidget* message) {
            centred = CentredOn(message, over);
            testing_support::Press(message, "OK");
        });
        testing_support::Press(chooser, "OK"); // no name: "No Filename Exists"
        testing_support::Press(chooser, "Cancel");
    });
    Press(2);
    EXPECT_EQ(PendingModalActions(), 0);
    EXPECT_EQ(chooserCorner, QPoint(67, 67)) << "1000 twips from the screen's corner, frame too";
    EXPECT_TRUE(centred);
}

// How light the text drawn on a coloured area is, 0 (black) to 255 (white):
// the mean grey of the pixels inside its border that differ from the area's
// own colour.
int InkLightness(QWidget* w)
{
    const QImage image = w->grab().toImage();
    const QRgb back = ToQColor(BackColor(w), w).rgb();
    long sum = 0;
    long count = 0;
    for (int y = 3; y < image.height() - 3; ++y)
        for (int x = 3; x < image.width() - 3; ++x)
            if (const QRgb p = image.pixel(x, y); p != back) {
                sum += qGray(p);
                ++count;
            }
    return count ? static_cast<int>(sum / count) : -1;
}

class DarkThemeTest : public EditorTest
{
protected:
    void SetUp() override
    {
        saved = QGuiApplication::palette();
        QPalette dark;
        for (auto role : {QPalette::Window, QPalette::Button})
            dark.setColor(role, QColor(0x35, 0x35, 0x35));
        dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            dark.setColor(role, QColor(0xee, 0xee, 0xee));
        QApplication::setPalette(dark);
        Start(QuenmarkEdition);
    }
    void TearDown() override
    {
        EditorTest::TearDown();
        QApplication::setPalette(saved);
    }
    QPalette saved;
};

TEST_F(DarkThemeTest, YellowAndRedAreasKeepDarkText)
{
    ChooseLine(0);
    ChooseLine(0);
    TypeItem("FRIES", "1:75", "0:00", "0:00"); // 75 seconds
    int onRedMessage = -1;
    OnNextModal([&](QWidget* dialog) {
        onRedMessage = InkLightness(dialog->findChild<QLabel*>("lblInformation"));
        testing_support::Press(dialog, "OK");
    });
    Press(3);
    ASSERT_EQ(BackColor(Cook()), ColorRed);
    const int onRedField = InkLightness(Cook());
    int onYellow = -1;
    OnNextModal([&](QWidget* dialog) {
        onYellow = InkLightness(dialog->findChild<QLabel*>("lblInformation"));
        testing_support::Press(dialog, "NO");
    });
    Press(4); // Clear Item asks
    EXPECT_EQ(PendingModalActions(), 0);
    for (int ink : {onRedMessage, onRedField, onYellow}) {
        EXPECT_GE(ink, 0) << "no text drawn";
        EXPECT_LT(ink, 100) << "light text on a light colour";
    }
    EXPECT_EQ(Name()->palette().color(QPalette::Text), QColor(0xee, 0xee, 0xee))
        << "the rest follows the theme";
}

} // namespace
