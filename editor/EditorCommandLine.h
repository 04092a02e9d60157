// The editors' command line: at most one menu file to open at start, the way a
// file manager hands over the file that was double-clicked, and --help and
// --version. Arguments come from Qt's own list, which is Unicode on Windows
// too, so a folder "Menüs" or a user "Zoë" arrives as it is named.
#pragma once

#include "Result.h"

#include <QString>
#include <QStringList>

// Reads the program's arguments (the program's name first). --help and
// --version print their answer and end the program, as Qt does for an
// unknown option, with its message. More than one file is a Failure that
// says so: nothing is to start. Otherwise the menu file named, "" when there
// is none.
Result<QString> MenuFileArgument(const QStringList& arguments);
// Tells why the arguments were refused, in one line on the error output; on
// Windows, where a program started from Explorer has no error output to
// read, in the editor's message window as well.
void ReportRefusedArguments(const Failure& failure);

// True where the toolkit has no display to open the window on (a Linux or BSD
// session without DISPLAY and WAYLAND_DISPLAY, and no platform chosen), and
// would abort with its own plugin message.
bool NoDisplayFound();
// Says so in one line, with how to start the editor.
void ReportNoDisplay();
