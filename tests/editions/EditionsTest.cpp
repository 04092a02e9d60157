// The two programs side by side: captions, layouts, menu folders, the field
// colour resets, and menu files crossing between them.
#include "EditorTestSupport.h"
#include "MenuItem.h"

#include "Global_data.h"
#include "MenuEditors100.h"
#include "ModalDriver.h"
#include "PlatformPaths.h"
#include "QuenmarkEdition.h"
#include "TestFiles.h"
#include "Twips.h"
#include "VbColor.h"
#include "VessquenEdition.h"

#include <QDir>
#include <QDirIterator>
#include <QFontInfo>
#include <QFrame>
#include <QTest>

#include <array>
#include <utility>

using namespace editor_testing;
using namespace testing_support;

namespace {

QRect TwipsOf(const QWidget* w)
{
    const QRect g = w->geometry();
    return {PixelsToTwips(g.x()), PixelsToTwips(g.y()), PixelsToTwips(g.width()),
            PixelsToTwips(g.height())};
}

class EditionsTest : public EditorTest
{
};

// Quenmark's table without one of its controls; an edition with a table the
// editor cannot work with does not compile.
constexpr bool AcceptedWithout(std::string_view name, int index = -1)
{
    std::array<ControlLayout, std::size(quenmark_edition::Controls)> kept{};
    std::size_t n = 0;
    for (const ControlLayout& c : quenmark_edition::Controls)
        if (c.Name != name || c.Index != index)
            kept[n++] = c;
    return IsEditorLayout(LayoutTable{1, 1, {}, std::span(kept.data(), n)});
}
static_assert(!AcceptedWithout("txtName"));
static_assert(!AcceptedWithout("Label7"), "the label that names a field");
static_assert(!AcceptedWithout("cmdBut", ButNewMenu));

TEST_F(EditionsTest, Captions)
{
    Start(QuenmarkEdition);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quenmark - v2.02"));
    window->close();
    CloseEverything();
    Start(VessquenEdition);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Torvane/Bex Vessik Quenmark - 1.10"));
}

// Every control of each layout table stands where the table says, with its
// caption and font; the lines too.
class LayoutTest : public EditorTest, public ::testing::WithParamInterface<const Edition*>
{
};

TEST_P(LayoutTest, BuiltWindowMatchesItsTable)
{
    const Edition& edition = *GetParam();
    Start(edition);
    const LayoutTable& layout = edition.EditorLayout;
    EXPECT_EQ(PixelsToTwips(window->width()), layout.ClientWidth);
    EXPECT_EQ(PixelsToTwips(window->height()), layout.ClientHeight);
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "fixed size";
    const QString face = ToQString(layout.WindowFont.Face);
    EXPECT_TRUE(window->font().family() == face ||
                FaceSubstitutes(face).contains(window->font().family()))
        << window->font().family().toStdString();
    EXPECT_DOUBLE_EQ(window->font().pointSizeF(), layout.WindowFont.Points);

    for (const ControlLayout& c : layout.Controls) {
        const QString name = ObjectName(c);
        SCOPED_TRACE(name.toStdString());
        auto* w = window->findChild<QWidget*>(name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(TwipsOf(w), QRect(c.Left, c.Top, c.Width, c.Height));
        EXPECT_DOUBLE_EQ(w->font().pointSizeF(), c.Font.Points);
        EXPECT_EQ(w->font().weight(), QFont::Normal);
        EXPECT_FALSE(w->font().italic());
        const QString caption = ToQString(c.Caption);
        if (auto* button = qobject_cast<QPushButton*>(w)) {
            EXPECT_EQ(button->text(), caption);
        }
        if (auto* label = qobject_cast<QLabel*>(w); label && c.Name != "lblMenuItem") {
            EXPECT_EQ(label->text(), caption);
            const Qt::Alignment h = label->alignment() & Qt::AlignHorizontal_Mask;
            EXPECT_EQ(h, c.Align == TextAlign::Right    ? Qt::AlignRight
                         : c.Align == TextAlign::Center ? Qt::AlignHCenter
                                                        : Qt::AlignLeft);
        }
        if (auto* label = qobject_cast<QLabel*>(w)) {
            EXPECT_EQ(label->alignment() & Qt::AlignVertical_Mask, Qt::AlignTop)
                << "a label's text starts at its top, centred or not";
        }
    }
    for (const LineLayout& l : layout.Lines) {
        const QString name = ToQString(l.Name);
        SCOPED_TRACE(name.toStdString());
        auto* line = window->findChild<QFrame*>(name);
        ASSERT_NE(line, nullptr);
        const QRect r = TwipsOf(line);
        if (l.X1 == l.X2) {
            EXPECT_EQ(line->frameShape(), QFrame::VLine);
            EXPECT_EQ(r.left(), l.X1);
            EXPECT_EQ(r.top(), l.Y1);
            EXPECT_EQ(r.height(), l.Y2 - l.Y1);
        } else {
            EXPECT_EQ(line->frameShape(), QFrame::HLine);
            EXPECT_EQ(r.top(), l.Y1);
            EXPECT_EQ(r.left(), l.X1);
            EXPECT_EQ(r.width(), l.X2 - l.X1);
        }
    }

    EXPECT_TRUE(QFontInfo(List()->font()).fixedPitch()) << "names line up in the list";
    EXPECT_EQ(Caption()->frameShape(), QFrame::Box);
    EXPECT_EQ(Caption()->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

TEST_P(LayoutTest, TextsFitTheirControlsAndAllTenLinesShow)
{
    Start(*GetParam());
    const auto labels = window->findChildren<QLabel*>();
    for (const QLabel* label : labels) {
        if (label->text().contains(QLatin1Char('\n')) || label->wordWrap())
            continue;
        SCOPED_TRACE(label->objectName().toStdString());
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()),
                  label->contentsRect().width())
            << "a caption cut at its end reads as another word";
    }
    const QRect lastLine = List()->visualItemRect(List()->item(MenuItemCount - 1));
    EXPECT_TRUE(List()->viewport()->rect().contains(lastLine)) << "item 10 needs no scrolling";
}

INSTANTIATE_TEST_SUITE_P(BothEditions, LayoutTest,
                         ::testing::Values(&QuenmarkEdition, &VessquenEdition), EditionName);

TEST_F(EditionsTest, TheTwoLayoutsDifferWhereTheyShould)
{
    Start(QuenmarkEdition);
    EXPECT_EQ(TwipsOf(Name()), QRect(5400, 780, 1995, 480));
    EXPECT_EQ(TwipsOf(Button(1)), QRect(7860, 2160, 2355, 675));
    EXPECT_EQ(Button(3)->text(), QStringLiteral("Save Item"));
    EXPECT_DOUBLE_EQ(Name()->font().pointSizeF(), 13.5);
    EXPECT_DOUBLE_EQ(List()->font().pointSizeF(), 15);
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("Label2")), nullptr);
    window->close();
    CloseEverything();

