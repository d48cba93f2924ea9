#include <string>

#include "model/number_text.h"
#include "report_pages.h"

namespace vantrel {
namespace {

void DistributedLoads(ReportLines& out, const DesignRecord& r) {
    out.At(10, "Distributed Loads", kItalic | kUnderline, LineEnd::End);
    out.EmptyLines();
    out.At(15, "Dead Load", kItalic);
    out.At(25, "Live Load", kItalic, LineEnd::End);
    for (int k = 0; k < kLoadCount; ++k) {
        out.At(15, Format(r.DistDL[k], "0.000") + "  kip/ft", kPlain);
        out.At(25, Format(r.DistLL[k], "0.000") + "  kip/ft", kPlain, LineEnd::End);
    }
}

void PointLoadRows(ReportLines& out, const DesignRecord& r) {
    out.At(10, "Point Loads", kItalic | kUnderline, LineEnd::End);
    out.EmptyLines();
    out.At(15, "Dead Load", kItalic);
    out.At(25, "Live Load", kItalic);
    out.At(35, "Location", kItalic, LineEnd::End);
    for (int k = 0; k < kLoadCount; ++k) {
        out.At(15, Format(r.PointDL[k], "0.000") + "  kip", kPlain);
        out.At(25, Format(r.PointLL[k], "0.000") + "  kip", kPlain);
        out.At(35, Format(r.PointLoadLocation[k], "0.00") + " ft", kPlain, LineEnd::End);
    }
}

}  // namespace

void PrintLoadsPage(ReportLines& out, const ReportSource& source) {
    const DesignRecord& r = source.state.record;
    out.Page().SetFontSize(9);
    out.At(5, "Gravity Loads at Beam", kBold | kUnderline, LineEnd::End);
    out.EmptyLines(2);
    DistributedLoads(out, r);
    out.EmptyLines(2);
    PointLoadRows(out, r);
    out.EmptyLines(4);
    out.At(10, "Notes and Assumptions", kBold | kUnderline, LineEnd::End);
    out.At(15,
           "1- Flexural demand on the girder due to gravity loads is less than about 30% of the "
           "girder's capacity.",
           kPlain, LineEnd::End);
    out.At(15,
           "2- Strong Column - Weak Beam action is not checked on these pages; page 4 checks it "
           "(AISC 341-16 E3.4a).",
           kPlain, LineEnd::End);
    out.At(15, "3- For bracing and other requirements see FEMA 350.", kPlain, LineEnd::End);
    out.Page().SetFontSize(8);
    PrintConnectionSketch(out.Page(), source);
}

}  // namespace vantrel
