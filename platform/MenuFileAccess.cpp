#include "MenuFileAccess.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace {

WriteFault injectedFault = WriteFault::None;

FileResult Failure(QString reason)
{
    return {false, std::move(reason)};
}

} // namespace

void SetWriteFaultForTesting(WriteFault fault)
{
    injectedFault = fault;
}

FileResult ReadMenuFile(const QString& path, std::span<std::uint8_t, FileDataSize> image)
{
    // Check first: a folder opens for reading on some systems and then reads
    // as nothing, which should say what it is.
    const QFileInfo info(path);
    if (info.isDir())
        return Failure(QStringLiteral("Is a directory"));
    if (!info.exists())
        return Failure(QStringLiteral("No such file"));
    // A pipe would wait for a writer, for ever if none comes, and a device is
    // no menu.
    if (!info.isFile())
        return Failure(QStringLiteral("Not a regular file"));

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return Failure(file.errorString());
    MenuImage buffer{};
    const qint64 got = file.read(reinterpret_cast<char*>(buffer.data()), FileDataSize);
    if (got < 0)
        return Failure(file.errorString());
    if (got < FileDataSize)
        return Failure(QStringLiteral("File is %1 bytes, a menu is %2").arg(got).arg(FileDataSize));
    std::copy(buffer.begin(), buffer.end(), image.begin());
    return {true, {}};
}

FileResult WriteMenuFile(const QString& path, std::span<const std::uint8_t, FileDataSize> image)
{
    const QFileInfo info(path);
    if (info.isDir())
        return Failure(QStringLiteral("Is a directory"));

    QSaveFile file(path);
    // Writing to the target directly, as QSaveFile falls back to when it may
    // not create a file beside it, would break the promise above.
    file.setDirectWriteFallback(false);
    if (injectedFault == WriteFault::Open || !file.open(QIODevice::WriteOnly))
        return Failure(injectedFault == WriteFault::Open ? QStringLiteral("Injected open failure")
                                                         : file.errorString());
    const qint64 written = file.write(reinterpret_cast<const char*>(image.data()), FileDataSize);
    if (injectedFault == WriteFault::Write || written != FileDataSize) {
        file.cancelWriting();
        return Failure(injectedFault == WriteFault::Write
                           ? QStringLiteral("No space left on device")
                           : file.errorString());
    }
    if (injectedFault == WriteFault::Flush || !file.flush()) {
        file.cancelWriting();
        return Failure(injectedFault == WriteFault::Flush
                           ? QStringLiteral("No space left on device")
                           : file.errorString());
    }
    if (injectedFault == WriteFault::Commit) {
        file.cancelWriting();
        file.commit();
        return Failure(QStringLiteral("Injected rename failure"));
    }
    if (!file.commit())
        return Failure(file.errorString());
    return {true, {}};
}
