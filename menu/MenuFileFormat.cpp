#include "MenuFileFormat.h"

#include "TimeValues.h"

#include <algorithm>
#include <cassert>
#include <optional>

namespace {

constexpr int NameOffset = 1;
constexpr int Reserved11Offset = 11;
constexpr int CookOffset = 12;
constexpr int DutyOffset = 14;
constexpr int HoldOffset = 16;
constexpr int CompOffset = 18;

// Decodes one UTF-8 code point at `pos`, advancing it; nullopt for a
// malformed sequence (pos then moves past the bytes that formed its start).
std::optional<char32_t> NextCodePoint(std::string_view s, std::size_t& pos)
{
    static constexpr char32_t shortest[] = {0, 0x80, 0x800, 0x10000};
    const auto lead = static_cast<unsigned char>(s[pos++]);
    if (lead < 0x80)
        return lead;
    int extra = 0;
    char32_t cp = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        return std::nullopt;
    }
    for (int i = 0; i < extra; ++i) {
        if (pos >= s.size())
            return std::nullopt;
        const auto c = static_cast<unsigned char>(s[pos]);
        if ((c & 0xC0) != 0x80)
            return std::nullopt;
        cp = (cp << 6) | (c & 0x3F);
        ++pos;
    }
    // A longer form than needed would let "\xC0\x81" pass for 'A' and come
    // back from the file as a different text.
    if (cp < shortest[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return std::nullopt;
    return cp;
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

std::string_view TrimSpaces(std::string_view s)
{
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = s.find_last_not_of(' ');
    return s.substr(first, last - first + 1);
}

} // namespace

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
    return static_cast<std::uint8_t>(CalculateByteSum(record, 1, RecordSize - 1));
}

void EncodeRecord(const MenuItem& item, RecordBytes record)
{
    record[0] = 0;
    const std::string name = Utf8ToLatin1(item.Name);
    for (int k = 0; k < NameLength; ++k)
        record[NameOffset + k] =
            k < static_cast<int>(name.size()) ? static_cast<std::uint8_t>(name[k]) : ' ';
    record[Reserved11Offset] = 0;
    PutTime(item.Cook, &record[CookOffset]);
    PutTime(item.Duty, &record[DutyOffset]);
    PutTime(item.Hold, &record[HoldOffset]);
    record[CompOffset] = static_cast<std::uint8_t>(item.Comp);
    // Byte 0 is still zero here, so summing the whole record is the checksum.
    std::uint8_t b3, b2, b1, b0;
    SplitLongIntoBytes(CalculateByteSum(record, 0, RecordSize), b3, b2, b1, b0);
    record[0] = b0;
}

MenuItem DecodeRecord(ConstRecordBytes record)
{
    MenuItem item;
    const std::string_view raw(reinterpret_cast<const char*>(&record[NameOffset]), NameLength);
    item.Name = Latin1ToUtf8(TrimSpaces(raw));
    item.Cook = GetTime(&record[CookOffset], "");
    item.Duty = GetTime(&record[DutyOffset], "0:00");
    item.Hold = GetTime(&record[HoldOffset], "0:00");
    item.Comp = record[CompOffset];
    return item;
}

void EncodeMenu(const MenuItems& items, std::span<std::uint8_t, FileDataSize> image)
{
    for (int i = 0; i < MenuItemCount; ++i)
        EncodeRecord(items[static_cast<std::size_t>(i)],
                     image.subspan(static_cast<std::size_t>(i) * RecordSize).first<RecordSize>());
}

MenuItems DecodeMenu(std::span<const std::uint8_t, FileDataSize> image)
{
    MenuItems items;
    for (int i = 0; i < MenuItemCount; ++i)
        items[static_cast<std::size_t>(i)] = DecodeRecord(
            image.subspan(static_cast<std::size_t>(i) * RecordSize).first<RecordSize>());
    return items;
}

std::string Latin1ToUtf8(std::string_view latin1)
{
    std::string out;
    out.reserve(latin1.size() * 2);
    for (const char ch : latin1) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string Utf8ToLatin1(std::string_view utf8)
{
    std::string out;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto cp = NextCodePoint(utf8, pos);
        out += (cp && *cp <= 0xFF) ? static_cast<char>(*cp) : '?';
    }
    return out;
}

bool IsLatin1(std::string_view utf8)
{
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto cp = NextCodePoint(utf8, pos);
        if (!cp || *cp > 0xFF)
            return false;
    }
    return true;
}

std::size_t Utf8Length(std::string_view utf8)
{
    std::size_t count = 0;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        NextCodePoint(utf8, pos);
        ++count;
    }
    return count;
}

std::int32_t CalculateByteSum(int start, int count)
{
    assert(count <= 0 || (start >= 0 && start + count <= FileDataSize));
    return CalculateByteSum(FileData, start, count);
}

void FileDataFromItemMemory(std::int16_t item)
{
    assert(item >= 0 && item < MenuItemCount);
    EncodeRecord(ItemMemory.at(static_cast<std::size_t>(item)),
                 RecordBytes(FileData.data() + item * RecordSize, RecordSize));
}

void FileDataToItemMemory(std::int16_t item)
{
    assert(item >= 0 && item < MenuItemCount);
    ItemMemory.at(static_cast<std::size_t>(item)) =
        DecodeRecord(ConstRecordBytes(FileData.data() + item * RecordSize, RecordSize));
}
