// Any bytes as a JSON or CSV menu for `tmrtool import`, under either rules.
// The first byte picks the format (bit 0) and the rules (bit 1).
#include "FuzzCheck.h"

#include "EntryRules.h"
#include "MenuFileFormat.h"
#include "MenuImport.h"
#include "TimeValues.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const bool csv = data[0] & 1;
    const ImportRules rules = (data[0] & 2) ? ImportRules::Raw : ImportRules::Editor;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1),
                           static_cast<qsizetype>(size - 1));
    const std::string input = "fuzz-input";
    const ImportedMenu menu =
        csv ? ParseMenuCsv(bytes, input, rules) : ParseMenuJson(bytes, input, rules);

    // Every message names the input it is about.
    for (const std::string& error : menu.errors)
        FUZZ_CHECK(error.find(input) != std::string::npos);
    if (!menu.errors.empty())
        return 0;

    // What is accepted is a menu the file can hold: every record well formed,
    // and by the editor's rules every named item one the editor could store.
    const MenuImage image = ImportedImage(menu);
    for (int i = 0; i < MenuItemCount; ++i) {
        const ConstRecordBytes record = RecordAt(image, i);
        FUZZ_CHECK(ChecksumMatches(record));
        FUZZ_CHECK(record[ReservedOffset] == 0);
        const MenuItem& item = menu.items[static_cast<std::size_t>(i)];
        if (rules == ImportRules::Editor && !item.Name.empty()) {
            FUZZ_CHECK(ValidateItemEntry_Name(item.Name));
            FUZZ_CHECK(CalculateTimeInSeconds(item.Duty) <= CalculateTimeInSeconds(item.Cook));
        }
    }
    return 0;
}
