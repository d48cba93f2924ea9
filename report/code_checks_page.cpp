#include "report_pages.h"

namespace vantrel {
namespace {

using Row = ChecksRow;
using Column = ChecksColumn;

struct CheckGroup {
    const char* heading;
    Row firstRow;
    Row statusRow;  // the last row, which also carries the status
};

constexpr CheckGroup kGroups[] = {
    {"Mf", Row::kMf, Row::kMfRatio},
    {"Doubler Plates", Row::kSrbs, Row::kWebThickness},
    {"Continuity Plates", Row::kTcf1, Row::kTcf},
    {"Beam Flange", Row::kFlangeSlenderness, Row::kFlangeRatio},
    {"Beam Web", Row::kWebSlenderness, Row::kWebRatio},
    {"Shear capacity of the beam", Row::kShear, Row::kShearUnity},
};

struct CapacityGroup {
    const char* heading;
    Row valueRow;
    Row noteRow;
};

constexpr CapacityGroup kCapacityGroups[] = {
    {"Moment capacity of the beam", Row::kBeamMoment, Row::kBeamMomentNote},
    {"Moment capacity of the beam at RBS", Row::kRbsMoment, Row::kRbsMomentNote},
};

void Heading(ReportLines& out, const char* heading) {
    out.EmptyLines();
    out.At(5, heading, kItalic | kUnderline, LineEnd::End);
}

}  // namespace

void PrintCodeChecksPage(ReportLines& out, const ReportSource& source) {
    const ChecksGrid& checks = source.state.grids.checks;
    for (const CheckGroup& group : kGroups) {
        Heading(out, group.heading);
        for (int row = ChecksGrid::At(group.firstRow); row <= ChecksGrid::At(group.statusRow);
             ++row) {
            out.At(10, checks.Text(row, ChecksGrid::At(Column::kQuantity)), kItalic);
            if (row < ChecksGrid::At(group.statusRow)) {
                out.At(23, checks.Text(row, ChecksGrid::At(Column::kValue)), kPlain, LineEnd::End);
                continue;
            }
            out.At(23, checks.Text(row, ChecksGrid::At(Column::kValue)), kPlain);
            // An OMRF design leaves the doubler-plate status line open, so the
            // next group's empty line only ends it.
            const bool openLine = group.statusRow == Row::kWebThickness && !source.inputs.IsSMRF();
            out.At(35, checks.Text(row, ChecksGrid::At(Column::kDescription)), kBold,
                   openLine ? LineEnd::Same : LineEnd::End);
        }
    }
    for (const CapacityGroup& group : kCapacityGroups) {
        Heading(out, group.heading);
        out.At(10, checks.Text(group.valueRow, Column::kQuantity), kItalic);
        out.At(23, checks.Text(group.valueRow, Column::kValue), kPlain);
        out.At(35, checks.Text(group.valueRow, Column::kDescription), kItalic, LineEnd::End);
        out.At(35, checks.Text(group.noteRow, Column::kDescription), kBold, LineEnd::End);
    }
    out.EmptyLines();
}

}  // namespace vantrel
