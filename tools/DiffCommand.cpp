// tmrtool diff: the items in which two menus differ.
#include "CommandLine.h"
#include "MenuDiff.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

int Run(CommandLine& cl, const QStringList& args, Console& c)
{
    const QCommandLineOption json(
        "json", "One JSON object: path, other and the differences (item, field, from, to).");
    cl.parser.addOption(json);
    cl.parser.addPositionalArgument("A", "A menu file.");
    cl.parser.addPositionalArgument("B", "Another menu file.");
    if (const auto done = cl.Parse(args, c))
        return *done;
    const QStringList files = cl.parser.positionalArguments();
    if (files.size() != 2)
        return cl.Usage(c, "two files are needed, A and B");

    const std::optional<MenuImage> a = ReadWholeMenu(c, files[0]);
    const std::optional<MenuImage> b = ReadWholeMenu(c, files[1]);
    if (!a || !b)
        return ExitTrouble;
    const std::vector<MenuDifference> differences = DiffMenus(*a, *b);
    if (cl.parser.isSet(json)) {
        QJsonArray list;
        for (const MenuDifference& d : differences)
            list.append(QJsonObject{{"item", d.item},
                                    {"field", ToQString(d.field)},
                                    {"from", d.fromValue},
                                    {"to", d.toValue}});
        const QJsonObject result{{"path", files[0]}, {"other", files[1]}, {"differences", list}};
        c.out << QJsonDocument(result).toJson(QJsonDocument::Compact).toStdString() << "\n";
    } else {
        for (const MenuDifference& d : differences)
            c.out << FormatDifference(d, c.coloured) << "\n";
    }
    return differences.empty() ? ExitOk : ExitFound;
}

} // namespace

const Command DiffCommand = {
    "diff",
    "A B",
    "the items in which two menus differ",
    "Prints the items in which the menus A and B differ, field by field (item 3 cook: 3:05 -> "
    "3:10), as the editor decodes them, and the bytes that decoding hides: byte 11, blanks "
    "before a name, a checksum that does not match, the reserved byte 190.\n"
    "--json prints one object instead: {\"path\": A, \"other\": B, \"differences\": "
    "[{\"item\", \"field\", \"from\", \"to\"}]}, from and to as JSON values: a name or time "
    "(m:ss, \"\" for a zero cook time) as a string, the compensation and bytes as numbers.",
    "  0  the menus are the same, byte for byte\n"
    "  1  they differ\n"
    "  2  a usage error, or a file that could not be read as a menu\n",
    Run};
