#pragma once
// A canvas that writes each page as an SVG document, for the browser
// edition's report: the browser prints the pages, one per sheet. Texts are
// measured with Liberation Sans's own metrics (liberation_metrics.h), so the
// pages are laid out alike wherever they are made; the page that shows them
// serves that font. The printable area is Letter paper with quarter-inch
// margins, as the desktop's PDF, in 600 dots per inch.

#include <string>
#include <vector>

#include "report_canvas.h"

namespace vantrel {

class SvgCanvas final : public ReportCanvas {
  public:
    static constexpr double kDotsPerInch = 600;
    static constexpr double kWidthInches = 8.0;
    static constexpr double kHeightInches = 10.5;
    // The family the texts name: the served font first, then the installed one.
    static constexpr const char* kFontFamily =
        "'Vantrel Liberation Sans', 'Liberation Sans', Arial, sans-serif";

    SvgCanvas();

    double PageWidth() const override { return kWidthInches * kDotsPerInch; }
    double PageHeight() const override { return kHeightInches * kDotsPerInch; }
    // Every text is drawn in Liberation Sans, the font the name resolves to.
    void SetFontName(std::string_view) override {}
    void SetFontSize(double points) override { size_ = points; }
    void SetFontBold(bool bold) override { bold_ = bold; }
    void SetFontItalic(bool italic) override { italic_ = italic; }
    void SetFontUnderline(bool underline) override { underline_ = underline; }
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

    // The finished pages, one SVG document each; none after an abort.
    const std::vector<std::string>& Pages() const { return pages_; }

  private:
    double SizeInDots() const { return size_ * kDotsPerInch / 72.0; }
    void OpenPage();

    double size_ = 10;
    bool bold_ = false;
    bool italic_ = false;
    bool underline_ = false;
    std::string page_;
    std::vector<std::string> pages_;
};

}  // namespace vantrel
