// The rules an item must pass before the editor stores it, each in one place:
// the editor's window (its red fields), tmrtool import and set (their
// refusals) and tmrtool check (its warnings) all ask these. Each rule says
// which field fails and why.
#pragma once

#include "MenuItem.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The fields of an item, as the editor's window shows them.
enum class ItemField { Name, Cook, Shake, Hold, Comp };

// A rule an entry breaks: the field the editor marks for it, and why, in
// words that follow the field's value ("has 11 characters, at most 10").
struct EntryFault {
    ItemField field;
    std::string why;
};

// 1 to 10 characters, each with a Latin-1 byte so that the file can hold it.
// The characters are otherwise free: a name of blanks passes.
bool ValidateItemEntry_Name(std::string_view start);
std::optional<EntryFault> NameFault(std::string_view name);

// A character the name field takes as typed, after the key filter made small
// letters capitals: codes 32 to 95, the capitals, digits, blank and the
// common punctuation.
bool NameFieldTakes(std::int32_t code);
// What those characters are, for people.
inline constexpr std::string_view NameCharactersInWords =
    "capital letters, digits, spaces and punctuation";

// m:ss or mm:ss of decimal digits, seconds 00 to 59 (0:00 and 00:00 pass).
// Pasted signs, blanks, points and letters fail, so no negative time is stored.
bool ValidateItemEntry_Time(std::string_view start);
std::optional<EntryFault> TimeFault(ItemField field, std::string_view time);

// The shake comes while the item cooks: a shake time longer than the cook
// time fails, an equal one passes. Times in seconds.
bool ShakeWithinCook(std::int32_t shake, std::int32_t cook);
// Why it fails, between the shake time and the cook time.
inline constexpr std::string_view ShakeLongerWhy = "is longer than cook";

// Off (0) or on (1), all the check box of the editor stores.
bool CompensationRule(long comp);
std::optional<EntryFault> CompFault(long comp);

// The editor's four text fields that fail, in the order the editor checks
// them: the name and the three times by their own rules, then, only when all
// of them pass, the shake within the cook time, which marks the cook field.
// The editor marks them; it says no reason.
std::vector<ItemField> ItemEntryFaults(const MenuItem& entered);

// The fields as the editor shows a stored item: an empty slot (no name) as an
// empty cook field, shake and hold "0:00" and compensation on; any other item
// as it is stored.
MenuItem ItemAsShown(const MenuItem& stored);
