// How two menus differ, field by field, as the editor decodes them; and, so
// that two files are the same only when every byte is, the bytes that
// decoding hides: byte 11, blanks before a name, a checksum that does not
// match, the reserved byte 190.
#pragma once

#include "MenuItem.h"

#include <QJsonValue>

#include <span>
#include <string>
#include <vector>

struct MenuDifference {
    int item = 0; // 1 to 10, or 0 for the file as a whole
    std::string field;
    std::string from, to; // as a person reads them: names quoted, bytes in hex
    // As scripts read them: names and times as strings ("m:ss", a zero cook
    // time ""), the compensation and bytes as numbers.
    QJsonValue fromValue, toValue;
};

// Empty exactly when the two images are the same byte for byte.
std::vector<MenuDifference> DiffMenus(std::span<const std::uint8_t, FileDataSize> a,
                                      std::span<const std::uint8_t, FileDataSize> b);

// "item 3 cook: 3:05 -> 3:10", the two values in red and green when `coloured`.
std::string FormatDifference(const MenuDifference& difference, bool coloured);
