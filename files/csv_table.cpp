#include "csv_table.h"

#include <algorithm>
#include <cstring>

namespace vantrel {
namespace {

constexpr size_t kChunk = size_t{1} << 16;
constexpr int kEnd = -1;

}  // namespace

CsvReader::CsvReader(CsvSource source, uint64_t firstLine)
    : source_(std::move(source)), line_(firstLine) {}

// Reads more bytes after those not yet taken; false when none came.
bool CsvReader::Fill() {
    if (atEnd_) return false;
    if (buffer_.empty()) buffer_.resize(kChunk);
    std::memmove(buffer_.data(), buffer_.data() + pos_, end_ - pos_);
    end_ -= pos_;
    pos_ = 0;
    const ptrdiff_t got = source_(buffer_.data() + end_, buffer_.size() - end_);
    if (got > 0) {
        end_ += static_cast<size_t>(got);
        return true;
    }
    atEnd_ = true;
    if (got < 0 && !error_) error_ = "line " + std::to_string(line_) + ": reading failed";
    return false;
}

int CsvReader::Peek() {
    if (pos_ == end_ && !Fill()) return kEnd;
    return static_cast<unsigned char>(buffer_[pos_]);
}

bool CsvReader::Fail(uint64_t line, const char* message) {
    if (!error_) error_ = "line " + std::to_string(line) + ": " + message;
    return false;
}

// At a line end: consumes it and returns true. A carriage return must be
// followed by a line feed.
bool CsvReader::TakeLineEnd() {
    const int ch = Peek();
    if (ch == '\n') {
        Take();
        ++line_;
        return true;
    }
    if (ch != '\r') return false;
    Take();
    if (Peek() != '\n') return Fail(line_, "a carriage return without a line feed");
    Take();
    ++line_;
    return true;
}

bool CsvReader::ReadRecord(std::vector<std::string>& fields, bool& lastQuoted) {
    for (size_t used = 0;; ++used) {
        if (used == fields.size()) fields.emplace_back();
        std::string& field = fields[used];
        field.clear();
        if (!ReadField(field, lastQuoted)) return false;
        const int ch = Peek();
        if (ch == kEnd) {
            fields.resize(used + 1);
            return !error_;
        }
        if (ch == ',') {
            Take();
            continue;
        }
        if (ch == '\n' || ch == '\r') {
            fields.resize(used + 1);
            return TakeLineEnd();
        }
        return Fail(line_, "text after a closing quote");
    }
}

bool CsvReader::ReadField(std::string& field, bool& quoted) {
    quoted = Peek() == '"';
    if (!quoted) {
        for (;;) {
            if (pos_ == end_ && !Fill()) break;
            // The run of plain bytes in the buffer, at once.
            const char* from = buffer_.data() + pos_;
            const char* stop = from;
            const char* last = buffer_.data() + end_;
            while (stop != last && *stop != ',' && *stop != '\n' && *stop != '\r' && *stop != '"')
                ++stop;
            const size_t run = static_cast<size_t>(stop - from);
            field.append(from, run);
            pos_ += run;
            recordBytes_ += run;
            if (recordBytes_ > kMaxCsvRecordBytes) break;
            if (stop == last) continue;
            if (*stop == '"') return Fail(line_, "a quote inside a field that is not quoted");
            break;
        }
        if (recordBytes_ > kMaxCsvRecordBytes) return Fail(recordLine_, "a row longer than 1 MiB");
        return !error_;
    }
    const uint64_t opened = line_;
    Take();
    for (int ch; (ch = Peek()) != kEnd;) {
        if (recordBytes_ >= kMaxCsvRecordBytes) return Fail(recordLine_, "a row longer than 1 MiB");
        Take();
        if (ch == '"') {
            if (Peek() != '"') return true;
            Take();
        } else if (ch == '\n') {
            ++line_;
        }
        field += static_cast<char>(ch);
    }
    return error_ ? false : Fail(opened, "a quoted field is not closed");
}

bool CsvReader::Next(CsvRecord& record) {
    if (!started_) {
        started_ = true;
        while (end_ - pos_ < 3 && Fill()) {
        }
        if (std::string_view(buffer_.data() + pos_, end_ - pos_).starts_with("\xEF\xBB\xBF"))
            pos_ += 3;
    }
    while (!error_ && Peek() != kEnd) {
        record.line = recordLine_ = line_;
        recordBytes_ = 0;
        bool lastQuoted = false;
        if (!ReadRecord(record.fields, lastQuoted)) return false;
        const bool emptyLine = record.fields.size() == 1 && record.fields[0].empty() && !lastQuoted;
        if (!emptyLine) return true;
    }
    return false;
}

CsvSource TextSource(std::string_view text) {
    return [text, at = size_t{0}](char* buffer, size_t size) mutable -> ptrdiff_t {
        const size_t count = std::min(size, text.size() - at);
        std::memcpy(buffer, text.data() + at, count);
        at += count;
        return static_cast<ptrdiff_t>(count);
    };
}

CsvTable ReadCsv(std::string_view text) {
    CsvTable table;
    CsvReader reader(TextSource(text));
    for (CsvRecord record; reader.Next(record);) table.records.push_back(record);
    if (reader.error()) {
        table.records.clear();
        table.error = reader.error();
    }
    return table;
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (const char ch : text) {
        if (ch == '"') quoted += '"';
        quoted += ch;
    }
    return quoted + '"';
}

}  // namespace vantrel
