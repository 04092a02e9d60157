#include "EntryRules.h"

#include "Text.h"
#include "TimeValues.h"

bool ValidateItemEntry_Name(std::string_view start)
{
    return !NameFault(start);
}

std::optional<EntryFault> NameFault(std::string_view name)
{
    const std::size_t length = Utf8Length(name);
    if (length < 1)
        return EntryFault{ItemField::Name, "is empty"};
    if (length > 10)
        return EntryFault{ItemField::Name,
                          "has " + std::to_string(length) + " characters, at most 10"};
    if (!IsLatin1(name))
        return EntryFault{ItemField::Name, "has characters that a menu file cannot hold"};
    return std::nullopt;
}

bool NameFieldTakes(std::int32_t code)
{
    return code >= 32 && code <= 95;
}

bool ValidateItemEntry_Time(std::string_view start)
{
    // Every character of a valid time is ASCII, so bytes count as characters;
    // the length allows at most two minute digits, so 99:59 is the most.
    if (start.size() < 4 || start.size() > 5)
        return false;
    const std::size_t colon = start.size() - 3;
    if (start[colon] != ':' || start.find(':') != colon)
        return false;
    const std::string_view minutesText = start.substr(0, colon);
    const std::string_view secondsText = start.substr(colon + 1);
    if (!AllDigits(minutesText) || !AllDigits(secondsText))
        return false;
    return DigitsValue(secondsText) <= 59;
}

std::optional<EntryFault> TimeFault(ItemField field, std::string_view time)
{
    if (ValidateItemEntry_Time(time))
        return std::nullopt;
    return EntryFault{field, "is not a time the editor takes (m:ss or mm:ss, 0:00 to 99:59)"};
}

bool ShakeWithinCook(std::int32_t shake, std::int32_t cook)
{
    return shake <= cook;
}

bool CompensationRule(long comp)
{
    return comp == 0 || comp == 1;
}

std::optional<EntryFault> CompFault(long comp)
{
    if (CompensationRule(comp))
        return std::nullopt;
    return EntryFault{ItemField::Comp, "is not 0 or 1"};
}

std::vector<ItemField> ItemEntryFaults(const MenuItem& entered)
{
    std::vector<ItemField> faults;
    for (const auto& fault :
         {NameFault(entered.Name), TimeFault(ItemField::Cook, entered.Cook),
          TimeFault(ItemField::Shake, entered.Duty), TimeFault(ItemField::Hold, entered.Hold)})
        if (fault)
            faults.push_back(fault->field);
    if (faults.empty() && !ShakeWithinCook(CalculateTimeInSeconds(entered.Duty),
                                           CalculateTimeInSeconds(entered.Cook)))
        faults.push_back(ItemField::Cook);
    return faults;
}

MenuItem ItemAsShown(const MenuItem& stored)
{
    if (!stored.Name.empty())
        return stored;
    return {"", "", "0:00", "0:00", 1};
}
