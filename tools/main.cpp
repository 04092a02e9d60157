#include "TmrTool.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

// cmd.exe hands "E:\*.tmr" on as it is; let the C runtime expand it, as a
// POSIX shell would.
extern "C" {
int _dowildcard = -1;
}
#else
#include <unistd.h>
#endif

namespace {

struct Terminal {
    bool shown = false;   // standard output is a terminal
    bool colours = false; // that understands colour sequences
};

// Sets the standard streams up for menu data and tells what standard output is.
Terminal PrepareStandardStreams()
{
#ifdef _WIN32
    // Menu files, exports and messages are bytes: no carriage return before
    // each line feed and no Ctrl+Z as the end of input, so they match other
    // systems'.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (!GetConsoleMode(out, &mode))
        return {};
    // Older consoles print colour sequences as text.
    return {true, SetConsoleMode(out, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0};
#else
    const bool shown = isatty(STDOUT_FILENO) == 1;
    return {shown, shown};
#endif
}

#ifdef _WIN32
QString ArgumentText(const wchar_t* argument)
{
    return QString::fromWCharArray(argument);
}
#else
QString ArgumentText(const char* argument)
{
    return QString::fromLocal8Bit(argument);
}
#endif

} // namespace

#ifdef _WIN32
// Linked with -municode: Windows hands the arguments over in UTF-16, so that a
// path outside the ANSI code page ("Menüs", "Zoë") arrives whole; the C
// runtime still expands wildcards in them.
int wmain(int argc, wchar_t** argv)
#else
int main(int argc, char** argv)
#endif
{
    std::ios::sync_with_stdio(false);
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << ArgumentText(argv[i]);

    const Terminal terminal = PrepareStandardStreams();
    const char* noColor = std::getenv("NO_COLOR");
    const char* term = std::getenv("TERM");
    const bool colourWanted = !(noColor && *noColor) && !(term && std::strcmp(term, "dumb") == 0);
    Console console{std::cout, std::cerr, terminal.shown, terminal.colours && colourWanted};

    const int status = RunTmrtool(arguments, console);
    // A full disk or a closed pipe must not pass for success.
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "tmrtool: standard output: " << std::strerror(errno ? errno : EIO) << "\n";
        return ExitTrouble;
    }
    return status;
}
