// Working the menu file chooser as the operator does: its controls by name, a
// click on a listed file, a double click on a listed folder. The actions take
// the chooser and say false where it is not one or does not list the line.
#pragma once

#include "FileLists.h"

#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <QTreeWidgetItemIterator>

namespace testing_support {

inline QLineEdit* ChooserField(QWidget* chooser)
{
    return chooser->findChild<QLineEdit*>(QStringLiteral("txtFileName"));
}

inline FileListBox* ChooserFiles(QWidget* chooser)
{
    return chooser->findChild<FileListBox*>(QStringLiteral("lstFile"));
}

inline DirListBox* ChooserFolders(QWidget* chooser)
{
    return chooser->findChild<DirListBox*>(QStringLiteral("lstDirectory"));
}

inline QStringList Listed(const FileListBox* files)
{
    QStringList names;
    for (int i = 0; files && i < files->ListCount(); ++i)
        names << files->List(i);
    return names;
}

// Clicks the line of `name` in the file list.
inline bool ClickFile(QWidget* chooser, const QString& name)
{
    FileListBox* files = ChooserFiles(chooser);
    const auto found = files ? files->findItems(name, Qt::MatchExactly) : QList<QListWidgetItem*>();
    if (found.size() != 1)
        return false;
    files->scrollToItem(found.first());
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                      files->visualItemRect(found.first()).center());
    return true;
}

// Opens the folder of that full path by double-clicking its line (the current
// folder, an ancestor or a subfolder); true when the chooser went there.
inline bool OpenFolder(QWidget* chooser, const QString& path)
{
    DirListBox* tree = ChooserFolders(chooser);
    if (!tree)
        return false;
    // The lines run top to bottom in the order of List().
    QTreeWidgetItem* item = nullptr;
    int line = 0;
    for (QTreeWidgetItemIterator it(tree); *it; ++it, ++line)
        if (tree->List(line) == path)
            item = *it;
    if (!item)
        return false;
    tree->scrollToItem(item);
    const QPoint at = tree->visualItemRect(item).center();
    // A real double click starts with a single one.
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
    return tree->Path() == path;
}

} // namespace testing_support
