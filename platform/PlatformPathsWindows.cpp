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
    // Qt lists the faces that GDI enumerates. Every Windows has the raster
    // "MS Sans Serif" and "Courier" of the design; Windows 2000 and later add
    // "Microsoft Sans Serif", MS Sans Serif's TrueType successor, beside Arial,
    // Tahoma and Courier New. Wine has none of these unless its own fonts are
    // in the prefix's Fonts folder, and even then only Tahoma scales: its
    // "MS Sans Serif" and "Courier" are bitmaps (Courier in one small size),
    // and GDI answers a face it lacks with a proportional one, Courier New
    // included. What Wine always lists are the Linux faces that fontconfig
    // knows, so Arial's and Courier New's metric twins come last.
    if (face == QLatin1String("MS Sans Serif"))
        return {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"),
                QStringLiteral("DejaVu Sans")};
    if (face == QLatin1String("Courier"))
        return {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                QStringLiteral("DejaVu Sans Mono")};
    return {};
}
