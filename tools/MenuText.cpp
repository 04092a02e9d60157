#include "MenuText.h"

namespace {

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

std::string Escaped(std::string_view utf8, bool quoted)
{
    std::string out;
    if (quoted)
        out += '"';
    for (const std::int32_t cp : Utf8CodePoints(utf8)) {
        if (cp < 0) {
            out += "\\x" + HexByte(static_cast<std::uint8_t>(-1 - cp)).substr(2);
        } else if (cp < 32 || (cp >= 127 && cp < 160)) {
            out += "\\x" + HexByte(static_cast<std::uint8_t>(cp)).substr(2);
        } else if (cp == '\\') {
            out += "\\\\";
        } else if (cp == '"' && quoted) {
            out += "\\\"";
        } else {
            AppendUtf8(out, cp);
        }
    }
    if (quoted)
        out += '"';
    return out;
}

} // namespace

std::string HexByte(std::uint8_t b)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    return {'0', 'x', digits[b >> 4], digits[b & 0x0F]};
}

std::vector<std::int32_t> Utf8CodePoints(std::string_view utf8)
{
    std::vector<std::int32_t> out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[pos]);
        int extra = 0;
        std::int32_t cp = 0;
        std::int32_t least = 0;
        if (lead < 0x80) {
            cp = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
            cp = lead & 0x1F;
            least = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
            cp = lead & 0x0F;
            least = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
            cp = lead & 0x07;
            least = 0x10000;
        } else {
            out.push_back(-1 - lead);
            ++pos;
            continue;
        }
        bool ok = true;
        for (int i = 1; ok && i <= extra; ++i) {
            if (pos + static_cast<std::size_t>(i) >= utf8.size()) {
                ok = false;
                break;
            }
            const auto c = static_cast<unsigned char>(utf8[pos + static_cast<std::size_t>(i)]);
            if ((c & 0xC0) != 0x80)
                ok = false;
            else
                cp = (cp << 6) | (c & 0x3F);
        }
        if (ok && (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)))
            ok = false;
        if (!ok) {
            out.push_back(-1 - lead);
            ++pos;
            continue;
        }
        out.push_back(cp);
        pos += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

bool IsValidUtf8(std::string_view utf8)
{
    for (const std::int32_t cp : Utf8CodePoints(utf8))
        if (cp < 0)
            return false;
    return true;
}

std::string EscapeControls(std::string_view utf8)
{
    return Escaped(utf8, false);
}

std::string QuoteText(std::string_view utf8)
{
    return Escaped(utf8, true);
}

std::string Paint(std::string_view text, std::string_view colour, bool on)
{
    if (!on)
        return std::string(text);
    std::string out;
    out.reserve(text.size() + colour.size() + Ansi::Reset.size());
    out += colour;
    out += text;
    out += Ansi::Reset;
    return out;
}
