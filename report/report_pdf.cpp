#include "report_pdf.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "files/project_file.h"
#include "files/safe_file.h"
#include "page_frame.h"
#include "painter_canvas.h"
#include "print_report.h"

namespace vantrel {
namespace {

constexpr int kPdfDotsPerInch = 600;
constexpr double kPdfMarginInches = 0.25;

ReportResult FileAccessError(int fileError) {
    return {kReportErrFileAccess, "Path/File access error (" + FailureReason(fileError) + ")"};
}

}  // namespace

ReportResult PaintReport(QPagedPaintDevice& device, const ReportSource& source,
                         const std::function<void()>& abortJob) {
    QPainter painter;
    if (!painter.begin(&device)) {
        if (abortJob) abortJob();
        return {kReportErrPrinter, "Printer error"};
    }
    PainterCanvas canvas(painter, device, abortJob);
    return WriteReport(canvas, source);
}

ReportResult ReportPdfBytes(const ReportSource& source, std::string& pdfBytes) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(kPdfDotsPerInch);
        writer.setPageLayout(QPageLayout(
            QPageSize(QPageSize::Letter), QPageLayout::Portrait,
            QMarginsF(kPdfMarginInches, kPdfMarginInches, kPdfMarginInches, kPdfMarginInches),
            QPageLayout::Inch));
        writer.setTitle(QString::fromStdString(ReportTitle(source.inputs.IsSMRF())));
        writer.setCreator(QString::fromStdString(VersionLine(ProgramVersion())));
        ReportResult result = PaintReport(writer, source);
        if (!result.ok()) return result;
    }
    pdfBytes.assign(pdf.data().constData(), static_cast<size_t>(pdf.data().size()));
    return {};
}

// The pages are painted into memory and the file is written as a project
// file is: whole or not at all, never over anything but a regular file.
ReportResult WriteReportPdf(const std::string& path, const ReportSource& source) {
    std::string bytes;
    if (ReportResult result = ReportPdfBytes(source, bytes); !result.ok()) return result;
    const int error = ReplaceFileContent(
        path, std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
    if (error != 0) return FileAccessError(error);
    return {};
}

}  // namespace vantrel
