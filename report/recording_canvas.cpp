#include "recording_canvas.h"

#include <sstream>

#include "report_result.h"

namespace vantrel {
namespace {

size_t CodePoints(std::string_view text) {
    size_t count = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    return count;
}

const char* KindName(CanvasOpKind kind) {
    switch (kind) {
        case CanvasOpKind::Text:
            return "text";
        case CanvasOpKind::Line:
            return "line";
        case CanvasOpKind::Box:
            return "box";
        case CanvasOpKind::Circle:
            return "circle";
        case CanvasOpKind::Arc:
            return "arc";
        case CanvasOpKind::NewPage:
            return "newpage";
        case CanvasOpKind::EndDocument:
            return "end";
        case CanvasOpKind::AbortDocument:
            return "abort";
    }
    return "?";
}

}  // namespace

void RecordingCanvas::FailOnNewPage(int number, std::string description) {
    failNumber_ = number;
    failDescription_ = std::move(description);
}

double RecordingCanvas::TextWidth(std::string_view text) {
    return static_cast<double>(CodePoints(text)) * font_.size * kCharWidthPerPoint;
}

double RecordingCanvas::TextHeight(std::string_view) {
    return font_.size * kLineHeightPerPoint;
}

void RecordingCanvas::DrawText(double x, double y, std::string_view text) {
    Add({.kind = CanvasOpKind::Text, .x1 = x, .y1 = y, .text = std::string(text), .font = font_});
}

void RecordingCanvas::DrawLine(double x1, double y1, double x2, double y2) {
    Add({.kind = CanvasOpKind::Line, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2});
}

void RecordingCanvas::DrawBox(double x1, double y1, double x2, double y2) {
    Add({.kind = CanvasOpKind::Box, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2});
}

void RecordingCanvas::DrawCircle(double cx, double cy, double radius, bool filled) {
    Add({.kind = CanvasOpKind::Circle, .x1 = cx, .y1 = cy, .radius = radius, .filled = filled});
}

void RecordingCanvas::DrawArc(double cx, double cy, double radius, double start, double end) {
    Add({.kind = CanvasOpKind::Arc,
         .x1 = cx,
         .y1 = cy,
         .radius = radius,
         .start = start,
         .end = end});
}

void RecordingCanvas::NewPage() {
    if (failNumber_ != 0) throw ReportFault{failNumber_, failDescription_};
    Add({.kind = CanvasOpKind::NewPage});
    ++page_;
}

void RecordingCanvas::Add(CanvasOp op) {
    op.page = page_;
    ops_.push_back(std::move(op));
}

std::vector<const CanvasOp*> RecordingCanvas::Texts(int page) const {
    return OpsOf(CanvasOpKind::Text, page);
}

const CanvasOp* RecordingCanvas::FindText(std::string_view text, int page) const {
    for (const CanvasOp* op : Texts(page))
        if (op->text == text) return op;
    return nullptr;
}

std::vector<const CanvasOp*> RecordingCanvas::OpsOf(CanvasOpKind kind, int page) const {
    std::vector<const CanvasOp*> found;
    for (const CanvasOp& op : ops_)
        if (op.kind == kind && (page == 0 || op.page == page)) found.push_back(&op);
    return found;
}

std::string RecordingCanvas::Dump() const {
    std::ostringstream out;
    for (const CanvasOp& op : ops_) {
        out << op.page << ' ' << KindName(op.kind) << ' ' << op.x1 << ',' << op.y1;
        if (op.kind == CanvasOpKind::Line || op.kind == CanvasOpKind::Box)
            out << ' ' << op.x2 << ',' << op.y2;
        if (op.kind == CanvasOpKind::Circle || op.kind == CanvasOpKind::Arc)
            out << " r" << op.radius;
        if (op.kind == CanvasOpKind::Arc) out << ' ' << op.start << ".." << op.end;
        if (op.kind == CanvasOpKind::Text) {
            out << " [" << op.font.size << (op.font.bold ? "B" : "") << (op.font.italic ? "I" : "")
                << (op.font.underline ? "U" : "") << "] \"" << op.text << '"';
        }
        out << '\n';
    }
    return out.str();
}

}  // namespace vantrel
