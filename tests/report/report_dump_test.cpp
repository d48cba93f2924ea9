// The whole report of every project file of examples/ and tests/data/ on the
// recording canvas, with a fixed date-time, compared with the canvas's dump
// (each text with its place and font, each line, box, circle and arc) in
// tests/fixtures/report/FILE.txt. Regenerate with VANTREL_UPDATE_FIXTURES=1
// (tests/support/fixture_file.h).
#include <gtest/gtest.h>

#include <filesystem>

#include "files/project_file.h"
#include "report/page_frame.h"
#include "report_fixture.h"
#include "support/fixture_file.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> ProjectFiles() {
    std::vector<fs::path> files;
    for (const char* folder : {"examples", "tests/data"})
        for (const auto& entry : fs::directory_iterator(fs::path(VANTREL_SOURCE_DIR) / folder))
            if (entry.path().extension() == ".vtl") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

class ReportDump : public testing::TestWithParam<fs::path> {};

TEST_P(ReportDump, DrawingIsUnchanged) {
    const ProjectReadResult read = ReadProjectFile(GetParam().string());
    ASSERT_TRUE(read.ok()) << read.error;
    test::Printed printed;
    test::Print(printed, read.inputs, DocumentName(GetParam().string()));
    const std::string outcome =
        "result " + std::to_string(printed.result.number) + " " + printed.result.description + "\n";
    test::ExpectFixture(test::kFixtures / "report" / GetParam().stem().concat(".txt"),
                        outcome + printed.canvas.Dump());
}

INSTANTIATE_TEST_SUITE_P(Files, ReportDump, testing::ValuesIn(ProjectFiles()),
                         [](const auto& p) { return test::TestName(p.param.stem().string()); });

}  // namespace
}  // namespace vantrel
