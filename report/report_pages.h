#pragma once
// The bodies of the report's pages, between head block and footer.

#include <functional>

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
// and the differences from FEMA 350, from the current position on; calls
// nextPage (footer, new page, head block) whenever the next line would
// reach the footer.
void PrintCurrentCodePages(ReportLines& out, const ReportSource& source,
                           const std::function<void()>& nextPage);

}  // namespace vantrel
