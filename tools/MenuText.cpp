#include "MenuText.h"

#include "Text.h"

namespace {

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

std::string ChecksumMismatch(ConstRecordBytes record)
{
    return HexByte(record[ChecksumOffset]) + ", expected " + HexByte(RecordChecksum(record));
}

std::string Counted(std::int64_t count, std::string_view noun)
{
    return std::to_string(count) + " " + std::string(noun) + (count == 1 ? "" : "s");
}

std::string SizeMismatch(std::int64_t size)
{
    return Counted(size, "byte") + ", expected " + std::to_string(FileDataSize);
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
