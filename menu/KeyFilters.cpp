#include "KeyFilters.h"

#include "EntryRules.h"

namespace {

// Upper-casing of the Latin-1 page: a-z and the accented small letters
// (except the division sign and y-diaeresis, whose capital lies outside it).
std::int16_t UpperLatin1(std::int16_t key)
{
    if ((key >= 'a' && key <= 'z') || (key >= 0xE0 && key <= 0xFE && key != 0xF7))
        return static_cast<std::int16_t>(key - 32);
    return key;
}

} // namespace

std::int16_t StandardizeKeyText(std::int16_t key, bool allowEnter)
{
    if (key == KeyDelete || key == KeyBackspace || (key == KeyEnter && allowEnter))
        return key;
    const std::int16_t upper = UpperLatin1(key);
    return NameFieldTakes(upper) ? upper : 0;
}

std::int16_t StandardizeKeyNumber(std::int16_t key, bool allowMinus, bool integerOnly)
{
    if (key == KeyDelete || key == KeyBackspace)
        return key;
    if (key == '-' && allowMinus)
        return key;
    if (key == '.' && !integerOnly)
        return key;
    if (key >= '0' && key <= '9')
        return key;
    return 0;
}

std::int16_t StandardizeKeyFilename(std::int16_t key)
{
    if (key == KeyBackspace)
        return key;
    switch (key) {
    case '\\':
    case '/':
    case ':':
    case '*':
    case '?':
    case '"':
    case '<':
    case '>':
    case '|':
        return 0;
    default:
        break;
    }
    if (key < 32 || key > 127)
        return 0;
    return key;
}
