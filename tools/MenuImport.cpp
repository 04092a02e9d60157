#include "MenuImport.h"

#include "Csv.h"
#include "EntryRules.h"
#include "KeyFilters.h"
#include "MenuFileFormat.h"
#include "MenuText.h"
#include "TimeValues.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <optional>

namespace {

constexpr int MaxRawSeconds = 65535;
constexpr std::string_view RawHint = "; --raw accepts it";

// One field of one item as the input gave it.
struct Value {
    enum class Kind { Missing, Text, Number, Other };
    Kind kind = Kind::Missing;
    std::string text;  // Kind::Text
    double number = 0; // Kind::Number
    std::string shown; // as messages show it

    static Value Text(std::string t)
    {
        Value v;
        v.kind = Kind::Text;
        v.shown = QuoteText(t);
        v.text = std::move(t);
        return v;
    }
};

struct RawItem {
    Value name, cook, shake, hold, comp;
};

class Errors
{
public:
    Errors(std::vector<std::string>& out, std::string where) : out(out), where(std::move(where)) {}
    void Add(std::string_view field, const std::string& shown, std::string_view reason)
    {
        out.push_back(where + ": " + std::string(field) + ": " + shown + " " + std::string(reason));
    }
    std::size_t Count() const { return out.size(); }

private:
    std::vector<std::string>& out;
    std::string where;
};

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string Trimmed(const std::string& s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

std::string CodePointText(std::int32_t cp)
{
    std::string utf8;
    if (cp < 0x80) {
        utf8 += static_cast<char>(cp);
    } else if (cp < 0x800) {
        utf8 += static_cast<char>(0xC0 | (cp >> 6));
        utf8 += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        utf8 += static_cast<char>(0xE0 | (cp >> 12));
        utf8 += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        utf8 += static_cast<char>(0xF0 | (cp >> 18));
        utf8 += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        utf8 += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return QuoteText(utf8);
}

bool AllDigits(std::string_view s)
{
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
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
    const int s = (seconds[0] - '0') * 10 + (seconds[1] - '0');
    if (s > 59)
        return std::nullopt;
    total = total * 60 + s;
    if (total > MaxRawSeconds)
        return std::nullopt;
    return static_cast<int>(total);
}

// A whole number from a JSON number, true/false, or a text of digits.
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
        return std::stol(v.text);
    }
    return std::nullopt;
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
    const bool rawFits = points.size() <= static_cast<std::size_t>(NameLength) && IsLatin1(v.text);
    if (!editor) {
        if (points.size() > static_cast<std::size_t>(NameLength))
            errors.Add("name", v.shown,
                       "has " + std::to_string(points.size()) + " characters, at most 10");
        else if (!IsLatin1(v.text))
            for (const std::int32_t cp : points)
                if (cp > 0xFF) {
                    errors.Add("name", v.shown,
                               "has " + CodePointText(cp) + ", which Latin-1 lacks");
                    break;
                }
        return v.text;
    }
    // As if typed into the name field: each character through the key filter.
    std::string typed;
    for (const std::int32_t cp : points) {
        const std::int16_t key =
            cp <= 0xFF ? StandardizeKeyText(static_cast<std::int16_t>(cp), false) : std::int16_t{0};
        if (key < 32 || key > 95) {
            errors.Add("name", v.shown,
                       "has " + CodePointText(cp) +
                           ", which the editor does not take (codes 32 to 95, small letters "
                           "become capitals)" +
                           (rawFits ? std::string(RawHint) : std::string()));
            return {};
        }
        typed += static_cast<char>(key);
    }
    if (!ValidateItemEntry_Name(typed)) {
        errors.Add("name", v.shown,
                   "has " + std::to_string(points.size()) + " characters, at most 10");
        return {};
    }
    return typed;
}

// The time text to store, "" for none.
std::string CheckTime(std::string_view field, const Value& v, bool editor, Errors& errors)
{
    if (v.kind == Value::Kind::Missing)
        return {};
    if (v.kind != Value::Kind::Text) {
        errors.Add(field, v.shown, "is not a time (text of the form m:ss)");
        return {};
    }
    const bool rawFits = RawSeconds(v.text).has_value();
    if (v.text.empty())
        return {};
    if (editor && !ValidateItemEntry_Time(v.text)) {
        errors.Add(field, v.shown,
                   std::string("is not a time the editor takes (m:ss or mm:ss, 0:00 to 99:59)") +
                       (rawFits ? std::string(RawHint) : std::string()));
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
    if (editor && !(n && (*n == 0 || *n == 1))) {
        errors.Add("compensation", v.shown,
                   std::string("is not 0 or 1") + (rawFits ? std::string(RawHint) : std::string()));
        return 0;
    }
    if (!rawFits) {
        errors.Add("compensation", v.shown, "is not a whole number from 0 to 255");
        return 0;
    }
    return static_cast<std::int16_t>(*n);
}

MenuItem CheckItem(const RawItem& raw, ImportRules rules, Errors& errors)
{
    MenuItem item;
    const bool named = raw.name.kind == Value::Kind::Text && !raw.name.text.empty();
    const bool editor = rules == ImportRules::Editor && named;
    const std::size_t before = errors.Count();
    item.Name = CheckName(raw.name, rules == ImportRules::Editor, errors);
    item.Cook = CheckTime("cook", raw.cook, editor, errors);
    item.Duty = CheckTime("shake", raw.shake, editor, errors);
    item.Hold = CheckTime("hold", raw.hold, editor, errors);
    item.Comp = CheckComp(raw.comp, editor, errors);
    if (editor && errors.Count() == before &&
        CalculateTimeInSeconds(item.Duty.empty() ? "0:00" : item.Duty) >
            CalculateTimeInSeconds(item.Cook.empty() ? "0:00" : item.Cook))
        errors.Add("shake", raw.shake.shown,
                   "is longer than cook " +
                       (item.Cook.empty() ? std::string("\"\"") : raw.cook.shown) +
                       std::string(RawHint));
    return item;
}

constexpr std::array<std::string_view, 6> CsvColumns = {"item",  "name", "cook",
                                                        "shake", "hold", "compensation"};

Value FromJson(const QJsonValue& j)
{
    Value v;
    switch (j.type()) {
    case QJsonValue::Null:
    case QJsonValue::Undefined:
        return v;
    case QJsonValue::String:
        return Value::Text(j.toString().toStdString());
    case QJsonValue::Bool:
        v.kind = Value::Kind::Number;
        v.number = j.toBool() ? 1 : 0;
        v.shown = j.toBool() ? "true" : "false";
        return v;
    case QJsonValue::Double:
        v.kind = Value::Kind::Number;
        v.number = j.toDouble();
        v.shown = QByteArray::number(v.number, 'g', 17).toStdString();
        return v;
    case QJsonValue::Array:
        v.kind = Value::Kind::Other;
        v.shown = "a list";
        return v;
    case QJsonValue::Object:
        v.kind = Value::Kind::Other;
        v.shown = "an object";
        return v;
    }
    return v;
}

std::string JsonErrorPlace(const QByteArray& bytes, int offset)
{
    offset = std::clamp(offset, 0, static_cast<int>(bytes.size()));
    int line = 1;
    int lineStart = 0;
    for (int i = 0; i < offset; ++i)
        if (bytes[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    return "line " + std::to_string(line) + ", column " + std::to_string(offset - lineStart + 1);
}

QByteArray WithoutBom(const QByteArray& bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
}

} // namespace

ImportedMenu ParseMenuJson(const QByteArray& bytes, const std::string& input, ImportRules rules)
{
    ImportedMenu menu;
    auto& errors = menu.errors;
    const QByteArray text = WithoutBom(bytes);
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(text, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        errors.push_back(input + ": " + JsonErrorPlace(text, parseError.offset) +
                         ": not valid JSON: " + parseError.errorString().toStdString());
        return menu;
    }
    if (!doc.isObject()) {
        errors.push_back(input + ": not a menu: expected an object with \"items\"");
        return menu;
    }
    const QJsonObject top = doc.object();
    Errors topErrors(errors, input);
    for (auto it = top.begin(); it != top.end(); ++it)
        if (it.key() != "items" && it.key() != "reserved")
            topErrors.Add(it.key().toStdString(), FromJson(it.value()).shown,
                          "is an unknown field (a menu has items and reserved)");
    if (top.contains("reserved")) {
        const Value v = FromJson(top.value("reserved"));
        const auto n = WholeNumber(v);
        if (n && *n >= 0 && *n <= 255)
            menu.reserved = static_cast<std::uint8_t>(*n);
        else
            topErrors.Add("reserved", v.shown.empty() ? "null" : v.shown,
                          "is not a whole number from 0 to 255");
    }
    if (!top.contains("items")) {
        errors.push_back(input + ": items: missing; a menu is {\"items\": [...]}");
        return menu;
    }
    const QJsonValue itemsValue = top.value("items");
    if (!itemsValue.isArray()) {
        const Value v = FromJson(itemsValue);
        topErrors.Add("items", v.shown.empty() ? "null" : v.shown, "is not a list");
        return menu;
    }
    const QJsonArray items = itemsValue.toArray();
    if (items.size() > MenuItemCount)
        errors.push_back(input + ": items: " + std::to_string(items.size()) +
                         " items, a menu holds at most 10");
    for (qsizetype i = 0; i < items.size(); ++i) {
        Errors itemErrors(errors, input + ": item " + std::to_string(i + 1));
        const QJsonValue entry = items.at(i);
        if (entry.isNull())
            continue;
        if (!entry.isObject()) {
            errors.push_back(input + ": item " + std::to_string(i + 1) + ": " +
                             FromJson(entry).shown + " is not an item (an object)");
            continue;
        }
        const QJsonObject object = entry.toObject();
        RawItem raw;
        for (auto it = object.begin(); it != object.end(); ++it) {
            const QString key = it.key();
            Value* slot = key == "name"           ? &raw.name
                          : key == "cook"         ? &raw.cook
                          : key == "shake"        ? &raw.shake
                          : key == "hold"         ? &raw.hold
                          : key == "compensation" ? &raw.comp
                                                  : nullptr;
            if (slot)
                *slot = FromJson(it.value());
            else
                itemErrors.Add(key.toStdString(), FromJson(it.value()).shown,
                               "is an unknown field (an item has name, cook, shake, hold and "
                               "compensation)");
        }
        const MenuItem item = CheckItem(raw, rules, itemErrors);
        if (i < MenuItemCount)
            menu.items[static_cast<std::size_t>(i)] = item;
    }
    return menu;
}

ImportedMenu ParseMenuCsv(const QByteArray& bytes, const std::string& input, ImportRules rules)
{
    ImportedMenu menu;
    auto& errors = menu.errors;
    const CsvTable table = ParseCsv(std::string_view(bytes.constData(), bytes.size()));

    std::size_t next = 0;
    while (next < table.records.size() && table.records[next].blank)
        ++next;
    if (next == table.records.size()) {
        if (!table.error.empty())
            errors.push_back(input + ": line " + std::to_string(table.errorLine) + ": " +
                             table.error);
        else
            errors.push_back(input + ": empty; expected the header " +
                             "item,name,cook,shake,hold,compensation and a line per item");
        return menu;
    }

    // Which column of the input holds each field, -1 for none.
    std::array<int, CsvColumns.size()> columnOf;
    columnOf.fill(-1);
    const CsvRecord& header = table.records[next++];
    Errors headerErrors(errors, input + ": line " + std::to_string(header.line));
    for (std::size_t c = 0; c < header.fields.size(); ++c) {
        const std::string name = Lower(Trimmed(header.fields[c]));
        const auto known = std::find(CsvColumns.begin(), CsvColumns.end(), name);
        if (known == CsvColumns.end()) {
            headerErrors.Add("header", QuoteText(header.fields[c]),
                             "is an unknown column (the columns are item, name, cook, shake, "
                             "hold and compensation)");
            continue;
        }
        int& column = columnOf[static_cast<std::size_t>(known - CsvColumns.begin())];
        if (column >= 0)
            headerErrors.Add("header", QuoteText(header.fields[c]), "is a column named twice");
        else
            column = static_cast<int>(c);
    }
    if (!errors.empty())
        return menu;

    std::array<int, MenuItemCount> takenBy{}; // the line that gave each slot, 0 for none
    int rows = 0;
    for (; next < table.records.size(); ++next) {
        const CsvRecord& record = table.records[next];
        if (record.blank)
            continue;
        const std::string where = input + ": line " + std::to_string(record.line);
        Errors rowErrors(errors, where);
        ++rows;
        if (record.fields.size() != header.fields.size()) {
            errors.push_back(where + ": " + std::to_string(record.fields.size()) +
                             " fields, the header has " + std::to_string(header.fields.size()));
            continue;
        }
        const auto cell = [&](std::size_t field) {
            const int c = columnOf[field];
            return c < 0 ? Value{} : Value::Text(record.fields[static_cast<std::size_t>(c)]);
        };
        int slot = -1;
        if (columnOf[0] >= 0) {
            const Value number = cell(0);
            const auto n = WholeNumber(number);
            if (!n || *n < 1 || *n > MenuItemCount) {
                rowErrors.Add("item", number.shown, "is not a number from 1 to 10");
            } else if (takenBy[static_cast<std::size_t>(*n - 1)] != 0) {
                rowErrors.Add("item", number.shown,
                              "is taken already by line " +
                                  std::to_string(takenBy[static_cast<std::size_t>(*n - 1)]));
            } else {
                slot = static_cast<int>(*n - 1);
            }
        } else if (rows > MenuItemCount) {
            if (rows == MenuItemCount + 1)
                errors.push_back(where + ": an 11th item; a menu holds at most 10");
        } else {
            slot = rows - 1;
        }
        RawItem raw{cell(1), cell(2), cell(3), cell(4), cell(5)};
        const MenuItem item = CheckItem(raw, rules, rowErrors);
        if (slot >= 0) {
            takenBy[static_cast<std::size_t>(slot)] = record.line;
            menu.items[static_cast<std::size_t>(slot)] = item;
        }
    }
    if (!table.error.empty())
        errors.push_back(input + ": line " + std::to_string(table.errorLine) + ": " + table.error);
    return menu;
}

MenuFormat GuessMenuFormat(const QString& path, const QByteArray& bytes)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "json")
        return MenuFormat::Json;
    if (suffix == "csv")
        return MenuFormat::Csv;
    for (const char c : WithoutBom(bytes)) {
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
