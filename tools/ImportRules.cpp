#include "ImportRules.h"

#include "EntryRules.h"
#include "KeyFilters.h"
#include "MenuFileFormat.h"
#include "MenuText.h"
#include "Text.h"
#include "TimeValues.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace {

constexpr int MaxRawSeconds = 65535;

std::string CodePointText(std::int32_t cp)
{
    std::string utf8;
    AppendUtf8(utf8, cp);
    return QuoteText(utf8);
}

// m:ss with any number of minute digits, up to what two bytes hold.
std::optional<int> RawSeconds(std::string_view text)
{
    if (text.empty())
        return 0;
    const auto colon = text.find(':');
    if (colon == std::string_view::npos || colon + 3 != text.size())
        return std::nullopt;
    const std::string_view minutes = text.substr(0, colon);
    const std::string_view seconds = text.substr(colon + 1);
    if (!AllDigits(minutes) || !AllDigits(seconds))
        return std::nullopt;
    long total = 0;
    for (const char c : minutes) {
        total = total * 10 + (c - '0');
        if (total * 60 > MaxRawSeconds)
            return std::nullopt;
    }
    const int s = DigitsValue(seconds);
    if (s > 59)
        return std::nullopt;
    total = total * 60 + s;
    if (total > MaxRawSeconds)
        return std::nullopt;
    return static_cast<int>(total);
}

std::string CheckName(const Value& v, bool editor, Errors& errors)
{
    if (v.kind == Value::Kind::Missing)
        return {};
    if (v.kind != Value::Kind::Text) {
        errors.Add("name", v.shown, "is not text");
        return {};
    }
    if (!IsValidUtf8(v.text)) {
        errors.Add("name", v.shown, "is not valid UTF-8");
        return {};
    }
    if (v.text.empty())
        return {};
    const std::vector<std::int32_t> points = Utf8CodePoints(v.text);
    const bool fits = points.size() <= static_cast<std::size_t>(NameLength);
    const auto wide = std::ranges::find_if(points, [](std::int32_t cp) { return cp > 0xFF; });
    if (!editor) {
        if (!fits)
            errors.Add("name", v.shown, NameFault(v.text)->why);
        else if (wide != points.end())
            errors.Add("name", v.shown, "has " + CodePointText(*wide) + ", which Latin-1 lacks");
        return v.text;
    }
    const bool rawFits = fits && wide == points.end();
    // As if typed into the name field: each character through the key filter.
    std::string typed;
    for (const std::int32_t cp : points) {
        const std::int16_t key =
            cp <= 0xFF ? StandardizeKeyText(static_cast<std::int16_t>(cp), false) : std::int16_t{0};
        if (!NameFieldTakes(key)) {
            errors.Add("name", v.shown,
                       "has " + CodePointText(cp) + ", which the editor does not take (it takes " +
                           std::string(NameCharactersInWords) + "; small letters become capitals)",
                       rawFits);
            return {};
        }
        typed += static_cast<char>(key);
    }
    if (const auto fault = NameFault(typed)) {
        errors.Add("name", v.shown, fault->why);
        return {};
    }
    return typed;
}

// The time text to store, "" for none.
std::string CheckTime(ItemField which, const Value& v, bool editor, Errors& errors)
{
    const std::string_view field = which == ItemField::Cook    ? "cook"
                                   : which == ItemField::Shake ? "shake"
                                                               : "hold";
    if (v.kind == Value::Kind::Missing)
        return {};
    if (v.kind != Value::Kind::Text) {
        errors.Add(field, v.shown, "is not a time (text of the form m:ss)");
        return {};
    }
    const bool rawFits = RawSeconds(v.text).has_value();
    if (v.text.empty())
        return {};
    if (const auto fault = editor ? TimeFault(which, v.text) : std::nullopt) {
        errors.Add(field, v.shown, fault->why, rawFits);
        return {};
    }
    if (!rawFits) {
        errors.Add(field, v.shown, "is not a time from 0:00 to 1092:15 (m:ss)");
        return {};
    }
    return v.text;
}

std::int16_t CheckComp(const Value& v, bool editor, Errors& errors)
{
    if (v.kind == Value::Kind::Missing || (v.kind == Value::Kind::Text && v.text.empty()))
        return 0;
    const auto n = WholeNumber(v);
    const bool rawFits = n && *n >= 0 && *n <= 255;
    if (const auto fault = editor ? CompFault(n.value_or(-1)) : std::nullopt) {
        errors.Add("compensation", v.shown, fault->why, rawFits);
        return 0;
    }
    if (!rawFits) {
        errors.Add("compensation", v.shown, "is not a whole number from 0 to 255");
        return 0;
    }
    return static_cast<std::int16_t>(*n);
}

} // namespace

Value Value::Text(std::string t)
{
    Value v;
    v.kind = Kind::Text;
    v.shown = QuoteText(t);
    v.text = std::move(t);
    return v;
}

void Errors::Add(std::string_view field, const std::string& shown, std::string_view reason,
                 bool rawTakes)
{
    if (rawTakes)
        ++rawTaken;
    out.push_back(where + ": " + std::string(field) + ": " + shown + " " + std::string(reason));
}

std::string_view View(const QByteArray& bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

std::optional<long> WholeNumber(const Value& v)
{
    if (v.kind == Value::Kind::Number) {
        if (std::floor(v.number) != v.number || std::fabs(v.number) > 1e9)
            return std::nullopt;
        return static_cast<long>(v.number);
    }
    if (v.kind == Value::Kind::Text && AllDigits(v.text)) {
        if (v.text.size() > 9)
            return std::nullopt;
        return DigitsValue(v.text);
    }
    return std::nullopt;
}

MenuItem CheckItem(const RawItem& raw, ImportRules rules, Errors& errors)
{
    MenuItem item;
    const bool named = raw.name.kind == Value::Kind::Text && !raw.name.text.empty();
    const bool editor = rules == ImportRules::Editor && named;
    const std::size_t before = errors.Count();
    item.Name = CheckName(raw.name, rules == ImportRules::Editor, errors);
    item.Cook = CheckTime(ItemField::Cook, raw.cook, editor, errors);
    item.Duty = CheckTime(ItemField::Shake, raw.shake, editor, errors);
    item.Hold = CheckTime(ItemField::Hold, raw.hold, editor, errors);
    item.Comp = CheckComp(raw.comp, editor, errors);
    // An empty time is 0:00 here, as the file holds it.
    if (editor && errors.Count() == before &&
        !ShakeWithinCook(CalculateTimeInSeconds(item.Duty), CalculateTimeInSeconds(item.Cook)))
        errors.Add("shake", raw.shake.shown,
                   std::string(ShakeLongerWhy) + " " +
                       (item.Cook.empty() ? std::string("\"\"") : raw.cook.shown),
                   true);
    return item;
}

MenuFormat GuessMenuFormat(const QString& path, const QByteArray& bytes)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "json")
        return MenuFormat::Json;
    if (suffix == "csv")
        return MenuFormat::Csv;
    for (const char c : WithoutBom(View(bytes))) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n')
            continue;
        return c == '{' ? MenuFormat::Json : MenuFormat::Csv;
    }
    return MenuFormat::Csv;
}

MenuImage ImportedImage(const ImportedMenu& menu)
{
    MenuImage image{};
    EncodeMenu(menu.items, image);
    image[ReservedByteIndex] = menu.reserved;
    return image;
}
