#include "EntryRules.h"

#include "Text.h"

bool ValidateItemEntry_Name(std::string_view start)
{
    const std::size_t length = Utf8Length(start);
    return length >= 1 && length <= 10 && IsLatin1(start);
}

bool ValidateItemEntry_Time(std::string_view start)
{
    // Every character of a valid time is ASCII, so bytes count as characters.
    if (start.size() < 4 || start.size() > 5)
        return false;
    const std::size_t colon = start.size() - 3;
    if (start[colon] != ':' || start.find(':') != colon)
        return false;
    const std::string_view minutesText = start.substr(0, colon);
    const std::string_view secondsText = start.substr(colon + 1);
    if (!AllDigits(minutesText) || !AllDigits(secondsText))
        return false;
    const int minutes = DigitsValue(minutesText);
    const int seconds = DigitsValue(secondsText);
    if (minutes == 0 && seconds == 0)
        return true;
    return minutes <= 999 && seconds <= 59;
}
