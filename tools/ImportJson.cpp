// The JSON reader of tmrtool import: {"items": [...], "reserved": n}.
#include "ImportRules.h"

#include "Text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

Value FromJson(const QJsonValue& j)
{
    Value v;
    switch (j.type()) {
    case QJsonValue::Null:
    case QJsonValue::Undefined:
        v.shown = "null";
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

} // namespace

ImportedMenu ParseMenuJson(const QByteArray& bytes, const std::string& input, ImportRules rules)
{
    ImportedMenu menu;
    auto& errors = menu.errors;
    const std::string_view unmarked = WithoutBom(View(bytes));
    const QByteArray text(unmarked.data(), static_cast<qsizetype>(unmarked.size()));
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
    Errors topErrors(errors, menu.rawTaken, input);
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
            topErrors.Add("reserved", v.shown, "is not a whole number from 0 to 255");
    }
    if (!top.contains("items")) {
        errors.push_back(input + ": items: missing; a menu is {\"items\": [...]}");
        return menu;
    }
    const QJsonValue itemsValue = top.value("items");
    if (!itemsValue.isArray()) {
        topErrors.Add("items", FromJson(itemsValue).shown, "is not a list");
        return menu;
    }
    const QJsonArray items = itemsValue.toArray();
    if (items.size() > MenuItemCount)
        errors.push_back(input + ": items: " + std::to_string(items.size()) +
                         " items, a menu holds at most 10");
    for (qsizetype i = 0; i < items.size(); ++i) {
        Errors itemErrors(errors, menu.rawTaken, input + ": item " + std::to_string(i + 1));
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
