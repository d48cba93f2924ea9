#include <string>

#include "checks/grid_presenters.h"
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
             const std::string& overrideText, const std::string& coefficient, int row) {
    const ResultGrids grids = PresentedGrids(source.state.record, source.state.results);
    const ResultGrid& grid = grids.summary;
    if (SingleFromText(overrideText) == 0.0f) {
        out.At(5, formula, kPlain);
        out.After(coefficient + " =", kPlain);
        out.After(grid.Text(row, 1), kBold);
        out.After(grid.Text(row, 2), kPlain, LineEnd::End);
    } else {
        out.At(5, name + overrideText + " in.  " + grid.Text(row, 2), kPlain, LineEnd::End);
    }
}

void RbsGeometry(ReportLines& out, const ReportSource& source) {
    const DesignInputs& in = source.inputs;
    const DesignRecord& r = source.state.record;
    out.At(2, "RBS Geometry of the Beam:", kBold | kUnderline, LineEnd::End);
    CutLine(out, source, "a=", "a=Beam Flange x", in.ORA, in.A, 1);
    CutLine(out, source, "b=", "b=Beam Depth x", in.ORB, in.B, 2);
    CutLine(out, source, "c=", "c=Beam Flange x", in.ORC, in.C, 3);
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
    const ResultGrids grids = PresentedGrids(source.state.record, source.state.results);
    const ResultGrid& g4 = grids.parameters;
    const WShape& beam = source.state.record.Beam;
    struct Line {
        const char* label;
        std::string value;
        int verdictRow;
    };
    const Line lines[] = {
        {"Beam depth less than 36 inches ?", Inches(beam.d), 2},
        {"Beam weight less than 300 pounds ?", ValueText(beam.Weight) + " pounds", 3},
        {"Beam's span to depth ratio greater than 7 ?", g4.Text(4, 1), 4},
        {"Beam's flange less than 1-3/4 inches thick ?", g4.Text(5, 1), 5},
        {"Mom. capacity of BM's flange at least 0.7xMplastic ?", g4.Text(6, 1), 6},
        {"Flange reduction less than 50% of flange width ?", g4.Text(7, 1), 7},
        {"Column's size W12x or W14x ?", source.inputs.Column, 9},
        {"Column width at least beam width ?", g4.Text(10, 1), 10},
    };
    out.At(2, "Beam and column parameters", kBold | kUnderline, LineEnd::End);
    for (const Line& line : lines) {
        out.At(5, line.label, kItalic);
        out.At(50, line.value, kItalic);
        out.At(65, g4.Text(line.verdictRow, 2), kBold, LineEnd::End);
    }
}

void CalculatedValues(ReportLines& out, const ReportSource& source) {
    const ResultGrids grids = PresentedGrids(source.state.record, source.state.results);
    const ResultGrid& g2 = grids.summary;
    const DesignRecord& r = source.state.record;
    struct Line {
        const char* label;
        std::string value;
        int row;
        const std::string* side;
    };
    const Line lines[] = {
        {"Vg", ValueText(r.Vg) + " kip", 14, &r.VgSide},
        {"Vf", ValueText(r.Vf) + " kip", 15, nullptr},
        {"Vp", ValueText(r.Vp) + " kip", 11, &r.VpSide},
        {"Mf", ValueText(r.Mf) + " ft-kip", 12, nullptr},
        {"Mc", ValueText(r.Mc) + " ft-kip", 13, nullptr},
        {"Mpr", ValueText(r.Mpr) + " ft-kip", 8, nullptr},
        {"ds", Format(r.ds, "0.00%"), 16, nullptr},
    };
    out.At(2, "Calculated Values", kItalic | kUnderline, LineEnd::End);
    for (const Line& line : lines) {
        out.At(5, line.label, kItalic);
        out.At(10, line.value, kItalic);
        out.At(25, g2.Text(line.row, 3), kPlain, line.side ? LineEnd::Same : LineEnd::End);
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
