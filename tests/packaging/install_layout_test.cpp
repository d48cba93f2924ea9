// Finding the sample report, the examples and the report program beside the
// program (a build folder) or in an installed documentation or libexec
// folder, and telling an installed program from a build-folder copy.
#include "packaging/install_layout.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "../support/temp_folder.h"

namespace vantrel::install {
namespace {

namespace fs = std::filesystem;

// The program's folder inside a prefix, and the documentation folder the
// installation puts beside it.
const fs::path kProgramDir = fs::path("usr") / "bin";
const fs::path kDocDir = (kProgramDir / VANTREL_BIN_TO_DOC).lexically_normal();
const fs::path kDataDir = (kProgramDir / VANTREL_BIN_TO_DATA).lexically_normal();
const fs::path kLibexecDir = (kProgramDir / VANTREL_BIN_TO_LIBEXEC).lexically_normal();

struct LayoutCase {
    const char* name;
    std::vector<fs::path> files;    // relative to the prefix
    std::vector<fs::path> folders;  // relative to the prefix
    fs::path sample;                // expected, relative; empty: not found
    fs::path examples;
    fs::path report;
    bool installed;
};

class InstallLayoutTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(InstallLayoutTest, FindsCompanionFilesWhereTheyLie) {
    const LayoutCase& c = GetParam();
    const test::TempFolder root;
    const fs::path prefix = root.path();
    const fs::path programDir = prefix / kProgramDir;
    fs::create_directories(programDir);
    for (const fs::path& folder : c.folders) fs::create_directories(prefix / folder);
    for (const fs::path& file : c.files) {
        fs::create_directories((prefix / file).parent_path());
        std::ofstream(prefix / file) << "x";
    }
    const auto expected = [&](const fs::path& r) { return r.empty() ? fs::path() : prefix / r; };
    EXPECT_EQ(FindSampleReport(programDir), expected(c.sample));
    EXPECT_EQ(FindExamples(programDir), expected(c.examples));
    EXPECT_EQ(FindReportProgram(programDir), expected(c.report));
    EXPECT_EQ(RunsFromInstalledLocation(programDir), c.installed);
}

const fs::path kBesideSample = kProgramDir / kSampleReportName;
const fs::path kBesideExamples = kProgramDir / kExamplesFolderName;
const fs::path kInstalledSample = kDocDir / kSampleReportName;
const fs::path kInstalledExamples = kDocDir / kExamplesFolderName;
const fs::path kBesideReport = kProgramDir / kReportProgramName;
const fs::path kInstalledReport = kLibexecDir / kReportProgramName;
const fs::path kDesktopEntry = kDataDir / "applications" / "vantrel.desktop";

INSTANTIATE_TEST_SUITE_P(
    Layouts, InstallLayoutTest,
    testing::Values(
        LayoutCase{"BuildFolder",
                   {kBesideSample, kBesideReport},
                   {kBesideExamples},
                   kBesideSample,
                   kBesideExamples,
                   kBesideReport,
                   false},
        LayoutCase{"Installed",
                   {kInstalledSample, kDesktopEntry, kInstalledReport},
                   {kInstalledExamples},
                   kInstalledSample,
                   kInstalledExamples,
                   kInstalledReport,
                   true},
        // A copy beside the program wins over an installed one.
        LayoutCase{"BothBesideWins",
                   {kBesideSample, kInstalledSample, kBesideReport, kInstalledReport},
                   {kBesideExamples, kInstalledExamples},
                   kBesideSample,
                   kBesideExamples,
                   kBesideReport,
                   false},
        LayoutCase{"Neither", {}, {}, {}, {}, {}, false},
        // A folder is no report or program, and a file is no folder of examples.
        LayoutCase{"WrongKinds",
                   {kBesideExamples, kInstalledSample, kInstalledReport},
                   {kBesideSample, kInstalledExamples, kBesideReport},
                   kInstalledSample,
                   kInstalledExamples,
                   kInstalledReport,
                   false},
        // The desktop entry alone marks an installation; a folder of that name does not.
        LayoutCase{"DesktopEntryFolder", {}, {kDesktopEntry}, {}, {}, {}, false}),
    [](const auto& p) { return std::string(p.param.name); });

// An unknown program folder must not turn into the working folder.
TEST(InstallLayoutTest, AnEmptyProgramFolderFindsNothing) {
    const test::TempFolder root;
    std::ofstream(root.path() / kSampleReportName) << "x";
    fs::create_directory(root.path() / kExamplesFolderName);
    std::ofstream(root.path() / kReportProgramName) << "x";
    const fs::path before = fs::current_path();
    fs::current_path(root.path());
    EXPECT_EQ(
        FindSampleReport({}).string() + FindExamples({}).string() + FindReportProgram({}).string(),
        "");
    fs::current_path(before);
}

}  // namespace
}  // namespace vantrel::install
