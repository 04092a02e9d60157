#include "MenuFileFormat.h"

#include "Text.h"
#include "TimeValues.h"

#include <algorithm>
#include <cassert>

namespace {

template <class Byte> std::span<Byte, RecordSize> Record(std::span<Byte> image, int i)
{
    assert(i >= 0 && static_cast<std::size_t>(i + 1) * RecordSize <= image.size());
    return image.subspan(static_cast<std::size_t>(i) * RecordSize).template first<RecordSize>();
}

void PutTime(std::string_view text, std::uint8_t* at)
{
    std::int32_t seconds = CalculateTimeInSeconds(text.empty() ? "0:00" : text);
    // No negative or over-long time fits in two unsigned bytes; the entry rules
    // keep both out, and a file never holds them.
    seconds = std::clamp<std::int32_t>(seconds, 0, 65535);
    std::uint8_t b3, b2;
    SplitLongIntoBytes(seconds, b3, b2, at[0], at[1]);
}

std::string GetTime(const std::uint8_t* at, const char* zero)
{
    if (at[0] == 0 && at[1] == 0)
        return zero;
    return CalculateTimeAsString(at[0], at[1]);
}

} // namespace

ConstRecordBytes RecordAt(std::span<const std::uint8_t> image, int i)
{
    return Record(image, i);
}

RecordBytes RecordAt(MenuImage& image, int i)
{
    return Record(std::span<std::uint8_t>(image), i);
}

void SplitLongIntoBytes(std::int32_t start, std::uint8_t& b3, std::uint8_t& b2, std::uint8_t& b1,
                        std::uint8_t& b0)
{
    const auto u = static_cast<std::uint32_t>(start);
    b3 = static_cast<std::uint8_t>(u >> 24);
    b2 = static_cast<std::uint8_t>(u >> 16);
    b1 = static_cast<std::uint8_t>(u >> 8);
    b0 = static_cast<std::uint8_t>(u);
}

std::int32_t CalculateByteSum(std::span<const std::uint8_t> data, int start, int count)
{
    std::int32_t sum = 0;
    for (int i = 0; i < count; ++i)
        sum += data[static_cast<std::size_t>(start + i)];
    return sum;
}

std::uint8_t RecordChecksum(ConstRecordBytes record)
{
    return static_cast<std::uint8_t>(CalculateByteSum(record, NameOffset, RecordSize - 1));
}

bool ChecksumMatches(ConstRecordBytes record)
{
    return record[ChecksumOffset] == RecordChecksum(record);
}

std::string_view RawName(ConstRecordBytes record)
{
    return {reinterpret_cast<const char*>(&record[NameOffset]), NameLength};
}

int TimeSecondsAt(ConstRecordBytes record, int offset)
{
    return record[static_cast<std::size_t>(offset)] * 256 +
           record[static_cast<std::size_t>(offset) + 1];
}

void EncodeRecord(const MenuItem& item, RecordBytes record)
{
    const std::string name = Utf8ToLatin1(item.Name);
    for (int k = 0; k < NameLength; ++k)
        record[NameOffset + k] =
            k < static_cast<int>(name.size()) ? static_cast<std::uint8_t>(name[k]) : ' ';
    record[ReservedOffset] = 0;
    PutTime(item.Cook, &record[CookOffset]);
    PutTime(item.Duty, &record[DutyOffset]);
    PutTime(item.Hold, &record[HoldOffset]);
    record[CompOffset] = static_cast<std::uint8_t>(item.Comp);
    record[ChecksumOffset] = RecordChecksum(record);
}

MenuItem DecodeRecord(ConstRecordBytes record)
{
    MenuItem item;
    item.Name = Latin1ToUtf8(Trimmed(RawName(record)));
    item.Cook = GetTime(&record[CookOffset], "");
    item.Duty = GetTime(&record[DutyOffset], "0:00");
    item.Hold = GetTime(&record[HoldOffset], "0:00");
    item.Comp = record[CompOffset];
    return item;
}

void EncodeMenu(const MenuItems& items, std::span<std::uint8_t, FileDataSize> image)
{
    for (int i = 0; i < MenuItemCount; ++i)
        EncodeRecord(items[static_cast<std::size_t>(i)], Record(std::span<std::uint8_t>(image), i));
}

MenuItems DecodeMenu(std::span<const std::uint8_t, FileDataSize> image)
{
    MenuItems items;
    for (int i = 0; i < MenuItemCount; ++i)
        items[static_cast<std::size_t>(i)] = DecodeRecord(RecordAt(image, i));
    return items;
}
