// tmrtool show: the items of each menu file as a table.
#include "CommandLine.h"
#include "MenuFileFormat.h"
#include "MenuText.h"
#include "Text.h"

#include <algorithm>
#include <array>

namespace {

constexpr int Columns = 7;
using Row = std::array<std::string, Columns>;

std::size_t Width(const std::string& utf8)
{
    return Utf8Length(utf8);
}

std::string Pad(const std::string& text, std::size_t width, bool right)
{
    const std::string fill(width - std::min(width, Width(text)), ' ');
    return right ? fill + text : text + fill;
}

int Run(CommandLine& cl, const QStringList& args, Console& c)
{
    const std::optional<QStringList> files = cl.ParseFiles(args, c);
    if (!files)
        return cl.status;

    int status = ExitOk;
    bool first = true;
    for (const QString& path : *files) {
        const std::optional<MenuImage> image = ReadWholeMenu(c, path);
        if (!image) {
            status = ExitTrouble;
            continue;
        }
        if (!first)
            c.out << "\n";
        first = false;
        c.out << ShowMenu(ToStd(path), *image, {c.aligned, c.coloured});
    }
    return status;
}

} // namespace

const Command ShowCommand = {
    "show",
    "FILE...",
    "the ten items of each file as a table",
    "Shows the ten items of each menu file as the editor reads them: number, name, cook, shake "
    "and hold time, compensation. The last column, the same on a terminal and to a pipe, "
    "holds ok or the checksum that does not match. On a terminal the columns are aligned; to a "
    "pipe they are separated by tabs. A file that is not 191 bytes is no menu and is not shown. "
    "Only regular files are read: a pipe or a device is "
    "refused.",
    "  0  every file was shown\n"
    "  2  a usage error, or a file that could not be read\n",
    Run};

std::string ShowMenu(const std::string& file, const MenuImage& image, ShowStyle style)
{
    std::vector<Row> rows;
    rows.push_back({"item", "name", "cook", "shake", "hold", "compensation", "checksum"});
    std::vector<bool> bad;
    for (int i = 0; i < MenuItemCount; ++i) {
        const ConstRecordBytes record = RecordAt(image, i);
        const MenuItem item = DecodeRecord(record);
        bad.push_back(!ChecksumMatches(record));
        rows.push_back({std::to_string(i + 1), EscapeControls(item.Name), item.Cook, item.Duty,
                        item.Hold, std::to_string(item.Comp),
                        bad.back() ? ChecksumMismatch(record) : "ok"});
    }

    std::array<std::size_t, Columns> widths{};
    for (const Row& row : rows)
        for (int c = 0; c < Columns; ++c)
            widths[c] = std::max(widths[c], Width(row[c]));
    std::string out = file + "\n";
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const Row& row = rows[r];
        std::string line;
        for (int c = 0; c < Columns; ++c) {
            std::string cell = row[c];
            if (style.aligned) {
                // Numbers to the right, texts to the left.
                const bool right = r > 0 && (c == 0 || c == 5);
                cell = Pad(cell, c + 1 < Columns ? widths[c] : 0, right);
                if (r > 0 && c + 1 == Columns && bad[r - 1])
                    cell = Paint(cell, Ansi::Red, style.coloured);
            }
            if (c > 0)
                line += style.aligned ? "  " : "\t";
            line += cell;
        }
        if (style.aligned && r == 0)
            line = Paint(line, Ansi::Bold, style.coloured);
        out += line + "\n";
    }
    if (image[ReservedByteIndex] != 0)
        out += "reserved byte 190: " + HexByte(image[ReservedByteIndex]) + "\n";
    return out;
}
