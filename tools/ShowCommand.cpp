#include "CommandLine.h"
#include "MenuFileAccess.h"
#include "MenuShow.h"

int RunShow(CommandLine& cl, const QStringList& args, Console& c)
{
    int status = ExitOk;
    const std::optional<QStringList> files = cl.ParseFiles(args, c, status);
    if (!files)
        return status;

    bool first = true;
    for (const QString& path : *files) {
        const MenuFileBytes bytes = ReadMenuBytes(path);
        if (!bytes.ok) {
            FileError(c, path, ToStd(bytes.error));
            status = ExitTrouble;
            continue;
        }
        if (!first)
            c.out << "\n";
        first = false;
        c.out << ShowMenu(ToStd(path), bytes, {c.aligned, c.coloured});
    }
    return status;
}
