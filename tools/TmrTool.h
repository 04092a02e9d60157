// tmrtool, the command-line companion of the editors: show, check, export,
// import, diff, set and make menu files, and draw their cards. The commands
// run on a list of arguments and two streams, so that tests run them in the
// test's own process.
#pragma once

#include <QStringList>

#include <ostream>

inline constexpr int ExitOk = 0;
// check found a problem, diff found a difference, import or set refused its
// input, new found its OUT there.
inline constexpr int ExitFound = 1;
// A usage error, or a file that could not be read or written.
inline constexpr int ExitTrouble = 2;

struct Console {
    std::ostream& out;
    std::ostream& err;
    bool aligned = false;  // standard output is a terminal: padded tables
    bool coloured = false; // and colour is welcome there
};

// `arguments` leaves out the program's own name. Returns the exit status.
int RunTmrtool(const QStringList& arguments, Console& console);