    Start(VessquenEdition);
    EXPECT_EQ(TwipsOf(window), QRect(TwipsOf(window).topLeft(), QSize(7800, 4200)));
    EXPECT_EQ(TwipsOf(Name()), QRect(4080, 660, 1635, 375));
    EXPECT_EQ(TwipsOf(Button(1)), QRect(6180, 2100, 1395, 495));
    EXPECT_EQ(Button(3)->text(), QStringLiteral("Save"));
    EXPECT_EQ(Button(4)->text(), QStringLiteral("Clear"));
    EXPECT_EQ(Button(1)->text(), QStringLiteral("Save all Items to Menu File"));
    EXPECT_EQ(Button(2)->text(), QStringLiteral("Get all Items from Menu File"));
    EXPECT_EQ(Button(1)->accessibleName(), QStringLiteral("Save all Items to Menu File"));
    EXPECT_DOUBLE_EQ(Button(1)->font().pointSizeF(), 8.25);
    EXPECT_DOUBLE_EQ(Name()->font().pointSizeF(), 9.75);
    auto* label2 = window->findChild<QLabel*>(QStringLiteral("Label2"));
    ASSERT_NE(label2, nullptr);
    EXPECT_EQ(label2->text(), QStringLiteral("Current Item"));
    EXPECT_EQ(TwipsOf(label2), QRect(6180, 180, 1395, 255));
    EXPECT_EQ(TwipsOf(window->findChild<QFrame*>(QStringLiteral("Line2"))).top(), -60);
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("Label4"))->text(),
              QStringLiteral("Shake Time"));
}

