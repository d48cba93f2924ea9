#include "check_formulas.h"

#include "model/math_policy.h"

namespace vantrel {

bool PassesBeamDepth(const WShape& beam) {
    return beam.d < 36.0f;
}

bool PassesBeamWeight(const WShape& beam) {
    return beam.Weight <= 300.0f;
}

bool PassesFlangeThickness(const WShape& beam) {
    return beam.tf <= 1.75f;
}

int MinimumSpanRatio(bool smrf) {
    return smrf ? 7 : 5;
}

bool PassesSpanRatio(float ratio, int minimum) {
    return ratio > static_cast<float>(minimum);
}

bool PassesFlangeMomentShare(float share) {
    return share > 0.7f;
}

bool PassesFlangeReduction(float remaining) {
    return remaining >= 0.5f;
}

bool IsW12OrW14(std::string_view designation) {
    const std::string_view series = designation.substr(0, 4);
    return series == "W 12" || series == "W 14";
}

bool PassesColumnSize(bool smrf, bool w12OrW14) {
    return !smrf || w12OrW14;
}

bool PassesColumnWidth(const WShape& column, const WShape& beam) {
    return column.bf >= beam.bf;
}

template <class M>
float SpanToDepthRatio(M& m, float L, float columnDepth, float beamDepth) {
    return m.Single(m.Divide(double{L} * 12.0 - columnDepth, beamDepth));
}

template <class M>
float FlangeMomentShare(M& m, const WShape& beam) {
    return m.FormatRound(m.Divide(double{beam.bf} * beam.tf * (double{beam.d} - beam.tf), beam.Zx),
                         2);
}

template <class M>
float RemainingFlangeWidth(M& m, const WShape& beam, float c) {
    return m.Single(m.Divide(beam.bf - 2.0 * c, beam.bf));
}

template <class M>
float ExpectedBeamMoment(M& m, float Zx, float Ry, int16_t Fy) {
    return m.FormatRound(m.Single(double{Zx} * Ry * Fy / 12.0), 2);
}

template <class M>
float MfRatio(M& m, float Mf, float RyZbFy) {
    return m.Single(m.Divide(Mf, RyZbFy));
}

bool PassesMfRatio(float ratio) {
    return ratio < 0.99f;
}

template <class M>
float ColumnYieldFactor(M& m, float Zrbs, float Srbs, float Cpr) {
    return m.FormatRound(m.Divide(1.0, m.Divide(Zrbs, Srbs) * Cpr), 2);
}

template <class M>
double PanelZoneDepthRatio(M& m, float h, float beamDepth) {
    const double depth = beamDepth;
    return m.Divide(h - depth, h);
}

double PanelZoneStrength(int16_t Fy, float Ry) {
    return Fy * 0.54 * Ry;
}

template <class M>
float RequiredWebThickness(M& m, double depthRatio, float Mc, float Cy, double strength,
                           float columnDepth, double beamDepthLessFlange) {
    const double numerator = depthRatio * (double{Mc} * Cy * 12.0);
    const double denominator = strength * columnDepth * beamDepthLessFlange;
    return m.FormatRound(m.Divide(numerator, denominator), 3);
}

bool PassesDoublerPlates(float required, const WShape& column) {
    return required <= column.tw;
}

template <class M>
void ContinuityPlateLimits(M& m, const WShape& beam, CheckValues& v) {
    const double bf = beam.bf;
    v.tcf1 = m.FormatRound(0.4 * m.SquareRoot(1.8 * bf * beam.tf), 3);
    v.tcf2 = m.FormatRound(bf / 6.0, 3);
    v.tcf = v.tcf2 > v.tcf1 ? v.tcf2 : v.tcf1;
}

bool PassesContinuityPlates(float tcf, const WShape& column) {
    return !(column.tf < tcf);
}

template <class M>
RatioCheck FlangeSlenderness(M& m, const WShape& beam, float b, float c, float R, int16_t Fy) {
    const double radius = R;
    const double x = b / 3.0;
    const double width = beam.bf + 2.0 * (radius - c) - 2.0 * m.SquareRoot(radius * radius - x * x);
    RatioCheck check;
    check.measured = m.Single(m.Divide(width, 2.0 * beam.tf));
    check.limit = m.Single(m.Divide(52.0, m.SquareRoot(Fy)));
    check.ratio = m.Single(m.Divide(check.measured, check.limit));
    return check;
}

template <class M>
RatioCheck WebSlenderness(M& m, const WShape& beam, int16_t Fy) {
    RatioCheck check;
    check.measured = m.Single(m.Divide(beam.d - 2.0 * beam.tf, beam.tw));
    check.limit = m.Single(m.Divide(418.0, m.SquareRoot(Fy)));
    check.ratio = m.Single(m.Divide(check.measured, check.limit));
    return check;
}

bool PassesSlenderness(const RatioCheck& check) {
    return check.ratio < 1.0f;
}

template <class M>
float DesignShearStrength(M& m, const WShape& beam, int16_t Fy) {
    return m.Single(Fy * 0.54 * beam.d * beam.tw);
}

template <class M>
float ShearUnity(M& m, float Vf, float va) {
    return m.Single(m.Divide(Vf, va));
}

bool PassesBeamShear(float unity) {
    return unity < 1.0f;
}

template <class M>
float DesignMoment(M& m, float Z, int16_t Fy) {
    return m.Single(double{Z} * 0.9 * Fy / 12.0);
}

#define VANTREL_CHECK_FORMULAS(M)                                                              \
    template float SpanToDepthRatio<M>(M&, float, float, float);                               \
    template float FlangeMomentShare<M>(M&, const WShape&);                                    \
    template float RemainingFlangeWidth<M>(M&, const WShape&, float);                          \
    template float ExpectedBeamMoment<M>(M&, float, float, int16_t);                           \
    template float MfRatio<M>(M&, float, float);                                               \
    template float ColumnYieldFactor<M>(M&, float, float, float);                              \
    template double PanelZoneDepthRatio<M>(M&, float, float);                                  \
    template float RequiredWebThickness<M>(M&, double, float, float, double, float, double);   \
    template void ContinuityPlateLimits<M>(M&, const WShape&, CheckValues&);                   \
    template RatioCheck FlangeSlenderness<M>(M&, const WShape&, float, float, float, int16_t); \
    template RatioCheck WebSlenderness<M>(M&, const WShape&, int16_t);                         \
    template float DesignShearStrength<M>(M&, const WShape&, int16_t);                         \
    template float ShearUnity<M>(M&, float, float);                                            \
    template float DesignMoment<M>(M&, float, int16_t);

VANTREL_CHECK_FORMULAS(ThrowingMath)
VANTREL_CHECK_FORMULAS(FlaggingMath)

#undef VANTREL_CHECK_FORMULAS

}  // namespace vantrel
