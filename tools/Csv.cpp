#include "Csv.h"

#include "Text.h"

namespace {

bool IsLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

// Steps over one line break at `pos`: CRLF, LF or CR.
void SkipLineBreak(std::string_view text, std::size_t& pos, int& line)
{
    if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n')
        ++pos;
    ++pos;
    ++line;
}

} // namespace

CsvTable ParseCsv(std::string_view text)
{
    CsvTable table;
    text = WithoutBom(text);

    std::size_t pos = 0;
    int line = 1;
    while (pos < text.size()) {
        CsvRecord record;
        record.line = line;
        bool quotedAny = false;
        for (;;) {
            std::string field;
            if (pos < text.size() && text[pos] == '"') {
                quotedAny = true;
                const int opened = line;
                ++pos;
                for (;;) {
                    if (pos >= text.size()) {
                        table.error = "a quoted field is not closed";
                        table.errorLine = opened;
                        return table;
                    }
                    const char c = text[pos];
                    if (c == '"') {
                        if (pos + 1 < text.size() && text[pos + 1] == '"') {
                            field += '"';
                            pos += 2;
                            continue;
                        }
                        ++pos;
                        break;
                    }
                    if (c == '\n' ||
                        (c == '\r' && !(pos + 1 < text.size() && text[pos + 1] == '\n')))
                        ++line;
                    field += c;
                    ++pos;
                }
                if (pos < text.size() && text[pos] != ',' && !IsLineBreak(text[pos])) {
                    table.error = "text after the closing quote of a field";
                    table.errorLine = line;
                    return table;
                }
            } else {
                while (pos < text.size() && text[pos] != ',' && !IsLineBreak(text[pos])) {
                    if (text[pos] == '"') {
                        table.error = "a quote inside a field that does not start with one";
                        table.errorLine = line;
                        return table;
                    }
                    field += text[pos++];
                }
            }
            record.fields.push_back(std::move(field));
            if (pos < text.size() && text[pos] == ',') {
                ++pos;
                continue;
            }
            break;
        }
        if (pos < text.size())
            SkipLineBreak(text, pos, line);
        record.blank = !quotedAny && record.fields.size() == 1 && record.fields[0].empty();
        table.records.push_back(std::move(record));
    }
    return table;
}

std::string CsvField(std::string_view field)
{
    if (field.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(field);
    std::string out = "\"";
    for (const char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    return out;
}
