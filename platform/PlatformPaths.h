// Everything in which this system differs from the drive-letter system the
// editors were designed for, in one place: where a design path such as
// "c:\DAVOVI" lies, the drives offered, a path's drive, whether the letter case
// of file names matters, and which faces stand in for the design's fonts.
// PlatformPathsWindows.cpp keeps the design as it is; PlatformPathsPosix.cpp
// holds the stand-ins: the home folder for drive C, the roots of mounted
// volumes for drives, and faces with the design fonts' metrics.
// Composed names use Qt's native separator (QDir::toNativeSeparators).
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <string>
#include <string_view>

// The environment variable whose value stands for drive C where there are no
// drive letters ("HOME"); empty where there are.
std::string_view DriveStandInVariable();

// A drive-letter path of the design ("c:\DAVOVI") on this system: the path
// itself where there are drive letters; otherwise the same folders below
// driveFolder, the value of DriveStandInVariable().
std::string LocalDesignPath(std::string_view designPath, std::string_view driveFolder);

// The drives, in Qt's form ("C:/", or "/" first and then the roots of the
// mounted volumes that hold the user's files, sorted).
QStringList DriveRoots();

// The root of the drive that holds path (or its nearest existing folder), an
// ancestor of that folder; the system's root when nothing tells.
QString DriveOfPath(const QString& path);

// The nearest existing folder at or above path, absolute and cleaned; the
// system's root at worst. A relative path is taken from the current folder.
QString NearestExistingFolder(const QString& path);

// Whether a mount at root of the given file system type is a pseudo file
// system (proc, sysfs, cgroup, tmpfs under /run, ...) rather than a drive.
// Never, where drives are letters.
bool IsPseudoVolume(const QString& root, const QByteArray& fsType);

// Whether the file system that holds folder compares names case-sensitively.
// A FAT stick does not, even on a system whose own disks do; Windows never.
bool FileNamesCaseSensitive(const QString& folder);

// The faces that stand in for one of the design's ("MS Sans Serif",
// "Courier") when the system lacks it, best first.
QStringList FaceSubstitutes(const QString& face);
