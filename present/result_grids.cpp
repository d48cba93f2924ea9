#include "result_grids.h"

#include <initializer_list>

namespace vantrel {
namespace {

using enum CellAlign;

// A column's heading on row 0, and the alignment and background of its cells
// from row 1 to the grid's last formatted row (General: left as it is).
struct ColumnLook {
    const char* heading;
    CellAlign align = General;
    Rgb background = kWhite;
};

void LayOut(ResultGrid& g, std::initializer_list<ColumnLook> columns, int lastRow) {
    g.Align(0, 0, 0, g.ColumnCount() - 1, CenterCenter);
    g.Paint(0, 0, 0, g.ColumnCount() - 1, kHeadingGreen);
    int column = 0;
    for (const ColumnLook& look : columns) {
        g.SetText(0, column, look.heading);
        if (look.align != General) g.Align(1, column, lastRow, column, look.align);
        if (look.background != kWhite) g.Paint(1, column, lastRow, column, look.background);
        ++column;
    }
}

struct SummaryLine {
    SummaryRow row;
    const char* item;
    const char* description;
    const char* reference;
};

constexpr SummaryLine kSummaryLines[] = {
    {SummaryRow::kA, "A", "Starting point of the RBS", "3.5.5.1 Step 1"},
    {SummaryRow::kB, "B", "Length of the RBS", "3.5.5.1 Step 1"},
    {SummaryRow::kC, "C", "Width of the RBS", "3.5.5.1 Step 2a"},
    {SummaryRow::kR, "R", "Radius of the RBS", "3.5.5  Figure 3-12"},
    {SummaryRow::kZrbs, "Zrbs", "Plastic section modulus of the RBS", "3.5.5.1 Step 2b"},
    {SummaryRow::kCpr, "Cpr", "Peak connection strength coefficient", "3.2.4 (3-2)"},
    {SummaryRow::kRy, "Ry", "Material strength coefficient", "2.6.2 Table 2-1"},
    {SummaryRow::kMpr, "Mpr", "Probable peak plastic hinge moment at RBS", "3.2.4 (3-1)"},
    {SummaryRow::kX, "X", "Distance from column face to the center of the RBS", "3.2.6 Fig.(3-4)"},
    {SummaryRow::kLprime, "L'", "Center-to-Center distance of RBSs", "3.2.6 Fig.(3-3)"},
    {SummaryRow::kVp, "Vp", "Shear at the RBS", "3.2.6 Fig.(3-3)"},
    {SummaryRow::kMf, "Mf", "Probable plastic moment at the face of the column", "3.5.5.1 step 2c"},
    {SummaryRow::kMc, "Mc", "Probable plastic moment at the center of the column",
     "3.5.5.1 step 3"},
    {SummaryRow::kVg, "Vg", "Shear at the column face from factored gravity loads", ""},
    {SummaryRow::kVf, "Vf", "Shear at the column face", "3.5.5.1 Step 4"},
    {SummaryRow::kDs, "ds", "Frame's drift increase factor due to RBS", " "},
};

struct ChecksLine {
    ChecksRow row;
    const char* group;
    const char* quantity;
    const char* description;  // fixed: ClearResults keeps it
    const char* reference;
};

constexpr ChecksLine kChecksLines[] = {
    {ChecksRow::kMf, "Mf", "Mf", "Probable plastic moment at the face of the column",
     "3.5.5.1 Step 2d"},
    {ChecksRow::kRyZbFy, "", "Ry Zb Fy", "Max allowable plastic moment in the beam", ""},
    {ChecksRow::kMfRatio, "", "Ratio", "", ""},
    {ChecksRow::kSrbs, "Doubler Plates", "Srbs", "Section modulus at RBS", ""},
    {ChecksRow::kCy, "", "Cy", "", "3.2.7 (3-4)"},
    {ChecksRow::kRy, "", "Ry", "", "2.6.2 Table (2-1)"},
    {ChecksRow::kWebThickness, "", "t", "", "3.3.3.2 (3-7)"},
    {ChecksRow::kTcf1, "Continuity plates", "Tcf1", "", "3.3.3.1 (3-5)"},
    {ChecksRow::kTcf2, "", "Tcf2", "", "3.3.3.1 (3-6)"},
    {ChecksRow::kTcf, "", "Tcf", "", ""},
    {ChecksRow::kFlangeSlenderness, "Beam Flange", "bf/2tf", "", "3.3.1.1"},
    {ChecksRow::kFlangeLimit, "", "52/sqrt(Fy)", "", ""},
    {ChecksRow::kFlangeRatio, "", "Ratio", "", ""},
    {ChecksRow::kWebSlenderness, "Beam Web", "hc/tw", "", "3.3.1.2"},
    {ChecksRow::kWebLimit, "", "418/sq(fy)", "", ""},
    {ChecksRow::kWebRatio, "", "Ratio", "", ""},
    {ChecksRow::kShear, "Shear in Beam", "Vf", "", ""},
    {ChecksRow::kAllowableShear, "", "Allow. Shear", "", ""},
    {ChecksRow::kShearUnity, "", "Unity Check", "", ""},
    {ChecksRow::kBeamMomentGroup, "Moment in Beam", "", "", ""},
    {ChecksRow::kBeamMoment, "", "Allow. Moment", "Actual moment to be less than this amount.", ""},
    {ChecksRow::kBeamMomentNote, "", "", "Check with your frame analysis software.", ""},
    {ChecksRow::kRbsMomentGroup, "Moment at RBS", "", "", ""},
    {ChecksRow::kRbsMoment, "", "Allow. Moment",
     "Actual moment at RBS to be less than this amount.", ""},
    {ChecksRow::kRbsMomentNote, "", "", "Check with your frame analysis software.", ""},
};

struct ParametersLine {
    ParametersRow row;
    const char* item;
    bool heading = false;  // bold, at the top of its cell
};

constexpr ParametersLine kParametersLines[] = {
    {ParametersRow::kBeamChecks, "Beam Parameter Checks", true},
    {ParametersRow::kBeamDepth, "Depth Less than 36\" ?"},
    {ParametersRow::kBeamWeight, "Weight less than 300 lb/ft ?"},
    {ParametersRow::kSpanToDepth, "Span to Depth ratio greater than 7 ?"},
    {ParametersRow::kFlangeThickness, "Flange thickness less than 1-3/4\" ?"},
    {ParametersRow::kFlangeMomentShare, "Moment resistance by flange at least 0.7xMplastic ?"},
    {ParametersRow::kFlangeReduction, "Flange reduction less than 50% of flange width?"},
    {ParametersRow::kColumnChecks, "Column Parameter Checks", true},
    {ParametersRow::kColumnSize, "Is the size W12x or W14x ?"},
    {ParametersRow::kColumnWidth, "Column width at least beam width ?"},
};

// The last row of each grid that ClearResults empties.
constexpr int kSummaryLastCleared = 22;
constexpr int kChecksLastCleared = 53;
constexpr int kParametersLastCleared = 19;

bool HasFixedDescription(int row) {
    for (const ChecksLine& line : kChecksLines)
        if (ChecksGrid::At(line.row) == row) return *line.description != '\0';
    return false;
}

}  // namespace

SummaryGrid::SummaryGrid() : NamedGrid(30, 5) {
    LayOut(*this,
           {{"Item", CenterCenter},
            {"Value", RightCenter, kValueYellow},
            {"Notes", LeftCenter},
            {"Description", LeftCenter},
            {"FEMA 350 (July 2000)", LeftCenter}},
           29);
    for (const SummaryLine& line : kSummaryLines) {
        SetText(line.row, Column::kItem, line.item);
        SetText(line.row, Column::kDescription, line.description);
        SetText(line.row, Column::kReference, line.reference);
    }
}

ChecksGrid::ChecksGrid() : NamedGrid(55, 6) {
    LayOut(*this,
           {{"Check Items", LeftCenter},
            {"Design checks", LeftTop},
            {"Value", RightCenter},
            {"Description", LeftTop},
            {"FEMA Section", LeftTop},
            {""}},
           54);
    for (const ChecksLine& line : kChecksLines) {
        SetText(line.row, Column::kGroup, line.group);
        SetText(line.row, Column::kQuantity, line.quantity);
        SetText(line.row, Column::kDescription, line.description);
        SetText(line.row, Column::kReference, line.reference);
    }
}

ParametersGrid::ParametersGrid() : NamedGrid(20, 3) {
    LayOut(*this, {{"Check Items", LeftCenter}, {"Value", LeftTop}, {"Notes", LeftTop}}, 18);
    for (const ParametersLine& line : kParametersLines) {
        SetText(line.row, Column::kItem, line.item);
        if (!line.heading) continue;
        const int row = At(line.row);
        const int item = At(Column::kItem);
        SetBold(row, item, true);
        Align(row, item, row, item, LeftTop);
    }
}

void ResetGrids(ResultGrids& grids) {
    grids = ResultGrids{};
}

void ClearResults(ResultGrids& grids) {
    const ValueColumns summary = SummaryGrid::kValueColumns;
    grids.summary.ClearTexts(1, summary.first, kSummaryLastCleared, summary.last);
    // The checks' values, and their statuses beside them but for the fixed descriptions.
    const int value = ChecksGrid::At(ChecksColumn::kValue);
    const int status = ChecksGrid::At(ChecksColumn::kDescription);
    grids.checks.ClearTexts(1, value, kChecksLastCleared, value);
    for (int row = 1; row <= kChecksLastCleared; ++row)
        if (!HasFixedDescription(row)) grids.checks.ClearTexts(row, status, row, status);
    const ValueColumns parameters = ParametersGrid::kValueColumns;
    grids.parameters.ClearTexts(1, parameters.first, kParametersLastCleared, parameters.last);
}

}  // namespace vantrel
