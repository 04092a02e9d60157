#include "PlatformPaths.h"

#include <QDir>
#include <QFileInfo>

QString NearestExistingFolder(const QString& path)
{
    if (path.isEmpty())
        return QDir::rootPath();
    QString folder = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    while (!QFileInfo(folder).isDir()) {
        const QString up = QFileInfo(folder).path();
        // A root that is no folder: a drive that is gone or holds no medium.
        if (up == folder)
            return QDir::rootPath();
        folder = up;
    }
    return folder;
}
