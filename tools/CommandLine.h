// What every tmrtool command shares: the parser that gives each command the
// same --help and the same one-line usage errors from its entry in the
// command table, and the way file trouble is told.
#pragma once

#include "Commands.h"
#include "MenuFormat.h"
#include "MenuItem.h"
#include "StringBridge.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>

class CommandLine
{
public:
    explicit CommandLine(const Command& command);

    // nullopt when the command should go on; else the exit status, after the
    // help or a usage error has been written.
    std::optional<int> Parse(const QStringList& args, Console& c);

    // For the commands that take FILE...: Parse, then the files; nullopt
    // after the help, or when no file was given.
    std::optional<QStringList> ParseFiles(const QStringList& args, Console& c);
    // For the commands that take FILE|FOLDER... and -r: ParseFiles, then the
    // menu files they name; a usage error when the folders hold none.
    std::optional<QStringList> ParseMenuFiles(const QStringList& args, Console& c);

    // For the commands that take exactly one NAME: Parse, then that argument;
    // nullopt after the help or a usage error.
    std::optional<QString> ParseOne(const QStringList& args, Console& c, const QString& name,
                                    const QString& description);

    int Usage(Console& c, const std::string& problem) const;

    // The --format value, or nullopt after a usage error.
    std::optional<MenuFormat> Format(const QCommandLineOption& option, Console& c);

    QCommandLineParser parser;
    // The command's exit status once a ParseFiles, ParseMenuFiles, ParseOne
    // or Format above gave nullopt: ExitOk after the help, else ExitTrouble.
    int status = ExitOk;

private:
    std::optional<QStringList> ParseFileArguments(const QStringList& args, Console& c,
                                                  const QString& name, const QString& description);

    const Command& command;
    QCommandLineOption help{{"h", "help"}, "Show this help and exit."};
    QCommandLineOption recursive{{"r", "recursive"}, "Walk the subfolders of each folder."};
};

// "tmrtool: PATH: reason" on standard error.
void FileError(Console& c, const QString& path, const std::string& reason);
// The same for an output left as it was, "...; nothing written"; ExitTrouble.
int NothingWritten(Console& c, const QString& path, const std::string& reason);
// ExitOk when `written` (a file's or a card's result) went well; else as
// NothingWritten.
int Written(Console& c, const QString& path, const Result<>& written);

// The one way every command reads a menu file: all of its 191 bytes, or why
// not, the system's reason or "N bytes, a menu file has 191". A file of
// another length is no menu, and no command takes it for one.
Result<MenuImage> ReadMenu(const QString& path);

// ReadMenu, telling the reason as FileError does.
std::optional<MenuImage> ReadWholeMenu(Console& c, const QString& path);
