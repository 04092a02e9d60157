#include "MenuDiff.h"

#include "MenuFileFormat.h"
#include "MenuText.h"
#include "StringBridge.h"
#include "Text.h"

#include <algorithm>

namespace {

std::string TimeShown(const std::string& time)
{
    return time.empty() ? "\"\"" : time;
}

std::string ChecksumShown(ConstRecordBytes record)
{
    std::string shown = HexByte(record[ChecksumOffset]);
    if (!ChecksumMatches(record))
        shown += " (expected " + HexByte(RecordChecksum(record)) + ")";
    return shown;
}

} // namespace

std::vector<MenuDifference> DiffMenus(std::span<const std::uint8_t, FileDataSize> a,
                                      std::span<const std::uint8_t, FileDataSize> b)
{
    std::vector<MenuDifference> out;
    for (int i = 0; i < MenuItemCount; ++i) {
        const ConstRecordBytes ra = RecordAt(a, i);
        const ConstRecordBytes rb = RecordAt(b, i);
        if (std::equal(ra.begin(), ra.end(), rb.begin()))
            continue;
        const int n = i + 1;
        const MenuItem x = DecodeRecord(ra);
        const MenuItem y = DecodeRecord(rb);
        const auto text = [](const std::string& utf8) { return QJsonValue(ToQString(utf8)); };
        const auto number = [](int value) { return QJsonValue(value); };
        if (x.Name != y.Name)
            out.push_back(
                {n, "name", QuoteText(x.Name), QuoteText(y.Name), text(x.Name), text(y.Name)});
        else if (RawName(ra) != RawName(rb)) {
            // Only the blanks around the name differ; show all ten bytes.
            const std::string from = Latin1ToUtf8(RawName(ra)), to = Latin1ToUtf8(RawName(rb));
            out.push_back({n, "name bytes", QuoteText(from), QuoteText(to), text(from), text(to)});
        }
        if (ra[ReservedOffset] != rb[ReservedOffset])
            out.push_back({n, "byte 11", HexByte(ra[ReservedOffset]), HexByte(rb[ReservedOffset]),
                           number(ra[ReservedOffset]), number(rb[ReservedOffset])});
        if (x.Cook != y.Cook)
            out.push_back(
                {n, "cook", TimeShown(x.Cook), TimeShown(y.Cook), text(x.Cook), text(y.Cook)});
        if (x.Duty != y.Duty)
            out.push_back({n, "shake", x.Duty, y.Duty, text(x.Duty), text(y.Duty)});
        if (x.Hold != y.Hold)
            out.push_back({n, "hold", x.Hold, y.Hold, text(x.Hold), text(y.Hold)});
        if (x.Comp != y.Comp)
            out.push_back({n, "compensation", std::to_string(x.Comp), std::to_string(y.Comp),
                           number(x.Comp), number(y.Comp)});
        // A checksum follows from the other bytes; it is news only when one is wrong.
        if (ra[ChecksumOffset] != rb[ChecksumOffset] &&
            (!ChecksumMatches(ra) || !ChecksumMatches(rb)))
            out.push_back({n, "checksum", ChecksumShown(ra), ChecksumShown(rb),
                           number(ra[ChecksumOffset]), number(rb[ChecksumOffset])});
    }
    if (a[ReservedByteIndex] != b[ReservedByteIndex])
        out.push_back({0, "reserved byte 190", HexByte(a[ReservedByteIndex]),
                       HexByte(b[ReservedByteIndex]), a[ReservedByteIndex], b[ReservedByteIndex]});
    return out;
}

std::string FormatDifference(const MenuDifference& d, bool coloured)
{
    std::string line = d.item > 0 ? "item " + std::to_string(d.item) + " " : std::string();
    line += d.field + ": " + Paint(d.from, Ansi::Red, coloured) + " -> " +
            Paint(d.to, Ansi::Green, coloured);
    return line;
}
