// The menu files that a list of paths names: a file stands for itself, a
// folder for the *.tmr files in it (either letter case), and with `recursive`
// for those of its subfolders too, so that a fleet kept as a folder per store
// is one argument.
#pragma once

#include <QStringList>

// Files in the order given, each folder's files sorted by path.
QStringList MenuFilesOf(const QStringList& paths, bool recursive);
