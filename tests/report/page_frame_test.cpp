// The footer's texts: the document name of a path and the date-time text
// (the report fixtures give both fixed texts).
#include <gtest/gtest.h>

#include <numbers>

#include "report/liberation_metrics.h"
#include "report/page_frame.h"
#include "report/svg_canvas.h"

namespace vantrel {
namespace {

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
}

// The browser's report canvas: texts measured with the font's own advances
// (a character of two bytes counted once, a stray byte as itself), escaped
// for XML, arcs counter-clockwise as seen on the page, one document per page.
TEST(SvgCanvasTest, MeasuresEscapesDrawsAndPages) {
    SvgCanvas canvas;
    canvas.SetFontSize(72);  // one inch: 600 dots per em
    const auto dots = [](char32_t c, bool bold) {
        return LiberationAdvance(c, bold, false) * 600.0 / kLiberationUnits.perEm;
    };
    EXPECT_DOUBLE_EQ(canvas.TextWidth("in\u00b3"),
                     dots('i', false) + dots('n', false) + dots(0xB3, false));
    canvas.SetFontBold(true);
    EXPECT_DOUBLE_EQ(canvas.TextWidth("i\xff"), dots('i', true) + dots(0xFF, true));
    EXPECT_NE(dots('i', true), dots('i', false));
    canvas.DrawText(0, 0, "a<b & \"c\"\t>");
    canvas.DrawArc(100, 100, 10, 0, std::numbers::pi / 2);
    canvas.NewPage();
    canvas.DrawArc(0, 0, 10, std::numbers::pi, std::numbers::pi / 2);
    canvas.EndDocument();
    ASSERT_EQ(canvas.Pages().size(), 2u);
    const std::string& first = canvas.Pages()[0];
    EXPECT_NE(first.find(">a&lt;b &amp; \"c\" &gt;</text>"), std::string::npos) << first;
    EXPECT_NE(first.find("font-weight=\"bold\""), std::string::npos);
    EXPECT_NE(first.find("M110.00,100.00A10.00,10.00 0 0,0 100.00,90.00"), std::string::npos);
    EXPECT_NE(canvas.Pages()[1].find("M-10.00,0.00A10.00,10.00 0 1,0 0.00,-10.00"),
              std::string::npos);
    canvas.AbortDocument();
    EXPECT_TRUE(canvas.Pages().empty());
}

}  // namespace
}  // namespace vantrel
