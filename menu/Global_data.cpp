#include "Global_data.h"

#include <cassert>

MenuItems ItemMemory{};
MenuImage FileData{};

std::int16_t CurrentItem = -1;
Flag ItemChanged = FlagFalse;
Flag IgnoreListClick = FlagFalse;
std::string MenuFolder;

void ResetGlobalData()
{
    ItemMemory.fill(MenuItem{});
    FileData.fill(0);
    CurrentItem = -1;
    ItemChanged = FlagFalse;
    IgnoreListClick = FlagFalse;
    MenuFolder.clear();
}

void ClearItemMemory(std::int16_t item)
{
    assert(item >= 0 && item < MenuItemCount);
    ItemMemory.at(static_cast<std::size_t>(item)) = MenuItem{};
}
