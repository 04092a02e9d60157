#include "EditorTestSupport.h"

#include "Global_data.h"
#include "MenuEditors100.h"
#include "ModalDriver.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>

namespace editor_testing {

using namespace testing_support;

namespace {

// The editor's tests run in a process set up as the program sets up its own.
class ProcessSetUp : public ::testing::Environment
{
public:
    void SetUp() override { SetUpProcess(); }
};

[[maybe_unused]] ::testing::Environment* const processSetUp =
    ::testing::AddGlobalTestEnvironment(new ProcessSetUp);

} // namespace

EnvironmentLookup FakeEnvironment(std::map<std::string, std::string> values)
{
    return [values = std::move(values)](std::string_view name) -> std::optional<std::string> {
        const auto it = values.find(std::string(name));
        if (it == values.end())
            return std::nullopt;
        return it->second;
    };
}

void CloseEverything()
{
    ResetModalDriver();
    // A test may end with changes unsaved: the editor goes without asking.
    ItemChanged = FlagFalse;
    MenuChanged = FlagFalse;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_TRUE(VisibleTopLevels().isEmpty());
    ResetEditorState();
}

void ExpectRequest(std::int16_t style, std::uint32_t color, const QString& text)
{
    EXPECT_EQ(MsgStyle, style);
    EXPECT_EQ(MsgColor, color);
    EXPECT_EQ(MsgText, text);
}

void EditorTest::TearDown()
{
    EXPECT_EQ(PendingModalActions(), 0) << "a queued dialog answer was never used";
    CloseEverything();
    EXPECT_TRUE(window.isNull()) << "closing the editor must delete it";
}

void EditorTest::Start(const Edition& edition, const QString& menuFile)
{
    ASSERT_TRUE(home.isValid());
    window = Startup(edition,
                     FakeEnvironment({{"HOME", home.path().toStdString()},
                                      {"USERPROFILE", home.path().toStdString()}}),
                     menuFile);
    ASSERT_FALSE(window.isNull());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
}

QString EditorTest::menuFolder() const
{
    return QString::fromStdString(MenuFolder);
}

QListWidget* EditorTest::List() const
{
    return window->findChild<QListWidget*>(QStringLiteral("lstItems"));
}

QLineEdit* EditorTest::Field(const char* name) const
{
    return window->findChild<QLineEdit*>(QString::fromLatin1(name));
}

QCheckBox* EditorTest::Comp() const
{
    return window->findChild<QCheckBox*>(QStringLiteral("chkComp"));
}

QPushButton* EditorTest::Button(int index) const
{
    return window->findChild<QPushButton*>(QStringLiteral("cmdBut_%1").arg(index));
}

QLabel* EditorTest::Caption() const
{
    return window->findChild<QLabel*>(QStringLiteral("lblMenuItem"));
}

QStringList EditorTest::ListLines() const
{
    QStringList lines;
    for (int i = 0; i < List()->count(); ++i)
        lines << List()->item(i)->text();
    return lines;
}

void EditorTest::ExpectEmptyFields() const
{
    EXPECT_EQ(Name()->text(), QString());
    EXPECT_EQ(Cook()->text(), QString());
    EXPECT_EQ(Duty()->text(), QStringLiteral("0:00"));
    EXPECT_EQ(Hold()->text(), QStringLiteral("0:00"));
    EXPECT_EQ(Comp()->checkState(), Qt::Checked);
}

void EditorTest::ChooseLine(int row)
{
    QListWidget* list = List();
    const QRect rect = list->visualItemRect(list->item(row));
    ASSERT_TRUE(rect.isValid());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

void EditorTest::Press(int index)
{
    QPushButton* button = Button(index);
    ASSERT_TRUE(button->isEnabled()) << "cmdBut(" << index << ") is disabled";
    QTest::mouseClick(button, Qt::LeftButton);
}

void EditorTest::Type(QLineEdit* field, const QString& text)
{
    QTest::keyClicks(field, text);
}

void EditorTest::Retype(QLineEdit* field, const QString& text)
{
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

void EditorTest::TypeItem(const QString& name, const QString& cook, const QString& duty,
                          const QString& hold)
{
    Retype(Name(), name);
    Retype(Cook(), cook);
    Retype(Duty(), duty);
    Retype(Hold(), hold);
}

void EditorTest::Answer(const QString& caption)
{
    PressOnNextModal(caption);
}

void EditorTest::AnswerChooser(const QString& name)
{
    OnNextModal([name](QWidget* chooser) {
        if (name.isEmpty()) {
            testing_support::Press(chooser, QStringLiteral("Cancel"));
            return;
        }
        auto* field = chooser->findChild<QLineEdit*>(QStringLiteral("txtFileName"));
        ASSERT_NE(field, nullptr);
        field->setText(name);
        testing_support::Press(chooser, QStringLiteral("OK"));
    });
}

void EditorTest::AnswerFileError(const QString& text)
{
    OnNextModal([text](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr) << "expected the box for " << text.toStdString();
        EXPECT_EQ(box->windowTitle(), QStringLiteral("ERROR"));
        EXPECT_EQ(box->text(), text);
        EXPECT_FALSE(box->informativeText().isEmpty()) << "the reason";
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        EXPECT_EQ(box->buttons().size(), 1);
        testing_support::Press(dialog, QStringLiteral("OK"));
    });
}

} // namespace editor_testing
