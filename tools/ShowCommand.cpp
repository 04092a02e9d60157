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
    int status = ExitOk;
    const std::optional<QStringList> files = cl.ParseFiles(args, c, status);
    if (!files)
        return status;

    bool first = true;
    for (const QString& path : *files) {
        const MenuFileBytes bytes = ReadMenuBytes(path);
        if (!bytes.ok) {
            FileError(c, path, ToStd(bytes.error));
            status = ExitTrouble;
            continue;
        }
        if (!first)
            c.out << "\n";
        first = false;
        c.out << ShowMenu(ToStd(path), bytes, {c.aligned, c.coloured});
    }
    return status;
}

} // namespace

const Command ShowCommand = {
    "show",
    "FILE...",
    "the ten items of each file as a table",
    "Shows the ten items of each menu file as the editor reads them: number, name, cook, shake "
    "and hold time, compensation. A record whose checksum does not match is marked, and a file "
    "that is not 191 bytes gets a line of its own. On a terminal the columns are aligned; to a "
    "pipe they are separated by tabs. Only regular files are read: a pipe or a device is "
    "refused.",
    "  0  every file was shown\n"
    "  2  a usage error, or a file that could not be read\n",
    Run};

std::string ShowMenu(const std::string& file, const MenuFileBytes& bytes, ShowStyle style)
{
    std::vector<Row> rows;
    rows.push_back({"item", "name", "cook", "shake", "hold", "compensation", "checksum"});
    const int records = WholeRecords(bytes.head);
    std::vector<bool> bad;
    for (int i = 0; i < records; ++i) {
        const ConstRecordBytes record = RecordAt(bytes.head, i);
        const MenuItem item = DecodeRecord(record);
        bad.push_back(!ChecksumMatches(record));
        std::string mark;
        if (bad.back())
            mark = (style.aligned ? "! checksum " : "") + ChecksumMismatch(record);
        else if (!style.aligned)
            mark = "ok";
        rows.push_back({std::to_string(i + 1), EscapeControls(item.Name), item.Cook, item.Duty,
                        item.Hold, std::to_string(item.Comp), mark});
    }

    std::string out = file + "\n";
    if (records > 0) {
        std::array<std::size_t, Columns> widths{};
        for (const Row& row : rows)
            for (int c = 0; c < Columns; ++c)
                widths[c] = std::max(widths[c], Width(row[c]));
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const Row& row = rows[r];
            std::string line;
            if (style.aligned) {
                // Numbers to the right, texts to the left; the mark needs no heading.
                for (int c = 0; c < Columns - 1; ++c) {
                    const bool right = r > 0 && (c == 0 || c == 5);
                    line += Pad(row[c], widths[c], right);
                    if (c < Columns - 2)
                        line += "  ";
                }
                while (!line.empty() && line.back() == ' ')
                    line.pop_back();
                if (r == 0)
                    line = Paint(line, Ansi::Bold, style.coloured);
                else if (bad[r - 1])
                    line += "  " + Paint(row[Columns - 1], Ansi::Red, style.coloured);
            } else {
                for (int c = 0; c < Columns; ++c) {
                    if (c > 0)
                        line += '\t';
                    line += row[c];
                }
            }
            out += line + "\n";
        }
    }
    if (bytes.size != FileDataSize)
        out += file + ": " + SizeMismatch(bytes.size) + "\n";
    if (bytes.head.size() >= static_cast<std::size_t>(FileDataSize) &&
        bytes.head[ReservedByteIndex] != 0)
        out += "reserved byte 190: " + HexByte(bytes.head[ReservedByteIndex]) + "\n";
    return out;
}
