// The windows at the desktop scale factors operators use (QT_SCALE_FACTOR
// 1.25, 1.5 and 2, set by CTest): every control lies inside its window, in
// the editor and in both dialogs.
#include "EditorTestSupport.h"

#include "ModalDriver.h"
#include "QuenmarkEdition.h"
#include "VessquenEdition.h"

#include <QFrame>

using namespace editor_testing;
using namespace testing_support;

namespace {

// The controls that reach outside the window, by name. The dividing lines
// are left out: the layout draws one past the window's edge, to be cut there.
std::string Outside(QWidget* window)
{
    QStringList outside;
    const auto children = window->findChildren<QWidget*>();
    for (QWidget* w : children) {
        const auto* frame = qobject_cast<QFrame*>(w);
        const bool line =
            frame && (frame->frameShape() == QFrame::HLine || frame->frameShape() == QFrame::VLine);
        if (!w->isVisibleTo(window) || w->isWindow() || line)
            continue;
        if (!window->rect().contains(QRect(w->mapTo(window, QPoint(0, 0)), w->size())))
            outside << w->objectName();
    }
    return outside.join(' ').toStdString();
}

class ScaleFactorTest : public EditorTest, public ::testing::WithParamInterface<const Edition*>
{
};

TEST_P(ScaleFactorTest, EveryControlLiesInsideItsWindow)
{
    RecordProperty("QT_SCALE_FACTOR", qEnvironmentVariable("QT_SCALE_FACTOR").toStdString());
    Start(*GetParam());
    EXPECT_EQ(Outside(window), "");
    std::string inQuestion;
    std::string inChooser;
    OnNextModal([&](QWidget* dialog) {
        inQuestion = Outside(dialog);
        testing_support::Press(dialog, "YES");
    });
    OnNextModal([&](QWidget* chooser) {
        inChooser = Outside(chooser);
        testing_support::Press(chooser, "Cancel");
    });
    Press(2); // Get Menu asks, then shows the chooser
    EXPECT_EQ(PendingModalActions(), 0);
    EXPECT_EQ(inQuestion, "");
    EXPECT_EQ(inChooser, "");
}

INSTANTIATE_TEST_SUITE_P(Editions, ScaleFactorTest,
                         ::testing::Values(&QuenmarkEdition, &VessquenEdition));

} // namespace
