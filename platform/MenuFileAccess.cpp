#include "MenuFileAccess.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

WriteSteps realSteps;
WriteSteps* activeSteps = &realSteps;

// Only the POSIX folder flush asks for it.
[[maybe_unused]] QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

FileResult FileFailure(QString reason)
{
    return {false, std::move(reason)};
}

FileResult FileFailure(const Result<>& step)
{
    return FileFailure(ToQString(step.failure().reason));
}

} // namespace

Result<> WriteSteps::Open(QSaveFile& file)
{
    if (file.open(QIODevice::WriteOnly))
        return {};
    return Failed(file.errorString());
}

Result<> WriteSteps::Write(QSaveFile& file, const QByteArray& bytes)
{
    if (file.write(bytes) == bytes.size())
        return {};
    return Failed(file.errorString());
}

Result<> WriteSteps::Flush(QSaveFile& file)
{
    if (file.flush())
        return {};
    return Failed(file.errorString());
}

Result<> WriteSteps::Commit(QSaveFile& file)
{
    // commit() syncs the file's data before it renames the file into place.
    if (file.commit())
        return {};
    return Failed(file.errorString());
}

Result<> WriteSteps::SyncFolder([[maybe_unused]] const QString& folder)
{
#ifdef Q_OS_WIN
    // NTFS and FAT on Windows keep a renamed entry with the file's own flush.
    return {};
#else
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        // A folder that may be written but not read cannot be opened to be
        // flushed; the file's own data is on the disk already.
        if (errno == EACCES || errno == EPERM)
            return {};
        return Failed(SystemReason(errno));
    }
    const int status = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    // Some file systems have nothing to flush for a folder and say so.
    if (status == 0 || error == EINVAL || error == ENOTSUP || error == ENOSYS)
        return {};
    return Failed(SystemReason(error));
#endif
}

void SetWriteSteps(WriteSteps* steps)
{
    activeSteps = steps ? steps : &realSteps;
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
        return FileFailure(r.error);
    if (r.head.size() < static_cast<std::size_t>(FileDataSize))
        return FileFailure(
            QStringLiteral("File is %1 bytes, a menu is %2").arg(r.size).arg(FileDataSize));
    std::copy(r.head.begin(), r.head.end(), image.begin());
    return {true, {}};
}

FileResult WriteMenuFile(const QString& path, std::span<const std::uint8_t, FileDataSize> image)
{
    const QFileInfo info(path);
    if (info.isDir())
        return FileFailure(QStringLiteral("Is a directory"));

    QSaveFile file(path);
    // Writing to the target directly, as QSaveFile falls back to when it may
    // not create a file beside it, would break the promise above.
    file.setDirectWriteFallback(false);
    WriteSteps& steps = *activeSteps;
    if (const Result<> opened = steps.Open(file); !opened)
        return FileFailure(opened);
    const QByteArray bytes(reinterpret_cast<const char*>(image.data()), FileDataSize);
    Result<> written = steps.Write(file, bytes);
    if (written)
        written = steps.Flush(file);
    if (!written) {
        file.cancelWriting();
        return FileFailure(written);
    }
    // Only a committed file may have its folder flushed; a failed commit has
    // removed its temporary file already.
    if (const Result<> committed = steps.Commit(file); !committed)
        return FileFailure(committed);
    if (const Result<> synced = steps.SyncFolder(info.absolutePath()); !synced)
        return FileFailure(synced);
    return {true, {}};
}
