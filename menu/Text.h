// Text as the menu and its tools handle it. Texts are UTF-8 in memory and
// Latin-1 in the menu file; every conversion between the two, and every
// judgement of what a text holds (its characters, digits, blanks, a byte
// order mark), is made here so that the editor, tmrtool and the fuzz checks
// agree on it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

// The code points of `utf8`. Each byte of a malformed sequence (a stray
// continuation byte, a cut-off sequence, an overlong form, a surrogate,
// anything above U+10FFFF) comes out as -1 - byte, so nothing is lost.
std::vector<std::int32_t> Utf8CodePoints(std::string_view utf8);
// `cp` (0 to U+10FFFF) appended to `out` in UTF-8.
void AppendUtf8(std::string& out, std::int32_t cp);
bool IsValidUtf8(std::string_view utf8);
// Characters in `utf8`; a malformed sequence counts as one.
std::size_t Utf8Length(std::string_view utf8);

// Latin-1 bytes to UTF-8 and back. A character with no Latin-1 byte, or a
// malformed UTF-8 sequence, becomes one '?'.
std::string Latin1ToUtf8(std::string_view latin1);
std::string Utf8ToLatin1(std::string_view utf8);
// Whether `utf8` is valid and every character of it has a Latin-1 byte.
bool IsLatin1(std::string_view utf8);

// At least one character, and every one of them 0 to 9.
bool AllDigits(std::string_view s);
// The number that a text of digits writes; for short texts only, as nothing
// is checked.
int DigitsValue(std::string_view digits);
// `s` without the characters of `blanks` at either end.
std::string_view Trimmed(std::string_view s, std::string_view blanks = " ");
// `s` without a UTF-8 byte order mark at its start.
std::string_view WithoutBom(std::string_view s);
