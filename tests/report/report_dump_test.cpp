// The whole report on the recording canvas, with a fixed date-time, compared
// with the canvas's dump (each text with its place and font, each line, box,
// circle and arc, and how the job ended) in tests/fixtures/report/NAME.txt:
// every project file of examples/ and tests/data/, and the worked example
// with the inputs of a few variants. Regenerate with VANTREL_UPDATE_FIXTURES=1
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

struct DumpCase {
    std::string name;
    fs::path file;
    std::vector<std::pair<const char*, std::string>> inputs = {};  // replaced after opening
    friend void PrintTo(const DumpCase& c, std::ostream* os) { *os << c.name; }
};

std::vector<DumpCase> Cases() {
    std::vector<DumpCase> cases;
    for (const char* folder : {"examples", "tests/data"})
        for (const auto& entry : fs::directory_iterator(fs::path(VANTREL_SOURCE_DIR) / folder))
            if (entry.path().extension() == ".vtl")
                cases.push_back({entry.path().stem().string(), entry.path()});
    const fs::path worked = fs::path(VANTREL_SOURCE_DIR) / "examples/worked-example.vtl";
    const std::vector<DumpCase> variants = {
        // Typed dimensions as typed; zeros of any form are no override.
        {"overrides-typed", worked, {{"ORA", "5.50"}, {"ORB", "16"}, {"ORC", "2"}}},
        {"overrides-zero", worked, {{"ORB", "0"}, {"ORC", " 0.0 "}}},
        // Loads with three decimals, locations with two, in every row.
        {"loads-rounded",
         worked,
         {{"DistLL2", "0.2345"},
          {"DistDL3", "1.1"},
          {"PointDL1", "12.5"},
          {"PointLL3", "3"},
          {"PointLoadLocation1", "10.125"},
          {"PointLoadLocation2", "7.5"}}},
        {"omrf-column-above", worked, {{"FRAMETYPE", "OMRF"}, {"ColumnAbove", "Yes"}}},
        {"description", worked, {{"Description", "Bay 3, level 2"}}},
        // At most two lines: broken at blanks (in a word only if it is wider
        // than a line), the second cut with an ellipsis.
        {"description-wider-than-the-page", worked, {{"Description", std::string(200, 'W')}}},
        {"description-of-three-lines",
         worked,
         {{"Description",
           "Bay 1 Ø-frame,  Bay 2 Ø-frame,  Bay 3 Ø-frame,  Bay 4 Ø-frame,  Bay 5 Ø-frame,  Bay "
           "6 Ø-frame,  Bay 7 Ø-frame,  Bay 8 Ø-frame,  Bay 9 Ø-frame,  Bay 10 Ø-frame,  Bay 11 "
           "Ø-frame,  Bay 12 Ø-frame,  Bay 13 Ø-frame,  Bay 14 Ø-frame,  Bay 15 Ø-frame,  Bay "
           "16"}}},
        // An override that is no number aborts the job with its error.
        {"override-b-empty", worked, {{"ORB", ""}}},
        {"override-c-two-points", worked, {{"ORC", "1.2.3"}}},
        {"override-a-overflow", worked, {{"ORA", "1e39"}}},
    };
    cases.insert(cases.end(), variants.begin(), variants.end());
    return cases;
}

class ReportDump : public testing::TestWithParam<DumpCase> {};

// Every footer reads "Page n of N" with the real N, and no other text of its
// page reaches below the footer's top.
void ExpectFootersBelowEveryText(const RecordingCanvas& canvas) {
    const int pages = static_cast<int>(canvas.OpsOf(CanvasOpKind::NewPage, 0).size()) + 1;
    for (int page = 1; page <= pages; ++page) {
        const auto texts = canvas.Texts(page);
        ASSERT_GE(texts.size(), 3u) << "page " << page;
        const CanvasOp& footer = *texts[texts.size() - 3];
        EXPECT_EQ(footer.text, "Page " + std::to_string(page) + " of " + std::to_string(pages));
        for (size_t i = 0; i + 3 < texts.size(); ++i)
            EXPECT_LE(texts[i]->y1 + texts[i]->font.size * RecordingCanvas::kLineHeightPerPoint,
                      footer.y1)
                << "page " << page << ": " << texts[i]->text;
    }
}

TEST_P(ReportDump, DrawingIsUnchanged) {
    ProjectReadResult read = ReadProjectFile(GetParam().file.string());
    ASSERT_TRUE(read.ok()) << read.error;
    for (const auto& [name, text] : GetParam().inputs) *read.inputs.Find(name) = text;
    test::Printed printed;
    test::Print(printed, read.inputs, DocumentName(GetParam().file.string()));
    const std::string outcome =
        "result " + std::to_string(printed.result.number) + " " + printed.result.description + "\n";
    test::ExpectFixture(test::kFixtures / "report" / (GetParam().name + ".txt"),
                        outcome + printed.canvas.Dump());
    if (printed.result.ok()) ExpectFootersBelowEveryText(printed.canvas);
}

INSTANTIATE_TEST_SUITE_P(Files, ReportDump, testing::ValuesIn(Cases()),
                         [](const auto& p) { return test::TestName(p.param.name); });

// A printer that fails on a new page: the job is aborted with its error.
TEST(ReportDump, PrinterFaultAbortsTheJob) {
    test::Printed printed;
    printed.canvas.FailOnNewPage(482, "Printer error");
    test::Print(printed, test::WorkedExample());
    EXPECT_EQ(printed.result.number, 482);
    EXPECT_EQ(printed.result.description, "Printer error");
    EXPECT_EQ(printed.canvas.Ops().back().kind, CanvasOpKind::AbortDocument);
    EXPECT_TRUE(printed.canvas.Texts(2).empty());
}

}  // namespace
}  // namespace vantrel
