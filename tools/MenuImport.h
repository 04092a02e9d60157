// Reading a menu back from the JSON or CSV that `tmrtool export` writes, or
// that a spreadsheet saved, and checking every item before anything is
// written.
//
// Editor rules (the default) hold each item with a name to what the editor
// itself stores: a name of 1 to 10 characters that the name field takes,
// lower-case letters becoming capitals as they would when typed; times m:ss or
// mm:ss from 0:00 to 99:59; the shake time not above the cook time; a
// compensation of 0 or 1. Raw rules take anything the file can hold: names of
// up to 10 Latin-1 characters, times 0:00 to 1092:15, compensation 0 to 255.
// An item without a name is an empty slot; its times and compensation are
// kept under raw rules in either case, as the editor keeps them. An empty
// time is 0:00, as the export writes a zero cook time.
#pragma once

#include "MenuFormat.h"
#include "MenuItem.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

enum class ImportRules { Editor, Raw };

struct ImportedMenu {
    MenuItems items{}; // slots the input does not mention stay empty
    std::uint8_t reserved = 0;
    // One line each, naming the input, the line (CSV) or item (JSON), the
    // field and the value.
    std::vector<std::string> errors;
    std::size_t rawTaken = 0; // how many of them are about values --raw takes
};

// `input` is the name the messages give the input.
ImportedMenu ParseMenuJson(const QByteArray& bytes, const std::string& input, ImportRules rules);
ImportedMenu ParseMenuCsv(const QByteArray& bytes, const std::string& input, ImportRules rules);

// By the name's extension (.json, .csv), else by the first character that is
// not blank: '{' is JSON.
MenuFormat GuessMenuFormat(const QString& path, const QByteArray& bytes);

// The 191 bytes of the file that `menu` makes.
MenuImage ImportedImage(const ImportedMenu& menu);
