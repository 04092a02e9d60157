// The menu file named on the editors' command line, opened at start as Get
// Menu from File opens a chosen one, and the program started without a
// display.
#include "EditorTestSupport.h"

#include "EditorCommandLine.h"
#include "Global_data.h"
#include "MenuEditors100.h"
#include "ModalDriver.h"
#include "TestFiles.h"
#include "VessquenEdition.h"

#include <QDir>
#include <QProcess>

#include <vector>

using namespace editor_testing;
using namespace testing_support;

namespace {

class CommandLineTest : public EditorTest
{
};

TEST_F(CommandLineTest, OpensTheNamedFileOrSaysWhyNot)
{
    ItemMemory[0] = MenuItem{"FRIES", "3:00", "0:30", "7:00", 1};
    for (std::int16_t i = 0; i < MenuItemCount; ++i)
        FileDataFromItemMemory(i);
    const QByteArray menu = AsBytes(FileData);
    ResetEditorState();
    const QString folder = QDir(home.path()).filePath(QStringLiteral("Menüs"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString good = folder + QStringLiteral("/Zoë fries.tmr");
    const QString shorter = folder + QStringLiteral("/short.tmr");
    Put(good, menu);
    Put(shorter, menu.left(190));
    const QStringList files = FileTree(folder);

    enum Outcome { Opens, Refused, StartsNothing };
    const std::vector<std::pair<QStringList, Outcome>> cases = {
        {{good}, Opens},
        {{folder + QStringLiteral("/missing.tmr")}, Refused},
        {{shorter}, Refused},
        {{folder}, Refused},
        {{good, shorter}, StartsNothing},
    };
    for (const auto& [arguments, outcome] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const auto file = MenuFileArgument(QStringList{QStringLiteral("vessquen")} + arguments);
        if (outcome == StartsNothing) {
            ASSERT_FALSE(file);
            ::testing::internal::CaptureStderr();
            ReportRefusedArguments(file.failure());
            const std::string said = ::testing::internal::GetCapturedStderr();
            EXPECT_NE(said.find("one menu file at a time, 2 were given"), std::string::npos);
            continue;
        }
        ASSERT_TRUE(file);
        ASSERT_EQ(*file, arguments[0]);
        if (outcome == Refused)
            AnswerFileError(QStringLiteral("MenuGet : ") + arguments[0]);
        Start(VessquenEdition, *file);
        EXPECT_EQ(PendingModalActions(), 0);
        if (outcome == Opens) {
            EXPECT_EQ(ListLines()[0], QStringLiteral("1  FRIES"));
            EXPECT_EQ(Name()->text(), QStringLiteral("FRIES"));
            EXPECT_EQ(Caption()->text(), QStringLiteral("Current Menu Item  -  1"));
            EXPECT_TRUE(Button(3)->isEnabled());
        } else {
            EXPECT_EQ(ListLines()[9], QStringLiteral("10"));
            EXPECT_EQ(Caption()->text(), QStringLiteral("New Menu"));
            EXPECT_EQ(CurrentItem, -1);
        }
        EXPECT_EQ(FileTree(folder), files);
        EXPECT_EQ(Contents(shorter).size(), 190);
        CloseEverything();
    }
}

// The programs themselves, with no display in their environment.
TEST(NoDisplayTest, TheEditorsSaySoInOneLine)
{
    for (const char* program : {QUENMARK_PROGRAM, VESSQUEN_PROGRAM}) {
        QProcess run;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        run.setProcessEnvironment(environment);
        run.start(QString::fromLocal8Bit(program), {});
        ASSERT_TRUE(run.waitForFinished(30000));
        EXPECT_EQ(run.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(run.exitCode(), 1);
        const QStringList lines =
            QString::fromLocal8Bit(run.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), 1) << lines.join('\n').toStdString();
        EXPECT_TRUE(lines[0].contains(QStringLiteral("no display found")))
            << lines[0].toStdString();
    }
}

} // namespace
