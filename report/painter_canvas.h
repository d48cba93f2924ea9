#pragma once
// The report's canvas on a QPainter that paints on a paged device: a
// QPrinter or a QPdfWriter. Measures in the device's units; the font's point
// sizes follow the device's resolution.

#include <QFont>
#include <functional>

#include "report_canvas.h"

class QPainter;
class QPagedPaintDevice;

namespace vantrel {

class PainterCanvas final : public ReportCanvas {
  public:
    // abortJob throws the device's job away (QPrinter::abort for a printer);
    // it runs before the painter ends when the document is aborted.
    PainterCanvas(QPainter& painter, QPagedPaintDevice& device, std::function<void()> abortJob);

    double PageWidth() const override;
    double PageHeight() const override;
    void SetFontName(std::string_view name) override;
    void SetFontSize(double points) override;
    void SetFontBold(bool bold) override;
    void SetFontItalic(bool italic) override;
    void SetFontUnderline(bool underline) override;
    double TextWidth(std::string_view text) override;
    double TextHeight(std::string_view text) override;
    void DrawText(double x, double y, std::string_view text) override;
    void DrawLine(double x1, double y1, double x2, double y2) override;
    void DrawBox(double x1, double y1, double x2, double y2) override;
    void DrawCircle(double cx, double cy, double radius, bool filled) override;
    void DrawArc(double cx, double cy, double radius, double start, double end) override;
    void NewPage() override;
    void EndDocument() override;
    void AbortDocument() override;

  private:
    QPainter& painter_;
    QPagedPaintDevice& device_;
    std::function<void()> abortJob_;
    QFont font_;
};

}  // namespace vantrel
