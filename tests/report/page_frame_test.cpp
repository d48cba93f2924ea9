#include <gtest/gtest.h>

#include "report/page_frame.h"
#include "report_fixture.h"

namespace vantrel {
namespace {

using test::kDateTime;
using test::kH;
using test::kU;
using test::kW;
using test::LineHeight;
using test::Width;

// --- text flow --------------------------------------------------------------

TEST(TextFlowTest, SameLineMovesXToTheEndOfTheTextAndKeepsY) {
    RecordingCanvas canvas;
    PageModel page(canvas);
    page.SetY(300);
    page.PrintAt(100, "abc", true, false, false, true);
    EXPECT_DOUBLE_EQ(page.X(), 100 + Width("abc", 10));
    EXPECT_DOUBLE_EQ(page.Y(), 300);
    const CanvasOp& op = canvas.Ops().back();
    EXPECT_EQ(op.text, "abc");
    EXPECT_DOUBLE_EQ(op.x1, 100);
    EXPECT_DOUBLE_EQ(op.y1, 300);
    EXPECT_TRUE(op.font.bold);
    EXPECT_EQ(op.font.name, "Arial");
}

TEST(TextFlowTest, EndingTheLineMovesDownOneLineOfTheCurrentFont) {
    RecordingCanvas canvas;
    PageModel page(canvas);
    page.SetFontSize(12);
    page.PrintAt(100, "abc", false, false, false, false);
    EXPECT_DOUBLE_EQ(page.X(), 0);
    EXPECT_DOUBLE_EQ(page.Y(), LineHeight(12));
}

TEST(TextFlowTest, EmptyLineAfterAnEndedLineLeavesABlankLine) {
    RecordingCanvas canvas;
    PageModel page(canvas);
    page.PrintAt(0, "first", false, false, false, false);
    page.PrintEmptyLine();
    page.PrintAt(0, "second", false, false, false, false);
    EXPECT_DOUBLE_EQ(canvas.FindText("second")->y1, 2 * LineHeight(10));
}

TEST(TextFlowTest, EmptyLineAfterASameLineTextOnlyEndsThatLine) {
    RecordingCanvas canvas;
    PageModel page(canvas);
    page.PrintAt(0, "first", false, false, false, true);
    page.PrintEmptyLine();
    page.PrintAt(0, "second", false, false, false, false);
    EXPECT_DOUBLE_EQ(canvas.FindText("second")->y1, LineHeight(10));
}

TEST(TextFlowTest, StylesApplyToTheTextAndAreReplacedByTheNext) {
    RecordingCanvas canvas;
    PageModel page(canvas);
    page.PrintAt(0, "styled", true, true, true, true);
    page.PrintAt(0, "plain", false, false, false, true);
    const CanvasOp* styled = canvas.FindText("styled");
    const CanvasOp* plain = canvas.FindText("plain");
    EXPECT_TRUE(styled->font.bold && styled->font.italic && styled->font.underline);
    EXPECT_FALSE(plain->font.bold || plain->font.italic || plain->font.underline);
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

TEST_P(HeadBlockTest, PlacesVersionTitleFemaLineRuleAndDescription) {
    const HeadCase& c = GetParam();
    RecordingCanvas canvas;
    PageModel page(canvas);
    PrintHeadBlock(page, c.smrf, c.description);

    const CanvasOp* version = canvas.FindText("Vantrel V.1.1.2");
    ASSERT_NE(version, nullptr) << canvas.Dump();
    EXPECT_DOUBLE_EQ(version->x1 + Width("Vantrel V.1.1.2", 7), kW - 20);
    EXPECT_DOUBLE_EQ(version->y1, 0);
    EXPECT_EQ(version->font.size, 7);
    EXPECT_FALSE(version->font.bold || version->font.italic || version->font.underline);

    const CanvasOp* title = canvas.FindText(c.title);
    ASSERT_NE(title, nullptr) << canvas.Dump();
    EXPECT_DOUBLE_EQ(title->x1, kW / 2 - Width(c.title, 16) / 2);
    EXPECT_DOUBLE_EQ(title->y1, LineHeight(7));
    EXPECT_EQ(title->font.size, 16);
    EXPECT_TRUE(title->font.bold);

    const CanvasOp* fema = canvas.FindText("Based on FEMA 350 (July 2000)");
    ASSERT_NE(fema, nullptr);
    const double femaY = LineHeight(7) + LineHeight(16);
    EXPECT_DOUBLE_EQ(fema->x1, kW / 2 - Width("Based on FEMA 350 (July 2000)", 8) / 2);
    EXPECT_DOUBLE_EQ(fema->y1, femaY);
    EXPECT_EQ(fema->font.size, 8);
    EXPECT_TRUE(fema->font.bold);

    const auto rules = canvas.OpsOf(CanvasOpKind::Box, 1);
    ASSERT_EQ(rules.size(), 1u);
    const double ruleY = femaY + LineHeight(8);
    EXPECT_DOUBLE_EQ(rules[0]->x1, kU / 2);
    EXPECT_DOUBLE_EQ(rules[0]->y1, ruleY + 5);
    EXPECT_DOUBLE_EQ(rules[0]->x2, kW);
    EXPECT_DOUBLE_EQ(rules[0]->y2, ruleY + 15);

    EXPECT_DOUBLE_EQ(page.Y(), ruleY + 15 + LineHeight(10));
    EXPECT_DOUBLE_EQ(page.X(), 0);
    EXPECT_EQ(page.FontSize(), 10);
    if (*c.description) {
        const CanvasOp* description = canvas.FindText(c.description);
        ASSERT_NE(description, nullptr);
        EXPECT_DOUBLE_EQ(description->x1, kW / 2 - Width(c.description, 10) / 2);
        EXPECT_DOUBLE_EQ(description->y1, ruleY + 15);
        EXPECT_TRUE(description->font.italic);
        EXPECT_FALSE(description->font.bold);
    }
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

    const double y = kH - LineHeight(8);
    const std::string number = "Page " + std::to_string(c.page) + " of 4";
    const CanvasOp* pageText = canvas.FindText(number);
    ASSERT_NE(pageText, nullptr) << canvas.Dump();
    EXPECT_DOUBLE_EQ(pageText->x1, 5 * kU);
    EXPECT_DOUBLE_EQ(pageText->y1, y);
    EXPECT_EQ(pageText->font.size, 8);

    const CanvasOp* name = canvas.FindText(c.documentName);
    ASSERT_NE(name, nullptr);
    EXPECT_DOUBLE_EQ(name->x1, kW / 2 - Width(c.documentName, 8) / 2);
    EXPECT_DOUBLE_EQ(name->y1, y);

    const CanvasOp* date = canvas.FindText(c.dateTime);
    ASSERT_NE(date, nullptr);
    EXPECT_DOUBLE_EQ(date->x1 + Width(c.dateTime, 8), kW - 20);
    EXPECT_DOUBLE_EQ(date->y1, y);

    for (const CanvasOp* op : canvas.Texts())
        EXPECT_FALSE(op->font.bold || op->font.italic || op->font.underline) << op->text;

    // The size does not leak into what follows.
    EXPECT_EQ(page.FontSize(), 12);
    page.PrintAt(0, "after", false, false, false, false);
    EXPECT_EQ(canvas.FindText("after")->font.size, 12);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, FooterTest,
    ::testing::Values(FooterCase{"NewDesign", 1, "New Untitled", kDateTime},
                      FooterCase{"SavedDesign", 3, "frame-b.vtl", "2027-01-02 03:04"},
                      FooterCase{"LongName", 2, "a very long project name of the north frame.vtl",
                                 kDateTime}),
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

INSTANTIATE_TEST_SUITE_P(
    Paths, DocumentNameTest,
    ::testing::Values(NameCase{"", "New Untitled"}, NameCase{"frame.vtl", "frame.vtl"},
                      NameCase{"/home/eng/jobs/frame.vtl", "frame.vtl"},
                      NameCase{"C:\\Jobs\\North\\frame.vtl", "frame.vtl"},
                      NameCase{"C:\\Jobs/mixed\\sub/frame.vtl", "frame.vtl"},
                      NameCase{"/home/eng/my frame (2).vtl", "my frame (2).vtl"}));

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
