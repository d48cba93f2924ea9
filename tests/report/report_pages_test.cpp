#include <gtest/gtest.h>

#include <vector>

#include "report_fixture.h"

namespace vantrel {
namespace {

using test::InputsWith;
using test::kU;
using test::LineHeight;
using test::Print;
using test::Printed;
using test::TextOn;
using test::WorkedExample;

DesignInputs WorkedExampleWith(
    std::initializer_list<std::pair<const char*, const char*>> replacements) {
    DesignInputs inputs = WorkedExample();
    for (const auto& [name, text] : replacements) *inputs.Find(name) = text;
    return inputs;
}

// --- the whole job ----------------------------------------------------------

struct FrameCase {
    const char* name;
    const char* frameType;
    const char* title;
    double gapBeforeContinuityPlates;  // in lines of size 10
};

class ReportFrameTest : public ::testing::TestWithParam<FrameCase> {};

TEST_P(ReportFrameTest, FourPagesEachWithTitleAndFooter) {
    const FrameCase& c = GetParam();
    Printed printed;
    Print(printed, WorkedExampleWith({{"FRAMETYPE", c.frameType}}), "north.vtl");
    ASSERT_TRUE(printed.result.ok()) << printed.result.description;

    const auto& ops = printed.canvas.Ops();
    EXPECT_EQ(printed.canvas.OpsOf(CanvasOpKind::NewPage, 0).size(), 3u);
    ASSERT_FALSE(ops.empty());
    EXPECT_EQ(ops.back().kind, CanvasOpKind::EndDocument);
    EXPECT_TRUE(printed.canvas.OpsOf(CanvasOpKind::AbortDocument, 0).empty());
    for (int page = 1; page <= 4; ++page) {
        TextOn(printed, c.title, page);
        TextOn(printed, "Page " + std::to_string(page) + " of 4", page);
        TextOn(printed, "north.vtl", page);
        TextOn(printed, test::kDateTime, page);
        // Nothing is written below the footer.
        EXPECT_EQ(printed.canvas.Texts(page).back()->text, test::kDateTime);
    }
}

// An OMRF design leaves the doubler-plate status line open, so no blank line
// separates it from the continuity-plate heading; every other group keeps it.
TEST_P(ReportFrameTest, DoublerPlateGroupIsClosedByTheNextGroupsEmptyLine) {
    const FrameCase& c = GetParam();
    Printed printed;
    Print(printed, WorkedExampleWith({{"FRAMETYPE", c.frameType}}));
    ASSERT_TRUE(printed.result.ok());

    const auto texts = printed.canvas.Texts(2);
    auto gapBefore = [&](std::string_view heading) {
        for (size_t i = 1; i < texts.size(); ++i)
            if (texts[i]->text == heading)
                return (texts[i]->y1 - texts[i - 1]->y1) / LineHeight(10);
        ADD_FAILURE() << "no heading " << heading;
        return 0.0;
    };
    EXPECT_DOUBLE_EQ(gapBefore("Continuity Plates"), c.gapBeforeContinuityPlates);
    EXPECT_DOUBLE_EQ(gapBefore("Doubler Plates"), 2);
    EXPECT_DOUBLE_EQ(gapBefore("Beam Flange"), 2);
    EXPECT_DOUBLE_EQ(gapBefore("Moment capacity of the beam"), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, ReportFrameTest,
    ::testing::Values(FrameCase{"Smrf", "SMRF", "Reduced Beam Section Connection (SMRF)", 2},
                      FrameCase{"Omrf", "OMRF", "Reduced Beam Section Connection (OMRF)", 1}),
    test::CaseName<FrameCase>);

// --- the current-code page --------------------------------------------------

struct CurrentCodeCase {
    const char* name;
    std::vector<std::pair<const char*, const char*>> inputs;
    const char* heading;
    const char* absence;  // nullptr: the items are printed
};

class CurrentCodePageTest : public ::testing::TestWithParam<CurrentCodeCase> {};

// Every item of the core's result on its own line, label and status side by
// side; or, without a result, the reason and no table. Everything ends above
// the footer.
TEST_P(CurrentCodePageTest, ItemsOrTheReasonAboveTheFooter) {
    const CurrentCodeCase& c = GetParam();
    DesignInputs inputs = test::WorkedExample();
    for (const auto& [name, text] : c.inputs) *inputs.Find(name) = text;
    Printed printed;
    Print(printed, inputs);
    ASSERT_TRUE(printed.result.ok()) << printed.result.description;
    TextOn(printed, c.heading, 4);
    TextOn(printed, "Assumptions", 4);
    TextOn(printed, "Where this differs from FEMA 350", 4);

    const auto section = current::EvaluateAisc358(inputs, printed.calc.record(),
                                                  !printed.calc.errors.errors.empty());
    if (c.absence) {
        EXPECT_FALSE(section.has_value());
        TextOn(printed, c.absence, 4);
        EXPECT_EQ(printed.canvas.FindText("Status", 4), nullptr);
    } else {
        ASSERT_TRUE(section.has_value());
        for (const current::Item& item : section->items) {
            const CanvasOp& label = TextOn(printed, item.label, 4);
            const CanvasOp* status = nullptr;
            for (const CanvasOp* op : printed.canvas.Texts(4))
                if (op->y1 == label.y1 && op->x1 == 81 * kU) status = op;
            ASSERT_NE(status, nullptr) << item.id;
            EXPECT_EQ(status->text, current::StatusText(item.status)) << item.id;
            EXPECT_TRUE(status->font.bold);
        }
    }
    const auto texts = printed.canvas.Texts(4);
    const double footer = test::kH - LineHeight(8);
    for (const CanvasOp* op : texts) {
        if (op->y1 < footer) {
            EXPECT_LE(op->y1 + LineHeight(op->font.size), footer) << op->text;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Designs, CurrentCodePageTest,
    ::testing::Values(
        CurrentCodeCase{"WorkedExample",
                        {},
                        "Current-code checks: AISC 358-16, AISC 341-16, AISC 360-16 (LRFD), SMF",
                        nullptr},
        CurrentCodeCase{"OmrfIsImf",
                        {{"FRAMETYPE", "OMRF"}, {"ColumnAbove", "Yes"}},
                        "Current-code checks: AISC 358-16, AISC 341-16, AISC 360-16 (LRFD), IMF",
                        nullptr},
        CurrentCodeCase{"ErroredRun",
                        {{"Height", "8.0.0"}},
                        "Current-code checks: AISC 358-16, AISC 341-16, AISC 360-16 (LRFD)",
                        "No current-code results: the calculation reported an error."},
        CurrentCodeCase{"AxialLoadNotANumber",
                        {{"ColumnAxialLoad", "abc"}},
                        "Current-code checks: AISC 358-16, AISC 341-16, AISC 360-16 (LRFD)",
                        "No current-code results: the column axial load is not a number."}),
    test::CaseName<CurrentCodeCase>);

// --- failures ---------------------------------------------------------------

struct FailureCase {
    const char* name;
    const char* input;
    const char* text;
    int number;
    const char* description;
};

class ReportFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ReportFailureTest, AbortsTheJobWithTheErrorOfTheOverride) {
    const FailureCase& c = GetParam();
    Printed printed;
    Print(printed, WorkedExampleWith({{c.input, c.text}}));
    EXPECT_EQ(printed.result.number, c.number);
    EXPECT_EQ(printed.result.description, c.description);
    EXPECT_EQ(ReportFailurePrompt(printed.result),
              std::string("Unable to print report. ") + c.description);
    EXPECT_EQ(ReportFailureTitle(printed.result), "Error: " + std::to_string(c.number));
    ASSERT_FALSE(printed.canvas.Ops().empty());
    EXPECT_EQ(printed.canvas.Ops().back().kind, CanvasOpKind::AbortDocument);
    EXPECT_TRUE(printed.canvas.OpsOf(CanvasOpKind::EndDocument, 0).empty());
    EXPECT_TRUE(printed.canvas.OpsOf(CanvasOpKind::NewPage, 0).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Overrides, ReportFailureTest,
    ::testing::Values(FailureCase{"LetterForA", "ORA", "abc", 13, "Type mismatch"},
                      FailureCase{"EmptyB", "ORB", "", 13, "Type mismatch"},
                      FailureCase{"TwoPointsC", "ORC", "1.2.3", 13, "Type mismatch"},
                      FailureCase{"BeyondSingleRange", "ORA", "1e39", 6, "Overflow"}),
    test::CaseName<FailureCase>);

TEST(ReportFailureTest, PrinterFaultAbortsTheJob) {
    Printed printed;
    printed.canvas.FailOnNewPage(482, "Printer error");
    Print(printed, WorkedExample());
    EXPECT_EQ(printed.result.number, 482);
    EXPECT_EQ(printed.result.description, "Printer error");
    EXPECT_EQ(printed.canvas.Ops().back().kind, CanvasOpKind::AbortDocument);
    EXPECT_TRUE(printed.canvas.Texts(2).empty());
}

// --- page 1: the lines of a, b and c -------------------------------------

struct CutLineCase {
    const char* name;
    const char* input;
    const char* overrideText;
    // Coefficient form: formula, coefficient, value (bold), note. Override
    // form: the one text in `formula`.
    const char* formula;
    const char* coefficient;
    const char* value;
    const char* note;
};

class CutLineTest : public ::testing::TestWithParam<CutLineCase> {};

// The parts of the line, in order on one line, the value alone in bold.
TEST_P(CutLineTest, CoefficientFormOrTypedDimension) {
    const CutLineCase& c = GetParam();
    Printed printed;
    Print(printed, WorkedExampleWith({{c.input, c.overrideText}}));
    ASSERT_TRUE(printed.result.ok()) << printed.result.description;

    const auto texts = printed.canvas.Texts(1);
    const size_t i = test::IndexOf(texts, c.formula);
    const std::vector<const char*> parts =
        c.coefficient ? std::vector{c.formula, c.coefficient, c.value, c.note}
                      : std::vector{c.formula};
    ASSERT_LT(i + parts.size(), texts.size()) << printed.canvas.Dump();
    for (size_t k = 0; k < parts.size(); ++k) {
        EXPECT_EQ(texts[i + k]->text, parts[k]);
        EXPECT_DOUBLE_EQ(texts[i + k]->y1, texts[i]->y1) << parts[k];
        EXPECT_EQ(texts[i + k]->font.bold, k == 2) << parts[k];
    }
    EXPECT_DOUBLE_EQ(texts[i + parts.size()]->y1, texts[i]->y1 + LineHeight(10));
}

INSTANTIATE_TEST_SUITE_P(
    Dimensions, CutLineTest,
    ::testing::Values(
        CutLineCase{"A", "ORA", "0.000", "a=Beam Flange x", "0.60 =", "4.00   in.",
                    "From 3.900   in."},
        CutLineCase{"B", "ORB", "0", "b=Beam Depth x", "0.75 =", "15.50   in.",
                    "From 15.525   in."},
        CutLineCase{"C", "ORC", " 0.0 ", "c=Beam Flange x", "0.20 =", "1.25   in.",
                    "From 1.300   in."},
        CutLineCase{"OverrideA", "ORA", "5.5", "a=5.5 in.  User input", nullptr, nullptr, nullptr},
        CutLineCase{"OverrideAAsTyped", "ORA", "5.50", "a=5.50 in.  User input", nullptr, nullptr,
                    nullptr},
        CutLineCase{"OverrideB", "ORB", "16", "b=16 in.  User input", nullptr, nullptr, nullptr},
        CutLineCase{"OverrideC", "ORC", "2", "c=2 in.  User input", nullptr, nullptr, nullptr}),
    test::CaseName<CutLineCase>);

// --- the worked example's values, each with its label on its line -------

struct ValueCase {
    const char* label;  // nullptr: the value alone is looked for
    const char* value;
    int page;
};

class WorkedExampleValueTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(WorkedExampleValueTest, ValueStandsOnItsLabelsLine) {
    const ValueCase& c = GetParam();
    Printed printed;
    Print(printed, WorkedExample());
    const CanvasOp& value = TextOn(printed, c.value, c.page);
    if (!c.label) return;
    const CanvasOp& label = TextOn(printed, c.label, c.page);
    EXPECT_DOUBLE_EQ(value.y1, label.y1) << c.value;
    EXPECT_GT(value.x1, label.x1) << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Pages, WorkedExampleValueTest,
    ::testing::Values(ValueCase{"Beam Properties of:", "W 21x44", 1},
                      ValueCase{"d:", "20.7 in.", 1}, ValueCase{"Tf:", "0.45 in.", 1},
                      ValueCase{"d:", "81.6 in\u00B3", 1}, ValueCase{"d:", "843 in4", 1},
                      ValueCase{"d:", "95.4 in\u00B3", 1}, ValueCase{"Rx:", "8.06 in.", 1},
                      ValueCase{"b:", "6.5 in.", 1}, ValueCase{"w:", "44 lb.", 1},
                      ValueCase{"Column Properties of:", "W 14x90", 1},
                      ValueCase{"Beam Length (Column C/C)", "30.00 ft.", 1},
                      ValueCase{"Avg. Floor Height", "8.00 ft.", 1}, ValueCase{"Cpr", "1.15", 1},
                      ValueCase{"Cutout Radius  =", "24.65 in.", 1},
                      ValueCase{"X (Col. Face to RBS Dimension) =", "11.75 in.", 1},
                      ValueCase{"L' (RBS-RBS Dimension) =", "26.88 ft.", 1},
                      ValueCase{"RBS Section Modulus", "57.54 in\u00B3", 1},
                      ValueCase{"Beam weight less than 300 pounds ?", "44 pounds", 1},
                      ValueCase{"Mpr", "382.8 ft-kip", 1}, ValueCase{nullptr, "90 lb.", 1},
                      ValueCase{nullptr, "1.1", 1}, ValueCase{nullptr, "72.62 in\u00B3", 1},
                      ValueCase{nullptr, "0 kip", 1}, ValueCase{nullptr, "28.49 kip", 1},
                      ValueCase{nullptr, "(Occurs at the Left side)", 1},
                      ValueCase{nullptr, "6.92%", 1}));

// --- page 3: loads --------------------------------------------------------

struct LoadCase {
    const char* name;
    const char* input;
    const char* typed;
    const char* printed;
    int table;  // 0 distributed, 1 point
    int row;    // 1..3
    double xInU;
};

class LoadsTest : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LoadsTest, LoadsWithThreeDecimalsLocationsWithTwo) {
    const LoadCase& c = GetParam();
    Printed printed;
    Print(printed, WorkedExampleWith({{c.input, c.typed}}));
    ASSERT_TRUE(printed.result.ok());

    std::vector<const CanvasOp*> headers;
    for (const CanvasOp* op : printed.canvas.Texts(3))
        if (op->text == "Dead Load") headers.push_back(op);
    ASSERT_EQ(headers.size(), 2u);
    const double rowY = headers[static_cast<size_t>(c.table)]->y1 + c.row * LineHeight(9);

    const CanvasOp* found = nullptr;
    for (const CanvasOp* op : printed.canvas.Texts(3))
        if (op->y1 == rowY && op->x1 == c.xInU * kU) found = op;
    ASSERT_NE(found, nullptr) << printed.canvas.Dump();
    EXPECT_EQ(found->text, c.printed);
    EXPECT_EQ(found->font.size, 9);
    EXPECT_FALSE(found->font.bold || found->font.italic);
}

INSTANTIATE_TEST_SUITE_P(
    Loads, LoadsTest,
    ::testing::Values(
        LoadCase{"DistributedDead", "DistDL1", "2", "2.000  kip/ft", 0, 1, 15},
        LoadCase{"DistributedLiveRounded", "DistLL2", "0.2345", "0.235  kip/ft", 0, 2, 25},
        LoadCase{"DistributedDeadThird", "DistDL3", "1.1", "1.100  kip/ft", 0, 3, 15},
        LoadCase{"PointDead", "PointDL1", "12.5", "12.500  kip", 1, 1, 15},
        LoadCase{"PointLive", "PointLL3", "3", "3.000  kip", 1, 3, 25},
        LoadCase{"Location", "PointLoadLocation2", "7.5", "7.50 ft", 1, 2, 35},
        LoadCase{"LocationRounded", "PointLoadLocation1", "10.125", "10.13 ft", 1, 1, 35}),
    test::CaseName<LoadCase>);

}  // namespace
}  // namespace vantrel
