#include "TmrTool.h"

#include "CommandLine.h"

#ifndef TMRTOOL_VERSION
#define TMRTOOL_VERSION "0"
#endif

namespace {

// Where the summaries start in the list of commands.
constexpr std::size_t SummaryColumn = 31;

std::string GlobalHelp()
{
    std::string text = "Usage: tmrtool COMMAND [options] ARGUMENTS\n"
                       "Looks after the 191-byte menu files (*.tmr) of the Quenmark fryer menu "
                       "editor.\n\nCommands:\n";
    for (const Command& command : Commands()) {
        std::string line = std::string("  ") + command.name + " " + command.arguments;
        line.resize(std::max(SummaryColumn, line.size() + 1), ' ');
        for (const char ch : std::string_view(command.summary)) {
            line += ch;
            if (ch == '\n')
                line.append(SummaryColumn, ' ');
        }
        text += line + "\n";
    }
    return text + R"(
Options:
  -h, --help                   Show this help and exit.
  -v, --version                Show the version and exit.

Exit status:
  0  success; check found nothing; diff found the menus the same
  1  check found a problem; diff found a difference; import or set refused
     its input; new found OUT there
  2  a usage error, or a file that could not be read or written

'tmrtool COMMAND --help' tells more about each command.
)";
}

const Command* FindCommand(const QString& name)
{
    for (const Command& command : Commands())
        if (name == QLatin1String(command.name))
            return &command;
    return nullptr;
}

int Run(const Command& command, const QStringList& args, Console& c)
{
    CommandLine cl(command);
    return command.run(cl, args, c);
}

int Usage(Console& c, const std::string& problem)
{
    c.err << "tmrtool: " << problem << "; see 'tmrtool --help'\n";
    return ExitTrouble;
}

} // namespace

std::span<const std::reference_wrapper<const Command>> Commands()
{
    static const std::reference_wrapper<const Command> list[] = {
        ShowCommand, CheckCommand, ExportCommand, ImportCommand,
        DiffCommand, CardCommand,  SetCommand,    NewCommand};
    return list;
}

int RunTmrtool(const QStringList& arguments, Console& console)
{
    if (arguments.isEmpty())
        return Usage(console, "no command given");
    const QString first = arguments[0];
    if (first == "-h" || first == "--help") {
        console.out << GlobalHelp();
        return ExitOk;
    }
    if (first == "help") {
        if (arguments.size() > 1)
            if (const Command* command = FindCommand(arguments[1]))
                return Run(*command, {"--help"}, console);
        console.out << GlobalHelp();
        return ExitOk;
    }
    if (first == "-v" || first == "--version") {
        console.out << "tmrtool " << TMRTOOL_VERSION << "\n";
        return ExitOk;
    }
    if (first.startsWith('-'))
        return Usage(console, "unknown option '" + ToStd(first) + "'");
    const Command* command = FindCommand(first);
    if (!command)
        return Usage(console, "unknown command '" + ToStd(first) + "'");
    return Run(*command, arguments.mid(1), console);
}
