#pragma once
// Comma-separated values as RFC 4180 writes them: fields separated by ",",
// records ended by CRLF or LF, a field in double quotes may hold commas,
// line breaks and doubled quotes.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

struct CsvRecord {
    int line = 0;  // the line of the file the record starts on (from 1)
    std::vector<std::string> fields;
};

struct CsvTable {
    std::vector<CsvRecord> records;    // empty lines are skipped
    std::optional<std::string> error;  // why the text is not CSV, naming the line
};

// The records of a whole file's text; a UTF-8 byte-order mark is skipped.
// Refuses an unclosed quoted field, text after a closing quote, a quote in an
// unquoted field and a lone carriage return.
CsvTable ReadCsv(std::string_view text);

// The field as CSV writes it: quoted when it holds a comma, a quote, or a
// line break.
std::string CsvField(std::string_view text);

}  // namespace vantrel
