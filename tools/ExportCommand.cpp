// tmrtool export: a menu as JSON or CSV.
#include "CommandLine.h"
#include "Csv.h"
#include "MenuFileFormat.h"
#include "MenuText.h"
#include "Text.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

namespace {

// Qt's writer knows every escape JSON needs; the keys are written by hand so
// that they keep the order a person expects.
QByteArray JsonString(const std::string& utf8)
{
    const QByteArray array =
        QJsonDocument(QJsonArray{QString::fromStdString(utf8)}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

int Run(CommandLine& cl, const QStringList& args, Console& c)
{
    const QCommandLineOption format({"f", "format"}, "json (the default) or csv.", "FORMAT",
                                    "json");
    cl.parser.addOption(format);
    const auto file = cl.ParseOne(args, c, "FILE", "A menu file.");
    if (!file)
        return cl.status;
    const auto as = cl.Format(format, c);
    if (!as)
        return cl.status;

    const std::optional<MenuImage> image = ReadWholeMenu(c, *file);
    if (!image)
        return ExitTrouble;
    for (const std::string& note : ExportLosses(*image, *as))
        FileError(c, *file, "warning: " + note);
    const QByteArray text = *as == MenuFormat::Csv ? ExportMenuCsv(*image) : ExportMenuJson(*image);
    c.out.write(text.constData(), text.size());
    return ExitOk;
}

} // namespace

const Command ExportCommand = {
    "export",
    "FILE",
    "the menu as JSON (the default) or CSV",
    "Writes the menu to standard output, every item as the editor decodes it: cook \"\" for "
    "zero, shake and hold \"0:00\" for zero, names through Latin-1.\n"
    "JSON: {\"items\": [ten items with name, cook, shake, hold, compensation], \"reserved\": "
    "byte 190}. CSV: the header item,name,cook,shake,hold,compensation, then ten rows.\n"
    "What an import would not give back is told on standard error: a checksum that does not "
    "match (import writes the right one), a reserved byte 11 that is not 0, blanks before a "
    "name, and in CSV a reserved byte 190 that is not 0.",
    "  0  the menu was written\n"
    "  2  a usage error, or a file that could not be read as a menu\n",
    Run};

QByteArray ExportMenuJson(std::span<const std::uint8_t, FileDataSize> image)
{
    const MenuItems items = DecodeMenu(image);
    QByteArray out = "{\n  \"items\": [\n";
    for (int i = 0; i < MenuItemCount; ++i) {
        const MenuItem& item = items[static_cast<std::size_t>(i)];
        out += "    {\"name\": " + JsonString(item.Name) + ", \"cook\": " + JsonString(item.Cook) +
               ", \"shake\": " + JsonString(item.Duty) + ", \"hold\": " + JsonString(item.Hold) +
               ", \"compensation\": " + QByteArray::number(item.Comp) + "}";
        out += i + 1 < MenuItemCount ? ",\n" : "\n";
    }
    out += "  ],\n  \"reserved\": " + QByteArray::number(image[ReservedByteIndex]) + "\n}\n";
    return out;
}

QByteArray ExportMenuCsv(std::span<const std::uint8_t, FileDataSize> image)
{
    const MenuItems items = DecodeMenu(image);
    std::string out = CsvHeader() + "\r\n";
    for (int i = 0; i < MenuItemCount; ++i) {
        const MenuItem& item = items[static_cast<std::size_t>(i)];
        out += std::to_string(i + 1) + "," + CsvField(item.Name) + "," + CsvField(item.Cook) + "," +
               CsvField(item.Duty) + "," + CsvField(item.Hold) + "," + std::to_string(item.Comp) +
               "\r\n";
    }
    return QByteArray::fromStdString(out);
}

std::vector<std::string> ExportLosses(std::span<const std::uint8_t, FileDataSize> image,
                                      MenuFormat format)
{
    std::vector<std::string> notes;
    for (int i = 0; i < MenuItemCount; ++i) {
        const ConstRecordBytes record = RecordAt(image, i);
        const std::string item = "item " + std::to_string(i + 1) + ": ";
        if (!ChecksumMatches(record))
            notes.push_back(item + "checksum " + ChecksumMismatch(record) + "; an import writes " +
                            HexByte(RecordChecksum(record)));
        if (record[ReservedOffset] != 0)
            notes.push_back(item + "reserved byte 11 is " + HexByte(record[ReservedOffset]) +
                            "; an import writes 0");
        const std::string_view name = RawName(record);
        if (name.front() == ' ' && Trimmed(name).size() > 0)
            notes.push_back(item + "the blanks before the name are not exported");
    }
    if (format == MenuFormat::Csv && image[ReservedByteIndex] != 0)
        notes.push_back("reserved byte 190 is " + HexByte(image[ReservedByteIndex]) +
                        ", which CSV cannot hold; an import writes 0 (JSON keeps it)");
    return notes;
}
