// tmrtool check: size and checksum problems, and what the editor could not
// have written.
#include "CommandLine.h"
#include "EntryRules.h"
#include "MenuFileAccess.h"
#include "MenuFileFormat.h"
#include "MenuText.h"
#include "Text.h"
#include "TimeValues.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

// The records of `head` that are whole, at most ten.
int WholeRecords(std::span<const std::uint8_t> head)
{
    return std::min<int>(MenuItemCount, static_cast<int>(head.size()) / RecordSize);
}

std::string TimeAt(ConstRecordBytes record, int offset)
{
    return CalculateTimeAsString(record[static_cast<std::size_t>(offset)],
                                 record[static_cast<std::size_t>(offset) + 1]);
}

void CheckRecord(int item, ConstRecordBytes record, std::vector<Finding>& out)
{
    if (!ChecksumMatches(record))
        out.push_back({item, false, "checksum " + ChecksumMismatch(record)});
    if (record[ReservedOffset] != 0)
        out.push_back({item, true,
                       "reserved byte 11 is " + HexByte(record[ReservedOffset]) + ", expected 0"});
    if (!CompensationRule(record[CompOffset]))
        out.push_back({item, true,
                       "compensation " + std::to_string(record[CompOffset]) + ", expected 0 or 1"});
    const std::string_view name = RawName(record);
    if (!std::all_of(name.begin(), name.end(), [](unsigned char b) { return NameFieldTakes(b); }))
        out.push_back(
            {item, true,
             "name " + QuoteText(Latin1ToUtf8(name)) + " has characters outside codes 32 to 95"});
    if (!ShakeWithinCook(TimeSecondsAt(record, DutyOffset), TimeSecondsAt(record, CookOffset)))
        out.push_back({item, true,
                       "shake " + TimeAt(record, DutyOffset) + " " + std::string(ShakeLongerWhy) +
                           " " + TimeAt(record, CookOffset)});
}

// One line of JSON for a file, for fleet reports made by scripts.
void PrintJson(Console& c, const QString& path, const MenuFileBytes* bytes,
               const std::vector<Finding>& findings)
{
    QJsonArray problems;
    for (const Finding& f : findings)
        problems.append(
            QJsonObject{{"item", f.item}, {"warning", f.warning}, {"text", ToQString(f.text)}});
    const QJsonObject file{{"path", path},
                           {"size", bytes ? QJsonValue(qint64(bytes->size)) : QJsonValue()},
                           {"problems", problems}};
    c.out << QJsonDocument(file).toJson(QJsonDocument::Compact).toStdString() << "\n";
}

int Run(CommandLine& cl, const QStringList& args, Console& c)
{
    const QCommandLineOption json("json", "One JSON object per file: path, size, problems.");
    cl.parser.addOption(json);
    const std::optional<QStringList> found = cl.ParseMenuFiles(args, c);
    if (!found)
        return cl.status;
    const QStringList& files = *found;
    const bool asJson = cl.parser.isSet(json);

    int withProblems = 0;
    std::int64_t warnings = 0;
    bool unreadable = false;
    for (const QString& path : files) {
        const Result<MenuFileBytes> bytes = ReadMenuBytes(path);
        if (!bytes) {
            if (asJson)
                PrintJson(c, path, nullptr, {Finding{0, false, bytes.failure().reason}});
            else
                FileError(c, path, bytes.failure().reason);
            unreadable = true;
            ++withProblems;
            continue;
        }
        const std::vector<Finding> findings = CheckMenuBytes(bytes->head, bytes->size);
        const auto warned = std::ranges::count_if(findings, &Finding::warning);
        warnings += warned;
        if (static_cast<std::size_t>(warned) < findings.size())
            ++withProblems;
        if (asJson) {
            PrintJson(c, path, &*bytes, findings);
            continue;
        }
        const std::string name = ToStd(path);
        for (const Finding& f : findings)
            c.out << Paint(FormatFinding(name, f), f.warning ? Ansi::Yellow : Ansi::Red, c.coloured)
                  << "\n";
    }
    const auto count = files.size();
    if (!asJson)
        c.out << Paint(Counted(count, "file") + ", " + std::to_string(withProblems) +
                           " with problems, " + Counted(warnings, "warning"),
                       Ansi::Bold, c.coloured)
              << "\n";
    if (unreadable)
        return ExitTrouble;
    return withProblems > 0 ? ExitFound : ExitOk;
}

} // namespace

const Command CheckCommand = {
    "check",
    "FILE|FOLDER...",
    "find size and checksum problems, and what the\neditor could not have written",
    "Checks that each file is exactly 191 bytes and that every record's checksum matches, and "
    "prints one line per problem, then a summary that counts the files, those with problems and "
    "the warnings. It also warns, without failing, about what "
    "the editor could not have written: a reserved byte 11 that is not 0, a compensation other "
    "than 0 or 1, a name with characters outside codes 32 to 95, a shake time longer than the "
    "cook time. Only regular files are read: a pipe or a device is refused.\n"
    "A folder stands for the *.tmr files in it (either letter case); -r walks its subfolders "
    "too. Folders that hold no menu file are a usage error. --json prints one object per file and "
    "line instead: {\"path\", \"size\", "
    "\"problems\": [{\"item\", \"warning\", \"text\"}]}, size null for a file that could "
    "not be read.",
    "  0  every file is sound\n"
    "  1  a file has a problem\n"
    "  2  a usage error, or a file that could not be read\n",
    Run};

std::vector<Finding> CheckMenuBytes(std::span<const std::uint8_t> head, std::int64_t size)
{
    std::vector<Finding> out;
    if (size != FileDataSize)
        out.push_back({0, false, SizeMismatch(size)});
    const int records = WholeRecords(head);
    for (int i = 0; i < records; ++i)
        CheckRecord(i + 1, RecordAt(head, i), out);
    return out;
}

std::string FormatFinding(const std::string& file, const Finding& finding)
{
    std::string line = file + ": ";
    if (finding.item > 0)
        line += "item " + std::to_string(finding.item) + ": ";
    if (finding.warning)
        line += "warning: ";
    line += finding.text;
    return line;
}
