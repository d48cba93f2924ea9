#include "report_pdf.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "page_frame.h"
#include "painter_canvas.h"
#include "print_report.h"

namespace vantrel {
namespace {

constexpr int kPdfDotsPerInch = 600;
constexpr double kPdfMarginInches = 0.25;

const ReportResult kFileAccessError{kReportErrFileAccess, "Path/File access error"};

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

ReportResult WriteReportPdf(const std::string& path, const ReportSource& source) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return kFileAccessError;
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfDotsPerInch);
        writer.setPageLayout(QPageLayout(
            QPageSize(QPageSize::Letter), QPageLayout::Portrait,
            QMarginsF(kPdfMarginInches, kPdfMarginInches, kPdfMarginInches, kPdfMarginInches),
            QPageLayout::Inch));
        writer.setTitle(QString::fromStdString(ReportTitle(source.inputs.IsSMRF())));
        writer.setCreator(
            QString::fromUtf8(kVersionLine.data(), static_cast<qsizetype>(kVersionLine.size())));
        ReportResult result = PaintReport(writer, source, [&file] { file.cancelWriting(); });
        if (!result.ok()) return result;
    }
    if (!file.commit()) return kFileAccessError;
    return {};
}

}  // namespace vantrel
