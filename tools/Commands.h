// The commands of tmrtool. Each lives in a file of its own (ShowCommand.cpp,
// ...) that holds its options, its entry below with every text its --help
// gives, and its work. A new command is such a file, an entry here and one in
// the list of TmrTool.cpp, which gives the order the help lists them in.
//
// The work that needs no command line is declared here too, so that tests
// call it directly.
#pragma once

#include "MenuFormat.h"
#include "MenuImport.h"
#include "MenuItem.h"
#include "TmrTool.h"

#include <QByteArray>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

class CommandLine;

struct Command {
    const char* name;
    const char* arguments;   // "FILE...", as the synopsis shows them after [options]
    const char* summary;     // for the tool's own help; after a '\n' it goes on below
    const char* description; // the command's --help; '\n' starts a paragraph
    const char* exitStatus;  // one line per status: "  0  every file was shown\n"
    int (*run)(CommandLine& cl, const QStringList& args, Console& c);
};

extern const Command ShowCommand, CheckCommand, ExportCommand, ImportCommand, DiffCommand,
    CardCommand, SetCommand, NewCommand;

// Every command, in the order the help lists them.
std::span<const std::reference_wrapper<const Command>> Commands();

// show: the items of a menu file as a table, decoded as the editor decodes them.
struct ShowStyle {
    bool aligned = false;  // padded columns for a terminal; tab-separated otherwise
    bool coloured = false; // the checksum mark in red
};

// The file name, a header and a row per item, each with "ok" or the checksum
// that does not match, then a line when the reserved byte 190 is not 0.
std::string ShowMenu(const std::string& file, const MenuImage& image, ShowStyle style);

// check: a menu file as it is on disk, whatever its length; what is wrong with
// it (problems) or what the editor could not have written (warnings).
struct Finding {
    int item = 0; // 1 to 10, or 0 for the file as a whole
    bool warning = false;
    std::string text;
};

// Problems: a size other than 191 bytes, a record whose checksum does not
// match. Warnings: byte 11 not 0, a compensation other than 0 or 1, a name
// byte outside 32 to 95, a shake time longer than the cook time. Only the
// whole records within `head` are looked at.
std::vector<Finding> CheckMenuBytes(std::span<const std::uint8_t> head, std::int64_t size);

// "MENU0001.tmr: item 3: checksum 0x12, expected 0x91"
std::string FormatFinding(const std::string& file, const Finding& finding);

// export: a menu as text that spreadsheets and scripts read, every item as the
// editor decodes it (cook "" for zero, shake and hold "0:00" for zero, names
// through Latin-1).
//
// JSON: {"items": [ten objects with name, cook, shake, hold, compensation],
// "reserved": byte 190}. CSV: the header item,name,cook,shake,hold,compensation
// and ten rows, CRLF line ends; it has no place for byte 190.
QByteArray ExportMenuJson(std::span<const std::uint8_t, FileDataSize> image);
QByteArray ExportMenuCsv(std::span<const std::uint8_t, FileDataSize> image);

// What an import of the export would not give back byte for byte, one note
// each: a checksum that does not match (the import writes the right one), a
// reserved byte 11 that is not 0, blanks before a name (decoding drops them),
// and for CSV a byte 190 that is not 0.
std::vector<std::string> ExportLosses(std::span<const std::uint8_t, FileDataSize> image,
                                      MenuFormat format);

// The line that ends a refusal when --raw would take every refused value.
inline constexpr std::string_view RawTakesAll = "--raw accepts every value refused";

// set: one change to one item, made the same way in many menu files: the
// fleet of stores that all need item 3's cook time moved. The values are
// judged by the editor's own entry rules, exactly as import judges them,
// against what each file holds for the fields the change leaves alone.
struct ItemEdit {
    int item = 0; // 1 to 10
    // The fields to set, UTF-8 as typed; those not given keep the file's.
    std::optional<std::string> name, cook, shake, hold, comp;
    ImportRules rules = ImportRules::Editor;
};

struct EditedMenu {
    MenuImage image{};               // the file's bytes with the item rewritten
    bool changed = false;            // some byte differs from the file's
    std::vector<std::string> errors; // why the item is refused; image unchanged then
    std::size_t rawTaken = 0;        // how many of them are about values --raw takes
};

// Only the item's record is rewritten; every other byte stays as it was. An
// empty slot starts from what the editor shows for one (shake and hold 0:00,
// compensation on) and takes a change only with a name.
EditedMenu ApplyItemEdit(const MenuImage& image, const ItemEdit& edit);
