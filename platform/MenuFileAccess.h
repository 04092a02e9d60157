// Moving the 191-byte menu image between memory and a file, in one piece.
//
// Reading takes regular files only: a folder, a pipe (which would wait for a
// writer) or a device (no menu) is refused with a reason. It never creates a
// file, and ReadMenuFile changes nothing unless all 191 bytes were read.
// Writing goes through a temporary file in the same folder that replaces the
// target in one step, so a failure at any point leaves the old file as it
// was, and the result is always exactly 191 bytes.
// Once the new file is in place its folder is flushed too, so the new entry
// is on the disk (or the stick) when the write reports success.
#pragma once

#include "MenuItem.h"
#include "StringBridge.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <span>
#include <vector>

struct FileResult {
    bool ok = false;
    QString error; // the system's reason when !ok
};

class QSaveFile;

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

// The steps of a write, each of which can fail with the system's reason.
// The real steps act on the QSaveFile; tests put others in their place to
// make a step fail, as a full disk or a vanished folder would, or to watch
// the order of the steps.

class WriteSteps
{
public:
    virtual ~WriteSteps() = default;
    virtual Result<> Open(QSaveFile& file);
    virtual Result<> Write(QSaveFile& file, const QByteArray& bytes);
    virtual Result<> Flush(QSaveFile& file);
    // Renames the finished file into place.
    virtual Result<> Commit(QSaveFile& file);
    // Makes the folder's new entry durable: a stick pulled right after the
    // rename must hold the new file, not the old one or none.
    virtual Result<> SyncFolder(const QString& folder);
};

// The steps that WriteMenuFile takes from now on; nullptr restores the real
// ones. The caller keeps ownership.
void SetWriteSteps(WriteSteps* steps);
