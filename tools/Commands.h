// The commands of tmrtool. Each runs in a file of its own (ShowCommand.cpp,
// ...); its name and help texts are its entry in the table of Commands.cpp. A
// new command is such a file, a line below and an entry in that table.
#pragma once

#include "TmrTool.h"

#include <QStringList>

#include <span>

class CommandLine;

struct Command {
    const char* name;
    const char* arguments;   // "FILE...", as the synopsis shows them after [options]
    const char* summary;     // for the tool's own help; after a '\n' it goes on below
    const char* description; // the command's --help; '\n' starts a paragraph
    const char* exitStatus;  // one line per status: "  0  every file was shown\n"
    int (*run)(CommandLine& cl, const QStringList& args, Console& c);
};

// Every command, in the order the help lists them.
std::span<const Command> Commands();

int RunShow(CommandLine& cl, const QStringList& args, Console& c);
int RunCheck(CommandLine& cl, const QStringList& args, Console& c);
int RunExport(CommandLine& cl, const QStringList& args, Console& c);
int RunImport(CommandLine& cl, const QStringList& args, Console& c);
int RunDiff(CommandLine& cl, const QStringList& args, Console& c);
int RunCard(CommandLine& cl, const QStringList& args, Console& c);
int RunSet(CommandLine& cl, const QStringList& args, Console& c);
int RunNew(CommandLine& cl, const QStringList& args, Console& c);
