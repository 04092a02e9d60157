// Small text helpers for tmrtool's messages: how bytes, names and other
// values read when a person has to see exactly what a file or input holds.
#pragma once

#include "MenuFileFormat.h"

#include <cstdint>
#include <string>
#include <string_view>

// "0x91", two upper-case hex digits.
std::string HexByte(std::uint8_t b);

// "0x12, expected 0x91": the checksum a record holds and the one it should.
std::string ChecksumMismatch(ConstRecordBytes record);
// "1 file", "2 files": `count` and the noun, with an s unless it is one.
std::string Counted(std::int64_t count, std::string_view noun);

// "190 bytes, expected 191": the length a file has and the one a menu has.
std::string SizeMismatch(std::int64_t size);

// `utf8` with control characters (0-31, 127-159) and invalid bytes written as
// \xHH, backslashes doubled, so that a terminal shows what is there.
std::string EscapeControls(std::string_view utf8);
// The same inside double quotes, with \" for a quote.
std::string QuoteText(std::string_view utf8);

// Terminal colours, used only when standard output is a terminal.
namespace Ansi {
inline constexpr std::string_view Red = "\033[31m";
inline constexpr std::string_view Green = "\033[32m";
inline constexpr std::string_view Yellow = "\033[33m";
inline constexpr std::string_view Bold = "\033[1m";
inline constexpr std::string_view Reset = "\033[0m";
} // namespace Ansi

// `text` wrapped in `colour` when `on`, else as it is.
std::string Paint(std::string_view text, std::string_view colour, bool on);
