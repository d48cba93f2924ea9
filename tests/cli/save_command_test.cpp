// vantrel-cli save, and calc on the files it writes.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli.h"
#include "cli_runner.h"
#include "files/project_file.h"
#include "tests/support/temp_folder.h"
#include "tests/support/design_fixture.h"

namespace vantrel::cli {
namespace {

using namespace cli_test;

namespace fs = std::filesystem;

const fs::path kExamples = fs::path(VANTREL_SOURCE_DIR) / "examples";

class SaveCommandTest : public testing::Test {
  protected:
    test::TempFolder folder_;
    std::string out_ = folder_.File("out.vtl");
};

TEST_F(SaveCommandTest, WritesANewDesignWithReplacementsAsOpeningShowsThem) {
    const Result result = RunCli({"save", out_, "--set", "Beam=W 21x44", "--set", "DistDL1=2",
                                  "--set", "PointLoadLocation2=7.5"});
    ASSERT_EQ(result.status, kExitPass) << result.err;
    EXPECT_EQ(result.out, "");
    DesignInputs expected = NewDesignInputs();
    expected.Beam = "W 21x44";
    expected.DistDL[0] = "2.000";
    expected.PointLoadLocation[1] = "7.50";
    EXPECT_EQ(ReadProjectFile(out_).inputs, expected);
}

TEST_F(SaveCommandTest, StartsFromTheGivenFileWhateverTheArgumentOrder) {
    const Result result = RunCli(
        {"save", "--set", "Height=10.00", out_, (kExamples / "worked-example.vtl").string()});
    ASSERT_EQ(result.status, kExitPass) << result.err;
    DesignInputs expected = test::WorkedExample();
    expected.Height = "10.00";
    EXPECT_EQ(ReadProjectFile(out_).inputs, expected);
}

// calc FILE must see the texts as opening shows them: 1.0005 opens as 1.001
// and 10.004 as 10.00, which changes the loads the chain uses.
TEST_F(SaveCommandTest, CalcOfASavedFileCalculatesTheOpenedTexts) {
    const std::vector<std::string> typed = {
        "--set", "Beam=W 21x44",   "--set", "Column=W 14x90", "--set", "Length=30.00",
        "--set", "DistDL1=1.0005", "--set", "PointDL1=10",    "--set", "PointLoadLocation1=10.004"};
    std::vector<std::string> save = {"save", out_};
    save.insert(save.end(), typed.begin(), typed.end());
    ASSERT_EQ(RunCli(save).status, kExitPass);

    const Result fromFile = RunCli({"calc", out_, "--json"});
    const Result asOpened =
        RunCli({"calc", "--set", "Beam=W 21x44", "--set", "Column=W 14x90", "--set", "Length=30.00",
                "--set", "DistDL1=1.001", "--set", "PointDL1=10.000", "--set",
                "PointLoadLocation1=10.00", "--json"});
    std::vector<std::string> calcTyped = {"calc", "--json"};
    calcTyped.insert(calcTyped.end(), typed.begin(), typed.end());
    const Result asTyped = RunCli(calcTyped);

    EXPECT_EQ(fromFile.status, asOpened.status);
    EXPECT_EQ(fromFile.out, asOpened.out);
    EXPECT_NE(fromFile.out, asTyped.out);
}

struct ExampleCommand {
    const char* file;
    std::vector<std::string> args;  // after "save OUT"
};

void PrintTo(const ExampleCommand& c, std::ostream* os) {
    *os << c.file;
}

class ShippedExample : public testing::TestWithParam<ExampleCommand> {};

// The commands of examples/README.md still write the committed files.
TEST_P(ShippedExample, IsWhatItsSaveCommandWrites) {
    test::TempFolder folder;
    const std::string out = folder.File(GetParam().file);
    std::vector<std::string> args = {"save", out};
    for (const std::string& arg : GetParam().args)
        args.push_back(arg == "WORKED" ? (kExamples / "worked-example.vtl").string() : arg);
    ASSERT_EQ(RunCli(args).status, kExitPass);
    EXPECT_EQ(test::ReadBytes(out), test::ReadBytes((kExamples / GetParam().file).string()));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ShippedExample,
    testing::Values(ExampleCommand{"worked-example.vtl",
                                   {"--set", "Beam=W 21x44", "--set", "Column=W 14x90", "--set",
                                    "Length=30.00"}},
                    ExampleCommand{
                        "worked-example-loaded.vtl",
                        {"WORKED", "--set", "DistDL1=1.000", "--set", "DistLL1=0.500", "--set",
                         "PointDL1=10.000", "--set", "PointLoadLocation1=10.00"}},
                    ExampleCommand{"omrf-frame.vtl", {"WORKED", "--set", "FRAMETYPE=OMRF"}}),
    [](const auto& p) {
        std::string name = p.param.file;
        name.resize(name.find('.'));
        std::replace(name.begin(), name.end(), '-', '_');
        return name;
    });

struct FailureCase {
    const char* label;
    std::vector<std::string> args;  // OUT stands for the output path, DIR for the folder
    int status;
    std::string message;  // expected in the error output
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.label;
}

class SaveFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(SaveFailure, ReportsAndWritesNothing) {
    test::TempFolder folder;
    std::vector<std::string> args = {"save"};
    for (const std::string& arg : GetParam().args) {
        if (arg == "OUT") {
            args.push_back(folder.File("out.vtl"));
        } else if (arg.rfind("DIR/", 0) == 0) {
            args.push_back(folder.File(arg.substr(4)));
        } else {
            args.push_back(arg);
        }
    }
    const Result result = RunCli(args);
    EXPECT_EQ(result.status, GetParam().status);
    EXPECT_NE(result.err.find(GetParam().message), std::string::npos) << result.err;
    EXPECT_TRUE(fs::is_empty(folder.path()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveFailure,
    testing::Values(
        FailureCase{"no_output", {}, kExitUsage, "save needs the file to write"},
        FailureCase{"only_options", {"--set", "Beam=W 8x10"}, kExitUsage, "save needs"},
        FailureCase{"unknown_name",
                    {"OUT", "--set", "Bream=W 8x10"},
                    kExitUsage,
                    "unknown input name 'Bream'"},
        FailureCase{
            "two_inputs", {"OUT", "DIR/a.vtl", "DIR/b.vtl"}, kExitUsage, "unexpected argument"},
        FailureCase{"unknown_option", {"OUT", "--json"}, kExitUsage, "unknown option"},
        FailureCase{"missing_input",
                    {"OUT", "DIR/absent.vtl"},
                    kExitFileError,
                    "Unable to open and read \""},
        FailureCase{
            "missing_folder", {"DIR/absent/out.vtl"}, kExitFileError, "Unable to save file to \""},
        FailureCase{"not_utf8",
                    {"OUT", "--set",
                     "Description=Stra\xDF"
                     "e"},
                    kExitFileError,
                    "(Error: 2001)"}),
    [](const auto& p) { return std::string(p.param.label); });

// A target that is not a regular file is refused before anything is
// written, and the message says why.
TEST_F(SaveCommandTest, AFifoTargetIsRefusedAndKept) {
    const std::string fifo = out_ + ".fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const Result result = RunCli({"save", fifo});
    EXPECT_EQ(result.status, kExitFileError);
    EXPECT_NE(result.err.find("Unable to save file to \"" + fifo + "\" (Error: 2105)"),
              std::string::npos)
        << result.err;
    struct stat status {};
    ASSERT_EQ(lstat(fifo.c_str(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
}

}  // namespace
}  // namespace vantrel::cli