TEST_F(EditionsTest, VessquenTakesUserProfileAsItIsAndCreatesNothing)
{
    const QStringList before = FileTree(home.path());
    Start(VessquenEdition);
    EXPECT_EQ(menuFolder(), home.path() + QStringLiteral("/My Documents"));
    EXPECT_EQ(FileTree(home.path()), before);

    // Both file commands open the chooser there.
    ChooseLine(0);
    AnswerChooser("");
    Press(1);
    EXPECT_EQ(ChooserFolder, menuFolder());
    Answer("YES");
    AnswerChooser("");
    Press(2);
    EXPECT_EQ(ChooserFolder, menuFolder());
    EXPECT_EQ(FileTree(home.path()), before);
}

TEST_F(EditionsTest, VessquenWithoutUserProfileOpensInTheHomeFolder)
{
    // Its documents folder where there is one, else the home folder itself.
    const QString documents = home.filePath("My Documents");
    for (const QString& expected : {home.path(), documents}) {
        window = Startup(VessquenEdition, FakeEnvironment({{"HOME", home.path().toStdString()}}));
        ASSERT_FALSE(window.isNull()) << "no error, no message";
        EXPECT_EQ(menuFolder(), expected);
        EXPECT_EQ(PendingModalActions(), 0);
        EXPECT_EQ(FileTree(home.path()),
                  expected == documents ? QStringList{documents} : QStringList{});
        CloseEverything();
        QDir().mkpath(documents);
    }
}

TEST_F(EditionsTest, QuenmarkCreatesItsFolder)
{
    Start(QuenmarkEdition);
    EXPECT_EQ(FileTree(home.path()), QStringList{home.filePath("DAVOVI")});
    EXPECT_EQ(menuFolder(), home.filePath("DAVOVI"));
}

// A menu saved by one program (first) and read by the other (second).
using Crossing = std::pair<const Edition*, const Edition*>;
class CrossingTest : public EditorTest, public ::testing::WithParamInterface<Crossing>
{
protected:
    QByteArray SaveMenuWith(const Edition& edition)
    {
        Start(edition);
        QDir().mkpath(menuFolder());
        ChooseLine(0);
        TypeItem("fries", "3:00", "0:30", "7:00");
        Press(3);
        ChooseLine(9);
        TypeItem("nuggets", "10:00", "1:00", "99:59");
        QTest::mouseClick(Comp(), Qt::LeftButton);
        AnswerChooser("CROSS001");
        Press(1);
        const QByteArray bytes = Contents(QDir(menuFolder()).filePath("CROSS001.tmr"));
        window->close();
        CloseEverything();
        return bytes;
    }

    MenuItems ReadMenuWith(const Edition& edition, const QByteArray& bytes, QByteArray* resaved)
    {
        Start(edition);
        QDir().mkpath(menuFolder());
        Put(QDir(menuFolder()).filePath("CROSS002.tmr"), bytes);
        Answer("YES");
        AnswerChooser("CROSS002");
        Press(2);
        const MenuItems items = ItemMemory;
        AnswerChooser("CROSS003");
        Press(1);
        *resaved = Contents(QDir(menuFolder()).filePath("CROSS003.tmr"));
        return items;
    }

    void ExpectTheMenu(const MenuItems& items)
    {
        EXPECT_EQ(items[0], (MenuItem{"FRIES", "3:00", "0:30", "7:00", 1}));
        EXPECT_EQ(items[9], (MenuItem{"NUGGETS", "10:00", "1:00", "99:59", 0}));
        for (int i = 1; i < 9; ++i)
            EXPECT_EQ(items[static_cast<std::size_t>(i)], (MenuItem{"", "", "0:00", "0:00", 0}));
    }
};

