// The CSV reader of tmrtool import: a header that names the columns, in any
// order and case, then a line per item.
#include "Csv.h"
#include "ImportRules.h"
#include "MenuFormat.h"
#include "MenuText.h"
#include "Text.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

std::string Lower(std::string_view s)
{
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

} // namespace

ImportedMenu ParseMenuCsv(const QByteArray& bytes, const std::string& input, ImportRules rules)
{
    ImportedMenu menu;
    auto& errors = menu.errors;
    const CsvTable table = ParseCsv(View(bytes));

    std::size_t next = 0;
    while (next < table.records.size() && table.records[next].blank)
        ++next;
    if (next == table.records.size()) {
        if (!table.error.empty())
            errors.push_back(input + ": line " + std::to_string(table.errorLine) + ": " +
                             table.error);
        else
            errors.push_back(input + ": empty; expected the header " + CsvHeader() +
                             " and a line per item");
        return menu;
    }

    // Which column of the input holds each field, -1 for none.
    std::array<int, CsvColumns.size()> columnOf;
    columnOf.fill(-1);
    const CsvRecord& header = table.records[next++];
    Errors headerErrors(errors, menu.rawTaken, input + ": line " + std::to_string(header.line));
    for (std::size_t c = 0; c < header.fields.size(); ++c) {
        const std::string name = Lower(Trimmed(header.fields[c], " \t"));
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
        Errors rowErrors(errors, menu.rawTaken, where);
        ++rows;
        if (record.fields.size() != header.fields.size()) {
            errors.push_back(where + ": " + std::to_string(record.fields.size()) +
                             " fields, the header has " + std::to_string(header.fields.size()));
            continue;
        }
        const auto cell = [&](CsvColumn field) {
            const int c = columnOf[field];
            return c < 0 ? Value{} : Value::Text(record.fields[static_cast<std::size_t>(c)]);
        };
        int slot = -1;
        if (columnOf[ItemColumn] >= 0) {
            const Value number = cell(ItemColumn);
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
        RawItem raw{cell(NameColumn), cell(CookColumn), cell(ShakeColumn), cell(HoldColumn),
                    cell(CompColumn)};
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
