#pragma once
// A canvas that draws nothing and keeps a log of every operation with its
// coordinates and, for texts, the font. Its text metrics are simple and
// fixed, so positions can be asserted exactly:
//   width  = code points x size x kCharWidthPerPoint
//   height = size x kLineHeightPerPoint (any one-line text)

#include <string>
#include <vector>

#include "report_canvas.h"

namespace vantrel {

struct RecordedFont {
    std::string name;
    double size = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

enum class CanvasOpKind { Text, Line, Box, Circle, Arc, NewPage, EndDocument, AbortDocument };

struct CanvasOp {
    CanvasOpKind kind;
    int page = 1;  // counted from 1
    // Text: top left corner. Line, Box: the two points. Circle, Arc: the centre.
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double radius = 0;
    double start = 0, end = 0;  // Arc, radians
    bool filled = false;        // Circle
    std::string text = {};
    RecordedFont font = {};
};

class RecordingCanvas final : public ReportCanvas {
  public:
    static constexpr double kCharWidthPerPoint = 4;
    static constexpr double kLineHeightPerPoint = 10;

    // Letter paper with quarter-inch margins at 600 dots per inch by default.
    explicit RecordingCanvas(double width = 4800, double height = 6300)
        : width_(width), height_(height) {}

    // Makes the next NewPage raise a ReportFault (a printer that fails).
    void FailOnNewPage(int number, std::string description);

    double PageWidth() const override { return width_; }
    double PageHeight() const override { return height_; }
    void SetFontName(std::string_view name) override { font_.name = name; }
    void SetFontSize(double points) override { font_.size = points; }
    void SetFontBold(bool bold) override { font_.bold = bold; }
    void SetFontItalic(bool italic) override { font_.italic = italic; }
    void SetFontUnderline(bool underline) override { font_.underline = underline; }
    double TextWidth(std::string_view text) override;
    double TextHeight(std::string_view text) override;
    void DrawText(double x, double y, std::string_view text) override;
    void DrawLine(double x1, double y1, double x2, double y2) override;
    void DrawBox(double x1, double y1, double x2, double y2) override;
    void DrawCircle(double cx, double cy, double radius, bool filled) override;
    void DrawArc(double cx, double cy, double radius, double start, double end) override;
    void NewPage() override;
    void EndDocument() override { Add({.kind = CanvasOpKind::EndDocument}); }
    void AbortDocument() override { Add({.kind = CanvasOpKind::AbortDocument}); }

    const std::vector<CanvasOp>& Ops() const { return ops_; }
    // The texts in the order drawn, optionally of one page only.
    std::vector<const CanvasOp*> Texts(int page = 0) const;
    // The first text op equal to text on the page (0: any page), or nullptr.
    const CanvasOp* FindText(std::string_view text, int page = 0) const;
    // The ops of one kind on one page.
    std::vector<const CanvasOp*> OpsOf(CanvasOpKind kind, int page) const;
    // One line per op, for failure messages.
    std::string Dump() const;

  private:
    void Add(CanvasOp op);

    double width_;
    double height_;
    RecordedFont font_;
    int page_ = 1;
    std::vector<CanvasOp> ops_;
    int failNumber_ = 0;
    std::string failDescription_;
};

}  // namespace vantrel
