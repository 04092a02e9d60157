#include "CommandLine.h"
#include "MenuExport.h"

int RunExport(CommandLine& cl, const QStringList& args, Console& c)
{
    const QCommandLineOption format({"f", "format"}, "json (the default) or csv.", "FORMAT",
                                    "json");
    cl.parser.addOption(format);
    int status = ExitOk;
    const auto file = cl.ParseOne(args, c, "FILE", "A menu file.", status);
    if (!file)
        return status;
    const auto as = cl.Format(format, c, status);
    if (!as)
        return status;

    MenuImage image{};
    if (!ReadWholeMenu(c, *file, image))
        return ExitTrouble;
    for (const std::string& note : ExportLosses(image, *as))
        FileError(c, *file, "warning: " + note);
    const QByteArray text = *as == MenuFormat::Csv ? ExportMenuCsv(image) : ExportMenuJson(image);
    c.out.write(text.constData(), text.size());
    return ExitOk;
}