TEST_P(CrossingTest, MenuReadsBackAndSavesTheSameBytes)
{
    const QByteArray saved = SaveMenuWith(*GetParam().first);
    ASSERT_EQ(saved.size(), 191);
    QByteArray resaved;
    ExpectTheMenu(ReadMenuWith(*GetParam().second, saved, &resaved));
    EXPECT_EQ(resaved, saved);
}

INSTANTIATE_TEST_SUITE_P(BothWays, CrossingTest,
                         ::testing::Values(Crossing{&VessquenEdition, &QuenmarkEdition},
                                           Crossing{&QuenmarkEdition, &VessquenEdition}),
                         [](const auto& info) {
                             return std::string(info.param.first->ProductName) + "To" +
                                    std::string(info.param.second->ProductName);
                         });

// The red cook field after a failed Save Item: Quenmark resets it at each of
// the four places, Vessquen keeps it until the next validation.
class ColourResetTest : public EditorTest, public ::testing::WithParamInterface<const Edition*>
{
protected:
    void SetUp() override
    {
        Start(*GetParam());
        QDir().mkpath(menuFolder());
        ItemMemory[5] = MenuItem{"FRIES", "3:00", "0:30", "7:00", 1};
        Form().SetupOpeningForm(1);
        ChooseLine(0);
    }

    void MarkCookRed()
    {
        TypeItem("X", "0:30", "1:00", "0:00");
        Answer("OK");
        Press(3);
        ASSERT_EQ(BackColor(Cook()), ColorRed);
    }

    void ExpectReset(const char* where)
    {
        const std::uint32_t expected =
            GetParam()->ResetFieldColors ? ColorWindowBackground : ColorRed;
        EXPECT_EQ(BackColor(Cook()), expected) << where;
        EXPECT_EQ(BackColor(Name()), ColorWindowBackground) << where;
    }
};

TEST_P(ColourResetTest, NewMenu)
{
    MarkCookRed();
    Answer("YES");
    Press(5);
    for (const MenuItem& item : ItemMemory)
        EXPECT_EQ(item, MenuItem{});
    ExpectReset("New Menu");

    // The next validation of a valid item repaints it in both programs.
    TypeItem("A", "1:00", "0:30", "0:00");
    Press(3);
    EXPECT_EQ(BackColor(Cook()), ColorWindowBackground);
}

TEST_P(ColourResetTest, ClearItem)
{
    MarkCookRed();
    Answer("YES");
    Press(4);
    ExpectReset("Clear Item");
}

TEST_P(ColourResetTest, GetMenuFromFile)
{
    AnswerChooser("COLOURS1");
    Press(1); // nothing pending: writes the menu with FRIES in item 6
    MarkCookRed();
    Answer("YES");
    AnswerChooser("COLOURS1");
    Press(2);
    EXPECT_EQ(ItemMemory[5].Name, "FRIES");
    ExpectReset("Get Menu from File");
}

TEST_P(ColourResetTest, ChangeOfItemAnsweredNo)
{
    MarkCookRed();
    Answer("NO");
    ChooseLine(5);
    EXPECT_EQ(Name()->text(), QStringLiteral("FRIES"));
    ExpectReset("change answered NO");
}

TEST_P(ColourResetTest, CancelAndInvalidKeepTheMarksInBoth)
{
    MarkCookRed();
    Answer("Cancel");
    ChooseLine(5);
    EXPECT_EQ(BackColor(Cook()), ColorRed);
    Answer("YES");
    Answer("OK");
    ChooseLine(5);
    EXPECT_EQ(BackColor(Cook()), ColorRed);
}

INSTANTIATE_TEST_SUITE_P(BothEditions, ColourResetTest,
                         ::testing::Values(&QuenmarkEdition, &VessquenEdition), EditionName);

} // namespace
