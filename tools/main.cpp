#include "TmrTool.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include <unistd.h>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    const bool terminal = isatty(STDOUT_FILENO) == 1;
    const char* noColor = std::getenv("NO_COLOR");
    const char* term = std::getenv("TERM");
    const bool colourWanted = !(noColor && *noColor) && !(term && std::strcmp(term, "dumb") == 0);
    Console console{std::cout, std::cerr, terminal, terminal && colourWanted};

    const int status = RunTmrtool(arguments, console);
    // A full disk or a closed pipe must not pass for success.
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "tmrtool: standard output: " << std::strerror(errno ? errno : EIO) << "\n";
        return ExitTrouble;
    }
    return status;
}
