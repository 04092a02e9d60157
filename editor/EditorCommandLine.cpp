#include "EditorCommandLine.h"

#include "MenuEditors100.h"
#include "StringBridge.h"
#include "VbColor.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

// Lines to the error output start with the program's name, as Qt's own do.
void TellError(const QString& text)
{
    const QByteArray line =
        (QCoreApplication::applicationName() + QStringLiteral(": ") + text + QLatin1Char('\n'))
            .toLocal8Bit();
    std::fputs(line.constData(), stderr);
}

} // namespace

Result<QString> MenuFileArgument(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Edits the cooking menu of a commercial fryer, one item at a time."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A menu file (*.tmr) to open at start."),
                                 QStringLiteral("[file]"));
    parser.process(arguments);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return Failed(QStringLiteral("one menu file at a time, %1 were given: %2")
                          .arg(files.size())
                          .arg(files.join(QStringLiteral(", "))));
    return files.value(0);
}

void ReportRefusedArguments(const Failure& failure)
{
    const QString text = ToQString(failure.reason);
    TellError(text);
#ifdef Q_OS_WIN
    ShowMessage(MsgOk, ColorRed, QStringLiteral("\r\n") + text);
#endif
}

bool NoDisplayFound()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return qEnvironmentVariableIsEmpty("DISPLAY") &&
           qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
           qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#else
    return false;
#endif
}

void ReportNoDisplay()
{
    TellError(QStringLiteral("no display found; start it from a desktop session, or set DISPLAY "
                             "(X11) or WAYLAND_DISPLAY (Wayland)."));
}
