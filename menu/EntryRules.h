// The rules an item's entries must pass before the editor stores them.
#pragma once

#include <string_view>

// 1 to 10 characters, each with a Latin-1 byte so that the file can hold it.
// The characters are otherwise free: a name of blanks passes.
bool ValidateItemEntry_Name(std::string_view start);

// m:ss or mm:ss of decimal digits, seconds 00 to 59 (0:00 and 00:00 pass).
// Pasted signs, blanks, points and letters fail, so no negative time is stored.
bool ValidateItemEntry_Time(std::string_view start);
