#pragma once
// The printed report of a design written on any canvas: three FEMA 350
// pages and the current-code pages (one or more, as the items and notes
// need). It prints what the source holds and never calculates.

#include "report_canvas.h"
#include "report_result.h"
#include "report_source.h"

namespace vantrel {

// Writes the pages, every footer with their number, and ends the document. A failure (an override
// text that is not a number, or a fault of the canvas) aborts the document and returns its number
// and description.
ReportResult WriteReport(ReportCanvas& canvas, const ReportSource& source);

}  // namespace vantrel
