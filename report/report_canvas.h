#pragma once
// The drawing surface the report writes on: a printer, a PDF writer or a
// recorder for tests. Every coordinate and size is in the device units of
// the surface; (0, 0) is the top left corner of the printable area and y
// grows downwards. Texts are UTF-8. The colour is always black.

#include <string_view>

namespace vantrel {

class ReportCanvas {
  public:
    virtual ~ReportCanvas() = default;

    // Width and height of the printable area.
    virtual double PageWidth() const = 0;
    virtual double PageHeight() const = 0;

    virtual void SetFontName(std::string_view name) = 0;
    virtual void SetFontSize(double points) = 0;
    virtual void SetFontBold(bool bold) = 0;
    virtual void SetFontItalic(bool italic) = 0;
    virtual void SetFontUnderline(bool underline) = 0;

    // The size of a text in the current font. The height of any one-line
    // text is the line height of the font.
    virtual double TextWidth(std::string_view text) = 0;
    virtual double TextHeight(std::string_view text) = 0;

    // Draws a text with its top left corner at (x, y).
    virtual void DrawText(double x, double y, std::string_view text) = 0;

    // Thin black outlines.
    virtual void DrawLine(double x1, double y1, double x2, double y2) = 0;
    virtual void DrawBox(double x1, double y1, double x2, double y2) = 0;
    virtual void DrawCircle(double cx, double cy, double radius, bool filled) = 0;
    // Angles in radians, counter-clockwise as seen on the page from the
    // positive x axis; the arc runs counter-clockwise from start to end.
    virtual void DrawArc(double cx, double cy, double radius, double start, double end) = 0;

    virtual void NewPage() = 0;
    virtual void EndDocument() = 0;
    virtual void AbortDocument() = 0;
};

}  // namespace vantrel
