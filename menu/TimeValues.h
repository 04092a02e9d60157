// Durations: m:ss text in the store and the fields, whole seconds (0 to 65535)
// in the file, two bytes high byte first.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// "m:ss" for msb * 256 + lsb seconds; minutes without leading zeros.
std::string CalculateTimeAsString(std::uint8_t msb, std::uint8_t lsb);

// Minutes before the first colon times 60 plus the seconds after it. No range
// check: "0:75" is 75 and "-1:30" is -30. Text that is not of that shape
// (no colon, an empty or non-numeric part, a value beyond 32 bits) gives 0.
std::int32_t CalculateTimeInSeconds(std::string_view time);
