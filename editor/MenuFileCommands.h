// Moving FileData to and from a menu file, with the failure shown to the
// operator in the platform's message box ("ERROR", critical icon, OK).
#pragma once

#include <QString>

// Reads the file into FileData; on failure FileData is left as it was.
bool MenuGet(const QString& path);
// Writes FileData to the file, creating it when it does not exist.
bool MenuSave(const QString& path);
