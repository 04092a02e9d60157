#include "MenuSet.h"

#include "EntryRules.h"
#include "MenuFileFormat.h"

#include <algorithm>

namespace {

// The fields as the editor's window would show the item.
MenuItem Shown(const MenuItem& stored)
{
    if (!stored.Name.empty())
        return stored;
    return {"", "", "0:00", "0:00", 1};
}

} // namespace

EditedMenu ApplyItemEdit(const MenuImage& image, const ItemEdit& edit)
{
    EditedMenu result;
    result.image = image;
    const std::string where = "item " + std::to_string(edit.item);
    const MenuItem before = Shown(DecodeRecord(RecordAt(image, edit.item - 1)));
    const bool nameGiven = edit.name.has_value();
    if (!nameGiven && before.Name.empty()) {
        result.errors.push_back(where + " is an empty slot; give it a --name");
        return result;
    }

    RawItem raw;
    // A name kept from the file was never typed, so the key filter does not
    // judge it; the stand-in lets the rules judge the times as they would for
    // any item with a name.
    raw.name = Value::Text(nameGiven ? *edit.name : std::string("A"));
    raw.cook = Value::Text(edit.cook.value_or(before.Cook));
    raw.shake = Value::Text(edit.shake.value_or(before.Duty));
    raw.hold = Value::Text(edit.hold.value_or(before.Hold));
    raw.comp = Value::Text(edit.comp.value_or(std::to_string(before.Comp)));
    Errors errors(result.errors, where);
    MenuItem after = CheckItem(raw, edit.rules, errors);
    if (nameGiven && edit.name->empty())
        errors.Add("name", "\"\"", "is empty; the editor stores no item without a name");
    if (!result.errors.empty())
        return result;
    if (!nameGiven)
        after.Name = before.Name;

    EncodeRecord(after, RecordAt(result.image, edit.item - 1));
    result.changed = !std::equal(image.begin(), image.end(), result.image.begin());
    return result;
}
