#pragma once
// Comma-separated values as RFC 4180 writes them: fields separated by ",",
// records ended by CRLF or LF, a field in double quotes may hold commas,
// line breaks and doubled quotes.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

struct CsvRecord {
    uint64_t line = 0;  // the line of the file the record starts on (from 1)
    std::vector<std::string> fields;
};

// The longest record read, in bytes of the file (quotes and commas included,
// its line end not): a longer one is refused on its line, so what a file can
// make the reader hold is bounded by this, not by the file.
constexpr size_t kMaxCsvRecordBytes = size_t{1} << 20;

// Fills buffer with up to size bytes: the count, 0 at the end, -1 on an error.
using CsvSource = std::function<ptrdiff_t(char* buffer, size_t size)>;

// Reads records one at a time from a source. A UTF-8 byte-order mark at the
// start is skipped and empty lines are skipped. Refuses an unclosed quoted
// field, text after a closing quote, a quote in an unquoted field, a lone
// carriage return, a record over kMaxCsvRecordBytes and a failed read.
class CsvReader {
  public:
    // firstLine numbers the first line (1 for a file; tests start near 2^31).
    explicit CsvReader(CsvSource source, uint64_t firstLine = 1);

    // The next record; false at the end or on an error (then error() says
    // why, naming the line).
    bool Next(CsvRecord& record);
    const std::optional<std::string>& error() const { return error_; }
    // The line the reader is at.
    uint64_t line() const { return line_; }

  private:
    int Peek();
    void Take() { ++pos_, ++recordBytes_; }
    bool Fill();
    bool Fail(uint64_t line, const char* message);
    bool TakeLineEnd();
    bool ReadRecord(std::vector<std::string>& fields, bool& lastQuoted);
    bool ReadField(std::string& field, bool& quoted);

    CsvSource source_;
    std::vector<char> buffer_;
    size_t pos_ = 0;
    size_t end_ = 0;
    bool atEnd_ = false;
    bool started_ = false;
    uint64_t line_;
    uint64_t recordLine_ = 0;
    size_t recordBytes_ = 0;
    std::optional<std::string> error_;
};

struct CsvTable {
    std::vector<CsvRecord> records;    // empty lines are skipped
    std::optional<std::string> error;  // why the text is not CSV, naming the line
};

// The records of a whole text, read by CsvReader.
CsvTable ReadCsv(std::string_view text);

// A source reading text from its start.
CsvSource TextSource(std::string_view text);

// The field as CSV writes it: quoted when it holds a comma, a quote, or a
// line break.
std::string CsvField(std::string_view text);

}  // namespace vantrel
