#pragma once
// The page the report writes on: the printable area W x H in device units,
// the units u = W / 100 and v = H / 100, the current position, the font and
// the page number, and the text flow of PrintAt and empty lines.

#include <string_view>

#include "report_canvas.h"

namespace vantrel {

class PageModel {
  public:
    // Takes W and H from the canvas and sets the font to Arial, size 10, plain.
    explicit PageModel(ReportCanvas& canvas);

    double W() const { return width_; }
    double H() const { return height_; }
    double u() const { return u_; }
    double v() const { return v_; }

    double X() const { return x_; }
    double Y() const { return y_; }
    void SetY(double y) { y_ = y; }
    int PageNumber() const { return page_; }

    double FontSize() const { return fontSize_; }
    void SetFontSize(double points);
    // Sets bold, italic and underline for the next text (and measurements).
    void SetStyle(bool bold, bool italic, bool underline);

    // The size of a text in the current font.
    double TextWidth(std::string_view text) { return canvas_.TextWidth(text); }
    double TextHeight(std::string_view text) { return canvas_.TextHeight(text); }

    // Sets x, the three styles, and prints the text at the current position:
    // on the same line x moves to the end of the text; else the line ends,
    // x goes back to 0 and y down by one line of the current font.
    void PrintAt(double x, std::string_view text, bool bold, bool italic, bool underline,
                 bool sameLine);

    // x back to 0 and y down one line of the current font. After a text
    // printed on the same line this only ends that line, leaving no blank one.
    void PrintEmptyLine();

    // Drawing in device units. A line or box leaves the current position at
    // its end point.
    void Line(double x1, double y1, double x2, double y2);
    void Box(double x1, double y1, double x2, double y2);
    void Circle(double cx, double cy, double radius, bool filled);
    void Arc(double cx, double cy, double radius, double start, double end);

    // Ends the page and starts the next at (0, 0).
    void NewPage();

    ReportCanvas& Canvas() { return canvas_; }

  private:
    double LineHeight() { return canvas_.TextHeight("I"); }

    ReportCanvas& canvas_;
    double width_;
    double height_;
    double u_;
    double v_;
    double x_ = 0;
    double y_ = 0;
    double fontSize_ = 10;
    int page_ = 1;
};

}  // namespace vantrel
