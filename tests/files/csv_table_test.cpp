// CSV fields written and read back: what batch reads of its own output.
#include "files/csv_table.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(CsvTableTest, FieldsReadBackAsWritten) {
    const std::vector<std::string> fields = {
        "W 21x44", "", "a,b", "say \"30\"", "\"", "two\nlines", "crlf\r\nend", "x\"\"y", "-0.5"};
    std::string text;
    for (size_t i = 0; i < fields.size(); ++i) text += (i ? "," : "") + CsvField(fields[i]);
    text += "\r\nnext\n";
    const CsvTable table = ReadCsv(text);
    ASSERT_FALSE(table.error) << *table.error;
    ASSERT_EQ(table.records.size(), 2u);
    EXPECT_EQ(table.records[0].fields, fields);
    EXPECT_EQ(table.records[1].line, 4);  // after the two line breaks inside fields
    EXPECT_EQ(table.records[1].fields, std::vector<std::string>{"next"});
}

TEST(CsvTableTest, RefusesWhatIsNotCsv) {
    for (const char* text : {"\"open", "\"closed\"x", "in\"side", "lone\rreturn"}) {
        const CsvTable table = ReadCsv(text);
        EXPECT_TRUE(table.error) << text;
    }
}

}  // namespace
}  // namespace vantrel
