// Process-wide state of the editor: the menu being edited, the image of the
// last file read or written, and the editor's selection state. Everything here
// lives for the whole run and is touched on the user-interface thread only.
#pragma once

#include "MenuItem.h"

#include <cstdint>
#include <string>

extern MenuItems ItemMemory;
extern MenuImage FileData;

extern std::int16_t CurrentItem; // index shown in the fields, -1 while none is chosen
extern Flag ItemChanged;
// An item stored or cleared, or the menu emptied, since the last successful
// read or save of a menu file: Quit asks before such work is lost.
extern Flag MenuChanged;
extern Flag IgnoreListClick;
extern std::string MenuFolder;

// Everything above as a fresh program has it.
void ResetGlobalData();

// Empties slot `item` (0 to 9): texts "" and Comp 0.
void ClearItemMemory(std::int16_t item);

// The file format's procedures over ItemMemory and FileData: slot `item`
// (0 to 9) into its record and back, and the sum of `count` bytes of FileData
// from `start` on (0 when count <= 0).
void FileDataFromItemMemory(std::int16_t item);
void FileDataToItemMemory(std::int16_t item);
std::int32_t CalculateByteSum(int start, int count);
