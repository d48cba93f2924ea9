#include "pair_evaluation.h"

#include "checked_math.h"
#include "model/shape_table.h"
#include "prepared_values.h"

namespace vantrel::search {
namespace {

constexpr double kDeadFactor = 1.2;
constexpr double kLiveFactor = 0.5;

using PointLoads = std::array<SharedValues::PointLoad, 3>;

// The point-load sums of CalculateVP and CalculateVf, term by term in the
// chain's order: the arm written first ...
template <typename Arm>
double MomentArmFirst(const PointLoads& loads, Arm arm) {
    double dead = 0.0;
    double live = 0.0;
    for (const auto& p : loads) dead += arm(p.location) * kDeadFactor * p.dead;
    for (const auto& p : loads) live += arm(p.location) * kLiveFactor * p.live;
    return dead + live;
}

// ... or the load written first.
template <typename Arm>
double MomentLoadFirst(const PointLoads& loads, Arm arm) {
    double dead = 0.0;
    double live = 0.0;
    for (const auto& p : loads) dead += kDeadFactor * p.dead * arm(p.location);
    for (const auto& p : loads) live += kLiveFactor * p.live * arm(p.location);
    return dead + live;
}

}  // namespace

PairEvaluator::PairEvaluator(const DesignInputs& inputs) : shared_(ReadSharedValues(inputs)) {
    beams_.reserve(kShapeCount);
    columns_.reserve(kShapeCount);
    ResultGrids scratch;
    for (int i = 0; i < kShapeCount; ++i) {
        beams_.push_back(PrepareBeam(inputs, shared_, i, scratch));
        columns_.push_back(PrepareColumn(i));
    }
}

// The column-dependent steps, written as the chain writes them (the same
// operand types and order), so that every stored float comes out the same.
PairOutcome PairEvaluator::Evaluate(int beamIndex, int columnIndex) const {
    const BeamValues& beam = Beam(beamIndex);
    const ColumnValues& column = Column(columnIndex);
    const PointLoads& points = shared_.points;
    PairOutcome o = beam.partial;
    CheckedMath m;

    // CalculateVP
    o.Lprime = m.FormatRound(shared_.L - (2.0 * beam.hingeOffset + column.d) / 12.0, 2);
    if (!(o.Lprime > 0.0f)) m.Refuse();  // the hinges meet or pass each other
    const double w = shared_.w;
    const double lprime = o.Lprime;
    const float mw = m.Single(w * lprime * lprime / 2.0);
    const double x = o.X;
    const float ml =
        m.Single(MomentArmFirst(points, [&](double xi) { return x / 12.0 + lprime - xi; }));
    const float mr = m.Single(MomentLoadFirst(points, [&](double xi) { return xi - x / 12.0; }));
    const float moment = ml >= mr ? ml : mr;
    o.Vp = m.FormatRound(m.Divide(2.0 * o.Mpr + mw + moment, lprime), 2);

    // CalculateMf, CalculateMc
    o.Mf = m.FormatRound(o.Mpr + double{o.Vp} * o.X / 12.0, 1);
    o.Mc = m.FormatRound(o.Mpr + double{o.Vp} * (column.d / 2.0 + o.X) / 12.0, 1);

    // CalculateVf
    const double length = shared_.L;
    const double dc = column.d;
    const double clearSpan = length - dc / 12.0;
    const float wg = m.Single(w * clearSpan / 2.0);
    const float gl = m.Single(m.Divide(
        MomentArmFirst(points, [&](double xi) { return length - dc / 24.0 - xi; }), clearSpan));
    const float gr = m.Single(
        m.Divide(MomentArmFirst(points, [&](double xi) { return xi - dc / 24.0; }), clearSpan));
    const float g = gl >= gr ? gl : gr;
    o.Vg = m.FormatRound(double{wg} + g, 2);
    o.Vf = m.FormatRound(m.Divide(2.0 * o.Mf, clearSpan) + o.Vg, 2);

    // CheckBeamParameters: the rows that involve the column
    const int minimumRatio = shared_.smrf ? 7 : 5;
    o.spanRatio = m.Single(m.Divide(double{shared_.L} * 12.0 - column.d, beam.d));
    o.passes[kSpanToDepth] = o.spanRatio > static_cast<float>(minimumRatio);
    o.passes[kColumnSize] = !shared_.smrf || column.allowedSeries;
    o.passes[kColumnWidth] = column.bf >= beam.bf;

    // CheckMf
    o.mfRatio = m.Single(m.Divide(o.Mf, o.RyZbFy));
    o.passes[kMfRatio] = o.mfRatio < 0.99f;

    // CheckPanelZone
    const double numerator = beam.panelZoneRatio * (double{o.Mc} * o.Cy * 12.0);
    const double denominator = beam.panelZoneBase * column.d * beam.depthLessFlange;
    o.requiredWebThickness = m.FormatRound(m.Divide(numerator, denominator), 3);
    o.passes[kDoublerPlates] = o.requiredWebThickness <= column.tw;

    // CheckContPlates
    o.passes[kContinuityPlates] = !(column.tf < o.Tcf);

    // CheckBeamShearCapacity
    o.shearUnity = m.Single(m.Divide(o.Vf, beam.va));
    o.passes[kBeamShear] = o.shearUnity < 1.0f;

    o.error = shared_.error || beam.error || m.failed();
    if (o.error) o.passes.reset();
    return o;
}

}  // namespace vantrel::search
