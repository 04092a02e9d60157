// Looking at a menu file as it is on disk, whatever its length: finding what
// is wrong with it (problems) or what the editor could not have written
// (warnings).
#pragma once

#include "MenuItem.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct Finding {
    int item = 0; // 1 to 10, or 0 for the file as a whole
    bool warning = false;
    std::string text;
};

// Problems: a size other than 191 bytes, a record whose checksum does not
// match. Warnings: byte 11 not 0, a compensation other than 0 or 1, a name
// byte outside 32 to 95, a shake time longer than the cook time. Only the
// whole records within `head` are looked at.
std::vector<Finding> CheckMenuBytes(std::span<const std::uint8_t> head, std::int64_t size);

// "MENU0001.tmr: item 3: checksum 0x12, expected 0x91"
std::string FormatFinding(const std::string& file, const Finding& finding);

// The records of `head` that are whole, at most ten.
int WholeRecords(std::span<const std::uint8_t> head);
