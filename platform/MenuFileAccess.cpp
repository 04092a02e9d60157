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

MenuFileBytes ReadMenuBytes(const QString& path)
{
    MenuFileBytes r;
    // Check first: a folder opens for reading on some systems and then reads
    // as nothing, which should say what it is.
    const QFileInfo info(path);
    if (info.isDir()) {
        r.error = QStringLiteral("Is a directory");
        return r;
    }
    // A pipe would wait for a writer, for ever if none comes, and a device is
    // no menu.
    if (info.exists() && !info.isFile()) {
        r.error = QStringLiteral("Not a regular file");
        return r;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        r.error = file.errorString();
        return r;
    }
    r.head.resize(FileDataSize);
    qint64 got = 0;
    while (got < FileDataSize) {
        const qint64 n =
            file.read(reinterpret_cast<char*>(r.head.data()) + got, FileDataSize - got);
        if (n < 0) {
            r.error = file.errorString();
            return r;
        }
        if (n == 0)
            break;
        got += n;
    }
    r.head.resize(static_cast<std::size_t>(got));
    r.size = std::max(file.size(), got);
    r.ok = true;
    return r;
}

FileResult ReadMenuFile(const QString& path, std::span<std::uint8_t, FileDataSize> image)
{
    const MenuFileBytes r = ReadMenuBytes(path);
    if (!r.ok)
        return Failure(r.error);
    if (r.head.size() < static_cast<std::size_t>(FileDataSize))
        return Failure(
            QStringLiteral("File is %1 bytes, a menu is %2").arg(r.size).arg(FileDataSize));
    std::copy(r.head.begin(), r.head.end(), image.begin());
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
