// Any run of keystrokes, of any 16-bit code, through the three keystroke
// filters as the fields apply them, and what the typed texts then give.
#include "FuzzCheck.h"

#include "EntryRules.h"
#include "KeyFilters.h"
#include "MenuFileFormat.h"
#include "TimeValues.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

bool IsForbiddenInFileName(int c)
{
    return std::string_view("\\/:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos;
}

void CheckFilters(std::int16_t key, bool flagA, bool flagB)
{
    const int k = key;

    const int text = StandardizeKeyText(key, flagA);
    FUZZ_CHECK(text == 0 || (text >= 32 && text <= 95) || text == KeyBackspace ||
               text == KeyDelete || (text == KeyEnter && flagA));
    if (k >= 32 && k <= 95)
        FUZZ_CHECK(text == k);
    if (k >= 'a' && k <= 'z')
        FUZZ_CHECK(text == k - 32);
    if (k < 0 || k > 255)
        FUZZ_CHECK(text == 0);
    if (text == KeyEnter || text == KeyBackspace || text == KeyDelete)
        FUZZ_CHECK(text == k);

    const int number = StandardizeKeyNumber(key, flagA, flagB);
    FUZZ_CHECK(number == 0 || number == k);
    FUZZ_CHECK(number == 0 || (number >= '0' && number <= '9') || number == KeyBackspace ||
               number == KeyDelete || (number == '-' && flagA) || (number == '.' && !flagB));
    if (k >= '0' && k <= '9')
        FUZZ_CHECK(number == k);

    const int name = StandardizeKeyFilename(key);
    FUZZ_CHECK(name == 0 || name == k);
    FUZZ_CHECK(name == 0 || name == KeyBackspace ||
               (name >= 32 && name <= 127 && !IsForbiddenInFileName(name)));
    if (k >= 32 && k <= 127 && !IsForbiddenInFileName(k))
        FUZZ_CHECK(name == k);
}

// A field as the keystrokes leave it, typing at the end: backspace removes
// the last character, 127 (delete at the end) and 0 change nothing.
void Type(std::string& field, int code)
{
    if (code == KeyBackspace) {
        if (!field.empty())
            field.pop_back();
    } else if (code != 0 && code != KeyDelete) {
        field += static_cast<char>(code);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Three bytes a keystroke: the code, little-endian, and the flags.
    std::string nameField, timeField, fileField;
    for (std::size_t i = 0; i + 3 <= size; i += 3) {
        const auto key = static_cast<std::int16_t>(data[i] | (data[i + 1] << 8));
        const std::uint8_t flags = data[i + 2];
        CheckFilters(key, (flags & 1) != 0, (flags & 2) != 0);

        // The fields of the editor and the chooser, as their handlers filter.
        Type(nameField, StandardizeKeyText(key, false));
        Type(timeField, key == ':' ? key : StandardizeKeyNumber(key, false, true));
        Type(fileField, StandardizeKeyFilename(key));
    }

    // Typed names hold codes 32 to 95 only; valid ones go through the file.
    for (const char c : nameField)
        FUZZ_CHECK(c >= 32 && c <= 95);
    if (ValidateItemEntry_Name(nameField)) {
        FUZZ_CHECK(nameField.size() >= 1 && nameField.size() <= 10);
        std::array<std::uint8_t, RecordSize> record{};
        EncodeRecord(MenuItem{nameField, "1:00", "0:00", "0:00", 1}, record);
        std::string_view trimmed = nameField;
        trimmed.remove_prefix(std::min(trimmed.find_first_not_of(' '), trimmed.size()));
        trimmed.remove_suffix(trimmed.size() - (trimmed.find_last_not_of(' ') + 1));
        FUZZ_CHECK(DecodeRecord(record).Name == trimmed);
    } else {
        FUZZ_CHECK(nameField.empty() || nameField.size() > 10);
    }

    // Typed times hold digits and colons only, so a valid one is never
    // negative and never above 99:59.
    for (const char c : timeField)
        FUZZ_CHECK(c == ':' || (c >= '0' && c <= '9'));
    if (ValidateItemEntry_Time(timeField)) {
        const std::int32_t seconds = CalculateTimeInSeconds(timeField);
        FUZZ_CHECK(seconds >= 0 && seconds <= 5999);
    }

    for (const char c : fileField) {
        const auto u = static_cast<unsigned char>(c);
        FUZZ_CHECK(u >= 32 && u <= 127 && !IsForbiddenInFileName(u));
    }
    return 0;
}
