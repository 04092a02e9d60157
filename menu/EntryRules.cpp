#include "EntryRules.h"

#include "MenuFileFormat.h"

#include <algorithm>

namespace {

bool AllDigits(std::string_view s)
{
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int ToNumber(std::string_view digits)
{
    int value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

} // namespace

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
    const int minutes = ToNumber(minutesText);
    const int seconds = ToNumber(secondsText);
    if (minutes == 0 && seconds == 0)
        return true;
    return minutes <= 999 && seconds <= 59;
}
