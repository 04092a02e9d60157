#include "MenuExport.h"

#include "Csv.h"
#include "MenuFileFormat.h"
#include "MenuText.h"

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

ConstRecordBytes RecordOf(std::span<const std::uint8_t, FileDataSize> image, int i)
{
    return image.subspan(static_cast<std::size_t>(i) * RecordSize).first<RecordSize>();
}

} // namespace

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
    std::string out = "item,name,cook,shake,hold,compensation\r\n";
    for (int i = 0; i < MenuItemCount; ++i) {
        const MenuItem& item = items[static_cast<std::size_t>(i)];
        out += std::to_string(i + 1) + "," + CsvField(item.Name) + "," + CsvField(item.Cook) + "," +
               CsvField(item.Duty) + "," + CsvField(item.Hold) + "," + std::to_string(item.Comp) +
               "\r\n";
    }
    return QByteArray::fromStdString(out);
}

std::vector<std::string> ExportLosses(std::span<const std::uint8_t, FileDataSize> image,
                                      ExportFormat format)
{
    std::vector<std::string> notes;
    for (int i = 0; i < MenuItemCount; ++i) {
        const ConstRecordBytes record = RecordOf(image, i);
        const std::string item = "item " + std::to_string(i + 1) + ": ";
        const std::uint8_t expected = RecordChecksum(record);
        if (record[0] != expected)
            notes.push_back(item + "checksum " + HexByte(record[0]) + ", expected " +
                            HexByte(expected) + "; an import writes " + HexByte(expected));
        if (record[11] != 0)
            notes.push_back(item + "reserved byte 11 is " + HexByte(record[11]) +
                            "; an import writes 0");
        if (record[1] == ' ' && std::any_of(record.begin() + 2, record.begin() + 11,
                                            [](std::uint8_t b) { return b != ' '; }))
            notes.push_back(item + "the blanks before the name are not exported");
    }
    if (format == ExportFormat::Csv && image[ReservedByteIndex] != 0)
        notes.push_back("reserved byte 190 is " + HexByte(image[ReservedByteIndex]) +
                        ", which CSV cannot hold; an import writes 0 (JSON keeps it)");
    return notes;
}
