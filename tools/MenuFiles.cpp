#include "MenuFiles.h"

#include <QDirIterator>
#include <QFileInfo>

QStringList MenuFilesOf(const QStringList& paths, bool recursive)
{
    QStringList files;
    for (const QString& path : paths) {
        if (!QFileInfo(path).isDir()) {
            files << path;
            continue;
        }
        QStringList found;
        QDirIterator it(path, {"*.tmr"}, QDir::Files | QDir::Hidden,
                        recursive ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
        while (it.hasNext())
            found << it.next();
        found.sort();
        files << found;
    }
    return files;
}
