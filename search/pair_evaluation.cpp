#include "pair_evaluation.h"

#include "checks/check_formulas.h"
#include "model/math_policy.h"
#include "model/shape_table.h"
#include "prepared_values.h"

namespace vantrel::search {

PairEvaluator::PairEvaluator(const DesignInputs& inputs) : shared_(ReadSharedValues(inputs)) {
    beams_.reserve(kShapeCount);
    columns_.reserve(kShapeCount);
    for (int i = 0; i < kShapeCount; ++i) {
        beams_.push_back(PrepareBeam(inputs, shared_, i));
        columns_.push_back(PrepareColumn(i));
    }
}

// The column-dependent steps, in the chain's order.
PairOutcome PairEvaluator::Evaluate(int beamIndex, int columnIndex) const {
    const BeamValues& beam = Beam(beamIndex);
    const WShape& column = *Column(columnIndex).shape;
    PairOutcome o = beam.partial;
    CheckValues& v = o.checks;
    FlaggingMath m;
    // CalculateVP, CalculateMf, CalculateMc, CalculateVf
    o.Lprime = SpanBetweenHinges(m, shared_.L, beam.hingeOffset, column.d);
    if (!(o.Lprime > 0.0f)) m.Refuse(kCauseHingesMeet);
    ShearAtHinges(m, shared_.w, shared_.points, column.d, o);
    MomentAtFace(m, o);
    MomentAtColumnCentre(m, column.d, o);
    ShearsAtFace(m, shared_.L, column.d, shared_.w, shared_.points, o);
    // CheckBeamParameters: the rows that involve the column
    v.spanRatio = SpanToDepthRatio(m, shared_.L, column.d, beam.shape->d);
    o.passes[kSpanToDepth] = PassesSpanRatio(v.spanRatio, v.minimumSpanRatio);
    o.passes[kColumnSize] = PassesColumnSize(shared_.smrf, Column(columnIndex).w12OrW14);
    o.passes[kColumnWidth] = PassesColumnWidth(column, *beam.shape);
    // CheckMf
    v.mfRatio = MfRatio(m, o.Mf, v.RyZbFy);
    o.passes[kMfRatio] = PassesMfRatio(v.mfRatio);
    // CheckPanelZone
    v.requiredWebThickness =
        RequiredWebThickness(m, beam.panelZoneRatio, o.Mc, o.Cy, beam.panelZoneStrength, column.d,
                             double{beam.shape->d} - beam.shape->tf);
    o.passes[kDoublerPlates] = PassesDoublerPlates(v.requiredWebThickness, column);
    // CheckContPlates
    o.passes[kContinuityPlates] = PassesContinuityPlates(v.tcf, column);
    // CheckBeamShearCapacity
    v.shearUnity = ShearUnity(m, o.Vf, v.va);
    o.passes[kBeamShear] = PassesBeamShear(v.shearUnity);

    o.error = shared_.error || beam.error || m.failed();
    if (o.error) o.passes.reset();
    return o;
}

}  // namespace vantrel::search
