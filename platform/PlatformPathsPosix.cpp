// The stand-ins on a system without drive letters: the home folder holds what
// the design keeps on drive C, and a drive is the root of a mounted volume that
// holds the user's files; the kernel's and the system's own bookkeeping mounts
// are left out.
#include "PlatformPaths.h"

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

bool FileNamesCaseSensitive(const QString& folder)
{
    // Ask the folder itself: a name of it spelled in the other letter case
    // names the same entry only where case does not count; a FAT stick does
    // not count it. A folder without such a name has nothing that could be
    // listed wrongly.
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
}

std::string_view DriveStandInVariable()
{
    return "HOME";
}

std::string LocalDesignPath(std::string_view designPath, std::string_view driveFolder)
{
    // "c:\DAVOVI": the drive and its root become the stand-in folder.
    if (designPath.size() >= 2 && designPath[1] == ':')
        designPath.remove_prefix(2);
    if (!designPath.empty() && designPath.front() == '\\')
        designPath.remove_prefix(1);
    std::string path(driveFolder);
    path += '/';
    for (const char c : designPath)
        path += c == '\\' ? '/' : c;
    return path;
}

QStringList FaceSubstitutes(const QString& face)
{
    // Arial's metrics are MS Sans Serif's at the layouts' sizes and Courier
    // New's are Courier's; DejaVu, the usual fallback, is a good deal wider.
    if (face == QLatin1String("MS Sans Serif"))
        return {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial"),
                QStringLiteral("Helvetica"), QStringLiteral("Nimbus Sans")};
    if (face == QLatin1String("Courier"))
        return {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"),
                QStringLiteral("Courier New"), QStringLiteral("Nimbus Mono PS")};
    return {};
}
