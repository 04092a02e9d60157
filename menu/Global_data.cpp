#include "Global_data.h"

#include "MenuFileFormat.h"

#include <cassert>

MenuItems ItemMemory{};
MenuImage FileData{};

std::int16_t CurrentItem = -1;
Flag ItemChanged = FlagFalse;
Flag MenuChanged = FlagFalse;
Flag IgnoreListClick = FlagFalse;
std::string MenuFolder;

void ResetGlobalData()
{
    ItemMemory.fill(MenuItem{});
    FileData.fill(0);
    CurrentItem = -1;
    ItemChanged = FlagFalse;
    MenuChanged = FlagFalse;
    IgnoreListClick = FlagFalse;
    MenuFolder.clear();
}

void ClearItemMemory(std::int16_t item)
{
    assert(item >= 0 && item < MenuItemCount);
    ItemMemory.at(static_cast<std::size_t>(item)) = MenuItem{};
}

void FileDataFromItemMemory(std::int16_t item)
{
    assert(item >= 0 && item < MenuItemCount);
    EncodeRecord(ItemMemory.at(static_cast<std::size_t>(item)), RecordAt(FileData, item));
}

void FileDataToItemMemory(std::int16_t item)
{
    assert(item >= 0 && item < MenuItemCount);
    ItemMemory.at(static_cast<std::size_t>(item)) = DecodeRecord(RecordAt(FileData, item));
}

std::int32_t CalculateByteSum(int start, int count)
{
    assert(count <= 0 || (start >= 0 && start + count <= FileDataSize));
    return CalculateByteSum(FileData, start, count);
}
