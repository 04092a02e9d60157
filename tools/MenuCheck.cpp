#include "MenuCheck.h"

#include "MenuFileFormat.h"
#include "MenuText.h"
#include "Text.h"
#include "TimeValues.h"

#include <algorithm>

namespace {

std::string TimeAt(ConstRecordBytes record, int offset)
{
    return CalculateTimeAsString(record[static_cast<std::size_t>(offset)],
                                 record[static_cast<std::size_t>(offset) + 1]);
}

void CheckRecord(int item, ConstRecordBytes record, std::vector<Finding>& out)
{
    if (!ChecksumMatches(record))
        out.push_back({item, false, "checksum " + ChecksumMismatch(record)});
    if (record[ReservedOffset] != 0)
        out.push_back({item, true,
                       "reserved byte 11 is " + HexByte(record[ReservedOffset]) + ", expected 0"});
    if (record[CompOffset] > 1)
        out.push_back({item, true,
                       "compensation " + std::to_string(record[CompOffset]) + ", expected 0 or 1"});
    const std::string_view name = RawName(record);
    if (std::any_of(name.begin(), name.end(), [](unsigned char b) { return b < 32 || b > 95; }))
        out.push_back(
            {item, true,
             "name " + QuoteText(Latin1ToUtf8(name)) + " has characters outside codes 32 to 95"});
    if (TimeSecondsAt(record, DutyOffset) > TimeSecondsAt(record, CookOffset))
        out.push_back({item, true,
                       "shake " + TimeAt(record, DutyOffset) + " is longer than cook " +
                           TimeAt(record, CookOffset)});
}

} // namespace

int WholeRecords(std::span<const std::uint8_t> head)
{
    return std::min<int>(MenuItemCount, static_cast<int>(head.size()) / RecordSize);
}

std::vector<Finding> CheckMenuBytes(std::span<const std::uint8_t> head, std::int64_t size)
{
    std::vector<Finding> out;
    if (size != FileDataSize)
        out.push_back({0, false, SizeMismatch(size)});
    const int records = WholeRecords(head);
    for (int i = 0; i < records; ++i)
        CheckRecord(i + 1, RecordAt(head, i), out);
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
