// Process-wide state of the editor: the menu being edited, the image of the
// last file read or written, and the editor's selection state. Everything here
// lives for the whole run and is touched on the user-interface thread only.
#pragma once

#include "MenuItem.h"

#include <array>
#include <cstdint>
#include <string>

using MenuItems = std::array<MenuItem, MenuItemCount>;
using MenuImage = std::array<std::uint8_t, FileDataSize>;

extern MenuItems ItemMemory;
extern MenuImage FileData;

extern std::int16_t CurrentItem; // index shown in the fields, -1 while none is chosen
extern Flag ItemChanged;
extern Flag IgnoreListClick;
extern std::string MenuFolder;

// Everything above as a fresh program has it.
void ResetGlobalData();

// Empties slot `item` (0 to 9): texts "" and Comp 0.
void ClearItemMemory(std::int16_t item);
