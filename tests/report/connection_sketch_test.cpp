#include <gtest/gtest.h>

#include <cmath>

#include "report_fixture.h"

namespace vantrel {
namespace {

using test::kU;
using test::kV;
using test::Print;
using test::Printed;
using test::TextOn;
using test::WorkedExample;

class SketchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Print(printed_, WorkedExample());
        ASSERT_TRUE(printed_.result.ok());
    }
    std::vector<const CanvasOp*> OnPage3(CanvasOpKind kind) const {
        return printed_.canvas.OpsOf(kind, 3);
    }
    // The index of the op in the whole log.
    size_t Index(const CanvasOp* op) const {
        return static_cast<size_t>(op - &printed_.canvas.Ops()[0]);
    }

    Printed printed_;
};

struct Segment {
    double x1, y1, x2, y2;  // u, v
};

bool Near(double a, double b) {
    return std::abs(a - b) < 1e-9;
}

const CanvasOp* FindLine(const std::vector<const CanvasOp*>& lines, Segment s) {
    for (const CanvasOp* op : lines)
        if (Near(op->x1, s.x1 * kU) && Near(op->y1, s.y1 * kV) && Near(op->x2, s.x2 * kU) &&
            Near(op->y2, s.y2 * kV))
            return op;
    return nullptr;
}

TEST_F(SketchTest, DrawsEveryLineOnceAndNoOtherShapes) {
    // Two columns of 12, six flange edges, and the dimension lines 3 + 4 + 4 + 2 + 2.
    EXPECT_EQ(OnPage3(CanvasOpKind::Line).size(), 45u);
    EXPECT_EQ(OnPage3(CanvasOpKind::Arc).size(), 4u);
    EXPECT_EQ(OnPage3(CanvasOpKind::Circle).size(), 12u);
    EXPECT_EQ(OnPage3(CanvasOpKind::Box).size(), 1u);  // the head block's rule
}

TEST_F(SketchTest, ColumnsFlangesAndDimensionLinesAtTheirPoints) {
    const auto lines = OnPage3(CanvasOpKind::Line);
    const Segment expected[] = {
        {10, 70, 11.5, 70},     {21.5, 70, 21.5, 80},     {11.5, 74.5, 20, 74.5},
        {20, 75.5, 20, 80},     {78.5, 70, 80, 70},       {90, 70, 90, 80},
        {80, 74.5, 88.5, 74.5}, {88.5, 75.5, 88.5, 80},   {21.5, 71, 28.1, 71},
        {37.8, 71, 62.1, 71},   {37.7, 79, 62.1, 79},     {71.8, 79, 78.5, 79},
        {15.75, 60, 84.25, 60}, {84.25, 59, 84.25, 73.5}, {21.5, 65, 37.8, 65},
        {32.95, 80, 32.95, 86}, {21.5, 85, 66.92, 85},    {44, 68, 44, 72},
        {36, 72, 45, 72},       {78.5, 81, 78.5, 91},     {21.5, 90, 78.5, 90},
    };
    for (const Segment& s : expected)
        EXPECT_NE(FindLine(lines, s), nullptr)
            << "(" << s.x1 << ", " << s.y1 << ")-(" << s.x2 << ", " << s.y2 << ")";
}

TEST_F(SketchTest, FourCutsOfRadiusNineNinetyFiveUnits) {
    struct Cut {
        double cx, cy, start, end;
    };
    const Cut cuts[] = {{32.92, 64.3, 4.226, 5.21},
                        {66.92, 64.3, 4.226, 5.21},
                        {32.92, 85.7, 1.086, 2.07},
                        {66.92, 85.7, 1.086, 2.07}};
    const auto arcs = OnPage3(CanvasOpKind::Arc);
    ASSERT_EQ(arcs.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_DOUBLE_EQ(arcs[i]->x1, cuts[i].cx * kU);
        EXPECT_DOUBLE_EQ(arcs[i]->y1, cuts[i].cy * kV);
        EXPECT_DOUBLE_EQ(arcs[i]->radius, 9.95 * kU);
        EXPECT_DOUBLE_EQ(arcs[i]->start, cuts[i].start);
        EXPECT_DOUBLE_EQ(arcs[i]->end, cuts[i].end);
    }
}

