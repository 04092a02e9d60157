// An editor's whole life on a Wayland compositor (tests/run-with-wayland), as
// the program runs it: RunEdition starts it, New Menu asks and is answered NO,
// Quit ends it, and the process must then end by itself. Qt 6.4's Wayland
// client deadlocks now and then while it disconnects (about one quit in seven
// on a busy machine), which the program must not wait for; the test's timeout
// catches a hang. Argument: quenmark or vessquen.
#include "QuenmarkEdition.h"
#include "Startup.h"
#include "VessquenEdition.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace {

bool answered = false;
bool quitPressed = false;

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
                answered = true;
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
        QWidget* editor = QApplication::activeWindow();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QStringLiteral("frmOpening"))
                editor = w;
        if (!Button(editor, "cmdBut_5") || !Button(editor, "cmdBut_0"))
            return; // reported below: Quit was never pressed
        AnswerNoWhenAsked();
        Button(editor, "cmdBut_5")->click();
        quitPressed = true;
        Button(editor, "cmdBut_0")->click();
    });
}
Q_COREAPP_STARTUP_FUNCTION(DriveTheEditor)

} // namespace

int main(int argc, char** argv)
{
    if (qgetenv("QT_QPA_PLATFORM") != "wayland") {
        std::fprintf(stderr, "needs a compositor: run through tests/run-with-wayland\n");
        return 77;
    }
    // The editor's menu folder goes into a folder of the test's own.
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("USERPROFILE", home.path().toLocal8Bit());
    const bool vessquen = argc > 1 && std::strcmp(argv[1], "vessquen") == 0;
    const int status = RunEdition(vessquen ? VessquenEdition : QuenmarkEdition, argc, argv);
    if (status != 0 || !answered || !quitPressed) {
        std::fprintf(stderr, "status %d, question answered: %d, Quit pressed: %d\n", status,
                     answered, quitPressed);
        return 1;
    }
    return 0;
}
