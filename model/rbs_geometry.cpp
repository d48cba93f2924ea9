#include <cmath>
#include <cstdint>
#include <string>

#include "calculations.h"
#include "shape_table.h"

namespace vantrel {
namespace {

constexpr std::string_view kModule = "Tab1";
struct CutDimension {
    const std::string& overrideText;
    const std::string& coefficientText;
    float beamDimension;
    float& value;
    CutSource& source;
};

// An override other than 0 is taken as typed, to three decimals; otherwise
// the coefficient times the beam dimension, to the nearest quarter inch. A
// negative override (a project file can hold one) is refused before the
// dimension is stored.
void CalculateDimension(CalcContext& ctx, const CutDimension& dim) {
    const float typed = SingleFromText(dim.overrideText);
    if (typed < 0.0f) RaiseFault(kErrInvalidArgument, kCauseNegativeCut);
    if (typed != 0.0f) {
        dim.value = FormatRound(DoubleFromText(dim.overrideText), "0.000");
        dim.source = {true, 0.0};
        return;
    }
    const double product = DoubleFromText(dim.coefficientText) * dim.beamDimension;
    const float p = Single(product);
    dim.source = {false, product};
    dim.value = doRound(ctx, p, 0.25f, "NE");
}

// Whole number of a Mod operand: halves to the even neighbour, 32-bit range.
int32_t WholeNumber(float value) {
    const double rounded = std::nearbyint(static_cast<double>(value));
    if (!(rounded >= INT32_MIN && rounded <= INT32_MAX)) RaiseFault(kErrOverflow);
    return static_cast<int32_t>(rounded);
}

}  // namespace

void LookupShapes(CalcContext& ctx) {
    ctx.record.Beam = ShapeFromDesignation(ctx.inputs.Beam);
    ctx.record.Column = ShapeFromDesignation(ctx.inputs.Column);
}

float doRound(CalcContext& ctx, float value, float increment, std::string_view mode) {
    float result = 0.0f;
    RunTrapped(ctx, kModule, "doRound", [&] {
        if (mode == "NE") {
            const float v = Single(static_cast<double>(value) + increment / 2.0);
            result = Single(std::floor(Divide(v, increment)) * increment);
        } else if (mode == "DN") {
            result = Single(std::floor(Divide(value, increment)) * increment);
        } else if (mode == "UP") {
            const int32_t whole = WholeNumber(value);
            const int32_t step = WholeNumber(increment);
            if (step == 0) RaiseFault(kErrDivisionByZero);
            if (whole % step > 0) {
                result = Single(std::floor(Divide(value, increment)) * increment + increment);
            } else {
                result = value;
            }
        }
    });
    return result;
}

void CalculateCutout(CalcContext& ctx) {
    RunTrapped(ctx, kModule, "CalculateCutout", [&] {
        DesignRecord& r = ctx.record;
        const DesignInputs& in = ctx.inputs;
        std::array<CutSource, 3>& sources = ctx.results.cut;
        CalculateDimension(ctx, {in.ORA, in.A, r.Beam.bf, r.a, sources[0]});
        CalculateDimension(ctx, {in.ORB, in.B, r.Beam.d, r.b, sources[1]});
        CalculateDimension(ctx, {in.ORC, in.C, r.Beam.bf, r.c, sources[2]});
        const double c = r.c;
        const double b = r.b;
        r.R = FormatRound(Divide(4.0 * c * c + b * b, 8.0 * c), "0.000");
    });
}

}  // namespace vantrel
