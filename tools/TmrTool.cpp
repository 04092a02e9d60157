#include "TmrTool.h"

#include "MenuCheck.h"
#include "MenuDiff.h"
#include "MenuExport.h"
#include "MenuFileAccess.h"
#include "MenuImport.h"
#include "MenuShow.h"
#include "MenuText.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <optional>

#ifndef TMRTOOL_VERSION
#define TMRTOOL_VERSION "0"
#endif

namespace {

// Inputs to import are a few kilobytes; anything this large is not one.
constexpr qint64 MaxImportInput = 1 << 20;

const char* const GlobalHelp =
    R"(Usage: tmrtool COMMAND [options] ARGUMENTS
Looks after the 191-byte menu files (*.tmr) of the Quenmark fryer menu editor.

Commands:
  show FILE...                 the ten items of each file as a table
  check FILE...                find size and checksum problems, and what the
                               editor could not have written
  export FILE                  the menu as JSON (the default) or CSV
  import INPUT -o OUT          a menu file from JSON or CSV
  diff A B                     the items in which two menus differ

Options:
  -h, --help                   Show this help and exit.
  -v, --version                Show the version and exit.

Exit status:
  0  success; check found nothing; diff found the menus the same
  1  check found a problem; diff found a difference; import refused its input
  2  a usage error, or a file that could not be read or written

'tmrtool COMMAND --help' tells more about each command.
)";

std::string Std(const QString& s)
{
    return s.toStdString();
}

