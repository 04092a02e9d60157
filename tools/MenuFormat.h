// The two text forms of a menu that tmrtool exports and imports, and the
// columns of the CSV form, in the order export writes them.
#pragma once

#include <array>
#include <string>
#include <string_view>

enum class MenuFormat { Json, Csv };

enum CsvColumn { ItemColumn, NameColumn, CookColumn, ShakeColumn, HoldColumn, CompColumn };
inline constexpr std::array<std::string_view, 6> CsvColumns = {"item",  "name", "cook",
                                                               "shake", "hold", "compensation"};

// "item,name,cook,shake,hold,compensation"
inline std::string CsvHeader()
{
    std::string header;
    // Appended piece by piece: GCC 12 at -O2 warns falsely (-Wrestrict) about
    // a literal added to a temporary string.
    for (const std::string_view column : CsvColumns) {
        if (!header.empty())
            header += ',';
        header += column;
    }
    return header;
}
