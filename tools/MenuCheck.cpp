#include "MenuCheck.h"

#include "MenuFileFormat.h"
#include "MenuText.h"
#include "TimeValues.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

constexpr int NameOffset = 1;
constexpr int Reserved11Offset = 11;
constexpr int CookOffset = 12;
constexpr int DutyOffset = 14;
constexpr int CompOffset = 18;

int Seconds(ConstRecordBytes record, int offset)
{
    return record[static_cast<std::size_t>(offset)] * 256 +
           record[static_cast<std::size_t>(offset) + 1];
}

std::string TimeAt(ConstRecordBytes record, int offset)
{
    return CalculateTimeAsString(record[static_cast<std::size_t>(offset)],
                                 record[static_cast<std::size_t>(offset) + 1]);
}

void CheckRecord(int item, ConstRecordBytes record, std::vector<Finding>& out)
{
    const std::uint8_t expected = RecordChecksum(record);
    if (record[0] != expected)
        out.push_back(
            {item, false, "checksum " + HexByte(record[0]) + ", expected " + HexByte(expected)});
    if (record[Reserved11Offset] != 0)
        out.push_back(
            {item, true,
             "reserved byte 11 is " + HexByte(record[Reserved11Offset]) + ", expected 0"});
    if (record[CompOffset] > 1)
        out.push_back({item, true,
                       "compensation " + std::to_string(record[CompOffset]) + ", expected 0 or 1"});
    const auto name = record.subspan(NameOffset, NameLength);
    if (std::any_of(name.begin(), name.end(), [](std::uint8_t b) { return b < 32 || b > 95; })) {
        const std::string raw(reinterpret_cast<const char*>(name.data()), name.size());
        out.push_back(
            {item, true,
             "name " + QuoteText(Latin1ToUtf8(raw)) + " has characters outside codes 32 to 95"});
    }
    if (Seconds(record, DutyOffset) > Seconds(record, CookOffset))
        out.push_back({item, true,
                       "shake " + TimeAt(record, DutyOffset) + " is longer than cook " +
                           TimeAt(record, CookOffset)});
}

} // namespace

MenuFileBytes ReadMenuBytes(const QString& path)
{
    MenuFileBytes r;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        // Qt words this one its own way; say it as the system does.
        r.error = QFileInfo(path).isDir() ? "Is a directory" : file.errorString().toStdString();
        return r;
    }
    r.head.resize(FileDataSize);
    qint64 got = 0;
    while (got < FileDataSize) {
        const qint64 n =
            file.read(reinterpret_cast<char*>(r.head.data()) + got, FileDataSize - got);
        if (n < 0) {
            r.error = file.errorString().toStdString();
            return r;
        }
        if (n == 0)
            break;
        got += n;
    }
    r.head.resize(static_cast<std::size_t>(got));
    if (file.isSequential()) {
        // A pipe has no size but what comes through it.
        r.size = got;
        char sink[4096];
        qint64 n;
        while ((n = file.read(sink, sizeof sink)) > 0)
            r.size += n;
        if (n < 0) {
            r.error = file.errorString().toStdString();
            return r;
        }
    } else {
        r.size = std::max<std::int64_t>(file.size(), got);
    }
    r.ok = true;
    return r;
}

int WholeRecords(std::span<const std::uint8_t> head)
{
    return std::min<int>(MenuItemCount, static_cast<int>(head.size()) / RecordSize);
}

std::vector<Finding> CheckMenuBytes(std::span<const std::uint8_t> head, std::int64_t size)
{
    std::vector<Finding> out;
    if (size != FileDataSize)
        out.push_back(
            {0, false, std::to_string(size) + " bytes, expected " + std::to_string(FileDataSize)});
    const int records = WholeRecords(head);
    for (int i = 0; i < records; ++i)
        CheckRecord(
            i + 1, head.subspan(static_cast<std::size_t>(i) * RecordSize).first<RecordSize>(), out);
    return out;
}

std::string FormatFinding(const std::string& file, const Finding& finding)
{
    std::string line = file + ": ";
    if (finding.item > 0)
        line += "item " + std::to_string(finding.item) + ": ";
    if (finding.warning)
        line += "warning: ";
    line += finding.text;
    return line;
}
