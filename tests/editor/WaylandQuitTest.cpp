// An editor's whole life on a Wayland compositor (tests/run-with-wayland), as
// the program runs it: RunEdition starts it, New Menu asks and is answered NO,
// Quit ends it. Qt 6.4's Wayland client deadlocks now and then while it
// disconnects, so there the program leaves by _Exit, past any code after
// RunEdition: the test runs itself again as the program and judges it from
// outside, by its exit status, what it reported and the files it left.
// Argument: quenmark or vessquen.
#include "QuenmarkEdition.h"
#include "Startup.h"
#include "TestFiles.h"
#include "VessquenEdition.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace {

const char* const ProgramRole = "--as-program";

// The program's side: what happens is told on stdout, one line each.
void Tell(const QString& line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

QAbstractButton* Button(QWidget* window, const char* name)
{
    return window ? window->findChild<QAbstractButton*>(name) : nullptr;
}

// Answers NO on the question as soon as it shows.
void AnswerNoWhenAsked()
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll] {
        QWidget* question = QApplication::activeModalWidget();
        if (!question || !question->isVisible())
            return;
        for (QAbstractButton* b : question->findChildren<QAbstractButton*>())
            if (b->isVisible() && b->text() == QStringLiteral("NO")) {
                Tell("asked: " +
                     question->findChild<QLabel*>("lblInformation")->text().simplified());
                poll->deleteLater();
                b->click();
                return;
            }
    });
    poll->start(20);
}

void DriveTheEditor()
{
    QTimer::singleShot(0, qApp, [] {
        QWidget* editor = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QStringLiteral("frmOpening"))
                editor = w;
        if (!Button(editor, "cmdBut_5") || !Button(editor, "cmdBut_0"))
            return; // reported by the test: Quit was never pressed
        AnswerNoWhenAsked();
        Button(editor, "cmdBut_5")->click();
        Tell("Quit pressed");
        Button(editor, "cmdBut_0")->click();
    });
}

int RunAsProgram(int argc, char** argv)
{
    qAddPreRoutine(DriveTheEditor);
    const bool vessquen = argc > 2 && std::strcmp(argv[2], "vessquen") == 0;
    // The program's own command line: its name alone.
    return RunEdition(vessquen ? VessquenEdition : QuenmarkEdition, 1, argv);
}

// The test's side: runs the program with a home folder of its own and judges
// it once it has ended; returns the number of faults found.
int JudgeProgram(const QString& self, const QString& program)
{
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home.path());
    environment.insert("USERPROFILE", home.path());
    QProcess run;
    run.setProcessEnvironment(environment);
    run.setProcessChannelMode(QProcess::ForwardedErrorChannel); // the wrapper judges it
    run.start(self, {ProgramRole, program});
    int faults = 0;
    auto fault = [&faults](const QString& what) {
        std::fprintf(stderr, "%s\n", qPrintable(what));
        ++faults;
    };
    if (!run.waitForFinished(40000)) {
        run.kill();
        run.waitForFinished();
        fault("the program did not end after Quit");
    } else if (run.exitStatus() != QProcess::NormalExit || run.exitCode() != 0) {
        fault(QStringLiteral("the program ended with status %1").arg(run.exitCode()));
    }
    const QString told = QString::fromUtf8(run.readAllStandardOutput());
    const QString expected = "asked: Are you sure you want to clear ALL Item information ?\n"
                             "Quit pressed\n";
    if (told != expected)
        fault("the program told:\n" + told + "instead of:\n" + expected);
    // Quenmark prepares its menu folder; NO and Quit save nothing into it.
    // Vessquen never creates its folder.
    const QStringList menuFiles = testing_support::FileTree(home.path()).filter(".tmr");
    if (!menuFiles.isEmpty())
        fault("menu files left: " + menuFiles.join(' '));
    const bool prepared = QFileInfo(home.filePath("DAVOVI")).isDir();
    if (prepared != (program == "quenmark"))
        fault(QStringLiteral("menu folder DAVOVI created: %1").arg(prepared));
    if (QFileInfo::exists(home.filePath("My Documents")))
        fault("the folder My Documents was created");
    return faults;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], ProgramRole) == 0)
        return RunAsProgram(argc, argv);
    if (qgetenv("QT_QPA_PLATFORM") != "wayland") {
        std::fprintf(stderr, "needs a compositor: run through tests/run-with-wayland\n");
        return 77;
    }
    QCoreApplication app(argc, argv);
    const QString program = argc > 1 ? QString::fromLocal8Bit(argv[1]) : "quenmark";
    return JudgeProgram(QCoreApplication::applicationFilePath(), program) == 0 ? 0 : 1;
}
