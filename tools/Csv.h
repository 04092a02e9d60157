// Comma-separated values as RFC 4180 has them: fields in double quotes may
// hold commas, line breaks and doubled quotes. Lines end in CRLF, LF or a lone
// CR, and a UTF-8 byte order mark at the start is skipped, so that what a
// spreadsheet saves reads as it was meant.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct CsvRecord {
    int line = 0; // where the record starts, from 1
    std::vector<std::string> fields;
    bool blank = false; // an empty line: one empty field that was not quoted
};

struct CsvTable {
    std::vector<CsvRecord> records;
    std::string error; // empty when the whole text was read
    int errorLine = 0;
};

// Reads every record of `text`; on a quoting error stops there, keeping the
// records before it.
CsvTable ParseCsv(std::string_view text);

// `field` as one CSV field: in quotes, with quotes doubled, when it holds a
// comma, a quote or a line break; as it is otherwise.
std::string CsvField(std::string_view field);
