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

FileResult Failure(QString reason)
{
    return {false, std::move(reason)};
}

} // namespace

StepFailure WriteSteps::Open(QSaveFile& file)
{
    if (file.open(QIODevice::WriteOnly))
        return std::nullopt;
    return file.errorString();
}

StepFailure WriteSteps::Write(QSaveFile& file, const QByteArray& bytes)
{
    if (file.write(bytes) == bytes.size())
        return std::nullopt;
    return file.errorString();
}

StepFailure WriteSteps::Flush(QSaveFile& file)
{
    if (file.flush())
        return std::nullopt;
    return file.errorString();
}

StepFailure WriteSteps::Commit(QSaveFile& file)
{
    // commit() syncs the file's data before it renames the file into place.
    if (file.commit())
        return std::nullopt;
    return file.errorString();
}

StepFailure WriteSteps::SyncFolder([[maybe_unused]] const QString& folder)
{
#ifdef Q_OS_WIN
    // NTFS and FAT on Windows keep a renamed entry with the file's own flush.
    return std::nullopt;
#else
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        // A folder that may be written but not read cannot be opened to be
        // flushed; the file's own data is on the disk already.
        return errno == EACCES || errno == EPERM ? StepFailure() : SystemReason(errno);
    }
    const int status = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    // Some file systems have nothing to flush for a folder and say so.
    if (status == 0 || error == EINVAL || error == ENOTSUP || error == ENOSYS)
        return std::nullopt;
    return SystemReason(error);
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
    WriteSteps& steps = *activeSteps;
    if (const StepFailure opened = steps.Open(file))
        return Failure(*opened);
    const QByteArray bytes(reinterpret_cast<const char*>(image.data()), FileDataSize);
    StepFailure failure = steps.Write(file, bytes);
    if (!failure)
        failure = steps.Flush(file);
    if (failure) {
        file.cancelWriting();
        return Failure(*failure);
    }
    // Only a committed file may have its folder flushed; a failed commit has
    // removed its temporary file already.
    if (const StepFailure committed = steps.Commit(file))
        return Failure(*committed);
    if (const StepFailure synced = steps.SyncFolder(info.absolutePath()))
        return Failure(*synced);
    return {true, {}};
}
