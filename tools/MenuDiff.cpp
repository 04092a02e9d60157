#include "MenuDiff.h"

#include "MenuFileFormat.h"
#include "MenuText.h"

#include <algorithm>

namespace {

std::string TimeShown(const std::string& time)
{
    return time.empty() ? "\"\"" : time;
}

ConstRecordBytes RecordOf(std::span<const std::uint8_t, FileDataSize> image, int i)
{
    return image.subspan(static_cast<std::size_t>(i) * RecordSize).first<RecordSize>();
}

std::string RawName(ConstRecordBytes record)
{
    return Latin1ToUtf8(std::string_view(reinterpret_cast<const char*>(&record[1]), NameLength));
}

std::string ChecksumShown(ConstRecordBytes record)
{
    const std::uint8_t expected = RecordChecksum(record);
    std::string shown = HexByte(record[0]);
    if (record[0] != expected)
        shown += " (expected " + HexByte(expected) + ")";
    return shown;
}

} // namespace

std::vector<MenuDifference> DiffMenus(std::span<const std::uint8_t, FileDataSize> a,
                                      std::span<const std::uint8_t, FileDataSize> b)
{
    std::vector<MenuDifference> out;
    for (int i = 0; i < MenuItemCount; ++i) {
        const ConstRecordBytes ra = RecordOf(a, i);
        const ConstRecordBytes rb = RecordOf(b, i);
        if (std::equal(ra.begin(), ra.end(), rb.begin()))
            continue;
        const int n = i + 1;
        const MenuItem x = DecodeRecord(ra);
        const MenuItem y = DecodeRecord(rb);
        if (x.Name != y.Name)
            out.push_back({n, "name", QuoteText(x.Name), QuoteText(y.Name)});
        else if (!std::equal(ra.begin() + 1, ra.begin() + 11, rb.begin() + 1))
            // Only the blanks around the name differ; show all ten bytes.
            out.push_back({n, "name bytes", QuoteText(RawName(ra)), QuoteText(RawName(rb))});
        if (ra[11] != rb[11])
            out.push_back({n, "byte 11", HexByte(ra[11]), HexByte(rb[11])});
        if (x.Cook != y.Cook)
            out.push_back({n, "cook", TimeShown(x.Cook), TimeShown(y.Cook)});
        if (x.Duty != y.Duty)
            out.push_back({n, "shake", x.Duty, y.Duty});
        if (x.Hold != y.Hold)
            out.push_back({n, "hold", x.Hold, y.Hold});
        if (x.Comp != y.Comp)
            out.push_back({n, "compensation", std::to_string(x.Comp), std::to_string(y.Comp)});
        // A checksum follows from the other bytes; it is news only when one is wrong.
        if (ra[0] != rb[0] && (ra[0] != RecordChecksum(ra) || rb[0] != RecordChecksum(rb)))
            out.push_back({n, "checksum", ChecksumShown(ra), ChecksumShown(rb)});
    }
    if (a[ReservedByteIndex] != b[ReservedByteIndex])
        out.push_back(
            {0, "reserved byte 190", HexByte(a[ReservedByteIndex]), HexByte(b[ReservedByteIndex])});
    return out;
}

std::string FormatDifference(const MenuDifference& d, bool coloured)
{
    std::string line = d.item > 0 ? "item " + std::to_string(d.item) + " " : std::string();
    line += d.field + ": " + Paint(d.from, Ansi::Red, coloured) + " -> " +
            Paint(d.to, Ansi::Green, coloured);
    return line;
}
