// tmrtool new: an empty menu file.
#include "CommandLine.h"
#include "MenuFileAccess.h"
#include "MenuFileFormat.h"

#include <QFileInfo>

namespace {

int Run(CommandLine& cl, const QStringList& args, Console& c)
{
    const QCommandLineOption output({"o", "output"}, "The menu file to write.", "OUT");
    const QCommandLineOption force("force", "Replace OUT when it exists.");
    cl.parser.addOptions({output, force});
    if (const auto done = cl.Parse(args, c))
        return *done;
    if (!cl.parser.positionalArguments().isEmpty())
        return cl.Usage(c, "new takes no FILE; name the menu with -o OUT");
    const QString out = cl.parser.value(output);
    if (out.isEmpty())
        return cl.Usage(c, "no -o OUT given");
    const QFileInfo target(out);
    if (target.isDir())
        return NothingWritten(c, out, "Is a directory");
    if (target.exists() && !cl.parser.isSet(force)) {
        FileError(c, out, "exists already; --force replaces it");
        return ExitFound;
    }
    // What the editor saves after New Menu: ten cleared slots, byte 190 as a
    // freshly started editor holds it.
    MenuImage image{};
    EncodeMenu(MenuItems{}, image);
    return Written(c, out, WriteMenuFile(out, image));
}

} // namespace

const Command NewCommand = {
    "new",
    "-o OUT",
    "an empty menu file, as the editor saves one",
    "Writes an empty menu to OUT, byte for byte what the editor saves after New Menu. OUT is "
    "replaced, in one step, only with --force.",
    "  0  OUT was written\n"
    "  1  OUT exists and --force was not given\n"
    "  2  a usage error, or a file that could not be written\n",
    Run};
