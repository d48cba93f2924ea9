// batch's cells: every cell through the rules of --set before anything is
// calculated (the refusal on its row, the other rows going on), and input
// cells echoed so that a spreadsheet shows them as text.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "files/csv_table.h"
#include "model/message_text.h"
#include "present/batch_cells.h"
#include "present/batch_output.h"

namespace vantrel {
namespace {

// The results of a CSV text: the records of the output.
std::vector<CsvRecord> Results(const std::string& csv, int* status = nullptr) {
    std::string out;
    std::ostringstream err;
    const int result = BatchOfText(csv, "in.csv", out, err);
    if (status) *status = result;
    return ReadCsv(out).records;
}

constexpr size_t kBeam = 1, kFema = 3, kErrors = 13;

struct RefusedCell {
    const char* header;
    const char* row;
    const char* message;  // the Errors cell begins so
};

TEST(BatchCellsTest, ARefusedCellIsReportedOnItsRowAndTheNextRowGoesOn) {
    const RefusedCell rows[] = {
        {"Grade", "A992", "line 2, column Grade: \"A992\" is not an entry of the Grade list"},
        {"ColumnAxialLoad", "-100",
         "line 2, column ColumnAxialLoad: The column axial load cannot be negative."},
        {"Length", "51", "line 2, column Length: \"Beam Length\" cannot be greater than 50 ft."},
        {"Height", "36", "line 2, column Height: Frame height cannot be greater than 35 ft."},
        {"A", "0.49", "line 2, column A: \"0.49\" is not an entry of the A list"},
        {"Length", "\" 30\"", "line 2, column Length: \" 30\" has a character its field"},
        {"ColumnAbove", "yes", "line 2, column ColumnAbove: \"yes\" is not an entry"},
        {"FRAMETYPE", "smrf", "line 2, column FRAMETYPE: \"smrf\" is not an entry"},
        {"Beam", "W21x44", "line 2, column Beam: \"W21x44\" is not an entry of the Beam list"},
        {"Beam", "", "line 2, column Beam: \"\" is not an entry"},
        {"Column", "", "line 2, column Column: \"\" is not an entry"},
        {"Grade", "", "line 2, column Grade: \"\" is not an entry"},
        {"FRAMETYPE", "", "line 2, column FRAMETYPE: \"\" is not an entry"},
        {"ColumnAbove", "", "line 2, column ColumnAbove: \"\" is not an entry"},
        {"Length,PointLoadLocation1", "30,31",
         "line 2, column PointLoadLocation1: Point load can not occur outside"},
    };
    for (const RefusedCell& c : rows) {
        const std::string header = c.header;
        const std::string good = header == "Length,PointLoadLocation1" ? "30,20"
                                 : header == "Beam"                    ? "W 21x44"
                                 : header == "Column"                  ? "W 14x90"
                                 : header == "Grade"       ? "A992   Fy=50 ksi   Fu=65 ksi"
                                 : header == "A"           ? "0.50"
                                 : header == "FRAMETYPE"   ? "OMRF"
                                 : header == "ColumnAbove" ? "Yes"
                                                           : "12";
        int status = 0;
        // An empty line is no row: an empty cell alone is quoted.
        const std::string row = *c.row ? c.row : "\"\"";
        const auto records = Results(header + "\n" + row + "\n" + good + "\n", &status);
        ASSERT_EQ(records.size(), 3u) << c.row;
        EXPECT_EQ(records[1].fields[kFema], "error") << c.row;
        EXPECT_EQ(records[1].fields[kErrors].rfind(c.message, 0), 0u) << records[1].fields[kErrors];
        EXPECT_NE(records[2].fields[kFema], "error")
            << header << ": " << records[2].fields[kErrors];
        EXPECT_EQ(status, 3);
    }
}

// An empty numeric cell takes its input's default, as a missing column does.
TEST(BatchCellsTest, AnEmptyNumericCellIsTheDefault) {
    const auto missing = Results("Beam\nW 21x44\n");
    const auto empty = Results("Beam,Length,Height,ORC,DistDL1,ColumnAxialLoad\nW 21x44,,,,,\n");
    ASSERT_EQ(empty.size(), 2u);
    EXPECT_EQ(empty[1].fields, missing[1].fields);
}

TEST(BatchCellsTest, EchoedCellsAreTextInASpreadsheet) {
    const std::pair<std::string, std::string> rows[] = {
        {"=HYPERLINK(\"x\")", "'=HYPERLINK(\"x\")"},
        {"+1", "'+1"},
        {"-1", "'-1"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"\tW", "'\tW"},
        {"\rW", "'\rW"},
        {std::string("W\0x", 3), "W\xEF\xBF\xBDx"},
        {"W\xFF\xC3", "W\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"W 21x44", "W 21x44"},
        {"Stra\xC3\x9F"
         "e=",
         "Stra\xC3\x9F"
         "e="},
    };
    for (const auto& [cell, echoed] : rows) EXPECT_EQ(EchoedCell(cell), echoed);
    // A refused row echoes its Beam and Column so too.
    const auto records = Results("Beam,Column\n\"=1+1\",@A1\n");
    EXPECT_EQ(records[1].fields[kBeam], "'=1+1");
    EXPECT_EQ(records[1].fields[kBeam + 1], "'@A1");
}

// The status is the worst row's: an error over a failed check over a pass.
TEST(BatchCellsTest, TheStatusIsTheWorstRows) {
    constexpr const char* kPasses = "W 6x9,W 14x53,\n";
    constexpr const char* kFails = "W 21x44,W 14x90,\n";        // Mf ratio, continuity plates
    constexpr const char* kFailsFemaOnly = "W 6x9,W 12x19,\n";  // continuity plates
    constexpr const char* kRefused = "W 21x44,W 99x1,\n";
    constexpr const char* kInError = "W 21x44,W 14x90,3\n";  // a span shorter than the hinges
    const std::pair<std::string, int> rows[] = {
        {std::string(kPasses) + kPasses, 0},
        {std::string(kPasses) + kFails + kPasses, 1},
        {std::string(kPasses) + kFailsFemaOnly, 1},
        {std::string(kFails) + kRefused + kPasses, 3},
        {std::string(kFails) + kInError + kPasses, 3},
    };
    for (const auto& [designs, status] : rows) {
        int result = -1;
        Results("Beam,Column,Length\n" + designs, &result);
        EXPECT_EQ(result, status) << designs;
    }
}

TEST(BatchCellsTest, AHeaderOnlyFileHasNoDesigns) {
    std::string out;
    std::ostringstream err;
    EXPECT_EQ(BatchOfText("Beam,Column\r\n", "in.csv", out, err), 0);
    EXPECT_NE(err.str().find("no designs"), std::string::npos) << err.str();
    EXPECT_EQ(ReadCsv(out).records.size(), 1u);
}

std::string Repeated(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += text;
    return out;
}

// Given texts in messages: at most 80 characters, no control character.
TEST(MessageTextTest, CutsAndEscapes) {
    const std::string eighty(80, 'x');
    const std::pair<std::string, std::string> rows[] = {
        {"plain", "plain"},
        {eighty, eighty},
        {eighty + "y", std::string(79, 'x') + "…"},
        {"\x1b[31mred", "\\x1b[31mred"},
        {std::string("a\0b", 3), "a\\x00b"},
        {"\x7f\xc2\x9b", "\\x7f\\xc2\\x9b"},
        {"bad\xff", "bad\\xff"},
        {"Stra\xC3\x9F"
         "e",
         "Stra\xC3\x9F"
         "e"},
        {"\xc2\x9b\xc3\xa9", "\\xc2\\x9b\xc3\xa9"},
        {Repeated("\xe3\x80\x80", 80), Repeated("\xe3\x80\x80", 80)},
        {std::string(77, 'x') + "\x1b", std::string(77, 'x') + "…"},
        {std::string(77, 'x') + "\xff", std::string(77, 'x') + "…"},
        {std::string(200, '\0'), Repeated("\\x00", 19) + "…"},
    };
    for (const auto& [given, shown] : rows) EXPECT_EQ(MessageText(given), shown) << shown;
}

}  // namespace
}  // namespace vantrel
