#include "csv_table.h"

namespace vantrel {
namespace {

class CsvReader {
  public:
    explicit CsvReader(std::string_view text) : text_(text) {
        if (text_.starts_with("\xEF\xBB\xBF")) pos_ = 3;
    }

    CsvTable Read() {
        CsvTable table;
        while (pos_ < text_.size()) {
            CsvRecord record;
            record.line = line_;
            if (!ReadRecord(record.fields)) {
                table.records.clear();
                table.error = "line " + std::to_string(errorLine_) + ": " + error_;
                return table;
            }
            const bool emptyLine =
                record.fields.size() == 1 && record.fields[0].empty() && !lastFieldQuoted_;
            if (!emptyLine) table.records.push_back(std::move(record));
        }
        return table;
    }

  private:
    bool Fail(int line, const char* message) {
        errorLine_ = line;
        error_ = message;
        return false;
    }

    // At a line end: consumes it and returns true.
    bool TakeLineEnd() {
        if (text_[pos_] == '\n') {
            ++pos_;
            ++line_;
            return true;
        }
        if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') {
            pos_ += 2;
            ++line_;
            return true;
        }
        return false;
    }

    bool ReadRecord(std::vector<std::string>& fields) {
        for (;;) {
            std::string field;
            if (!ReadField(field)) return false;
            fields.push_back(std::move(field));
            if (pos_ >= text_.size()) return true;
            if (text_[pos_] == ',') {
                ++pos_;
                continue;
            }
            if (TakeLineEnd()) return true;
            return Fail(line_, text_[pos_] == '\r' ? "a carriage return without a line feed"
                                                   : "text after a closing quote");
        }
    }

    bool ReadField(std::string& field) {
        lastFieldQuoted_ = pos_ < text_.size() && text_[pos_] == '"';
        if (!lastFieldQuoted_) {
            while (pos_ < text_.size()) {
                const char ch = text_[pos_];
                if (ch == ',' || ch == '\n' || ch == '\r') return true;
                if (ch == '"') return Fail(line_, "a quote inside a field that is not quoted");
                field += ch;
                ++pos_;
            }
            return true;
        }
        const int opened = line_;
        ++pos_;
        while (pos_ < text_.size()) {
            const char ch = text_[pos_++];
            if (ch == '"') {
                if (pos_ < text_.size() && text_[pos_] == '"') {
                    field += '"';
                    ++pos_;
                    continue;
                }
                return true;
            }
            if (ch == '\n') ++line_;
            field += ch;
        }
        return Fail(opened, "a quoted field is not closed");
    }

    std::string_view text_;
    size_t pos_ = 0;
    int line_ = 1;
    bool lastFieldQuoted_ = false;
    int errorLine_ = 0;
    std::string error_;
};

}  // namespace

CsvTable ReadCsv(std::string_view text) {
    return CsvReader(text).Read();
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
