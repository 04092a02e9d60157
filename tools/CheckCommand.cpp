#include "CommandLine.h"
#include "MenuCheck.h"
#include "MenuFileAccess.h"
#include "MenuFiles.h"
#include "MenuText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

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

} // namespace

int RunCheck(CommandLine& cl, const QStringList& args, Console& c)
{
    const QCommandLineOption recursive({"r", "recursive"}, "Walk the subfolders of each folder.");
    const QCommandLineOption json("json", "One JSON object per file: path, size, problems.");
    cl.parser.addOptions({recursive, json});
    int status = ExitOk;
    const std::optional<QStringList> given = cl.ParseFiles(args, c, status);
    if (!given)
        return status;
    const QStringList files = MenuFilesOf(*given, cl.parser.isSet(recursive));
    const bool asJson = cl.parser.isSet(json);

    int withProblems = 0;
    bool unreadable = false;
    for (const QString& path : files) {
        const MenuFileBytes bytes = ReadMenuBytes(path);
        if (!bytes.ok) {
            if (asJson)
                PrintJson(c, path, nullptr, {Finding{0, false, ToStd(bytes.error)}});
            else
                FileError(c, path, ToStd(bytes.error));
            unreadable = true;
            ++withProblems;
            continue;
        }
        const std::vector<Finding> findings = CheckMenuBytes(bytes.head, bytes.size);
        bool problem = false;
        for (const Finding& f : findings)
            problem = problem || !f.warning;
        if (problem)
            ++withProblems;
        if (asJson) {
            PrintJson(c, path, &bytes, findings);
            continue;
        }
        const std::string name = ToStd(path);
        for (const Finding& f : findings)
            c.out << Paint(FormatFinding(name, f), f.warning ? Ansi::Yellow : Ansi::Red, c.coloured)
                  << "\n";
    }
    const auto count = files.size();
    if (!asJson)
        c.out << Paint(std::to_string(count) + (count == 1 ? " file, " : " files, ") +
                           std::to_string(withProblems) + " with problems",
                       Ansi::Bold, c.coloured)
              << "\n";
    if (unreadable)
        return ExitTrouble;
    return withProblems > 0 ? ExitFound : ExitOk;
}
