// Moving the 191-byte menu image between memory and a file, in one piece.
//
// Reading takes regular files only: a folder, a pipe (which would wait for a
// writer) or a device (no menu) is refused with a reason. It never creates a
// file, and ReadMenuFile changes nothing unless all 191 bytes were read. Writing goes through a
// temporary file in the same folder that replaces the target in one step, so a failure at any point
// leaves the old file as it was, and the result is always exactly 191 bytes.
#pragma once

#include "MenuItem.h"

#include <QString>

#include <cstdint>
#include <span>
#include <vector>

struct FileResult {
    bool ok = false;
    QString error; // the system's reason when !ok
};

// A file as it is on disk, whatever its length: its first bytes and its size.
struct MenuFileBytes {
    bool ok = false;
    QString error;                  // the system's reason when !ok
    qint64 size = 0;                // the file's length
    std::vector<std::uint8_t> head; // its first bytes, at most FileDataSize
};
MenuFileBytes ReadMenuBytes(const QString& path);

// The first 191 bytes of a file that holds at least that many.
FileResult ReadMenuFile(const QString& path, std::span<std::uint8_t, FileDataSize> image);
FileResult WriteMenuFile(const QString& path, std::span<const std::uint8_t, FileDataSize> image);

// A seam for tests: make the next writes fail at one stage, as a full disk or
// a vanished folder would.
enum class WriteFault { None, Open, Write, Flush, Commit };
void SetWriteFaultForTesting(WriteFault fault);
