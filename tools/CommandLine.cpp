#include "CommandLine.h"

#include "MenuFileAccess.h"
#include "MenuFiles.h"
#include "MenuText.h"

#include <algorithm>

namespace {

// The one-line message Qt gives for a bad command line, in our own form.
std::string Hint(QString text)
{
    while (text.endsWith('.'))
        text.chop(1);
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return ToStd(text);
}

// Qt prints a description as it is; a terminal is 80 columns.
QString Wrapped(const QString& text, qsizetype width = 79)
{
    QStringList lines;
    for (const QString& paragraph : text.split('\n')) {
        QString line;
        for (const QString& word : paragraph.split(' ', Qt::SkipEmptyParts)) {
            if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
                lines << line;
                line.clear();
            }
            line += (line.isEmpty() ? "" : " ") + word;
        }
        lines << line;
    }
    return lines.join('\n');
}

} // namespace

CommandLine::CommandLine(const Command& command) : command(command)
{
    parser.setApplicationDescription(Wrapped(QString::fromUtf8(command.description)));
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
}

std::optional<int> CommandLine::Parse(const QStringList& args, Console& c)
{
    parser.addOption(help);
    if (!parser.parse(QStringList{"tmrtool"} + args))
        return Usage(c, Hint(parser.errorText()));
    if (parser.isSet(help)) {
        QString text = parser.helpText();
        text = text.mid(text.indexOf('\n') + 1);
        c.out << "Usage: tmrtool " << command.name << " [options] " << command.arguments << "\n"
              << ToStd(text) << "\nExit status:\n"
              << command.exitStatus;
        return ExitOk;
    }
    return std::nullopt;
}

std::optional<QStringList> CommandLine::ParseFileArguments(const QStringList& args, Console& c,
                                                           const QString& name,
                                                           const QString& description)
{
    parser.addPositionalArgument(name, description, name + "...");
    if (const auto done = Parse(args, c)) {
        status = *done;
        return std::nullopt;
    }
    QStringList files = parser.positionalArguments();
    if (files.isEmpty()) {
        status = Usage(c, "no FILE given");
        return std::nullopt;
    }
    return files;
}

std::optional<QStringList> CommandLine::ParseFiles(const QStringList& args, Console& c)
{
    return ParseFileArguments(args, c, "FILE", "A menu file.");
}

std::optional<QStringList> CommandLine::ParseMenuFiles(const QStringList& args, Console& c)
{
    parser.addOption(recursive);
    const auto given = ParseFileArguments(
        args, c, "FILE|FOLDER", "A menu file, or a folder that stands for its *.tmr files.");
    if (!given)
        return std::nullopt;
    QStringList files = MenuFilesOf(*given, parser.isSet(recursive));
    if (files.isEmpty()) {
        status = Usage(c, "no menu files (*.tmr) in the folders given");
        return std::nullopt;
    }
    return files;
}

std::optional<QString> CommandLine::ParseOne(const QStringList& args, Console& c,
                                             const QString& name, const QString& description)
{
    parser.addPositionalArgument(name, description);
    if (const auto done = Parse(args, c)) {
        status = *done;
        return std::nullopt;
    }
    const QStringList given = parser.positionalArguments();
    if (given.size() != 1) {
        status = Usage(
            c, ToStd(given.isEmpty() ? "no " + name + " given" : "one " + name + " at a time"));
        return std::nullopt;
    }
    return given[0];
}

int CommandLine::Usage(Console& c, const std::string& problem) const
{
    c.err << "tmrtool " << command.name << ": " << problem << "; see 'tmrtool " << command.name
          << " --help'\n";
    return ExitTrouble;
}

std::optional<MenuFormat> CommandLine::Format(const QCommandLineOption& option, Console& c)
{
    const QString value = parser.value(option).toLower();
    if (value == "json")
        return MenuFormat::Json;
    if (value == "csv")
        return MenuFormat::Csv;
    status = Usage(c, "unknown format '" + ToStd(parser.value(option)) + "' (json or csv)");
    return std::nullopt;
}

void FileError(Console& c, const QString& path, const std::string& reason)
{
    c.err << "tmrtool: " << ToStd(path) << ": " << reason << "\n";
}

int NothingWritten(Console& c, const QString& path, const std::string& reason)
{
    FileError(c, path, reason + "; nothing written");
    return ExitTrouble;
}

int Written(Console& c, const QString& path, const Result<>& written)
{
    return written ? ExitOk : NothingWritten(c, path, written.failure().reason);
}

Result<MenuImage> ReadMenu(const QString& path)
{
    const Result<MenuFileBytes> bytes = ReadMenuBytes(path);
    if (!bytes)
        return bytes.failure();
    if (bytes->size != FileDataSize)
        return Failure(Counted(bytes->size, "byte") + ", a menu file has " +
                           std::to_string(FileDataSize),
                       ToStd(path));
    MenuImage image{};
    std::copy(bytes->head.begin(), bytes->head.end(), image.begin());
    return image;
}

std::optional<MenuImage> ReadWholeMenu(Console& c, const QString& path)
{
    const Result<MenuImage> read = ReadMenu(path);
    if (!read) {
        FileError(c, path, read.failure().reason);
        return std::nullopt;
    }
    return *read;
}
