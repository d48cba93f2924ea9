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
using test::Width;
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

TEST(ReportJobTest, FootersNameANewDesignNewUntitled) {
    Printed printed;
    Print(printed, WorkedExample());
    for (int page = 1; page <= 4; ++page) TextOn(printed, "New Untitled", page);
}

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

TEST_P(CutLineTest, CoefficientFormOrTypedDimension) {
    const CutLineCase& c = GetParam();
    Printed printed;
    Print(printed, WorkedExampleWith({{c.input, c.overrideText}}));
    ASSERT_TRUE(printed.result.ok()) << printed.result.description;

    const CanvasOp& first = TextOn(printed, c.formula, 1);
    EXPECT_DOUBLE_EQ(first.x1, 5 * kU);
    EXPECT_FALSE(first.font.bold || first.font.italic || first.font.underline);
    EXPECT_EQ(first.font.size, 10);

    const auto texts = printed.canvas.Texts(1);
    const size_t i = test::IndexOf(texts, c.formula);
    ASSERT_LT(i + 1, texts.size());
    if (!c.coefficient) {
        // One text ending the line: the next text is a line lower.
        EXPECT_DOUBLE_EQ(texts[i + 1]->y1, first.y1 + LineHeight(10));
        return;
    }
    ASSERT_LT(i + 4, texts.size());
    // Each part 1u after the end of the one before it, on the same line.
    const char* parts[] = {c.formula, c.coefficient, c.value, c.note};
    double x = first.x1;
    for (int k = 1; k < 4; ++k) {
        x += Width(parts[k - 1], 10) + kU;
        const CanvasOp& part = *texts[i + k];
        EXPECT_EQ(part.text, parts[k]);
        EXPECT_DOUBLE_EQ(part.x1, x) << part.text;
        EXPECT_DOUBLE_EQ(part.y1, first.y1);
        EXPECT_EQ(part.font.bold, k == 2) << part.text;
        EXPECT_FALSE(part.font.italic);
    }
    EXPECT_DOUBLE_EQ(texts[i + 4]->y1, first.y1 + LineHeight(10));
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

// --- page 1: place and style of the texts --------------------------------

struct PlacedText {
    const char* text;
    double xInU;
    unsigned style;  // 1 bold, 2 italic, 4 underlined
    double size;
};

class PropertiesPageTest : public ::testing::TestWithParam<PlacedText> {};

TEST_P(PropertiesPageTest, TextAtItsPlaceInItsStyle) {
    const PlacedText& c = GetParam();
    Printed printed;
    Print(printed, WorkedExample());
    const CanvasOp& op = TextOn(printed, c.text, 1);
    EXPECT_DOUBLE_EQ(op.x1, c.xInU * kU);
    EXPECT_EQ(op.font.bold, (c.style & 1) != 0);
    EXPECT_EQ(op.font.italic, (c.style & 2) != 0);
    EXPECT_EQ(op.font.underline, (c.style & 4) != 0);
    EXPECT_EQ(op.font.size, c.size);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExample, PropertiesPageTest,
    ::testing::Values(
        PlacedText{"Beam Properties of:", 2, 5, 10}, PlacedText{"W 21x44", 20, 1, 10},
        PlacedText{"d:", 5, 2, 10}, PlacedText{"20.7 in.", 10, 0, 10}, PlacedText{"Tf:", 20, 2, 10},
        PlacedText{"0.45 in.", 25, 0, 10}, PlacedText{"81.6 in\u00B3", 40, 0, 10},
        PlacedText{"843 in4", 55, 0, 10}, PlacedText{"95.4 in\u00B3", 70, 0, 10},
        PlacedText{"Rx:", 80, 2, 10}, PlacedText{"8.06 in.", 85, 0, 10}, PlacedText{"b:", 5, 2, 10},
        PlacedText{"6.5 in.", 10, 0, 10}, PlacedText{"Ry:", 80, 2, 10}, PlacedText{"w:", 5, 2, 10},
        PlacedText{"44 lb.", 10, 0, 10}, PlacedText{"Column Properties of:", 2, 5, 10},
        PlacedText{"W 14x90", 20, 1, 10}, PlacedText{"90 lb.", 10, 0, 10},
        PlacedText{"Steel Properties:", 2, 5, 10}, PlacedText{"Frame Dimensions:", 40, 5, 10},
        PlacedText{"Steel Grade", 5, 2, 10}, PlacedText{"Beam Length (Column C/C)", 43, 2, 10},
        PlacedText{"30.00 ft.", 65, 1, 10}, PlacedText{"Cpr", 5, 2, 10},
        PlacedText{"1.15", 15, 1, 10}, PlacedText{"Avg. Floor Height", 43, 2, 10},
        PlacedText{"8.00 ft.", 65, 1, 10}, PlacedText{"1.1", 15, 1, 10},
        PlacedText{"RBS Geometry of the Beam:", 2, 5, 10}, PlacedText{"Cutout Radius  =", 5, 2, 10},
        PlacedText{"RBS Section Modulus", 5, 2, 10}, PlacedText{"57.54 in\u00B3", 25, 1, 10},
        PlacedText{"72.62 in\u00B3", 25, 1, 10}, PlacedText{"Beam and column parameters", 2, 5, 10},
        PlacedText{"Beam weight less than 300 pounds ?", 5, 2, 10},
        PlacedText{"44 pounds", 50, 2, 10}, PlacedText{"Column's size W12x or W14x ?", 5, 2, 10},
        PlacedText{"Code Checks", 2, 5, 12}, PlacedText{"Calculated Values", 2, 6, 10},
        PlacedText{"Vg", 5, 2, 10}, PlacedText{"0 kip", 10, 2, 10},
        PlacedText{"28.49 kip", 10, 2, 10}, PlacedText{"(Occurs at the Left side)", 68, 0, 10},
        PlacedText{"Mpr", 5, 2, 10}, PlacedText{"382.8 ft-kip", 10, 2, 10},
        PlacedText{"6.92%", 10, 2, 10}));

TEST(PropertiesPageTest, ValuesAfterTheirLabelsStartOneUnitLater) {
    Printed printed;
    Print(printed, WorkedExample());
    for (const auto& [label, value] : {std::pair{"Cutout Radius  =", "24.65 in."},
                                       std::pair{"X (Col. Face to RBS Dimension) =", "11.75 in."},
                                       std::pair{"L' (RBS-RBS Dimension) =", "26.88 ft."}}) {
        const CanvasOp& l = TextOn(printed, label, 1);
        const CanvasOp& v = TextOn(printed, value, 1);
        EXPECT_DOUBLE_EQ(v.x1, l.x1 + Width(label, 10) + kU) << value;
        EXPECT_DOUBLE_EQ(v.y1, l.y1);
        EXPECT_TRUE(v.font.bold);
    }
}

TEST(PropertiesPageTest, ParameterLinesCarryValueAndVerdictOnTheLabelsLine) {
    Printed printed;
    Print(printed, WorkedExample());
    const auto texts = printed.canvas.Texts(1);
    const size_t i = test::IndexOf(texts, "Beam and column parameters");
    ASSERT_LT(i + 24, texts.size());
    for (int line = 0; line < 8; ++line) {
        const CanvasOp* label = texts[i + 1 + 3 * line];
        const CanvasOp* value = texts[i + 2 + 3 * line];
        const CanvasOp* verdict = texts[i + 3 + 3 * line];
        EXPECT_DOUBLE_EQ(label->x1, 5 * kU) << label->text;
        EXPECT_DOUBLE_EQ(value->x1, 50 * kU) << value->text;
        EXPECT_DOUBLE_EQ(verdict->x1, 65 * kU) << verdict->text;
        EXPECT_DOUBLE_EQ(value->y1, label->y1);
        EXPECT_DOUBLE_EQ(verdict->y1, label->y1);
        EXPECT_TRUE(verdict->font.bold);
        EXPECT_DOUBLE_EQ(label->y1, texts[i + 1]->y1 + line * LineHeight(10));
    }
}

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

TEST(LoadsTest, NotesFollowTheLoadsAfterFourEmptyLines) {
    Printed printed;
    Print(printed, WorkedExample());
    const auto texts = printed.canvas.Texts(3);
    const size_t i = test::IndexOf(texts, "Notes and Assumptions");
    ASSERT_GT(i, 0u);
    ASSERT_LT(i, texts.size());
    const CanvasOp& notes = *texts[i];
    const CanvasOp& lastLocation = *texts[i - 1];
    EXPECT_EQ(lastLocation.text, "0.00 ft");
    EXPECT_DOUBLE_EQ(notes.y1, lastLocation.y1 + 5 * LineHeight(9));
    EXPECT_DOUBLE_EQ(notes.x1, 10 * kU);
    EXPECT_TRUE(notes.font.bold && notes.font.underline);
    const CanvasOp& first = TextOn(
        printed,
        "1- Flexural demand on the girder due to gravity loads is less than about 30% of the "
        "girder's capacity.",
        3);
    EXPECT_DOUBLE_EQ(first.x1, 15 * kU);
    EXPECT_DOUBLE_EQ(first.y1, notes.y1 + LineHeight(9));
}

}  // namespace
}  // namespace vantrel
