#include "CommandLine.h"
#include "MenuCheck.h"
#include "MenuFileAccess.h"
#include "MenuText.h"

int RunCheck(CommandLine& cl, const QStringList& args, Console& c)
{
    int status = ExitOk;
    const std::optional<QStringList> files = cl.ParseFiles(args, c, status);
    if (!files)
        return status;

    int withProblems = 0;
    bool unreadable = false;
    for (const QString& path : *files) {
        const MenuFileBytes bytes = ReadMenuBytes(path);
        if (!bytes.ok) {
            FileError(c, path, ToStd(bytes.error));
            unreadable = true;
            ++withProblems;
            continue;
        }
        const std::vector<Finding> findings = CheckMenuBytes(bytes.head, bytes.size);
        if (findings.empty())
            continue;
        bool problem = false;
        const std::string name = ToStd(path);
        for (const Finding& f : findings) {
            problem = problem || !f.warning;
            c.out << Paint(FormatFinding(name, f), f.warning ? Ansi::Yellow : Ansi::Red, c.coloured)
                  << "\n";
        }
        if (problem)
            ++withProblems;
    }
    const auto count = files->size();
    c.out << Paint(std::to_string(count) + (count == 1 ? " file, " : " files, ") +
                       std::to_string(withProblems) + " with problems",
                   Ansi::Bold, c.coloured)
          << "\n";
    if (unreadable)
        return ExitTrouble;
    return withProblems > 0 ? ExitFound : ExitOk;
}
