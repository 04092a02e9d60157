// tmrtool card: a one-page menu card to print.
#include "CommandLine.h"
#include "MenuCardFile.h"
#include "MenuFileFormat.h"

#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <memory>

namespace {

// Qt's notes about the session (a missing runtime folder and the like) are
// not the user's business; tmrtool tells its own failures. Only Qt's errors
// pass.
void QuietNotes(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "tmrtool: %s\n", text.toLocal8Bit().constData());
}

// Painting needs a QGuiApplication; the other commands run without one, so
// it is made here and only for as long as the card takes.
class PaintingSession
{
public:
    PaintingSession() : previous(qInstallMessageHandler(QuietNotes))
    {
        if (QCoreApplication::instance())
            return;
#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
        // A card is drawn into a file and never shown, so it must not hang on a
        // display server: over ssh, from cron or in CI there is none, or a
        // stale DISPLAY. The offscreen platform reads the same fonts.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    ~PaintingSession()
    {
        app.reset();
        qInstallMessageHandler(previous);
    }
    PaintingSession(const PaintingSession&) = delete;
    PaintingSession& operator=(const PaintingSession&) = delete;

    bool Ready() const
    {
        return qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    }

private:
    QtMessageHandler previous;
    int argc = 1;
    char name[8] = "tmrtool";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QGuiApplication> app;
};

int Run(CommandLine& cl, const QStringList& args, Console& c)
{
    const QCommandLineOption output({"o", "output"}, "The card to write.", "OUT");
    const QCommandLineOption format(
        {"f", "format"}, "pdf, svg or png; by default from OUT's extension, else pdf.", "FORMAT");
    const QCommandLineOption title("title", "The card's title; the menu file's name by default.",
                                   "TEXT");
    const QCommandLineOption page("page", "a4 (the default) or letter.", "PAGE", "a4");
    const QCommandLineOption dpi("dpi", "Pixels per inch of a PNG card (the default 150).", "N",
                                 QString::number(DefaultCardDpi));
    cl.parser.addOptions({output, format, title, page, dpi});
    const auto menu = cl.ParseOne(args, c, "MENU", "A menu file.");
    if (!menu)
        return cl.status;
    const QString out = cl.parser.value(output);
    if (out.isEmpty())
        return cl.Usage(c, "no -o OUT given");

    const QString kind = cl.parser.isSet(format) ? cl.parser.value(format).toLower()
                                                 : QFileInfo(out).suffix().toLower();
    CardFormat as = CardFormat::Pdf;
    if (kind == "svg")
        as = CardFormat::Svg;
    else if (kind == "png")
        as = CardFormat::Png;
    else if (cl.parser.isSet(format) && kind != "pdf")
        return cl.Usage(c, "unknown format '" + ToStd(cl.parser.value(format)) +
                               "' (pdf, svg or png)");
    // A card.txt that holds a PDF would mislead whoever opens it.
    else if (!kind.isEmpty() && kind != "pdf")
        return cl.Usage(c, "OUT's extension ." + ToStd(QFileInfo(out).suffix()) +
                               " names no card format; give --format pdf, svg or png");
    if (!CardFormatAvailable(as))
        return cl.Usage(c, "this tmrtool was built without SVG output");

    const QString pageName = cl.parser.value(page).toLower();
    if (pageName != "a4" && pageName != "letter")
        return cl.Usage(c, "unknown page '" + ToStd(cl.parser.value(page)) + "' (a4 or letter)");
    bool number = false;
    const int dots = cl.parser.value(dpi).toInt(&number);
    if (!number || dots < 30 || dots > 1200)
        return cl.Usage(c, "--dpi takes a whole number from 30 to 1200");

    const std::optional<MenuImage> image = ReadWholeMenu(c, *menu);
    if (!image)
        return ExitTrouble;
    const QString heading =
        cl.parser.isSet(title) ? cl.parser.value(title) : QFileInfo((*menu)).fileName();

    PaintingSession session;
    if (!session.Ready()) {
        FileError(c, out, "cannot draw: the program already runs without a graphical toolkit");
        return ExitTrouble;
    }
    return Written(c, out,
                   WriteMenuCard(out, heading, DecodeMenu(*image), as,
                                 pageName == "letter" ? CardPage::Letter : CardPage::A4, dots));
}

} // namespace

const Command CardCommand = {
    "card",
    "MENU -o OUT",
    "a one-page menu card to print (PDF, SVG, PNG)",
    "Draws a card to hang at the fryer: a title (MENU's file name, or --title), then the items "
    "1 to 10 with name, cook, shake and hold time as the editor shows them and the "
    "compensation; empty slots keep their line, so the numbers match the fryer's buttons.\n"
    "The format is --format, else OUT's extension (.pdf, .svg, .png; any other is refused), "
    "else PDF; A4 unless --page letter; a PNG "
    "has --dpi pixels per inch. OUT is replaced in one step. No display is needed: without "
    "QT_QPA_PLATFORM the card is drawn on Qt's offscreen platform.",
    "  0  the card was written\n"
    "  2  a usage error, or a file that could not be read or written\n",
    Run};
