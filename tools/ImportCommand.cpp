// tmrtool import: a menu file from JSON or CSV.
#include "CommandLine.h"
#include "ImportRules.h"
#include "MenuFileAccess.h"
#include "MenuFileFormat.h"
#include "Text.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

// Inputs to import are a few kilobytes; anything this large is not one.
constexpr qint64 MaxImportInput = 1 << 20;

// 191 bytes named .tmr, or whose ten checksums all match: no JSON or CSV
// text is either by chance.
bool IsMenuFile(const QString& path, const QByteArray& bytes)
{
    if (bytes.size() != FileDataSize)
        return false;
    if (QFileInfo(path).suffix().compare("tmr", Qt::CaseInsensitive) == 0)
        return true;
    const auto image = std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                 static_cast<std::size_t>(FileDataSize));
    for (int i = 0; i < MenuItemCount; ++i)
        if (!ChecksumMatches(RecordAt(image, i)))
            return false;
    return true;
}

int Run(CommandLine& cl, const QStringList& args, Console& c)
{
    const QCommandLineOption output({"o", "output"}, "The menu file to write.", "OUT");
    const QCommandLineOption format(
        {"f", "format"}, "json or csv; by default from INPUT's extension, else its content.",
        "FORMAT");
    const QCommandLineOption force("force", "Replace OUT when it exists.");
    const QCommandLineOption raw(
        "raw", "Take anything a menu file can hold: names of up to 10 Latin-1 characters, "
               "times 0:00 to 1092:15, compensation 0 to 255.");
    cl.parser.addOptions({output, format, force, raw});
    const auto input = cl.ParseOne(args, c, "INPUT", "JSON or CSV, or - for standard input.");
    if (!input)
        return cl.status;
    if (!cl.parser.isSet(output) || cl.parser.value(output).isEmpty())
        return cl.Usage(c, "no -o OUT given");
    std::optional<MenuFormat> chosen;
    if (cl.parser.isSet(format) && !(chosen = cl.Format(format, c)))
        return cl.status;

    const QString inputPath = *input;
    const QString outPath = cl.parser.value(output);
    const bool fromStdin = inputPath == "-";
    const std::string inputName = fromStdin ? "standard input" : ToStd(inputPath);

    QFile in(inputPath);
    const bool opened =
        fromStdin ? in.open(stdin, QIODevice::ReadOnly) : in.open(QIODevice::ReadOnly);
    if (!opened) {
        FileError(c, inputPath,
                  QFileInfo(inputPath).isDir() ? "Is a directory" : ToStd(in.errorString()));
        return ExitTrouble;
    }
    const QByteArray bytes = in.read(MaxImportInput + 1);
    if (in.error() != QFileDevice::NoError) {
        FileError(c, inputPath, ToStd(in.errorString()));
        return ExitTrouble;
    }

    std::vector<std::string> errors;
    int refusal = ExitFound;
    ImportedMenu menu;
    if (bytes.size() > MaxImportInput) {
        errors.push_back(inputName + ": more than 1 MiB; an exported menu is a few kilobytes");
    } else if (IsMenuFile(inputPath, bytes)) {
        errors.push_back(inputName + ": a menu file; import reads JSON or CSV, such as tmrtool "
                                     "export writes from a menu file");
    } else {
        const MenuFormat as = chosen ? *chosen : GuessMenuFormat(inputPath, bytes);
        const ImportRules rules = cl.parser.isSet(raw) ? ImportRules::Raw : ImportRules::Editor;
        menu = as == MenuFormat::Json ? ParseMenuJson(bytes, inputName, rules)
                                      : ParseMenuCsv(bytes, inputName, rules);
        errors = menu.errors;
    }
    const QFileInfo target(outPath);
    if (target.isDir()) {
        errors.push_back(ToStd(outPath) + ": Is a directory");
        refusal = ExitTrouble;
    } else if (target.exists() && !cl.parser.isSet(force)) {
        errors.push_back(ToStd(outPath) + ": exists already; --force replaces it");
    }
    if (!errors.empty()) {
        for (const std::string& e : errors)
            c.err << "tmrtool: " << e << "\n";
        c.err << "tmrtool: nothing written to " << ToStd(outPath) << "\n";
        if (menu.rawTaken == errors.size())
            c.err << "tmrtool: " << RawTakesAll << "\n";
        return refusal;
    }

    return Written(c, outPath, WriteMenuFile(outPath, ImportedImage(menu)));
}

} // namespace

const Command ImportCommand = {
    "import",
    "INPUT -o OUT",
    "a menu file from JSON or CSV",
    "Makes the menu file OUT from JSON or CSV as export writes it (INPUT - is standard input). "
    "Items the input leaves out are empty slots; more than ten is an error.\n"
    "Without --raw, every item with a name must pass the editor's own rules: a name of 1 to 10 "
    "capital letters, digits, spaces and punctuation (small letters become capitals, as when "
    "typed), times m:ss or mm:ss from 0:00 to 99:59, the shake time not above the cook time, "
    "compensation 0 or 1. An empty time is 0:00.\n"
    "Every error names the input, the line or item, the field and the value; when there is "
    "any, nothing is written, and when --raw would take every value refused a last line says "
    "so. A menu file given as INPUT is refused: export makes JSON or CSV of it. OUT is replaced, "
    "in one step, only with --force.",
    "  0  OUT was written\n"
    "  1  the input was refused, or OUT exists and --force was not given\n"
    "  2  a usage error, or a file that could not be read or written\n",
    Run};
