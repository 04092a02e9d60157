// Any text, as typed or pasted into a field: the time conversions, the entry
// rules, the Latin-1 conversions, and what the encoder makes of the result.
#include "FuzzCheck.h"

#include "EntryRules.h"
#include "MenuFileFormat.h"
#include "Text.h"
#include "TimeValues.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

void CheckLatin1(std::string_view text)
{
    // Latin-1 bytes always make well-formed UTF-8 and come back unchanged.
    const std::string utf8 = Latin1ToUtf8(text);
    FUZZ_CHECK(IsWellFormedUtf8(utf8));
    FUZZ_CHECK(IsLatin1(utf8));
    FUZZ_CHECK(Utf8Length(utf8) == text.size());
    FUZZ_CHECK(Utf8ToLatin1(utf8) == text);

    // One byte per character; only text of Latin-1 characters comes back
    // unchanged, anything else leaves a '?' where it was.
    const std::string latin1 = Utf8ToLatin1(text);
    FUZZ_CHECK(latin1.size() == Utf8Length(text));
    FUZZ_CHECK((Latin1ToUtf8(latin1) == text) == IsLatin1(text));
    if (IsLatin1(text))
        FUZZ_CHECK(IsWellFormedUtf8(text));
}

void CheckTime(std::string_view text)
{
    const std::int32_t seconds = CalculateTimeInSeconds(text);
    if (text.find(':') == std::string_view::npos)
        FUZZ_CHECK(seconds == 0);
    if (!ValidateItemEntry_Time(text))
        return;

    // m:ss or mm:ss of digits, at most 99:59, and its canonical text reads
    // back as the same seconds and passes again.
    FUZZ_CHECK(text.size() == 4 || text.size() == 5);
    const std::size_t colon = text.size() - 3;
    for (std::size_t k = 0; k < text.size(); ++k)
        FUZZ_CHECK(k == colon ? text[k] == ':' : (text[k] >= '0' && text[k] <= '9'));
    const int minutes = DigitsValue(text.substr(0, colon));
    const int secs = DigitsValue(text.substr(colon + 1));
    FUZZ_CHECK(secs <= 59);
    FUZZ_CHECK(seconds == minutes * 60 + secs);
    FUZZ_CHECK(seconds >= 0 && seconds <= 5999);

    const std::string canonical = CalculateTimeAsString(static_cast<std::uint8_t>(seconds >> 8),
                                                        static_cast<std::uint8_t>(seconds & 0xFF));
    const std::string expected = std::to_string(minutes) + ':' +
                                 static_cast<char>('0' + secs / 10) +
                                 static_cast<char>('0' + secs % 10);
    FUZZ_CHECK(canonical == expected);
    FUZZ_CHECK(CalculateTimeInSeconds(canonical) == seconds);
    FUZZ_CHECK(ValidateItemEntry_Time(canonical));

    // A valid time is stored as exactly its seconds.
    std::array<std::uint8_t, RecordSize> record{};
    EncodeRecord(MenuItem{"X", std::string(text), std::string(text), std::string(text), 1}, record);
    for (int at : {CookOffset, DutyOffset, HoldOffset})
        FUZZ_CHECK(TimeSecondsAt(record, at) == seconds);
}

void CheckName(std::string_view text)
{
    if (!ValidateItemEntry_Name(text))
        return;
    // A valid name fits the file and comes back from it, trimmed of spaces.
    FUZZ_CHECK(IsLatin1(text));
    const std::size_t length = Utf8Length(text);
    FUZZ_CHECK(length >= 1 && length <= 10);
    std::array<std::uint8_t, RecordSize> record{};
    EncodeRecord(MenuItem{std::string(text), "1:00", "0:30", "0:00", 0}, record);
    const MenuItem back = DecodeRecord(record);
    FUZZ_CHECK(Utf8ToLatin1(back.Name) == Trimmed(Utf8ToLatin1(text)));
    FUZZ_CHECK(Latin1ToUtf8(Utf8ToLatin1(back.Name)) == back.Name);
}

// Whatever reaches the encoder, valid or not, gives a sound record: the
// checksum right, byte 11 zero, times clamped to what two bytes hold.
void CheckEncoder(std::string_view text, std::int16_t comp)
{
    std::array<std::uint8_t, RecordSize> record;
    record.fill(0xEE);
    const std::string t(text);
    EncodeRecord(MenuItem{t, t, t, t, comp}, record);
    FUZZ_CHECK(ChecksumMatches(record));
    FUZZ_CHECK(record[ReservedOffset] == 0);
    const std::int32_t seconds =
        std::clamp<std::int32_t>(CalculateTimeInSeconds(t.empty() ? "0:00" : t), 0, 65535);
    for (int at : {CookOffset, DutyOffset, HoldOffset})
        FUZZ_CHECK(TimeSecondsAt(record, at) == seconds);
    FUZZ_CHECK(record[CompOffset] == static_cast<std::uint8_t>(comp));
    const std::string latin1 = Utf8ToLatin1(t);
    for (std::size_t k = 0; k < static_cast<std::size_t>(NameLength); ++k)
        FUZZ_CHECK(record[NameOffset + k] ==
                   (k < latin1.size() ? static_cast<std::uint8_t>(latin1[k]) : std::uint8_t{' '}));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckLatin1(text);
    CheckTime(text);
    CheckName(text);
    const auto comp = static_cast<std::int16_t>(size == 0 ? 0 : data[0] | (data[size - 1] << 8));
    CheckEncoder(text, comp);
    return 0;
}
