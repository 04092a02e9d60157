// One change to one item, made the same way in many menu files: the fleet of
// stores that all need item 3's cook time moved. The values are judged by the
// editor's own entry rules, exactly as import judges them, against what each
// file holds for the fields the change leaves alone.
#pragma once

#include "ImportRules.h"
#include "MenuItem.h"

#include <optional>
#include <string>
#include <vector>

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
};

// Only the item's record is rewritten; every other byte stays as it was. An
// empty slot starts from what the editor shows for one (shake and hold 0:00,
// compensation on) and takes a change only with a name.
EditedMenu ApplyItemEdit(const MenuImage& image, const ItemEdit& edit);
