// Moving the 191-byte menu image between memory and a file, in one piece.
//
// Reading never creates a file and changes nothing unless all 191 bytes were
// read. Writing goes through a temporary file in the same folder that replaces
// the target in one step, so a failure at any point leaves the old file as it
// was, and the result is always exactly 191 bytes.
#pragma once

#include "Global_data.h"

#include <QString>

#include <cstdint>
#include <span>

struct FileResult {
    bool ok = false;
    QString error; // the system's reason when !ok
};

FileResult ReadMenuFile(const QString& path, std::span<std::uint8_t, FileDataSize> image);
FileResult WriteMenuFile(const QString& path, std::span<const std::uint8_t, FileDataSize> image);

// A seam for tests: make the next writes fail at one stage, as a full disk or
// a vanished folder would.
enum class WriteFault { None, Open, Write, Flush, Commit };
void SetWriteFaultForTesting(WriteFault fault);
