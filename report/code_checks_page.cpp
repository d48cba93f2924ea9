#include "present/grid_presenters.h"
#include "report_pages.h"

namespace vantrel {
namespace {

struct CheckGroup {
    const char* heading;
    int firstRow;
    int statusRow;  // the last row, which also carries the status
};

constexpr CheckGroup kGroups[] = {
    {"Mf", 1, 3},
    {"Doubler Plates", 5, 8},
    {"Continuity Plates", 10, 12},
    {"Beam Flange", 14, 16},
    {"Beam Web", 18, 20},
    {"Shear capacity of the beam", 22, 24},
};

struct CapacityGroup {
    const char* heading;
    int valueRow;
    int statusRow;
};

constexpr CapacityGroup kCapacityGroups[] = {
    {"Moment capacity of the beam", 27, 28},
    {"Moment capacity of the beam at RBS", 31, 32},
};

void Heading(ReportLines& out, const char* heading) {
    out.EmptyLines();
    out.At(5, heading, kItalic | kUnderline, LineEnd::End);
}

}  // namespace

void PrintCodeChecksPage(ReportLines& out, const ReportSource& source) {
    const ResultGrids grids = PresentedGrids(source.state.record, source.state.results);
    const ResultGrid& g3 = grids.checks;
    for (const CheckGroup& group : kGroups) {
        Heading(out, group.heading);
        for (int row = group.firstRow; row <= group.statusRow; ++row) {
            out.At(10, g3.Text(row, 1), kItalic);
            if (row < group.statusRow) {
                out.At(23, g3.Text(row, 2), kPlain, LineEnd::End);
                continue;
            }
            out.At(23, g3.Text(row, 2), kPlain);
            // An OMRF design leaves the doubler-plate status line open, so the
            // next group's empty line only ends it.
            const bool openLine = group.statusRow == 8 && !source.inputs.IsSMRF();
            out.At(35, g3.Text(row, 3), kBold, openLine ? LineEnd::Same : LineEnd::End);
        }
    }
    for (const CapacityGroup& group : kCapacityGroups) {
        Heading(out, group.heading);
        out.At(10, g3.Text(group.valueRow, 1), kItalic);
        out.At(23, g3.Text(group.valueRow, 2), kPlain);
        out.At(35, g3.Text(group.valueRow, 3), kItalic, LineEnd::End);
        out.At(35, g3.Text(group.statusRow, 3), kBold, LineEnd::End);
    }
    out.EmptyLines();
}

}  // namespace vantrel
