#include "page_model.h"

namespace vantrel {

PageModel::PageModel(ReportCanvas& canvas)
    : canvas_(canvas),
      width_(canvas.PageWidth()),
      height_(canvas.PageHeight()),
      u_(width_ / 100),
      v_(height_ / 100) {
    canvas_.SetFontName("Arial");
    canvas_.SetFontSize(fontSize_);
    SetStyle(false, false, false);
}

void PageModel::SetFontSize(double points) {
    fontSize_ = points;
    canvas_.SetFontSize(points);
}

void PageModel::SetStyle(bool bold, bool italic, bool underline) {
    canvas_.SetFontBold(bold);
    canvas_.SetFontItalic(italic);
    canvas_.SetFontUnderline(underline);
}

void PageModel::PrintAt(double x, std::string_view text, bool bold, bool italic, bool underline,
                        bool sameLine) {
    x_ = x;
    SetStyle(bold, italic, underline);
    if (!text.empty()) canvas_.DrawText(x_, y_, text);
    if (sameLine) {
        x_ += canvas_.TextWidth(text);
    } else {
        x_ = 0;
        y_ += LineHeight();
    }
}

void PageModel::PrintEmptyLine() {
    x_ = 0;
    y_ += LineHeight();
}

void PageModel::Line(double x1, double y1, double x2, double y2) {
    canvas_.DrawLine(x1, y1, x2, y2);
    x_ = x2;
    y_ = y2;
}

void PageModel::Box(double x1, double y1, double x2, double y2) {
    canvas_.DrawBox(x1, y1, x2, y2);
    x_ = x2;
    y_ = y2;
}

void PageModel::Circle(double cx, double cy, double radius, bool filled) {
    canvas_.DrawCircle(cx, cy, radius, filled);
}

void PageModel::Arc(double cx, double cy, double radius, double start, double end) {
    canvas_.DrawArc(cx, cy, radius, start, end);
}

void PageModel::NewPage() {
    canvas_.NewPage();
    ++page_;
    x_ = 0;
    y_ = 0;
}

}  // namespace vantrel
