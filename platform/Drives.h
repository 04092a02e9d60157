// Drives, folders and the volumes that hold them. On POSIX a drive is the root
// of a mounted volume that holds the user's files; the kernel's and the
// system's own bookkeeping mounts are left out.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The roots of the mounted volumes, "/" first, the others sorted.
QStringList DriveRoots();

// The root of the volume that holds path (or its nearest existing folder), an
// ancestor of that folder; "/" when nothing tells or the volume is reached
// through a symbolic link.
QString DriveOfPath(const QString& path);

// The nearest existing folder at or above path, absolute and cleaned; "/" at
// worst. A relative path is taken from the current folder.
QString NearestExistingFolder(const QString& path);

// Whether a mount at root of the given file system type is a pseudo file
// system (proc, sysfs, cgroup, tmpfs under /run, ...) rather than a drive.
bool IsPseudoVolume(const QString& root, const QByteArray& fsType);

// Whether the file system that holds folder compares names case-sensitively.
// A FAT stick does not, even on a system whose own disks do.
bool FileNamesCaseSensitive(const QString& folder);
