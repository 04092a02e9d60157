// Each editor on a Wayland compositor (tests/run-with-wayland): it starts,
// asks one question and reads the answer, shows the chooser, and quits. A
// compositor places windows itself, so each dialog must be a transient child
// of the window that asks, or it could open behind it.
#include "EditorTestSupport.h"

#include "Global_data.h"
#include "ModalDriver.h"
#include "QuenmarkEdition.h"
#include "VessquenEdition.h"

#include <QApplication>
#include <QTest>
#include <QWindow>

#include <cstdio>
#include <cstdlib>

using namespace editor_testing;
using namespace testing_support;

namespace {

class WaylandSmokeTest : public EditorTest, public ::testing::WithParamInterface<const Edition*>
{
};

TEST_P(WaylandSmokeTest, StartsAsksShowsTheChooserAndQuits)
{
    if (QGuiApplication::platformName() != "wayland")
        GTEST_SKIP() << "needs a compositor: run through tests/run-with-wayland";
    Start(*GetParam());
    ItemMemory[0].Name = "KEEP";
    QWindow* asking = nullptr;
    OnNextModal([&](QWidget* dialog) {
        asking = dialog->windowHandle()->transientParent();
        testing_support::Press(dialog, "NO");
    });
    Press(5); // New Menu asks first
    EXPECT_EQ(asking, window->windowHandle());
    EXPECT_EQ(ItemMemory[0].Name, "KEEP") << "NO keeps the menu";

    QWindow* chooserParent = nullptr;
    Answer("YES");
    OnNextModal([&](QWidget* chooser) {
        chooserParent = chooser->windowHandle()->transientParent();
        testing_support::Press(chooser, "Cancel");
    });
    Press(2);
    EXPECT_EQ(PendingModalActions(), 0);
    EXPECT_EQ(chooserParent, window->windowHandle());

    Press(0); // Quit
    EXPECT_TRUE(QTest::qWaitFor([this] { return window.isNull(); }, 3000));
}

INSTANTIATE_TEST_SUITE_P(Editions, WaylandSmokeTest,
                         ::testing::Values(&QuenmarkEdition, &VessquenEdition));

} // namespace

// Qt 6.4's Wayland plugin can hang while the application is torn down (its
// event thread stays blocked reading the display). The results are in by
// then, so this binary leaves without the teardown.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    std::fflush(nullptr);
    std::_Exit(status);
}
