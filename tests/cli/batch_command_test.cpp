// vantrel-cli batch on CSV files with good and bad rows, and the files it refuses.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli.h"
#include "cli_runner.h"
#include "tests/support/temp_folder.h"

namespace vantrel::cli {
namespace {

using namespace cli_test;

std::string WriteText(const test::TempFolder& folder, const std::string& text) {
    const std::string path = folder.File("in.csv");
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

TEST(BatchCommandTest, EachRowReportedInOrderAndABadRowDoesNotStopTheOthers) {
    test::TempFolder folder;
    // CRLF line ends, a quoted description with a comma, a quote and a line
    // break, a row with a length that is not a number, a missing Puc, and
    // columns in no particular order.
    const std::string path =
        WriteText(folder,
                  "\xEF\xBB\xBF"
                  "Column,Beam,Length,Description,FRAMETYPE\r\n"
                  "W 14x90,W 21x44,30,\"bay 1, \"\"north\"\"\nline two\",SMRF\r\n"
                  "\r\n"
                  "W 14x90,W 21x44,abc,bay 2,SMRF\r\n"
                  "W 14x311,W 18x97,30,bay 3,SMRF\r\n");
    const std::string out = folder.File("out.csv");
    const Result result = RunCli({"batch", path, "-o", out});
    EXPECT_EQ(result.status, kExitCalculationError) << result.err;
    EXPECT_TRUE(result.out.empty());
    std::ifstream written(out, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(written)),
                           std::istreambuf_iterator<char>());
    const auto lines = Lines(text);
    ASSERT_EQ(lines.size(), 4u) << text;
    EXPECT_EQ(lines[0],
              "Line,Beam,Column,Fema350,Fema350Failing,Aisc358,Aisc358Failing,MfRatio,ShearRatio,"
              "StrongColumnRatio,PanelZoneRatio,Errors");
    // The worked example: the numbers are the core's doubles, shortest texts.
    EXPECT_EQ(lines[1].substr(0, lines[1].find(",0.9")),
              "2,W 21x44,W 14x90,fail,Flange moment share; Continuity plates,fail,"
              "column_flange_slenderness");
    EXPECT_NE(lines[1].find(",1.3169"), std::string::npos) << lines[1];
    EXPECT_EQ(lines[1].back(), ',');  // no errors
    EXPECT_EQ(lines[2].substr(0, 46), "5,W 21x44,W 14x90,error,,error,,,,,,Error 13 (");
    EXPECT_EQ(lines[3].substr(0, 29), "6,W 18x97,W 14x311,pass,,pass");
}

// A FIFO is neither read (nothing blocks) nor replaced by the output.
TEST(BatchCommandTest, FifoIsNeitherReadNorReplaced) {
    test::TempFolder folder;
    const std::string fifo = folder.File("pipe");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(RunCli({"batch", fifo}).status, kExitFileError);
    const Result written = RunCli({"batch", WriteText(folder, "Beam\nW 21x44\n"), "-o", fifo});
    EXPECT_EQ(written.status, kExitFileError);
    EXPECT_NE(written.err.find("(Error: 2105)"), std::string::npos) << written.err;
    struct stat info {};
    ASSERT_EQ(lstat(fifo.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST(BatchCommandTest, MissingColumnsTakeTheDefaultsAndOutputGoesToStandardOutput) {
    test::TempFolder folder;
    const Result result = RunCli({"batch", WriteText(folder, "Length\n30")});  // no final line end
    EXPECT_EQ(result.status, kExitCheckFails) << result.err;
    const auto lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].substr(0, 18), "2,W 4x13,W 4x13,fa");
}

// A CSV text refused with the line it fails at (the refusals of the command
// line itself are rows of the calc command's status table).
struct RefusalCase {
    const char* name;
    const char* csv;
    const char* inOutput;
};

class BatchRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(BatchRefusalTest, RefusedWithTheLine) {
    const RefusalCase& c = GetParam();
    test::TempFolder folder;
    ExpectOutcome({c.name, {"batch", WriteText(folder, c.csv)}, kExitFileError, c.inOutput});
}

INSTANTIATE_TEST_SUITE_P(
    Files, BatchRefusalTest,
    ::testing::Values(
        RefusalCase{"UnclosedQuote", "Beam,Length\nW 21x44,30\n\"W 21x44,30\n",
                    "line 3: a quoted field is not closed"},
        RefusalCase{"TextAfterQuote", "Beam\n\"W 21x44\"x\n", "line 2: text after a closing"},
        RefusalCase{"QuoteInsideField", "Beam\nW 21\"x44\n", "line 2: a quote inside a field"},
        RefusalCase{"LoneCarriageReturn", "Beam\rW 21x44\n", "line 1: a carriage return"},
        RefusalCase{"FieldCount", "Beam,Length\n\"a\nb\",1\nW 21x44\n",
                    "line 4: 1 fields, the header has 2"},
        RefusalCase{"UnknownColumn", "Beam,Lenght\nW 21x44,30\n",
                    "line 1: unknown column 'Lenght'"},
        RefusalCase{"RepeatedColumn", "Beam,Beam\nW 21x44,W 24x62\n",
                    "column 'Beam' appears twice"},
        RefusalCase{"Empty", "", "no header line"}),
    [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace vantrel::cli
