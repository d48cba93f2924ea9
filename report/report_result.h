#pragma once
// How a print job ends: 0, or the number and description of the failure that
// aborted it. Canvases raise ReportFault for a failure of the device; the job
// traps it (WriteReport) and aborts the document.

#include <string>

namespace vantrel {

enum ReportErrorNumber : int {
    kReportErrFileAccess = 75,  // "Path/File access error": the PDF file cannot be written
    kReportErrPrinter = 482,    // "Printer error": the device refused to paint or to add a page
};

struct ReportResult {
    int number = 0;
    std::string description;
    bool ok() const { return number == 0; }
};

struct ReportFault {
    int number;
    std::string description;
};

// The message box texts of a failed job.
inline std::string ReportFailurePrompt(const ReportResult& result) {
    return "Unable to print report. " + result.description;
}
inline std::string ReportFailureTitle(const ReportResult& result) {
    return "Error: " + std::to_string(result.number);
}

}  // namespace vantrel
