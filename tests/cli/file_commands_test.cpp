// vantrel-cli save and batch on real files: what save writes and calc reads
// back, the commands of examples/README.md, and files refused or never
// written (the folder is left as it was).
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli_runner.h"
#include "files/project_file.h"
#include "tests/support/fixture_file.h"
#include "tests/support/temp_folder.h"

namespace vantrel::cli {
namespace {

using namespace cli_test;
namespace fs = std::filesystem;

const fs::path kExamples = fs::path(VANTREL_SOURCE_DIR) / "examples";

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

// The texts as opening shows them.
TEST(SaveCommandTest, WritesTheDesignWithReplacementsAsOpeningShowsThem) {
    test::TempFolder folder;
    const std::string out = folder.File("out.vtl");
    const Result result = RunCli({"save", out, "--set", "Beam=W 21x44", "--set", "DistDL1=2"});
    ASSERT_EQ(result.status, kExitPass) << result.err;
    EXPECT_EQ(result.out, "");
    DesignInputs expected = NewDesignInputs();
    expected.Beam = "W 21x44";
    *expected.Find("DistDL1") = "2.000";
    EXPECT_EQ(ReadProjectFile(out).inputs, expected);
}

// calc FILE sees the texts as opening shows them: 1.0005 opens as 1.001 and
// 10.004 as 10.00, which changes the loads the chain uses.
TEST(SaveCommandTest, CalcOfASavedFileCalculatesTheOpenedTexts) {
    test::TempFolder folder;
    const std::string out = folder.File("out.vtl");
    const std::vector<std::string> worked = {"--set", "Beam=W 21x44", "--set", "Column=W 14x90",
                                             "--set", "Length=30.00", "--set", "PointDL1=10"};
    const std::vector<std::string> typed = {"--set", "DistDL1=1.0005", "--set",
                                            "PointLoadLocation1=10.004"};
    ASSERT_EQ(RunCli(With(With({"save", out}, worked), typed)).status, kExitPass);
    const Result fromFile = RunCli({"calc", out, "--json"});
    const Result asOpened =
        RunCli(With(With({"calc", "--json"}, worked),
                    {"--set", "DistDL1=1.001", "--set", "PointLoadLocation1=10"}));
    EXPECT_EQ(fromFile.status, asOpened.status);
    EXPECT_EQ(fromFile.out, asOpened.out);
    EXPECT_NE(fromFile.out, RunCli(With(With({"calc", "--json"}, worked), typed)).out);
}

// The commands of examples/README.md (the file before or after --set) still
// write the committed files.
TEST(SaveCommandTest, ShippedExamplesAreWhatTheirSaveCommandsWrite) {
    const std::string worked = (kExamples / "worked-example.vtl").string();
    const std::pair<const char*, std::vector<std::string>> examples[] = {
        {"worked-example.vtl",
         {"--set", "Beam=W 21x44", "--set", "Column=W 14x90", "--set", "Length=30.00"}},
        {"worked-example-loaded.vtl",
         {worked, "--set", "DistDL1=1.000", "--set", "DistLL1=0.500", "--set", "PointDL1=10.000",
          "--set", "PointLoadLocation1=10.00"}},
        {"omrf-frame.vtl", {"--set", "FRAMETYPE=OMRF", worked}}};
    for (const auto& [file, args] : examples) {
        test::TempFolder folder;
        ASSERT_EQ(RunCli(With({"save", folder.File(file)}, args)).status, kExitPass) << file;
        EXPECT_EQ(test::ReadBytes(folder.File(file)), test::ReadBytes((kExamples / file).string()))
            << file;
    }
}

// -o holds what standard output would have, and nothing else is printed;
// the results are longer than the writer's buffer.
TEST(BatchCommandTest, OutputFileHoldsWhatStandardOutputWould) {
    test::TempFolder folder;
    const std::string in = folder.File("in.csv");
    {
        std::ofstream csv(in, std::ios::binary);
        csv << "Beam,Column,Length\n";
        for (int row = 0; row < 500; ++row) csv << "W 21x44,W 14x90," << 20 + row % 30 << "\n";
    }
    const Result printed = RunCli({"batch", in});
    const Result written = RunCli({"batch", in, "-o", folder.File("out.csv")});
    EXPECT_EQ(written.status, printed.status);
    EXPECT_EQ(written.out + written.err, "");
    EXPECT_EQ(test::FileText(folder.File("out.csv")), printed.out);
}

struct FailureCase {
    const char* label;
    // OUT: the folder's out.vtl; DIR/NAME: a name in the folder; FIFO: a FIFO
    // made there; IN: a CSV file holding csv.
    const char* command;  // its words, as above
    int status;
    const char* message;  // in the error output
    std::string csv = "";
    friend void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.label; }
};

class FileCommandFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(FileCommandFailure, IsReportedAndLeavesTheFolderAsItWas) {
    const FailureCase& c = GetParam();
    test::TempFolder folder;
    ASSERT_EQ(mkfifo(folder.File("fifo").c_str(), 0600), 0);
    std::ofstream(folder.File("in.csv"), std::ios::binary) << c.csv;
    const auto before = test::Snapshot(folder.path());
    std::vector<std::string> args;
    std::istringstream words(c.command);
    for (std::string arg; words >> arg;)
        args.push_back(arg == "OUT"                   ? folder.File("out.vtl")
                       : arg == "FIFO" || arg == "IN" ? folder.File(arg == "IN" ? "in.csv" : "fifo")
                       : arg.starts_with("DIR/")      ? folder.File(arg.substr(4))
                                                      : arg);
    const Result result = RunCli(args);
    EXPECT_EQ(result.status, c.status);
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    // What it was given is shown cut and escaped: nothing reaches a terminal.
    EXPECT_EQ(result.err.find_first_of(std::string("\x1b\0", 2)), std::string::npos);
    EXPECT_LT(result.err.size(), 1000u);
    EXPECT_EQ(test::Snapshot(folder.path()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FileCommandFailure,
    testing::ValuesIn(std::vector<FailureCase>{
        {"save_unknown_name", "save OUT --set Bream=1", kExitUsage, "'Bream'"},
        {"save_two_inputs", "save OUT DIR/a DIR/b", kExitUsage, "argument"},
        {"save_unknown_option", "save OUT --json", kExitUsage, "'--json'"},
        {"save_missing_input", "save OUT DIR/absent.vtl", kExitFileError,
         "Unable to open and read \""},
        {"save_missing_folder", "save DIR/absent/out.vtl", kExitFileError,
         "Unable to save file to \""},
        {"save_not_utf8", "save OUT --set Description=Stra\xDF", kExitFileError, "(Error: 2001)"},
        {"save_to_fifo", "save FIFO", kExitFileError, "(Error: 2105)"},
        {"batch_from_fifo", "batch FIFO", kExitFileError, "unable to read"},
        {"batch_to_fifo", "batch IN -o FIFO", kExitFileError, "(Error: 2105)", "Beam\nW 21x44\n"},
        {"batch_last_output_wins", "batch IN --output=DIR/absent/out.csv -o FIFO", kExitFileError,
         "(Error: 2105)", "Beam\nW 21x44\n"},
        {"batch_to_missing_folder", "batch IN -o DIR/absent/out.csv", kExitFileError,
         "(Error: 2101)", "Beam\nW 21x44\n"},
        // A CSV text refused with the line it fails at.
        {"unclosed_quote", "batch IN", kExitFileError, "line 3: a quoted field is not closed",
         "Beam,Length\nW 21x44,30\n\"W 21x44,30\n"},
        {"text_after_quote", "batch IN", kExitFileError, "line 2: text after a closing",
         "Beam\n\"W 21x44\"x\n"},
        {"quote_inside_field", "batch IN", kExitFileError, "line 2: a quote inside a field",
         "Beam\nW 21\"x44\n"},
        {"lone_carriage_return", "batch IN", kExitFileError, "line 1: a carriage return",
         "Beam\rW 21x44\n"},
        {"field_count", "batch IN", kExitFileError, "line 4: 1 fields, the header has 2",
         "Beam,Length\n\"a\nb\",1\nW 21x44\n"},
        // Refused after the rows before it were calculated: no OUT.csv.
        {"field_count_with_output", "batch IN -o DIR/out.csv", kExitFileError,
         "line 3: 1 fields, the header has 2", "Beam,Length\nW 21x44,30\nW 21x44\n"},
        {"unknown_column", "batch IN", kExitFileError, "line 1: unknown column 'Lenght'",
         "Beam,Lenght\nW 21x44,30\n"},
        {"repeated_column", "batch IN", kExitFileError, "column 'Beam' appears twice",
         "Beam,Beam\nW 21x44,W 24x62\n"},
        {"empty_csv", "batch IN", kExitFileError, "no header line", ""},
        {"header_only", "batch IN", kExitPass, "no designs", "Beam,Column\n"},
        {"header_of_nuls_and_escape", "batch IN", kExitFileError,
         "line 1: unknown column '\\x1b[2J\\x00\\x00",
         "Beam,\x1b[2J" + std::string(100000, '\0') + "\nW 21x44,1\n"},
        {"unknown_option_escaped", "calc --\x1b]0;x\a", kExitUsage,
         "unknown option '--\\x1b]0;x\\x07'"},
        {"output_is_input", "batch IN -o IN", kExitUsage, "the output is the input file",
         "Beam\nW 21x44\n"},
        {"output_is_input_by_another_path", "batch IN -o DIR/./in.csv", kExitUsage,
         "the output is the input file", "Beam\nW 21x44\n"}}),
    [](const auto& p) { return std::string(p.param.label); });

}  // namespace
}  // namespace vantrel::cli
