#include "EditorTestSupport.h"

#include "Global_data.h"
#include "MenuEditors100.h"
#include "ModalDriver.h"
#include "QuenmarkEdition.h"
#include "TestFiles.h"
#include "Twips.h"
#include "VbColor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScreen>
#include <QTest>

#include <unistd.h>

#include <vector>

using namespace editor_testing;
using namespace testing_support;

namespace {

class StartupTest : public InTemporaryFolder
{
protected:
    void SetUp() override
    {
        InTemporaryFolder::SetUp();
        // What a previous run might leave: start-up must not depend on it.
        FileData.fill(0xAA);
        for (MenuItem& item : ItemMemory)
            item = MenuItem{"OLD", "1:00", "0:30", "2:00", 1};
    }
    void TearDown() override
    {
        EXPECT_EQ(PendingModalActions(), 0);
        CloseEverything();
    }

    // Start-up that must fail: answers the red message and checks that no
    // editor was opened.
    QString FailedStartup(const EnvironmentLookup& environment,
                          const Edition& edition = QuenmarkEdition)
    {
        QStringList labels;
        PressOnNextModal(QStringLiteral("OK"), nullptr, &labels);
        window = Startup(edition, environment);
        EXPECT_TRUE(window.isNull());
        EXPECT_EQ(PendingModalActions(), 0) << "no message was shown";
        EXPECT_EQ(MsgStyle, 0);
        EXPECT_EQ(MsgColor, ColorRed);
        EXPECT_TRUE(MsgText.startsWith(QStringLiteral("\r\nInitialization Error #")))
            << MsgText.toStdString();
        EXPECT_TRUE(VisibleTopLevels().isEmpty());
        return MsgText;
    }

    // HOME set to the test's folder.
    EnvironmentLookup Home() const { return FakeEnvironment({{"HOME", dir.path().toStdString()}}); }

    QPointer<frmOpening> window;
};

TEST_F(StartupTest, CreatesTheMissingMenuFolderAndOpensTheEditor)
{
    window = Startup(QuenmarkEdition, Home());
    ASSERT_FALSE(window.isNull());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    EXPECT_TRUE(QFileInfo(Path("DAVOVI")).isDir());
    EXPECT_EQ(QString::fromStdString(MenuFolder), Path("DAVOVI"));
    for (const std::uint8_t byte : FileData)
        ASSERT_EQ(byte, 0);
    for (const MenuItem& item : ItemMemory)
        EXPECT_EQ(item, MenuItem{});
}

TEST_F(StartupTest, LeavesAnExistingFolderAlone)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("DAVOVI"));
    Put(Path("DAVOVI/MENU0001.tmr"), "x");
    window = Startup(QuenmarkEdition, Home());
    ASSERT_FALSE(window.isNull());
    EXPECT_EQ(QString::fromStdString(MenuFolder), Path("DAVOVI"));
    EXPECT_EQ(QFileInfo(Path("DAVOVI/MENU0001.tmr")).size(), 1);
}

TEST_F(StartupTest, APlainFileOfThatNameSatisfiesTheTest)
{
    Put(Path("DAVOVI"), {});
    window = Startup(QuenmarkEdition, Home());
    ASSERT_FALSE(window.isNull());
    EXPECT_TRUE(QFileInfo(Path("DAVOVI")).isFile());
    EXPECT_EQ(QString::fromStdString(MenuFolder), Path("DAVOVI"));
}

TEST_F(StartupTest, HomeUnsetOrEmptyEndsWithTheInitializationError)
{
    EXPECT_EQ(FailedStartup(FakeEnvironment({})),
              QStringLiteral("\r\nInitialization Error #HOME is not set"));
    EXPECT_EQ(FailedStartup(FakeEnvironment({{"HOME", ""}})),
              QStringLiteral("\r\nInitialization Error #HOME is not set"));
}

TEST_F(StartupTest, CreatesOneLevelOnly)
{
    const QString text = FailedStartup(FakeEnvironment({{"HOME", Path("absent").toStdString()}}));
    EXPECT_TRUE(text.contains(Path("absent/DAVOVI"))) << text.toStdString();
    EXPECT_FALSE(QFileInfo::exists(Path("absent")));
}

TEST_F(StartupTest, HomeBelowAPlainFileCannotHoldTheFolder)
{
    Put(Path("plain"), {});
    const QString text =
        FailedStartup(FakeEnvironment({{"HOME", Path("plain/home").toStdString()}}));
    EXPECT_TRUE(text.contains(QStringLiteral("Not a directory"))) << text.toStdString();
}

