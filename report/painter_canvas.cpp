#include "painter_canvas.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QString>
#include <cmath>
#include <numbers>

#include "report_result.h"

namespace vantrel {
namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Qt's arcs take sixteenths of a degree.
int Sixteenths(double radians) {
    return static_cast<int>(std::lround(radians * 180.0 / std::numbers::pi * 16.0));
}

}  // namespace

PainterCanvas::PainterCanvas(QPainter& painter, QPagedPaintDevice& device,
                             std::function<void()> abortJob)
    : painter_(painter), device_(device), abortJob_(std::move(abortJob)) {
    painter_.setPen(QPen(Qt::black, 0));  // cosmetic: one device dot wide
    painter_.setBrush(Qt::NoBrush);
    font_.setStyleHint(QFont::SansSerif);
}

double PainterCanvas::PageWidth() const {
    return device_.width();
}
double PainterCanvas::PageHeight() const {
    return device_.height();
}

void PainterCanvas::SetFontName(std::string_view name) {
    font_.setFamily(Text(name));
}
void PainterCanvas::SetFontSize(double points) {
    font_.setPointSizeF(points);
}
void PainterCanvas::SetFontBold(bool bold) {
    font_.setBold(bold);
}
void PainterCanvas::SetFontItalic(bool italic) {
    font_.setItalic(italic);
}
void PainterCanvas::SetFontUnderline(bool underline) {
    font_.setUnderline(underline);
}

double PainterCanvas::TextWidth(std::string_view text) {
    return QFontMetricsF(font_, &device_).horizontalAdvance(Text(text));
}

double PainterCanvas::TextHeight(std::string_view) {
    return QFontMetricsF(font_, &device_).height();
}

void PainterCanvas::DrawText(double x, double y, std::string_view text) {
    painter_.setFont(font_);
    const double ascent = QFontMetricsF(font_, &device_).ascent();
    painter_.drawText(QPointF(x, y + ascent), Text(text));
}

void PainterCanvas::DrawLine(double x1, double y1, double x2, double y2) {
    painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void PainterCanvas::DrawBox(double x1, double y1, double x2, double y2) {
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized());
}

void PainterCanvas::DrawCircle(double cx, double cy, double radius, bool filled) {
    painter_.setBrush(filled ? QBrush(Qt::black) : QBrush(Qt::NoBrush));
    painter_.drawEllipse(QPointF(cx, cy), radius, radius);
    painter_.setBrush(Qt::NoBrush);
}

void PainterCanvas::DrawArc(double cx, double cy, double radius, double start, double end) {
    double span = end - start;
    if (span < 0) span += 2 * std::numbers::pi;
    const QRectF bounds(cx - radius, cy - radius, 2 * radius, 2 * radius);
    painter_.drawArc(bounds, Sixteenths(start), Sixteenths(span));
}

void PainterCanvas::NewPage() {
    if (!device_.newPage()) throw ReportFault{kReportErrPrinter, "Printer error"};
}

void PainterCanvas::EndDocument() {
    if (!painter_.end()) throw ReportFault{kReportErrPrinter, "Printer error"};
}

void PainterCanvas::AbortDocument() {
    if (abortJob_) abortJob_();
    if (painter_.isActive()) painter_.end();
}

}  // namespace vantrel
