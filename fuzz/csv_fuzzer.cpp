// libFuzzer target: the CSV reader on arbitrary bytes.
//
// Beyond "no crash, no leak, no huge allocation" it checks what batch relies
// on: reading through reads of any size gives the records and the error that
// reading the whole text gives, the lines only go up, and records read are
// written by CsvField and read again unchanged.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "files/csv_table.h"

namespace {

using vantrel::CsvReader;
using vantrel::CsvRecord;
using vantrel::CsvTable;

// Reads of 1 to 8 bytes, their sizes taken from the text itself.
CsvTable ReadInPieces(std::string_view text) {
    size_t at = 0;
    CsvReader reader([&](char* buffer, size_t size) -> ptrdiff_t {
        size_t count = 1 + (at < text.size() ? static_cast<unsigned char>(text[at]) % 8 : 0);
        count = std::min({count, size, text.size() - at});
        text.copy(buffer, count, at);
        at += count;
        return static_cast<ptrdiff_t>(count);
    });
    CsvTable table;
    for (CsvRecord record; reader.Next(record);) table.records.push_back(record);
    table.error = reader.error();
    return table;
}

bool SameRecords(const CsvTable& a, const CsvTable& b) {
    if (a.records.size() != b.records.size()) return false;
    for (size_t i = 0; i < a.records.size(); ++i)
        if (a.records[i].fields != b.records[i].fields) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const CsvTable whole = vantrel::ReadCsv(text);
    const CsvTable pieces = ReadInPieces(text);
    if (whole.error != pieces.error) __builtin_trap();
    if (whole.error) {
        if (!whole.records.empty()) __builtin_trap();
        return 0;
    }
    if (!SameRecords(whole, pieces)) __builtin_trap();
    // After a byte-order mark, which reading skips, a field may start with one.
    std::string written = "\xEF\xBB\xBF";
    for (size_t i = 0; i < whole.records.size(); ++i) {
        const CsvRecord& record = whole.records[i];
        if (i > 0 && record.line <= whole.records[i - 1].line) __builtin_trap();
        if (pieces.records[i].line != record.line) __builtin_trap();
        // A record of one empty field is written as an empty line, which is skipped.
        if (record.fields.size() == 1 && record.fields[0].empty()) return 0;
        for (size_t f = 0; f < record.fields.size(); ++f)
            written += (f ? "," : "") + vantrel::CsvField(record.fields[f]);
        written += '\n';
    }
    const CsvTable again = vantrel::ReadCsv(written);
    if (again.error || !SameRecords(again, whole)) __builtin_trap();
    return 0;
}
