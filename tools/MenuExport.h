// A menu as text that spreadsheets and scripts read: every item as the editor
// decodes it (cook "" for zero, shake and hold "0:00" for zero, names through
// Latin-1).
//
// JSON: {"items": [ten objects with name, cook, shake, hold, compensation],
// "reserved": byte 190}. CSV: the header item,name,cook,shake,hold,compensation
// and ten rows, CRLF line ends; it has no place for byte 190.
#pragma once

#include "MenuFormat.h"
#include "MenuItem.h"

#include <QByteArray>

#include <span>
#include <string>
#include <vector>

QByteArray ExportMenuJson(std::span<const std::uint8_t, FileDataSize> image);
QByteArray ExportMenuCsv(std::span<const std::uint8_t, FileDataSize> image);

// What an import of the export would not give back byte for byte, one note
// each: a checksum that does not match (the import writes the right one), a
// reserved byte 11 that is not 0, blanks before a name (decoding drops them),
// and for CSV a byte 190 that is not 0.
std::vector<std::string> ExportLosses(std::span<const std::uint8_t, FileDataSize> image,
                                      MenuFormat format);
