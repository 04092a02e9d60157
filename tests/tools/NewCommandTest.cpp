// tmrtool new against the editor itself: New Menu, then Save Menu to File.
#include "EditorTestSupport.h"

#include "ModalDriver.h"
#include "QuenmarkEdition.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>

using namespace editor_testing;
using namespace testing_support;

namespace {

int Tmrtool(const QStringList& args)
{
    QProcess p;
    p.start(TMRTOOL_PROGRAM, args);
    p.waitForFinished(60000);
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

class NewCommand : public EditorTest
{
};

} // namespace

TEST_F(NewCommand, WritesTheBytesTheEditorSavesForANewMenu)
{
    Start(QuenmarkEdition);
    ChooseLine(0);
    TypeItem("FRIES", "3:00", "0:30", "7:00");
    Press(3);
    Answer("YES");
    Press(5);
    AnswerChooser("EDITOR01");
    Press(1);
    ASSERT_EQ(testing_support::PendingModalActions(), 0);
    const QByteArray editor = Contents(QDir(menuFolder()).filePath("EDITOR01.tmr"));
    ASSERT_EQ(editor.size(), 191);

    const QString made = home.filePath("NEW.tmr");
    ASSERT_EQ(Tmrtool({"new", "-o", made}), 0);
    EXPECT_EQ(Contents(made), editor);
    // An existing menu is kept unless --force is given.
    QFile::resize(made, 10);
    EXPECT_EQ(Tmrtool({"new", "-o", made}), 1);
    EXPECT_EQ(Contents(made).size(), 10);
    EXPECT_EQ(Tmrtool({"new", "-o", made, "--force"}), 0);
    EXPECT_EQ(Contents(made), editor);
}