// The one-line message Qt gives for a bad command line, in our own form.
std::string Hint(QString text)
{
    while (text.endsWith('.'))
        text.chop(1);
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return Std(text);
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

class CommandLine
{
public:
    CommandLine(std::string command, std::string synopsis, const QString& description,
                std::string exitStatus)
        : command(std::move(command)), synopsis(std::move(synopsis)),
          exitStatus(std::move(exitStatus))
    {
        parser.setApplicationDescription(Wrapped(description));
        parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    }

    // nullopt when the command should go on; else the exit status, after the
    // help or a usage error has been written.
    std::optional<int> Parse(const QStringList& args, Console& c)
    {
        parser.addOption(help);
        if (!parser.parse(QStringList{"tmrtool"} + args))
            return Usage(c, Hint(parser.errorText()));
        if (parser.isSet(help)) {
            QString text = parser.helpText();
            text = text.mid(text.indexOf('\n') + 1);
            c.out << "Usage: tmrtool " << command << " " << synopsis << "\n"
                  << Std(text) << "\nExit status:\n"
                  << exitStatus;
            return ExitOk;
        }
        return std::nullopt;
    }

    int Usage(Console& c, const std::string& problem) const
    {
        c.err << "tmrtool " << command << ": " << problem << "; see 'tmrtool " << command
              << " --help'\n";
        return ExitTrouble;
    }

    // The --format value, or nullopt after a usage error.
    std::optional<MenuFormat> Format(const QCommandLineOption& option, Console& c, int& status)
    {
        const QString value = parser.value(option).toLower();
        if (value == "json")
            return MenuFormat::Json;
        if (value == "csv")
            return MenuFormat::Csv;
        status = Usage(c, "unknown format '" + Std(parser.value(option)) + "' (json or csv)");
        return std::nullopt;
    }

    QCommandLineParser parser;

private:
    QCommandLineOption help{{"h", "help"}, "Show this help and exit."};
    std::string command, synopsis, exitStatus;
};

void FileError(Console& c, const QString& path, const std::string& reason)
{
    c.err << "tmrtool: " << Std(path) << ": " << reason << "\n";
}

// A whole menu, for export and diff; a longer file gives its first 191 bytes.
bool ReadWholeMenu(Console& c, const QString& path, MenuImage& image)
{
    const FileResult r = ReadMenuFile(path, image);
    if (!r.ok) {
        FileError(c, path, Std(r.error));
        return false;
    }
    const qint64 size = QFileInfo(path).size();
    if (size > FileDataSize)
        FileError(c, path,
                  "warning: " + std::to_string(size) + " bytes, expected " +
                      std::to_string(FileDataSize) + "; the bytes after the 191st are left out");
    return true;
}

int Show(const QStringList& args, Console& c)
{
    CommandLine cl("show", "[options] FILE...",
                   "Shows the ten items of each menu file as the editor reads them: number, "
                   "name, cook, shake and hold time, compensation. A record whose checksum "
                   "does not match is marked, and a file that is not 191 bytes gets a line of "
                   "its own. On a terminal the columns are aligned; to a pipe they are "
                   "separated by tabs.",
                   "  0  every file was shown\n  2  a usage error, or a file that could not be "
                   "read\n");
    cl.parser.addPositionalArgument("FILE", "A menu file.", "FILE...");
    if (const auto done = cl.Parse(args, c))
        return *done;
    const QStringList files = cl.parser.positionalArguments();
    if (files.isEmpty())
        return cl.Usage(c, "no FILE given");

    int status = ExitOk;
    bool first = true;
    for (const QString& path : files) {
        const MenuFileBytes bytes = ReadMenuBytes(path);
        if (!bytes.ok) {
            FileError(c, path, bytes.error);
            status = ExitTrouble;
            continue;
        }
        if (!first)
            c.out << "\n";
        first = false;
        c.out << ShowMenu(Std(path), bytes, {c.aligned, c.coloured});
    }
    return status;
}

int Check(const QStringList& args, Console& c)
{
    CommandLine cl(
        "check", "[options] FILE...",
        "Checks that each file is exactly 191 bytes and that every record's checksum "
        "matches, and prints one line per problem, then a summary. It also warns, without "
        "failing, about what the editor could not have written: a reserved byte 11 that is "
        "not 0, a compensation other than 0 or 1, a name with characters outside codes 32 "
        "to 95, a shake time longer than the cook time.",
        "  0  every file is sound\n  1  a file has a problem\n  2  a usage error, or a file "
        "that could not be read\n");
    cl.parser.addPositionalArgument("FILE", "A menu file.", "FILE...");
    if (const auto done = cl.Parse(args, c))
        return *done;
    const QStringList files = cl.parser.positionalArguments();
    if (files.isEmpty())
        return cl.Usage(c, "no FILE given");

    int withProblems = 0;
    bool unreadable = false;
    for (const QString& path : files) {
        const MenuFileBytes bytes = ReadMenuBytes(path);
        if (!bytes.ok) {
            FileError(c, path, bytes.error);
            unreadable = true;
            ++withProblems;
            continue;
        }
        const std::vector<Finding> findings = CheckMenuBytes(bytes.head, bytes.size);
        if (findings.empty())
            continue;
        bool problem = false;
        const std::string name = Std(path);
        for (const Finding& f : findings) {
            problem = problem || !f.warning;
            c.out << Paint(FormatFinding(name, f), f.warning ? Ansi::Yellow : Ansi::Red, c.coloured)
                  << "\n";
        }
        if (problem)
            ++withProblems;
    }
    const auto count = files.size();
    c.out << Paint(std::to_string(count) + (count == 1 ? " file, " : " files, ") +
                       std::to_string(withProblems) + " with problems",
                   Ansi::Bold, c.coloured)
          << "\n";
    if (unreadable)
        return ExitTrouble;
    return withProblems > 0 ? ExitFound : ExitOk;
}

int Export(const QStringList& args, Console& c)
{
    CommandLine cl(
        "export", "[options] FILE",
        "Writes the menu to standard output, every item as the editor decodes it: cook \"\" "
        "for zero, shake and hold \"0:00\" for zero, names through Latin-1.\n"
        "JSON: {\"items\": [ten items with name, cook, shake, hold, compensation], "
        "\"reserved\": byte 190}. CSV: the header item,name,cook,shake,hold,compensation, "
        "then ten rows.\n"
        "What an import would not give back is told on standard error: a checksum that "
        "does not match (import writes the right one), a reserved byte 11 that is not 0, "
        "blanks before a name, and in CSV a reserved byte 190 that is not 0.",
        "  0  the menu was written\n  2  a usage error, or a file that could not be read as "
        "a menu\n");
    const QCommandLineOption format({"f", "format"}, "json (the default) or csv.", "FORMAT",
                                    "json");
    cl.parser.addOption(format);
    cl.parser.addPositionalArgument("FILE", "A menu file.");
    if (const auto done = cl.Parse(args, c))
        return *done;
    const QStringList files = cl.parser.positionalArguments();
    if (files.size() != 1)
        return cl.Usage(c, files.isEmpty() ? "no FILE given" : "one FILE at a time");
    int status = ExitOk;
    const auto chosen = cl.Format(format, c, status);
    if (!chosen)
        return status;

    MenuImage image{};
    if (!ReadWholeMenu(c, files[0], image))
        return ExitTrouble;
    const ExportFormat as = *chosen == MenuFormat::Csv ? ExportFormat::Csv : ExportFormat::Json;
    for (const std::string& note : ExportLosses(image, as))
        FileError(c, files[0], "warning: " + note);
    const QByteArray text = as == ExportFormat::Csv ? ExportMenuCsv(image) : ExportMenuJson(image);
    c.out.write(text.constData(), text.size());
    return ExitOk;
}

int Import(const QStringList& args, Console& c)
{
    CommandLine cl(
        "import", "[options] INPUT -o OUT",
        "Makes the menu file OUT from JSON or CSV as export writes it (INPUT - is standard "
        "input). Items the input leaves out are empty slots; more than ten is an error.\n"
        "Without --raw, every item with a name must pass the editor's own rules: a name of "
        "1 to 10 characters of codes 32 to 95 (small letters become capitals, as when "
        "typed), times m:ss or mm:ss from 0:00 to 99:59, the shake time not above the cook "
        "time, compensation 0 or 1. An empty time is 0:00.\n"
        "Every error names the input, the line or item, the field and the value; when there "
        "is any, nothing is written. OUT is replaced, in one step, only with --force.",
        "  0  OUT was written\n  1  the input was refused, or OUT exists and --force was not "
        "given\n  2  a usage error, or a file that could not be read or written\n");
    const QCommandLineOption output({"o", "output"}, "The menu file to write.", "OUT");
    const QCommandLineOption format(
        {"f", "format"}, "json or csv; by default from INPUT's extension, else its content.",
        "FORMAT");
    const QCommandLineOption force("force", "Replace OUT when it exists.");
    const QCommandLineOption raw(
        "raw", "Take anything a menu file can hold: names of up to 10 Latin-1 characters, "
               "times 0:00 to 1092:15, compensation 0 to 255.");
    cl.parser.addOptions({output, format, force, raw});
    cl.parser.addPositionalArgument("INPUT", "JSON or CSV, or - for standard input.");
    if (const auto done = cl.Parse(args, c))
        return *done;
    const QStringList inputs = cl.parser.positionalArguments();
    if (inputs.size() != 1)
        return cl.Usage(c, inputs.isEmpty() ? "no INPUT given" : "one INPUT at a time");
    if (!cl.parser.isSet(output) || cl.parser.value(output).isEmpty())
        return cl.Usage(c, "no -o OUT given");
    std::optional<MenuFormat> chosen;
    int status = ExitOk;
    if (cl.parser.isSet(format) && !(chosen = cl.Format(format, c, status)))
        return status;

    const QString inputPath = inputs[0];
    const QString outPath = cl.parser.value(output);
    const bool fromStdin = inputPath == "-";
    const std::string inputName = fromStdin ? "standard input" : Std(inputPath);

    QFile in(inputPath);
    const bool opened =
        fromStdin ? in.open(stdin, QIODevice::ReadOnly) : in.open(QIODevice::ReadOnly);
    if (!opened) {
        FileError(c, inputPath,
                  QFileInfo(inputPath).isDir() ? "Is a directory" : Std(in.errorString()));
        return ExitTrouble;
    }
    const QByteArray bytes = in.read(MaxImportInput + 1);
    if (in.error() != QFileDevice::NoError) {
        FileError(c, inputPath, Std(in.errorString()));
        return ExitTrouble;
    }

    std::vector<std::string> errors;
    int refusal = ExitFound;
    ImportedMenu menu;
    if (bytes.size() > MaxImportInput) {
        errors.push_back(inputName + ": more than 1 MiB; an exported menu is a few kilobytes");
    } else {
        const MenuFormat as = chosen ? *chosen : GuessMenuFormat(inputPath, bytes);
        const ImportRules rules = cl.parser.isSet(raw) ? ImportRules::Raw : ImportRules::Editor;
        menu = as == MenuFormat::Json ? ParseMenuJson(bytes, inputName, rules)
                                      : ParseMenuCsv(bytes, inputName, rules);
        errors = menu.errors;
    }
    const QFileInfo target(outPath);
    if (target.isDir()) {
        errors.push_back(Std(outPath) + ": Is a directory");
        refusal = ExitTrouble;
    } else if (target.exists() && !cl.parser.isSet(force)) {
        errors.push_back(Std(outPath) + ": exists already; --force replaces it");
    }
    if (!errors.empty()) {
        for (const std::string& e : errors)
            c.err << "tmrtool: " << e << "\n";
        c.err << "tmrtool: nothing written to " << Std(outPath) << "\n";
        return refusal;
    }

    const FileResult written = WriteMenuFile(outPath, ImportedImage(menu));
    if (!written.ok) {
        FileError(c, outPath, Std(written.error) + "; nothing written");
        return ExitTrouble;
    }
    return ExitOk;
}

int Diff(const QStringList& args, Console& c)
{
    CommandLine cl("diff", "[options] A B",
                   "Prints the items in which the menus A and B differ, field by field "
                   "(item 3 cook: 3:05 -> 3:10), as the editor decodes them, and the bytes "
                   "that decoding hides: byte 11, blanks before a name, a checksum that does "
                   "not match, the reserved byte 190.",
                   "  0  the menus are the same, byte for byte\n  1  they differ\n  2  a usage "
                   "error, or a file that could not be read as a menu\n");
    cl.parser.addPositionalArgument("A", "A menu file.");
    cl.parser.addPositionalArgument("B", "Another menu file.");
    if (const auto done = cl.Parse(args, c))
        return *done;
    const QStringList files = cl.parser.positionalArguments();
    if (files.size() != 2)
        return cl.Usage(c, "two files are needed, A and B");

    MenuImage a{}, b{};
    const bool readA = ReadWholeMenu(c, files[0], a);
    const bool readB = ReadWholeMenu(c, files[1], b);
    if (!readA || !readB)
        return ExitTrouble;
    const std::vector<MenuDifference> differences = DiffMenus(a, b);
    for (const MenuDifference& d : differences)
        c.out << FormatDifference(d, c.coloured) << "\n";
    return differences.empty() ? ExitOk : ExitFound;
}

struct Command {
    const char* name;
    int (*run)(const QStringList&, Console&);
};

constexpr Command Commands[] = {
    {"show", Show}, {"check", Check}, {"export", Export}, {"import", Import}, {"diff", Diff},
};

const Command* FindCommand(const QString& name)
{
    for (const Command& command : Commands)
        if (name == QLatin1String(command.name))
            return &command;
    return nullptr;
}

int Usage(Console& c, const std::string& problem)
{
    c.err << "tmrtool: " << problem << "; see 'tmrtool --help'\n";
    return ExitTrouble;
}

} // namespace

int RunTmrtool(const QStringList& arguments, Console& console)
{
    if (arguments.isEmpty())
        return Usage(console, "no command given");
    const QString first = arguments[0];
    if (first == "-h" || first == "--help") {
        console.out << GlobalHelp;
        return ExitOk;
    }
    if (first == "help") {
        if (arguments.size() > 1)
            if (const Command* command = FindCommand(arguments[1]))
                return command->run({"--help"}, console);
        console.out << GlobalHelp;
        return ExitOk;
    }
    if (first == "-v" || first == "--version") {
        console.out << "tmrtool " << TMRTOOL_VERSION << "\n";
        return ExitOk;
    }
    if (first.startsWith('-'))
        return Usage(console, "unknown option '" + Std(first) + "'");
    const Command* command = FindCommand(first);
    if (!command)
        return Usage(console, "unknown command '" + Std(first) + "'");
    return command->run(arguments.mid(1), console);
}
