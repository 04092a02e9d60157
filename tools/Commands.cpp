// The commands of tmrtool and every help text they give, in one place; the
// manual page (tmrtool.1) tells the same in more words and is kept in step.
#include "Commands.h"

namespace {

constexpr Command Table[] = {
    {"show", "FILE...", "the ten items of each file as a table",
     "Shows the ten items of each menu file as the editor reads them: number, name, cook, shake "
     "and hold time, compensation. A record whose checksum does not match is marked, and a file "
     "that is not 191 bytes gets a line of its own. On a terminal the columns are aligned; to a "
     "pipe they are separated by tabs. Only regular files are read: a pipe or a device is "
     "refused.",
     "  0  every file was shown\n"
     "  2  a usage error, or a file that could not be read\n",
     RunShow},
    {"check", "FILE|FOLDER...",
     "find size and checksum problems, and what the\neditor could not have written",
     "Checks that each file is exactly 191 bytes and that every record's checksum matches, and "
     "prints one line per problem, then a summary. It also warns, without failing, about what "
     "the editor could not have written: a reserved byte 11 that is not 0, a compensation other "
     "than 0 or 1, a name with characters outside codes 32 to 95, a shake time longer than the "
     "cook time. Only regular files are read: a pipe or a device is refused.\n"
     "A folder stands for the *.tmr files in it (either letter case); -r walks its subfolders "
     "too. --json prints one object per file and line instead: {\"path\", \"size\", "
     "\"problems\": [{\"item\", \"warning\", \"text\"}]}, size null for a file that could "
     "not be read.",
     "  0  every file is sound\n"
     "  1  a file has a problem\n"
     "  2  a usage error, or a file that could not be read\n",
     RunCheck},
    {"export", "FILE", "the menu as JSON (the default) or CSV",
     "Writes the menu to standard output, every item as the editor decodes it: cook \"\" for "
     "zero, shake and hold \"0:00\" for zero, names through Latin-1.\n"
     "JSON: {\"items\": [ten items with name, cook, shake, hold, compensation], \"reserved\": "
     "byte 190}. CSV: the header item,name,cook,shake,hold,compensation, then ten rows.\n"
     "What an import would not give back is told on standard error: a checksum that does not "
     "match (import writes the right one), a reserved byte 11 that is not 0, blanks before a "
     "name, and in CSV a reserved byte 190 that is not 0.",
     "  0  the menu was written\n"
     "  2  a usage error, or a file that could not be read as a menu\n",
     RunExport},
    {"import", "INPUT -o OUT", "a menu file from JSON or CSV",
     "Makes the menu file OUT from JSON or CSV as export writes it (INPUT - is standard input). "
     "Items the input leaves out are empty slots; more than ten is an error.\n"
     "Without --raw, every item with a name must pass the editor's own rules: a name of 1 to 10 "
     "characters of codes 32 to 95 (small letters become capitals, as when typed), times m:ss "
     "or mm:ss from 0:00 to 99:59, the shake time not above the cook time, compensation 0 or 1. "
     "An empty time is 0:00.\n"
     "Every error names the input, the line or item, the field and the value; when there is "
     "any, nothing is written. OUT is replaced, in one step, only with --force.",
     "  0  OUT was written\n"
     "  1  the input was refused, or OUT exists and --force was not given\n"
     "  2  a usage error, or a file that could not be read or written\n",
     RunImport},
    {"diff", "A B", "the items in which two menus differ",
     "Prints the items in which the menus A and B differ, field by field (item 3 cook: 3:05 -> "
     "3:10), as the editor decodes them, and the bytes that decoding hides: byte 11, blanks "
     "before a name, a checksum that does not match, the reserved byte 190.\n"
     "--json prints one object instead: {\"path\": A, \"other\": B, \"differences\": "
     "[{\"item\", \"field\", \"from\", \"to\"}]}.",
     "  0  the menus are the same, byte for byte\n"
     "  1  they differ\n"
     "  2  a usage error, or a file that could not be read as a menu\n",
     RunDiff},
    {"card", "MENU -o OUT", "a one-page menu card to print (PDF, SVG, PNG)",
     "Draws a card to hang at the fryer: a title (MENU's file name, or --title), then the items "
     "1 to 10 with name, cook, shake and hold time as the editor shows them and the "
     "compensation; empty slots keep their line, so the numbers match the fryer's buttons.\n"
     "The format is --format, else OUT's extension, else PDF; A4 unless --page letter; a PNG "
     "has --dpi pixels per inch. OUT is replaced in one step. No display is needed: without "
     "QT_QPA_PLATFORM the card is drawn on Qt's offscreen platform.",
     "  0  the card was written\n"
     "  2  a usage error, or a file that could not be read or written\n",
     RunCard},
    {"set", "FILE|FOLDER... --item N", "one item changed the same way in many menu files",
     "Changes item N in every menu file given (a folder stands for its *.tmr files; -r walks "
     "its subfolders), by the editor's own entry rules, the checks of import: the item must be "
     "what the editor would store. Fields not given keep what each file holds; an empty slot "
     "starts as the editor shows one and needs a --name.\n"
     "Every file is judged before any is written: a value refused for one file changes no file "
     "at all. Each file is written in one step and only the item's record changes. One line "
     "per file: changed (and how), unchanged, refused (and why), not read or not written.",
     "  0  every file was changed or already right\n"
     "  1  a value was refused; no file was written\n"
     "  2  a usage error, or a file that could not be read or written\n",
     RunSet},
    {"new", "-o OUT", "an empty menu file, as the editor saves one",
     "Writes an empty menu to OUT, byte for byte what the editor saves after New Menu. OUT is "
     "replaced, in one step, only with --force.",
     "  0  OUT was written\n"
     "  1  OUT exists and --force was not given\n"
     "  2  a usage error, or a file that could not be written\n",
     RunNew},
};

} // namespace

std::span<const Command> Commands()
{
    return Table;
}