TEST_F(StartupTest, UnwritableHomeEndsWithTheInitializationError)
{
    ASSERT_NE(geteuid(), 0u) << "permissions mean nothing to root: run through run-unprivileged";
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    const QString text = FailedStartup(Home());
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(text.contains(QStringLiteral("Permission denied"))) << text.toStdString();
    EXPECT_TRUE(text.endsWith(" (" + Path("DAVOVI") + ")")) << "names the folder";
    EXPECT_FALSE(QFileInfo::exists(Path("DAVOVI")));
}

TEST_F(StartupTest, AWindowThatCannotBeBuiltEndsWithTheInitializationError)
{
    std::vector<ControlLayout> controls;
    for (const ControlLayout& c : QuenmarkEdition.EditorLayout.Controls)
        if (c.Name != "lblMenuItem")
            controls.push_back(c);
    Edition broken = QuenmarkEdition;
    broken.EditorLayout.Controls = controls;
    EXPECT_EQ(FailedStartup(Home(), broken),
              QStringLiteral("\r\nInitialization Error #the editor layout lacks a control"));
}

class StartupStateTest : public EditorTest
{
protected:
    void SetUp() override { Start(QuenmarkEdition); }
};

TEST_F(StartupStateTest, NoItemChosen)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quenmark - v2.02"));
    EXPECT_EQ(ListLines(), QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    EXPECT_TRUE(List()->selectedItems().isEmpty());
    EXPECT_EQ(Caption()->text(), QStringLiteral("New Menu"));
    EXPECT_TRUE(Button(0)->isEnabled());
    EXPECT_FALSE(Button(1)->isEnabled());
    EXPECT_TRUE(Button(2)->isEnabled());
    EXPECT_FALSE(Button(3)->isEnabled());
    EXPECT_FALSE(Button(4)->isEnabled());
    EXPECT_TRUE(Button(5)->isEnabled());
    for (QWidget* field : std::initializer_list<QWidget*>{Name(), Cook(), Duty(), Hold(), Comp()})
        EXPECT_FALSE(field->isEnabled()) << field->objectName().toStdString();
    ExpectEmptyFields();
    EXPECT_EQ(CurrentItem, -1);
    EXPECT_EQ(ItemChanged, FlagFalse);
    EXPECT_EQ(IgnoreListClick, FlagFalse);
}

TEST_F(StartupStateTest, CentredAndFixedInSize)
{
    const QRect outer = WindowRectTwips(window);
    const QSize screen = ScreenSizeTwips();
    EXPECT_NEAR(outer.left(), screen.width() / 2.0 - outer.width() / 2.0, TwipsPerPixel);
    EXPECT_NEAR(outer.top(), screen.height() / 2.0 - outer.height() / 2.0, TwipsPerPixel);
    EXPECT_EQ(window->size(), QSize(693, 358));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
}

TEST_F(StartupStateTest, CentreForTheDialogsFollowsTheWindowAndRoundsHalvesToEven)
{
    // Two positions a pixel (15 twips, an odd number) apart: when the outer
    // width is odd, one centre is rounded down and the other up, both to even.
    for (const int x : {-100, -101}) {
        window->move(x, 40);
        QTest::qWait(1);
        const QRect outer = WindowRectTwips(window);
        window->SetOpeningFormCenter();
        EXPECT_EQ(FormCenterX, RoundHalfEven(outer.left() + outer.width() / 2.0));
        EXPECT_EQ(FormCenterY, RoundHalfEven(outer.top() + outer.height() / 2.0));
        EXPECT_LT(FormCenterX, outer.width() / 2) << "the window stands partly off the screen";
        if (outer.width() % 2 == 1) {
            EXPECT_EQ(FormCenterX % 2, 0);
        }
    }
}

TEST_F(StartupStateTest, SetupOpeningFormAfterAReadListsTheNamesAndChoosesNothing)
{
    ChooseLine(3);
    ASSERT_EQ(CurrentItem, 3);
    ItemMemory[0].Name = "FRIES";
    ItemMemory[9].Name = "NUGGETS";
    Form().SetupOpeningForm(1);
    const QStringList lines = ListLines();
    EXPECT_EQ(lines.first(), QStringLiteral("1  FRIES"));
    EXPECT_EQ(lines.mid(1, 8), QStringList({"2", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_EQ(lines.last(), QStringLiteral("10 NUGGETS"));
    EXPECT_EQ(ItemMemory[0].Name, "FRIES") << "how 1 leaves the store alone";
    // Back to no item chosen; Quit, Get Menu from File and New Menu stay enabled.
    EXPECT_EQ(CurrentItem, -1);
    EXPECT_EQ(Caption()->text(), QStringLiteral("New Menu"));
    EXPECT_FALSE(Name()->isEnabled());
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(Button(i)->isEnabled(), i == 0 || i == 2 || i == 5) << i;
}

} // namespace
