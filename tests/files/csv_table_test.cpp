// CSV fields written and read back: what batch reads of its own output, read
// whole or a byte at a time, and the texts the reader refuses.
#include "files/csv_table.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

// Every record of text through a source that gives one byte per read, so
// that each field, quote, line end and the byte-order mark is cut by a read.
CsvTable ReadByteByByte(std::string_view text, uint64_t firstLine = 1) {
    CsvReader reader(
        [text, at = size_t{0}](char* buffer, size_t) mutable -> ptrdiff_t {
            if (at == text.size()) return 0;
            *buffer = text[at++];
            return 1;
        },
        firstLine);
    CsvTable table;
    for (CsvRecord record; reader.Next(record);) table.records.push_back(record);
    table.error = reader.error();
    return table;
}

TEST(CsvTableTest, FieldsReadBackAsWritten) {
    const std::vector<std::string> fields = {
        "W 21x44", "", "a,b", "say \"30\"", "\"", "two\nlines", "crlf\r\nend", "x\"\"y", "-0.5"};
    std::string text = "\xEF\xBB\xBF";
    for (size_t i = 0; i < fields.size(); ++i) text += (i ? "," : "") + CsvField(fields[i]);
    text += "\r\n\nnext\n";
    for (const CsvTable& table : {ReadCsv(text), ReadByteByByte(text)}) {
        ASSERT_FALSE(table.error) << *table.error;
        ASSERT_EQ(table.records.size(), 2u);
        EXPECT_EQ(table.records[0].fields, fields);
        EXPECT_EQ(table.records[1].line,
                  5u);  // after the line breaks inside fields, the empty line
        EXPECT_EQ(table.records[1].fields, std::vector<std::string>{"next"});
    }
}

// The line counter goes on past 2^31 and 2^32, in the records and the errors.
TEST(CsvTableTest, LinesPastTwoToTheThirtyFirstAreCounted) {
    const CsvTable table = ReadByteByByte("a\n\"b\nc\"\nd\n\"open", (uint64_t{1} << 31) - 1);
    ASSERT_EQ(table.records.size(), 3u);
    EXPECT_EQ(table.records[1].line, uint64_t{1} << 31);
    EXPECT_EQ(table.records[2].line, (uint64_t{1} << 31) + 2);
    EXPECT_EQ(table.error, "line 2147483651: a quoted field is not closed");
    EXPECT_EQ(ReadByteByByte("\"", uint64_t{1} << 32).error,
              "line 4294967296: a quoted field is not closed");
}

TEST(CsvTableTest, RefusesWhatIsNotCsvNamingTheLine) {
    const std::string full(kMaxCsvRecordBytes, 'x');
    EXPECT_FALSE(ReadCsv(full + "\r\n\"" + full.substr(2) + "\"\n" + full).error);
    const std::pair<std::string, const char*> refused[] = {
        {"\"open", "line 1: a quoted field is not closed"},
        {"\"closed\"x", "line 1: text after a closing quote"},
        {"in\"side", "line 1: a quote inside a field that is not quoted"},
        {"a\nlone\rreturn", "line 2: a carriage return without a line feed"},
        {"a\n" + full + "x", "line 2: a row longer than 1 MiB"},
        {"a\n\"b\n" + full.substr(3) + "\"", "line 2: a row longer than 1 MiB"},
        {"a\n" + std::string(kMaxCsvRecordBytes + 1, ','), "line 2: a row longer than 1 MiB"},
    };
    for (const auto& [text, error] : refused) {
        EXPECT_EQ(ReadCsv(text).error, error) << text.substr(0, 20);
        EXPECT_EQ(ReadByteByByte(text).error, error) << text.substr(0, 20);
        EXPECT_TRUE(ReadCsv(text).records.empty());
    }
}

}  // namespace
}  // namespace vantrel
