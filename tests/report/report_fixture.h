#pragma once
// A report written on the recording canvas with a fixed date-time.

#include <string>

#include "report/print_report.h"
#include "report/recording_canvas.h"
#include "support/design_fixture.h"

namespace vantrel::test {

inline constexpr const char* kDateTime = "2026-12-06 16:45";
// A version of the same length as the program's, so that a new version
// changes no recorded drawing.
inline constexpr const char* kVersion = "x.y.z";

struct Printed {
    Calculated calc;
    RecordingCanvas canvas;
    ReportResult result;
};

// Calculates the inputs, then writes the report of what the calculation left.
inline void Print(Printed& printed, const DesignInputs& inputs,
                  const std::string& documentName = "New Untitled") {
    Run(printed.calc, inputs);
    const ReportSource source{inputs, printed.calc.state, documentName, kDateTime, kVersion};
    printed.result = WriteReport(printed.canvas, source);
}

}  // namespace vantrel::test
