// The plan sketch of the connection on page 3: both column sections, the beam
// flanges with the four cuts, and the dimensions with their dots and labels.
// Points are (x in u, y in v).

#include <string>

#include "model/number_text.h"
#include "report_pages.h"

namespace vantrel {
namespace {

struct Point {
    double x, y;
};
struct Segment {
    Point from, to;
};

// The left column's I-shape, web horizontal.
constexpr Segment kColumnSection[] = {
    {{10, 70}, {11.5, 70}},     {{20, 70}, {21.5, 70}},     {{10, 80}, {11.5, 80}},
    {{20, 80}, {21.5, 80}},     {{10, 70}, {10, 80}},       {{21.5, 70}, {21.5, 80}},
    {{11.5, 74.5}, {20, 74.5}}, {{11.5, 75.5}, {20, 75.5}}, {{11.5, 70}, {11.5, 74.5}},
    {{11.5, 75.5}, {11.5, 80}}, {{20, 70}, {20, 74.5}},     {{20, 75.5}, {20, 80}},
};
constexpr double kRightColumnShift = 68.5;

constexpr Segment kFlangeEdges[] = {
    {{21.5, 71}, {28.1, 71}}, {{37.8, 71}, {62.1, 71}}, {{71.8, 71}, {78.5, 71}},
    {{21.5, 79}, {28.1, 79}}, {{37.7, 79}, {62.1, 79}}, {{71.8, 79}, {78.5, 79}},
};

struct Cut {
    Point centre;
    double start, end;  // radians
};
constexpr double kCutRadius = 9.95;  // in u
constexpr Cut kCuts[] = {
    {{32.92, 64.3}, 4.226, 5.21},
    {{66.92, 64.3}, 4.226, 5.21},
    {{32.92, 85.7}, 1.086, 2.07},
    {{66.92, 85.7}, 1.086, 2.07},
};

constexpr double kDotRadius = 0.3;  // in u

class Sketch {
  public:
    explicit Sketch(PageModel& page) : page_(page), u_(page.u()), v_(page.v()) {}

    void Line(const Segment& s, double shift = 0) {
        page_.Line((s.from.x + shift) * u_, s.from.y * v_, (s.to.x + shift) * u_, s.to.y * v_);
    }
    void Dot(Point p) { page_.Circle(p.x * u_, p.y * v_, kDotRadius * u_, true); }
    void Arc(const Cut& cut) {
        page_.Arc(cut.centre.x * u_, cut.centre.y * v_, kCutRadius * u_, cut.start, cut.end);
    }
    void Label(double yInV, double xInU, const std::string& text) {
        page_.SetY(yInV * v_);
        page_.PrintAt(xInU * u_, text, true, false, false, false);
    }
    void Dimension(std::initializer_list<Segment> lines, std::initializer_list<Point> dots) {
        for (const Segment& s : lines) Line(s);
        for (Point p : dots) Dot(p);
    }

  private:
    PageModel& page_;
    double u_;
    double v_;
};

}  // namespace

void PrintConnectionSketch(PageModel& page, const ReportSource& source) {
    const DesignRecord& r = source.state.record;
    Sketch sketch(page);
    for (const Segment& s : kColumnSection) sketch.Line(s);
    for (const Segment& s : kColumnSection) sketch.Line(s, kRightColumnShift);
    for (const Segment& s : kFlangeEdges) sketch.Line(s);
    for (const Cut& cut : kCuts) sketch.Arc(cut);

    sketch.Label(58, 48, "L=" + ValueText(r.L) + " ft.");
    sketch.Dimension(
        {{{15.75, 59}, {15.75, 73.5}}, {{15.75, 60}, {84.25, 60}}, {{84.25, 59}, {84.25, 73.5}}},
        {{15.75, 60}, {84.25, 60}});

    sketch.Label(63, 22.5, "a= " + ValueText(r.a) + " in.");
    sketch.Label(63, 30, "b= " + ValueText(r.b) + " in.");
    sketch.Dimension({{{21.5, 64}, {21.5, 69}},
                      {{28.1, 64}, {28.1, 70}},
                      {{37.8, 64}, {37.8, 70}},
                      {{21.5, 65}, {37.8, 65}}},
                     {{21.5, 65}, {28.1, 65}, {37.8, 65}});

    sketch.Label(83, 25, "x= " + ValueText(r.X) + " in.");
    sketch.Label(83, 45, "L'= " + ValueText(r.Lprime) + " ft.");
    sketch.Dimension({{{21.5, 81}, {21.5, 91}},
                      {{32.95, 80}, {32.95, 86}},
                      {{66.92, 80}, {66.92, 86}},
                      {{21.5, 85}, {66.92, 85}}},
                     {{21.5, 85}, {32.95, 85}, {66.92, 85}});

    sketch.Label(68, 45, "c= " + ValueText(r.c) + " in.");
    sketch.Dimension({{{36, 72}, {45, 72}}, {{44, 68}, {44, 72}}}, {{44, 71}, {44, 72}});

    const double clearSpan = static_cast<double>(r.L) - static_cast<double>(r.Column.d) / 12;
    sketch.Label(88, 44, "Clear Span= " + Format(clearSpan, "0.00") + " ft.");
    sketch.Dimension({{{78.5, 81}, {78.5, 91}}, {{21.5, 90}, {78.5, 90}}},
                     {{21.5, 90}, {78.5, 90}});

    page.SetY(77.5 * page.v());
    page.PrintAt(12 * page.u(), source.inputs.Column, true, false, false, true);
    page.PrintAt(45 * page.u(), source.inputs.Beam, true, false, false, true);
    page.PrintAt(80.5 * page.u(), source.inputs.Column, true, false, false, false);
}

}  // namespace vantrel
