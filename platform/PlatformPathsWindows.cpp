// Windows is the design's own system: its paths, drive letters and fonts are
// used as they are.
#include "PlatformPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

std::string_view DriveStandInVariable()
{
    return {};
}

std::string LocalDesignPath(std::string_view designPath, std::string_view)
{
    return std::string(designPath);
}

QStringList DriveRoots()
{
    // Every drive letter in use, removable drives without a medium included.
    QStringList roots;
    for (const QFileInfo& drive : QDir::drives())
        roots << drive.absoluteFilePath();
    return roots;
}

QString DriveOfPath(const QString& path)
{
    const QString folder = NearestExistingFolder(path);
    // "C:/..." belongs to drive C:, whatever is mounted in its folders.
    if (folder.size() >= 3 && folder[0].isLetter() && folder[1] == QLatin1Char(':') &&
        folder[2] == QLatin1Char('/'))
        return folder.left(3).toUpper();
    const QString root = QStorageInfo(folder).rootPath();
    return root.isEmpty() ? QDir::rootPath() : root;
}

bool IsPseudoVolume(const QString&, const QByteArray&)
{
    return false;
}

bool FileNamesCaseSensitive(const QString&)
{
    return false;
}

QStringList FaceSubstitutes(const QString& face)
{
    // Where the raster faces of old are missing, their TrueType successors
    // with the same metrics.
    if (face == QLatin1String("MS Sans Serif"))
        return {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial")};
    if (face == QLatin1String("Courier"))
        return {QStringLiteral("Courier New")};
    return {};
}
