#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>

#include "report_fixture.h"

namespace vantrel {
namespace {

using test::kU;
using test::kV;
using test::TextOn;

class SketchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::Print(printed_, test::WorkedExample());
        ASSERT_TRUE(printed_.result.ok());
    }
    test::Printed printed_;
};

// Every op of the sketch, the band of page 3 below the notes and above the
// footer, in page units and drawing order.
std::string SketchOps(const RecordingCanvas& canvas) {
    std::string out;
    for (const CanvasOp& op : canvas.Ops()) {
        if (op.page != 3 || op.y1 < 50 * kV || op.y1 > 95 * kV) continue;
        char line[256];
        std::snprintf(line, sizeof line, "%d %.4f %.4f %.4f %.4f r%.4f %.4f-%.4f %d %s %g%s\n",
                      static_cast<int>(op.kind), op.x1 / kU, op.y1 / kV, op.x2 / kU, op.y2 / kV,
                      op.radius / kU, op.start, op.end, op.filled ? 1 : 0, op.text.c_str(),
                      op.font.size, op.font.bold ? "b" : "");
        out += line;
    }
    return out;
}

// A pinned snapshot of the worked example's connection sketch: any moved,
// lost or added line, arc, dot or label changes it. After a deliberate change
// of the drawing, review the printed ops (or the PDF) and pin the new value.
TEST_F(SketchTest, DrawingMatchesTheReviewedSnapshot) {
    const std::string ops = SketchOps(printed_.canvas);
    uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (unsigned char ch : ops) hash = (hash ^ ch) * 1099511628211ull;
    EXPECT_EQ(hash, 545379258587626513ull) << ops;
    EXPECT_EQ(printed_.canvas.OpsOf(CanvasOpKind::Line, 3).size(), 45u);
    EXPECT_EQ(printed_.canvas.OpsOf(CanvasOpKind::Arc, 3).size(), 4u);
    EXPECT_EQ(printed_.canvas.OpsOf(CanvasOpKind::Circle, 3).size(), 12u);
}

TEST_F(SketchTest, LabelsCarryTheDesignValues) {
    // W 21x44 on W 14x90 columns, 30 ft: clear span 30 - 14/12 = 28.83 ft.
    for (const char* text : {"L=30 ft.", "a= 4 in.", "b= 15.5 in.", "x= 11.75 in.", "L'= 26.88 ft.",
                             "c= 1.25 in.", "Clear Span= 28.83 ft.", "W 21x44"})
        EXPECT_TRUE(TextOn(printed_, text, 3).font.bold) << text;
}

}  // namespace
}  // namespace vantrel
