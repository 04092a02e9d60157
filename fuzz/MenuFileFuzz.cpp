// Any file, of any length, through the reader, the decoder and back through
// the encoder.
#include "FuzzCheck.h"

#include "Global_data.h"
#include "MenuFileAccess.h"
#include "MenuFileFormat.h"
#include "Text.h"
#include "TimeValues.h"

#include <QString>

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace {

// One file in memory for the whole run, rewritten for each input: no disk to
// wear and nothing left behind. The reader reaches it by an ordinary path.
struct MemoryFile {
    int fd = -1;
    QString path;

    MemoryFile()
    {
        fd = memfd_create("menu.tmr", 0);
        FUZZ_CHECK(fd >= 0);
        path = QStringLiteral("/proc/self/fd/%1").arg(fd);
    }

    void Put(const std::uint8_t* data, std::size_t size) const
    {
        FUZZ_CHECK(ftruncate(fd, 0) == 0);
        std::size_t done = 0;
        while (done < size) {
            const ssize_t n = pwrite(fd, data + done, size - done, static_cast<off_t>(done));
            FUZZ_CHECK(n > 0);
            done += static_cast<std::size_t>(n);
        }
    }
};

// m:ss with minutes in decimal without leading zeros and seconds 00 to 59.
bool IsCanonicalTime(const std::string& t)
{
    const auto colon = t.find(':');
    if (colon == std::string::npos || colon == 0 || t.size() != colon + 3)
        return false;
    for (std::size_t k = 0; k < t.size(); ++k)
        if (k != colon && (t[k] < '0' || t[k] > '9'))
            return false;
    return (colon == 1 || t[0] != '0') && t[colon + 1] <= '5';
}

void CheckTime(const std::string& text, int seconds, const char* zero)
{
    if (seconds == 0) {
        FUZZ_CHECK(text == zero);
        return;
    }
    FUZZ_CHECK(IsCanonicalTime(text));
    FUZZ_CHECK(CalculateTimeInSeconds(text) == seconds);
}

void CheckCodec(const MenuImage& bytes)
{
    const MenuItems items = DecodeMenu(bytes);

    // Encoding what was decoded, byte 190 left alone.
    MenuImage again;
    again.fill(0xEE);
    const auto reserved = static_cast<std::uint8_t>(~bytes[ReservedByteIndex]);
    again[ReservedByteIndex] = reserved;
    EncodeMenu(items, again);
    FUZZ_CHECK(again[ReservedByteIndex] == reserved);
    FUZZ_CHECK(DecodeMenu(again) == items);

    for (int i = 0; i < MenuItemCount; ++i) {
        const ConstRecordBytes rec = RecordAt(bytes, i);
        const ConstRecordBytes out = RecordAt(again, i);
        const MenuItem& item = items[static_cast<std::size_t>(i)];

        // Alone on the heap, a record has no neighbour to hide a stray access.
        const std::unique_ptr<std::uint8_t[]> alone(new std::uint8_t[RecordSize]);
        std::copy(rec.begin(), rec.end(), alone.get());
        FUZZ_CHECK(item == DecodeRecord(ConstRecordBytes(alone.get(), RecordSize)));
        std::fill_n(alone.get(), RecordSize, std::uint8_t{0xEE});
        EncodeRecord(item, RecordBytes(alone.get(), RecordSize));
        FUZZ_CHECK(std::equal(out.begin(), out.end(), alone.get()));

        // Every byte of a name is a character; only spaces at the edges go.
        const std::string_view raw = RawName(rec);
        const std::string_view name = Trimmed(raw);
        FUZZ_CHECK(IsWellFormedUtf8(item.Name));
        FUZZ_CHECK(IsLatin1(item.Name));
        FUZZ_CHECK(Utf8ToLatin1(item.Name) == name);

        // Any two bytes are a time whose text reads back as the same seconds.
        CheckTime(item.Cook, TimeSecondsAt(rec, CookOffset), "");
        CheckTime(item.Duty, TimeSecondsAt(rec, DutyOffset), "0:00");
        CheckTime(item.Hold, TimeSecondsAt(rec, HoldOffset), "0:00");
        FUZZ_CHECK(item.Comp == rec[CompOffset]);

        // Encoded again: checksum right, byte 11 zero, times and compensation
        // unchanged, the name left-aligned and padded with spaces.
        FUZZ_CHECK(ChecksumMatches(out));
        FUZZ_CHECK(out[ReservedOffset] == 0);
        FUZZ_CHECK(std::equal(rec.begin() + CookOffset, rec.end(), out.begin() + CookOffset));
        for (int k = 0; k < NameLength; ++k)
            FUZZ_CHECK(out[NameOffset + k] == (k < static_cast<int>(name.size())
                                                   ? static_cast<std::uint8_t>(name[k])
                                                   : std::uint8_t{' '}));
        // A record the encoder could have written comes back byte for byte.
        const bool encoderShaped =
            ChecksumMatches(rec) && rec[ReservedOffset] == 0 && (raw[0] != ' ' || name.empty());
        if (encoderShaped)
            FUZZ_CHECK(std::equal(rec.begin(), rec.end(), out.begin()));
    }

    // The editor's record procedures over the process-wide state agree.
    FileData = bytes;
    for (std::int16_t i = 0; i < MenuItemCount; ++i) {
        ClearItemMemory(i);
        FileDataToItemMemory(i);
    }
    FUZZ_CHECK(ItemMemory == items);
    FileData[ReservedByteIndex] = reserved;
    for (std::int16_t i = 0; i < MenuItemCount; ++i)
        FileDataFromItemMemory(i);
    FUZZ_CHECK(FileData == again);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const MemoryFile file;
    file.Put(data, size);

    // A short file is refused and changes nothing; a long one gives its
    // first 191 bytes.
    MenuImage image;
    image.fill(0xA5);
    const Result<> got = ReadMenuFile(file.path, image);
    if (size >= static_cast<std::size_t>(FileDataSize)) {
        FUZZ_CHECK(got.ok());
        FUZZ_CHECK(std::equal(image.begin(), image.end(), data));
    } else {
        FUZZ_CHECK(!got.ok());
        FUZZ_CHECK(!got.failure().reason.empty());
        FUZZ_CHECK(
            std::all_of(image.begin(), image.end(), [](std::uint8_t b) { return b == 0xA5; }));
    }

    // Whatever the reader said, the bytes there are go through the codec, the
    // rest of the image zero as after a fresh start.
    MenuImage bytes{};
    std::copy_n(data, std::min(size, bytes.size()), bytes.begin());
    CheckCodec(bytes);
    return 0;
}
