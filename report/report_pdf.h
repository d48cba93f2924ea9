#pragma once
// The printed report on Qt's paged devices: a printer chosen in the print
// dialog, or a PDF file. Needs a QGuiApplication (fonts).

#include <QtGlobal>
#include <functional>
#include <string>

#include "report_result.h"
#include "report_source.h"

class QPagedPaintDevice;

namespace vantrel {

// Paints the pages on the device (a QPrinter after its dialog, a
// QPdfWriter). abortJob throws the device's job away on a failure; for a
// QPrinter pass [&printer] { printer.abort(); }.
ReportResult PaintReport(QPagedPaintDevice& device, const ReportSource& source,
                         const std::function<void()>& abortJob = {});

// Writes the report as a PDF file on Letter paper. The file is replaced only
// when the whole report has been written, and only when it is a regular file
// (safe_file.h: ReplaceFileContent). The path is used byte for byte.
ReportResult WriteReportPdf(const std::string& path, const ReportSource& source);

// The report's PDF in memory (for standard output).
ReportResult ReportPdfBytes(const ReportSource& source, std::string& pdfBytes);

}  // namespace vantrel
