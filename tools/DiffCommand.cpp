#include "CommandLine.h"
#include "MenuDiff.h"

int RunDiff(CommandLine& cl, const QStringList& args, Console& c)
{
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
