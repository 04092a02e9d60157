#include "Text.h"

#include <algorithm>

namespace {

constexpr std::int32_t Malformed = -1;

// The code point at `pos`, advancing past it; Malformed for a malformed
// sequence, with `pos` then past the bytes that formed its start.
std::int32_t NextCodePoint(std::string_view s, std::size_t& pos)
{
    static constexpr std::int32_t shortest[] = {0, 0x80, 0x800, 0x10000};
    const auto lead = static_cast<unsigned char>(s[pos++]);
    if (lead < 0x80)
        return lead;
    int extra = 0;
    std::int32_t cp = 0;
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
        return Malformed;
    }
    for (int i = 0; i < extra; ++i) {
        if (pos >= s.size())
            return Malformed;
        const auto c = static_cast<unsigned char>(s[pos]);
        if ((c & 0xC0) != 0x80)
            return Malformed;
        cp = (cp << 6) | (c & 0x3F);
        ++pos;
    }
    // A longer form than needed would let "\xC0\x81" pass for 'A' and come
    // back from the file as a different text.
    if (cp < shortest[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return Malformed;
    return cp;
}

// Calls `f` with each code point of `utf8`, or with Malformed and the bytes
// of each malformed sequence.
template <class F> void ForEachCodePoint(std::string_view utf8, F f)
{
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t start = pos;
        const std::int32_t cp = NextCodePoint(utf8, pos);
        f(cp, utf8.substr(start, pos - start));
    }
}

} // namespace

std::vector<std::int32_t> Utf8CodePoints(std::string_view utf8)
{
    std::vector<std::int32_t> out;
    out.reserve(utf8.size());
    ForEachCodePoint(utf8, [&](std::int32_t cp, std::string_view bytes) {
        if (cp != Malformed) {
            out.push_back(cp);
            return;
        }
        for (const char b : bytes)
            out.push_back(-1 - static_cast<unsigned char>(b));
    });
    return out;
}

void AppendUtf8(std::string& out, std::int32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool IsValidUtf8(std::string_view utf8)
{
    bool valid = true;
    ForEachCodePoint(utf8, [&](std::int32_t cp, std::string_view) { valid &= cp != Malformed; });
    return valid;
}

std::size_t Utf8Length(std::string_view utf8)
{
    std::size_t count = 0;
    ForEachCodePoint(utf8, [&](std::int32_t, std::string_view) { ++count; });
    return count;
}

std::string Latin1ToUtf8(std::string_view latin1)
{
    std::string out;
    out.reserve(latin1.size() * 2);
    for (const char c : latin1)
        AppendUtf8(out, static_cast<unsigned char>(c));
    return out;
}

std::string Utf8ToLatin1(std::string_view utf8)
{
    std::string out;
    ForEachCodePoint(utf8, [&](std::int32_t cp, std::string_view) {
        out += (cp != Malformed && cp <= 0xFF) ? static_cast<char>(cp) : '?';
    });
    return out;
}

bool IsLatin1(std::string_view utf8)
{
    bool latin1 = true;
    ForEachCodePoint(
        utf8, [&](std::int32_t cp, std::string_view) { latin1 &= cp != Malformed && cp <= 0xFF; });
    return latin1;
}

bool AllDigits(std::string_view s)
{
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int DigitsValue(std::string_view digits)
{
    int value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

std::string_view Trimmed(std::string_view s, std::string_view blanks)
{
    const auto first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

std::string_view WithoutBom(std::string_view s)
{
    return s.substr(0, Utf8Bom.size()) == Utf8Bom ? s.substr(Utf8Bom.size()) : s;
}
