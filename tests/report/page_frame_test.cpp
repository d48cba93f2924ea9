#include <gtest/gtest.h>

#include "report/page_frame.h"
#include "report_fixture.h"

namespace vantrel {
namespace {

using test::kDateTime;
using test::kH;
using test::kW;
using test::LineHeight;
using test::Width;

// --- text flow --------------------------------------------------------------

// A text kept on its line moves X to its end; its styles are its own.
TEST(TextFlowTest, SameLineMovesXToTheEndOfTheTextAndKeepsY) {
    RecordingCanvas canvas;
    PageModel page(canvas);
    page.SetY(300);
    page.PrintAt(100, "styled", true, true, true, true);
    page.PrintAt(page.X(), "plain", false, false, false, true);
    EXPECT_DOUBLE_EQ(page.X(), 100 + Width("styledplain", 10));
    EXPECT_DOUBLE_EQ(page.Y(), 300);
    const CanvasOp* styled = canvas.FindText("styled");
    const CanvasOp* plain = canvas.FindText("plain");
    EXPECT_DOUBLE_EQ(styled->x1, 100);
    EXPECT_DOUBLE_EQ(plain->y1, 300);
    EXPECT_EQ(styled->font.name, "Arial");
    EXPECT_TRUE(styled->font.bold && styled->font.italic && styled->font.underline);
    EXPECT_FALSE(plain->font.bold || plain->font.italic || plain->font.underline);
}

TEST(TextFlowTest, EndingTheLineMovesDownOneLineOfTheCurrentFont) {
    RecordingCanvas canvas;
    PageModel page(canvas);
    page.SetFontSize(12);
    page.PrintAt(100, "abc", false, false, false, false);
    EXPECT_DOUBLE_EQ(page.X(), 0);
    EXPECT_DOUBLE_EQ(page.Y(), LineHeight(12));
}

// An empty line after an ended line leaves a blank line; after a text kept
// on its line it only ends that line.
TEST(TextFlowTest, EmptyLineEndsAnOpenLineOrLeavesABlankOne) {
    for (const bool sameLine : {false, true}) {
        RecordingCanvas canvas;
        PageModel page(canvas);
        page.PrintAt(0, "first", false, false, false, sameLine);
        page.PrintEmptyLine();
        page.PrintAt(0, "second", false, false, false, false);
        EXPECT_DOUBLE_EQ(canvas.FindText("second")->y1, (sameLine ? 1 : 2) * LineHeight(10));
    }
}

TEST(TextFlowTest, LinesAndBoxesLeaveThePositionAtTheirEndPoint) {
    RecordingCanvas canvas;
    PageModel page(canvas);
    page.Line(10, 20, 30, 40);
    EXPECT_DOUBLE_EQ(page.X(), 30);
    EXPECT_DOUBLE_EQ(page.Y(), 40);
    page.Box(1, 2, 50, 60);
    EXPECT_DOUBLE_EQ(page.X(), 50);
    EXPECT_DOUBLE_EQ(page.Y(), 60);
}

TEST(TextFlowTest, NewPageCountsThePageAndStartsAtTheTop) {
    RecordingCanvas canvas;
    PageModel page(canvas);
    page.PrintAt(500, "x", false, false, false, true);
    page.NewPage();
    EXPECT_EQ(page.PageNumber(), 2);
    EXPECT_DOUBLE_EQ(page.X(), 0);
    EXPECT_DOUBLE_EQ(page.Y(), 0);
}

TEST(PageModelTest, UnitsArePerCentOfThePrintableArea) {
    RecordingCanvas canvas(5000, 7000);
    PageModel page(canvas);
    EXPECT_DOUBLE_EQ(page.u(), 50);
    EXPECT_DOUBLE_EQ(page.v(), 70);
}

// --- head block -------------------------------------------------------------

struct HeadCase {
    const char* name;
    bool smrf;
    const char* title;
    const char* description;
};

class HeadBlockTest : public ::testing::TestWithParam<HeadCase> {};

// The version at the right edge, the title and the FEMA line centred, then
// the rule, the description and the flow on the line below it in size 10.
TEST_P(HeadBlockTest, PlacesVersionTitleFemaLineRuleAndDescription) {
    const HeadCase& c = GetParam();
    RecordingCanvas canvas;
    PageModel page(canvas);
    PrintHeadBlock(page, c.smrf, c.description);

    const CanvasOp* version = canvas.FindText("Vantrel V.1.1.2");
    ASSERT_NE(version, nullptr) << canvas.Dump();
    EXPECT_DOUBLE_EQ(version->x1 + Width("Vantrel V.1.1.2", 7), kW - 20);
    for (const char* centred : {c.title, "Based on FEMA 350 (July 2000)", c.description}) {
        if (!*centred) continue;
        const CanvasOp* op = canvas.FindText(centred);
        ASSERT_NE(op, nullptr) << centred << "\n" << canvas.Dump();
        EXPECT_DOUBLE_EQ(op->x1 + Width(centred, op->font.size) / 2, kW / 2) << centred;
    }
    EXPECT_TRUE(canvas.FindText(c.title)->font.bold);

    const auto rules = canvas.OpsOf(CanvasOpKind::Box, 1);
    ASSERT_EQ(rules.size(), 1u);
    EXPECT_GT(rules[0]->y1, canvas.FindText("Based on FEMA 350 (July 2000)")->y1);
    if (*c.description) {
        EXPECT_TRUE(canvas.FindText(c.description)->font.italic);
        EXPECT_DOUBLE_EQ(canvas.FindText(c.description)->y1, rules[0]->y2);
    }
    EXPECT_DOUBLE_EQ(page.Y(), rules[0]->y2 + LineHeight(10));
    EXPECT_DOUBLE_EQ(page.X(), 0);
    EXPECT_EQ(page.FontSize(), 10);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, HeadBlockTest,
    ::testing::Values(
        HeadCase{"Smrf", true, "Reduced Beam Section Connection (SMRF)", "Bay 3, level 2"},
        HeadCase{"Omrf", false, "Reduced Beam Section Connection (OMRF)", "Bay 3, level 2"},
        HeadCase{"EmptyDescriptionIsAnEmptyLine", true, "Reduced Beam Section Connection (SMRF)",
                 ""}),
    test::CaseName<HeadCase>);

TEST(HeadBlockTest, DescriptionWiderThanThePageStartsLeftOfIt) {
    RecordingCanvas canvas;
    PageModel page(canvas);
    const std::string wide(200, 'W');
    PrintHeadBlock(page, true, wide);
    EXPECT_LT(canvas.FindText(wide)->x1, 0);
}

// --- footer -----------------------------------------------------------------

struct FooterCase {
    const char* name;
    int page;
    const char* documentName;
    const char* dateTime;
};

class FooterTest : public ::testing::TestWithParam<FooterCase> {};

TEST_P(FooterTest, PageNumberNameAndDateOnTheLastLine) {
    const FooterCase& c = GetParam();
    RecordingCanvas canvas;
    PageModel page(canvas);
    for (int i = 1; i < c.page; ++i) page.NewPage();
    page.SetFontSize(12);
    PrintPageFooter(page, c.documentName, c.dateTime);

    const std::string number = "Page " + std::to_string(c.page) + " of 4";
    const auto texts = canvas.Texts();
    ASSERT_EQ(texts.size(), 3u) << canvas.Dump();
    EXPECT_EQ(texts[0]->text, number);
    EXPECT_EQ(texts[1]->text, c.documentName);
    EXPECT_EQ(texts[2]->text, c.dateTime);
    EXPECT_DOUBLE_EQ(texts[1]->x1 + Width(c.documentName, 8) / 2, kW / 2);
    EXPECT_DOUBLE_EQ(texts[2]->x1 + Width(c.dateTime, 8), kW - 20);
    for (const CanvasOp* op : texts) {
        EXPECT_DOUBLE_EQ(op->y1, kH - LineHeight(8)) << op->text;
        EXPECT_EQ(op->font.size, 8) << op->text;
        EXPECT_FALSE(op->font.bold || op->font.italic || op->font.underline) << op->text;
    }

    // The size does not leak into what follows.
    EXPECT_EQ(page.FontSize(), 12);
    page.PrintAt(0, "after", false, false, false, false);
    EXPECT_EQ(canvas.FindText("after")->font.size, 12);
}

INSTANTIATE_TEST_SUITE_P(Pages, FooterTest,
                         ::testing::Values(FooterCase{"NewDesign", 1, "New Untitled", kDateTime},
                                           FooterCase{"SavedDesign", 3, "frame-b.vtl",
                                                      "2027-01-02 03:04"}),
                         test::CaseName<FooterCase>);

// --- footer texts -----------------------------------------------------------

struct NameCase {
    const char* path;
    const char* name;
};

class DocumentNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(DocumentNameTest, IsThePartAfterTheLastSeparator) {
    EXPECT_EQ(DocumentName(GetParam().path), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Paths, DocumentNameTest,
                         ::testing::Values(NameCase{"", "New Untitled"},
                                           NameCase{"frame.vtl", "frame.vtl"},
                                           NameCase{"/home/eng/jobs/frame.vtl", "frame.vtl"},
                                           NameCase{"C:\\Jobs\\North\\frame.vtl", "frame.vtl"},
                                           NameCase{"C:\\Jobs/mixed\\sub/frame.vtl", "frame.vtl"}));

TEST(DateTimeTextTest, IsZeroPaddedYearMonthDayHourMinute) {
    std::tm time{};
    time.tm_year = 2027 - 1900;
    time.tm_mon = 0;
    time.tm_mday = 2;
    time.tm_hour = 3;
    time.tm_min = 4;
    EXPECT_EQ(DateTimeText(time), "2027-01-02 03:04");
    time.tm_year = 2026 - 1900;
    time.tm_mon = 11;
    time.tm_mday = 31;
    time.tm_hour = 23;
    time.tm_min = 59;
    EXPECT_EQ(DateTimeText(time), "2026-12-31 23:59");
}

}  // namespace
}  // namespace vantrel
