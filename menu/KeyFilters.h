// Per-keystroke filters: each takes the code of a typed character and gives
// the code to insert instead, or 0 to discard the keystroke. Codes are those of
// the single-byte code page (Latin-1); a character beyond it arrives as a code
// above 255 and is never admitted.
#pragma once

#include <cstdint>

inline constexpr std::int16_t KeyBackspace = 8;
inline constexpr std::int16_t KeyEnter = 13;
inline constexpr std::int16_t KeyDelete = 127;

// Upper-cases the character and admits codes 32 to 95; backspace and 127
// always pass, Enter only with allowEnter.
std::int16_t StandardizeKeyText(std::int16_t key, bool allowEnter);

// Digits, backspace and 127; the minus sign with allowMinus, the decimal point
// unless integerOnly.
std::int16_t StandardizeKeyNumber(std::int16_t key, bool allowMinus, bool integerOnly);

// What may be typed into a file name: printable codes 32 to 127 except the nine
// characters that file names may not hold; backspace passes.
std::int16_t StandardizeKeyFilename(std::int16_t key);
