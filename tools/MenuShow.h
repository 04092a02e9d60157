// The items of a menu file as a table, decoded as the editor decodes them.
#pragma once

#include "MenuFileAccess.h"

#include <string>

struct ShowStyle {
    bool aligned = false;  // padded columns for a terminal; tab-separated otherwise
    bool coloured = false; // the checksum mark in red
};

// The file name, a header and one row per whole record (at most ten), a mark
// on each record whose checksum does not match, then a line when the file is
// not 191 bytes and one when the reserved byte 190 is not 0.
std::string ShowMenu(const std::string& file, const MenuFileBytes& bytes, ShowStyle style);
