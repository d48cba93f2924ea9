#include <cmath>
#include <cstdint>
#include <string>

#include "calculations.h"
#include "number_text.h"
#include "shape_table.h"

namespace vantrel {
namespace {

constexpr std::string_view kModule = "Tab1";
constexpr std::string_view kInchSuffix = "   in.";

struct CutDimension {
    const std::string& overrideText;
    const std::string& coefficientText;
    float beamDimension;
    int row;
    float& value;
};

void CalculateDimension(CalcContext& ctx, const CutDimension& dim) {
    ResultGrid& grid = ctx.grids.summary;
    if (SingleFromText(dim.overrideText) != 0.0f) {
        dim.value = FormatRound(DoubleFromText(dim.overrideText), "0.000");
        grid.SetText(dim.row, 1, ValueText(dim.value), kInchSuffix);
        grid.SetText(dim.row, 2, "User input");
        return;
    }
    const double product = DoubleFromText(dim.coefficientText) * dim.beamDimension;
    const float p = Single(product);
    dim.value = doRound(ctx, p, 0.25f, "NE");
    grid.SetText(dim.row, 1, Format(dim.value, "0.00"), kInchSuffix);
    grid.SetText(dim.row, 2, "From " + Format(product, "0.000") + std::string(kInchSuffix));
}

// Whole number of a Mod operand: halves to the even neighbour, 32-bit range.
int32_t WholeNumber(float value) {
    const double rounded = std::nearbyint(static_cast<double>(value));
    if (!(rounded >= INT32_MIN && rounded <= INT32_MAX)) RaiseFault(kErrOverflow);
    return static_cast<int32_t>(rounded);
}

}  // namespace

void LookupShapes(CalcContext& ctx) {
    DesignRecord& r = ctx.record;
    ctx.labels.Labelbeam = ctx.inputs.Beam;
    r.Beam = ShapeFromDesignation(ctx.inputs.Beam);
    ctx.labels.Labelcolumn1 = ctx.inputs.Column;
    ctx.labels.Labelcolumn2 = ctx.inputs.Column;
    r.Column = ShapeFromDesignation(ctx.inputs.Column);
    ctx.labels.LblBeamWidth = "Fl. Width = " + ValueText(r.Beam.bf) + "\"";
    ctx.labels.LblColumnWidth = "Fl. Width = " + ValueText(r.Column.bf) + "\"";
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
        CalculateDimension(ctx, {in.ORA, in.A, r.Beam.bf, 1, r.a});
        CalculateDimension(ctx, {in.ORB, in.B, r.Beam.d, 2, r.b});
        CalculateDimension(ctx, {in.ORC, in.C, r.Beam.bf, 3, r.c});
        const double c = r.c;
        const double b = r.b;
        r.R = FormatRound(Divide(4.0 * c * c + b * b, 8.0 * c), "0.000");
        ctx.grids.summary.SetText(4, 1, Format(r.R, "0.00"), kInchSuffix);
    });
}

}  // namespace vantrel
