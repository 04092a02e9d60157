// The menu in memory: ten items, each a name, three times as m:ss text and a
// compensation value. Texts are UTF-8; the file holds names as Latin-1 bytes.
#pragma once

#include <array>
#include <cstdint>
#include <string>

// Booleans that the editor keeps in variables are 16-bit integers.
using Flag = std::int16_t;
inline constexpr Flag FlagTrue = -1;
inline constexpr Flag FlagFalse = 0;

inline constexpr int MenuItemCount = 10;
inline constexpr int RecordSize = 19;
// Ten records and one reserved byte: indexes 0 to 190.
inline constexpr int FileDataSize = MenuItemCount * RecordSize + 1;

struct MenuItem {
    std::string Name; // "" marks an empty slot
    std::string Cook; // cook time, m:ss or ""
    std::string Duty; // shake time, m:ss or ""
    std::string Hold; // hold time, m:ss or ""
    std::int16_t Comp = 0;

    friend bool operator==(const MenuItem&, const MenuItem&) = default;
};

// The whole menu, and the byte image of a menu file.
using MenuItems = std::array<MenuItem, MenuItemCount>;
using MenuImage = std::array<std::uint8_t, FileDataSize>;
