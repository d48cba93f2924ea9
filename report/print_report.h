#pragma once
// The printed report of a design: four pages written on any canvas. It
// prints what the source holds and never calculates.

#include "report_canvas.h"
#include "report_result.h"
#include "report_source.h"

namespace vantrel {

// Writes the four pages and ends the document. A failure (an override text
// that is not a number, or a fault of the canvas) aborts the document and
// returns its number and description.
ReportResult WriteReport(ReportCanvas& canvas, const ReportSource& source);

}  // namespace vantrel