TEST_F(SketchTest, DotsAreFilledCirclesOnTheDimensionLines) {
    const double dots[][2] = {{15.75, 60}, {84.25, 60}, {21.5, 65},  {28.1, 65},
                              {37.8, 65},  {21.5, 85},  {32.95, 85}, {66.92, 85},
                              {44, 71},    {44, 72},    {21.5, 90},  {78.5, 90}};
    const auto circles = OnPage3(CanvasOpKind::Circle);
    ASSERT_EQ(circles.size(), 12u);
    for (size_t i = 0; i < 12; ++i) {
        EXPECT_DOUBLE_EQ(circles[i]->x1, dots[i][0] * kU) << i;
        EXPECT_DOUBLE_EQ(circles[i]->y1, dots[i][1] * kV) << i;
        EXPECT_DOUBLE_EQ(circles[i]->radius, 0.3 * kU);
        EXPECT_TRUE(circles[i]->filled);
    }
}

struct Label {
    const char* text;
    double xInU, yInV;
};

TEST_F(SketchTest, LabelsBoldAtSizeEightWhereTheyBelong) {
    // W 21x44 on W 14x90 columns, 30 ft: clear span 30 - 14/12 = 28.83 ft.
    const Label labels[] = {
        {"L=30 ft.", 48, 58},
        {"a= 4 in.", 22.5, 63},
        {"b= 15.5 in.", 30, 63},
        {"x= 11.75 in.", 25, 83},
        {"L'= 26.88 ft.", 45, 83},
        {"c= 1.25 in.", 45, 68},
        {"Clear Span= 28.83 ft.", 44, 88},
        {"W 21x44", 45, 77.5},
    };
    for (const Label& l : labels) {
        const CanvasOp& op = TextOn(printed_, l.text, 3);
        EXPECT_DOUBLE_EQ(op.x1, l.xInU * kU) << l.text;
        EXPECT_DOUBLE_EQ(op.y1, l.yInV * kV) << l.text;
        EXPECT_TRUE(op.font.bold) << l.text;
        EXPECT_EQ(op.font.size, 8) << l.text;
    }
    std::vector<double> columnXs;
    for (const CanvasOp* op : printed_.canvas.Texts(3))
        if (op->text == "W 14x90") {
            EXPECT_DOUBLE_EQ(op->y1, 77.5 * kV);
            columnXs.push_back(op->x1 / kU);
        }
    ASSERT_EQ(columnXs.size(), 2u);
    EXPECT_DOUBLE_EQ(columnXs[0], 12);
    EXPECT_DOUBLE_EQ(columnXs[1], 80.5);
}

TEST_F(SketchTest, LengthLabelFollowsTheCutsAndPrecedesItsLines) {
    const auto arcs = OnPage3(CanvasOpKind::Arc);
    const CanvasOp& label = TextOn(printed_, "L=30 ft.", 3);
    const CanvasOp* line = FindLine(OnPage3(CanvasOpKind::Line), {15.75, 59, 15.75, 73.5});
    ASSERT_NE(line, nullptr);
    EXPECT_LT(Index(arcs.back()), Index(&label));
    EXPECT_LT(Index(&label), Index(line));
    // Both labels of a and b come before the first of their lines.
    const CanvasOp* aLine = FindLine(OnPage3(CanvasOpKind::Line), {21.5, 64, 21.5, 69});
    ASSERT_NE(aLine, nullptr);
    EXPECT_LT(Index(&TextOn(printed_, "b= 15.5 in.", 3)), Index(aLine));
}

}  // namespace
}  // namespace vantrel
