#include "CommandLine.h"
#include "MenuExport.h"

int RunExport(CommandLine& cl, const QStringList& args, Console& c)
{
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
    const auto as = cl.Format(format, c, status);
    if (!as)
        return status;

    MenuImage image{};
    if (!ReadWholeMenu(c, files[0], image))
        return ExitTrouble;
    for (const std::string& note : ExportLosses(image, *as))
        FileError(c, files[0], "warning: " + note);
    const QByteArray text = *as == MenuFormat::Csv ? ExportMenuCsv(image) : ExportMenuJson(image);
    c.out.write(text.constData(), text.size());
    return ExitOk;
}
