#include "Drives.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

namespace {

const QString Root = QStringLiteral("/");

bool IsAtOrUnder(const QString& path, const QString& folder)
{
    return path == folder || path.startsWith(folder + QLatin1Char('/'));
}

} // namespace

bool IsPseudoVolume(const QString& root, const QByteArray& fsType)
{
    static const QList<QByteArray> pseudoTypes{
        "proc",      "sysfs",       "devpts",         "devtmpfs", "cgroup",
        "cgroup2",   "securityfs",  "debugfs",        "tracefs",  "pstore",
        "bpf",       "mqueue",      "hugetlbfs",      "configfs", "fusectl",
        "autofs",    "binfmt_misc", "nsfs",           "efivarfs", "rpc_pipefs",
        "selinuxfs", "fuse.portal", "fuse.gvfsd-fuse"};
    if (pseudoTypes.contains(fsType))
        return true;
    for (const char* system : {"/proc", "/sys", "/dev"})
        if (IsAtOrUnder(root, QString::fromLatin1(system)))
            return true;
    const bool inMemory = fsType == "tmpfs" || fsType == "ramfs";
    if (inMemory && (IsAtOrUnder(root, QStringLiteral("/run")) ||
                     IsAtOrUnder(root, QStringLiteral("/var/run"))))
        return true;
    // Snap packages each mount a read-only image.
    if (fsType == "squashfs" && IsAtOrUnder(root, QStringLiteral("/snap")))
        return true;
    return false;
}

QStringList DriveRoots()
{
    QStringList others;
    const auto volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo& volume : volumes) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        const QString root = volume.rootPath();
        if (root.isEmpty() || root == Root || IsPseudoVolume(root, volume.fileSystemType()))
            continue;
        if (!others.contains(root))
            others << root;
    }
    std::sort(others.begin(), others.end());
    return QStringList{Root} + others;
}

QString NearestExistingFolder(const QString& path)
{
    if (path.isEmpty())
        return Root;
    QString folder = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    while (folder != Root && !QFileInfo(folder).isDir())
        folder = QFileInfo(folder).path();
    return folder;
}

QString DriveOfPath(const QString& path)
{
    const QString folder = NearestExistingFolder(path);
    const QString root = QStorageInfo(folder).rootPath();
    // Through a symbolic link the volume's root need not lie on the path
    // itself; the folders are then shown from "/".
    if (root.isEmpty() || !IsAtOrUnder(folder, root == Root ? QString() : root))
        return Root;
    return root;
}

bool FileNamesCaseSensitive([[maybe_unused]] const QString& folder)
{
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return false;
#else
    // Ask the folder itself: a name of it spelled in the other letter case
    // names the same entry only where case does not count. A folder without
    // such a name has nothing that could be listed wrongly.
    const QDir dir(folder);
    const QStringList names = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& name : names) {
        QString other = name.toUpper();
        if (other == name)
            other = name.toLower();
        if (other != name)
            return !QFileInfo::exists(dir.filePath(other)) || names.contains(other);
    }
    return true;
#endif
}
