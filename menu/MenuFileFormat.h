// The menu file: 191 bytes, no header. Ten 19-byte records, then one reserved
// byte that the encoder never writes.
//
// Record: checksum(1) name(10) reserved(1) cook(2) shake(2) hold(2) comp(1),
// times in whole seconds, big-endian. The checksum is the low 8 bits of the
// sum of bytes 1 to 18. Names are Latin-1, padded with spaces.
#pragma once

#include "MenuItem.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

inline constexpr int ChecksumOffset = 0;
inline constexpr int NameOffset = 1;
inline constexpr int NameLength = 10;
inline constexpr int ReservedOffset = 11;
inline constexpr int CookOffset = 12;
inline constexpr int DutyOffset = 14;
inline constexpr int HoldOffset = 16;
inline constexpr int CompOffset = 18;
inline constexpr int ReservedByteIndex = FileDataSize - 1;

using RecordBytes = std::span<std::uint8_t, RecordSize>;
using ConstRecordBytes = std::span<const std::uint8_t, RecordSize>;

// Record `i` (0 to 9) of an image; `image` may be any length that holds it.
ConstRecordBytes RecordAt(std::span<const std::uint8_t> image, int i);
RecordBytes RecordAt(MenuImage& image, int i);

// The four bytes of `start`, b3 the highest.
void SplitLongIntoBytes(std::int32_t start, std::uint8_t& b3, std::uint8_t& b2, std::uint8_t& b1,
                        std::uint8_t& b0);

// Sum of `count` bytes of `data` from `start` on; 0 when count <= 0.
std::int32_t CalculateByteSum(std::span<const std::uint8_t> data, int start, int count);

// The checksum a record should carry, from its bytes 1 to 18.
std::uint8_t RecordChecksum(ConstRecordBytes record);
bool ChecksumMatches(ConstRecordBytes record);

// The ten Latin-1 name bytes of a record, blanks included.
std::string_view RawName(ConstRecordBytes record);
// The seconds held by the two bytes of the time field at `offset`.
int TimeSecondsAt(ConstRecordBytes record, int offset);

void EncodeRecord(const MenuItem& item, RecordBytes record);
MenuItem DecodeRecord(ConstRecordBytes record);

// Encodes all ten items into bytes 0 to 189 of `image`; byte 190 is left alone.
void EncodeMenu(const MenuItems& items, std::span<std::uint8_t, FileDataSize> image);
MenuItems DecodeMenu(std::span<const std::uint8_t, FileDataSize> image);
