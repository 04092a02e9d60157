// The menu file: 191 bytes, no header. Ten 19-byte records, then one reserved
// byte that the encoder never writes.
//
// Record: checksum(1) name(10) reserved(1) cook(2) shake(2) hold(2) comp(1),
// times in whole seconds, big-endian. The checksum is the low 8 bits of the
// sum of bytes 1 to 18. Names are Latin-1, padded with spaces.
#pragma once

#include "Global_data.h"
#include "MenuItem.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

inline constexpr int ReservedByteIndex = FileDataSize - 1;
inline constexpr int NameLength = 10;

using RecordBytes = std::span<std::uint8_t, RecordSize>;
using ConstRecordBytes = std::span<const std::uint8_t, RecordSize>;

// The four bytes of `start`, b3 the highest.
void SplitLongIntoBytes(std::int32_t start, std::uint8_t& b3, std::uint8_t& b2, std::uint8_t& b1,
                        std::uint8_t& b0);

// Sum of `count` bytes of `data` from `start` on; 0 when count <= 0.
std::int32_t CalculateByteSum(std::span<const std::uint8_t> data, int start, int count);

// The checksum a record should carry, from its bytes 1 to 18.
std::uint8_t RecordChecksum(ConstRecordBytes record);

void EncodeRecord(const MenuItem& item, RecordBytes record);
MenuItem DecodeRecord(ConstRecordBytes record);

// Encodes all ten items into bytes 0 to 189 of `image`; byte 190 is left alone.
void EncodeMenu(const MenuItems& items, std::span<std::uint8_t, FileDataSize> image);
MenuItems DecodeMenu(std::span<const std::uint8_t, FileDataSize> image);

// Latin-1 bytes to UTF-8 and back. A character with no Latin-1 byte, or a
// malformed UTF-8 sequence, becomes '?'.
std::string Latin1ToUtf8(std::string_view latin1);
std::string Utf8ToLatin1(std::string_view utf8);
// Whether every character of `utf8` has a Latin-1 byte.
bool IsLatin1(std::string_view utf8);
// Number of characters (code points) in `utf8`.
std::size_t Utf8Length(std::string_view utf8);

// The named procedures over the process-wide ItemMemory and FileData.
std::int32_t CalculateByteSum(int start, int count);
void FileDataFromItemMemory(std::int16_t item);
void FileDataToItemMemory(std::int16_t item);
