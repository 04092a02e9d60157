#include "CommandLine.h"
#include "MenuDiff.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

int RunDiff(CommandLine& cl, const QStringList& args, Console& c)
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

    MenuImage a{}, b{};
    const bool readA = ReadWholeMenu(c, files[0], a);
    const bool readB = ReadWholeMenu(c, files[1], b);
    if (!readA || !readB)
        return ExitTrouble;
    const std::vector<MenuDifference> differences = DiffMenus(a, b);
    if (cl.parser.isSet(json)) {
        QJsonArray list;
        for (const MenuDifference& d : differences)
            list.append(QJsonObject{{"item", d.item},
                                    {"field", ToQString(d.field)},
                                    {"from", ToQString(d.from)},
                                    {"to", ToQString(d.to)}});
        const QJsonObject result{{"path", files[0]}, {"other", files[1]}, {"differences", list}};
        c.out << QJsonDocument(result).toJson(QJsonDocument::Compact).toStdString() << "\n";
    } else {
        for (const MenuDifference& d : differences)
            c.out << FormatDifference(d, c.coloured) << "\n";
    }
    return differences.empty() ? ExitOk : ExitFound;
}
