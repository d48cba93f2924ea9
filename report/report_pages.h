#pragma once
// The bodies of the report's four pages, between head block and footer.

#include "report_lines.h"
#include "report_source.h"

namespace vantrel {

// Shape properties, steel and frame, RBS geometry, parameter checks and the
// calculated values. Raises ChainFault when an override text is not a number.
void PrintPropertiesPage(ReportLines& out, const ReportSource& source);

// The code checks.
void PrintCodeChecksPage(ReportLines& out, const ReportSource& source);

// Gravity loads, notes and the connection sketch.
void PrintLoadsPage(ReportLines& out, const ReportSource& source);
void PrintConnectionSketch(PageModel& page, const ReportSource& source);

// The AISC 358-16 items of the same design, their verdict, the assumptions
// and the differences from FEMA 350.
void PrintCurrentCodePage(ReportLines& out, const ReportSource& source);

}  // namespace vantrel
