#include <string>

#include "model/chain_math.h"
#include "model/number_text.h"
#include "report_pages.h"

namespace vantrel {
namespace {

constexpr std::string_view kCubed = "\u00B3";

std::string Inches(float value) {
    return ValueText(value) + " in.";
}
std::string CubicInches(float value) {
    return ValueText(value) + " in" + std::string(kCubed);
}

// One line of labelled values: label at x, value at x + 5u, for each pair.
void PropertyLine(ReportLines& out,
                  std::initializer_list<std::pair<const char*, std::string>> items) {
    double x = 5;
    size_t i = 0;
    for (const auto& [label, value] : items) {
        out.At(x, label, kItalic);
        out.At(x + 5, value, kPlain, ++i == items.size() ? LineEnd::End : LineEnd::Same);
        x += 15;
    }
}

void ShapeProperties(ReportLines& out, const char* heading, const std::string& name,
                     const WShape& s) {
    out.At(2, heading, kBold | kUnderline);
    out.At(20, name, kBold, LineEnd::End);
    PropertyLine(out, {{"d:", Inches(s.d)},
                       {"Tf:", Inches(s.tf)},
                       {"Sx:", CubicInches(s.Sx)},
                       {"Ix:", ValueText(s.Ix) + " in4"},
                       {"Zx:", CubicInches(s.Zx)},
                       {"Rx:", Inches(s.rx)}});
    PropertyLine(out, {{"b:", Inches(s.bf)},
                       {"Tw:", Inches(s.tw)},
                       {"Sy:", CubicInches(s.Sy)},
                       {"Iy:", ValueText(s.Iy) + " in4"},
                       {"Zy:", CubicInches(s.Zy)},
                       {"Ry:", Inches(s.ry)}});
    PropertyLine(out, {{"w:", ValueText(s.Weight) + " lb."}});
}

void SteelAndFrame(ReportLines& out, const ReportSource& source) {
    const DesignInputs& in = source.inputs;
    const DesignRecord& r = source.state.record;
    out.At(2, "Steel Properties:", kBold | kUnderline);
    out.At(40, "Frame Dimensions:", kBold | kUnderline, LineEnd::End);
    out.At(5, "Steel Grade", kItalic);
    out.At(15, in.Grade, kBold);
    out.At(43, "Beam Length (Column C/C)", kItalic);
    out.At(65, in.Length + " ft.", kBold, LineEnd::End);
    out.At(5, "Cpr", kItalic);
    out.At(15, ValueText(r.Cpr), kBold);
    out.At(43, "Avg. Floor Height", kItalic);
    out.At(65, in.Height + " ft.", kBold, LineEnd::End);
    out.At(5, "Ry", kItalic);
    out.At(15, ValueText(r.Ry), kBold, LineEnd::End);
}

// The line of a, b or c: the coefficient form, or the typed dimension when
// the override is not 0.
void CutLine(ReportLines& out, const ReportSource& source, const char* name, const char* formula,
             const std::string& overrideText, const std::string& coefficient, SummaryRow row) {
    const SummaryGrid& summary = source.state.grids.summary;
    const std::string& note = summary.Text(row, SummaryColumn::kNotes);
    if (SingleFromText(overrideText) == 0.0f) {
        out.At(5, formula, kPlain);
        out.After(coefficient + " =", kPlain);
        out.After(summary.Text(row, SummaryColumn::kValue), kBold);
        out.After(note, kPlain, LineEnd::End);
    } else {
        out.At(5, name + overrideText + " in.  " + note, kPlain, LineEnd::End);
    }
}

void RbsGeometry(ReportLines& out, const ReportSource& source) {
    const DesignInputs& in = source.inputs;
    const DesignRecord& r = source.state.record;
    out.At(2, "RBS Geometry of the Beam:", kBold | kUnderline, LineEnd::End);
    CutLine(out, source, "a=", "a=Beam Flange x", in.ORA, in.A, SummaryRow::kA);
    CutLine(out, source, "b=", "b=Beam Depth x", in.ORB, in.B, SummaryRow::kB);
    CutLine(out, source, "c=", "c=Beam Flange x", in.ORC, in.C, SummaryRow::kC);
    out.At(5, "Cutout Radius  =", kItalic);
    out.After(Inches(r.R), kBold, LineEnd::End);
    out.At(5, "X (Col. Face to RBS Dimension) =", kItalic);
    out.After(Inches(r.X), kBold, LineEnd::End);
    out.At(5, "L' (RBS-RBS Dimension) =", kItalic);
    out.After(ValueText(r.Lprime) + " ft.", kBold, LineEnd::End);
    out.At(5, "RBS Section Modulus", kItalic);
    out.At(25, CubicInches(r.Srbs), kBold, LineEnd::End);
    out.At(5, "RBS Plastic Modulus", kItalic);
    out.At(25, CubicInches(r.Zrbs), kBold, LineEnd::End);
}

void Parameters(ReportLines& out, const ReportSource& source) {
    using P = ParametersRow;
    const ParametersGrid& parameters = source.state.grids.parameters;
    const WShape& beam = source.state.record.Beam;
    const auto value = [&](ParametersRow row) {
        return parameters.Text(row, ParametersColumn::kValue);
    };
    struct Line {
        const char* label;
        std::string value;
        ParametersRow verdictRow;
    };
    const Line lines[] = {
        {"Beam depth less than 36 inches ?", Inches(beam.d), P::kBeamDepth},
        {"Beam weight less than 300 pounds ?", ValueText(beam.Weight) + " pounds", P::kBeamWeight},
        {"Beam's span to depth ratio greater than 7 ?", value(P::kSpanToDepth), P::kSpanToDepth},
        {"Beam's flange less than 1-3/4 inches thick ?", value(P::kFlangeThickness),
         P::kFlangeThickness},
        {"Mom. capacity of BM's flange at least 0.7xMplastic ?", value(P::kFlangeMomentShare),
         P::kFlangeMomentShare},
        {"Flange reduction less than 50% of flange width ?", value(P::kFlangeReduction),
         P::kFlangeReduction},
        {"Column's size W12x or W14x ?", source.inputs.Column, P::kColumnSize},
        {"Column width at least beam width ?", value(P::kColumnWidth), P::kColumnWidth},
    };
    out.At(2, "Beam and column parameters", kBold | kUnderline, LineEnd::End);
    for (const Line& line : lines) {
        out.At(5, line.label, kItalic);
        out.At(50, line.value, kItalic);
        out.At(65, parameters.Text(line.verdictRow, ParametersColumn::kNotes), kBold, LineEnd::End);
    }
}

void CalculatedValues(ReportLines& out, const ReportSource& source) {
    using S = SummaryRow;
    const SummaryGrid& summary = source.state.grids.summary;
    const DesignRecord& r = source.state.record;
    struct Line {
        const char* label;
        std::string value;
        SummaryRow row;
        const std::string* side;
    };
    const Line lines[] = {
        {"Vg", ValueText(r.Vg) + " kip", S::kVg, &r.VgSide},
        {"Vf", ValueText(r.Vf) + " kip", S::kVf, nullptr},
        {"Vp", ValueText(r.Vp) + " kip", S::kVp, &r.VpSide},
        {"Mf", ValueText(r.Mf) + " ft-kip", S::kMf, nullptr},
        {"Mc", ValueText(r.Mc) + " ft-kip", S::kMc, nullptr},
        {"Mpr", ValueText(r.Mpr) + " ft-kip", S::kMpr, nullptr},
        {"ds", Format(r.ds, "0.00%"), S::kDs, nullptr},
    };
    out.At(2, "Calculated Values", kItalic | kUnderline, LineEnd::End);
    for (const Line& line : lines) {
        out.At(5, line.label, kItalic);
        out.At(10, line.value, kItalic);
        out.At(25, summary.Text(line.row, SummaryColumn::kDescription), kPlain,
               line.side ? LineEnd::Same : LineEnd::End);
        if (line.side) out.At(68, *line.side, kPlain, LineEnd::End);
    }
}

}  // namespace

void PrintPropertiesPage(ReportLines& out, const ReportSource& source) {
    const DesignRecord& r = source.state.record;
    out.EmptyLines();
    ShapeProperties(out, "Beam Properties of:", source.inputs.Beam, r.Beam);
    out.EmptyLines();
    ShapeProperties(out, "Column Properties of:", source.inputs.Column, r.Column);
    out.EmptyLines(2);
    SteelAndFrame(out, source);
    out.EmptyLines(2);
    RbsGeometry(out, source);
    out.EmptyLines();
    Parameters(out, source);
    out.EmptyLines();
    out.Page().SetFontSize(12);
    out.At(2, "Code Checks", kBold | kUnderline, LineEnd::End);
    out.EmptyLines();
    out.Page().SetFontSize(10);
    CalculatedValues(out, source);
}

}  // namespace vantrel
