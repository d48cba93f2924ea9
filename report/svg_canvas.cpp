#include "svg_canvas.h"

#include <cmath>
#include <numbers>

#include "liberation_metrics.h"
#include "model/number_text.h"

namespace vantrel {
namespace {

// Coordinates to a hundredth of a dot; anything not finite draws at 0.
std::string Number(double x) {
    const std::string text = Format(x, "0.00");
    return text.empty() ? "0" : text;
}

// The next code point of UTF-8 text; a malformed byte stands for itself.
char32_t NextCodePoint(std::string_view text, size_t& i) {
    const auto byte = [&text](size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned char lead = byte(i);
    const int length = lead < 0x80           ? 1
                       : (lead >> 5) == 0x6  ? 2
                       : (lead >> 4) == 0xE  ? 3
                       : (lead >> 3) == 0x1E ? 4
                                             : 1;
    if (length == 1 || i + length > text.size()) {
        ++i;
        return lead;
    }
    char32_t c = lead & (0xFF >> (length + 1));
    for (int k = 1; k < length; ++k) c = (c << 6) | (byte(i + k) & 0x3F);
    i += length;
    return c;
}

// Text as XML character data; control characters, which XML cannot carry,
// show as blanks.
std::string Escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            default:
                out += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
        }
    }
    return out;
}

std::string Point(double x, double y) {
    return Number(x) + "," + Number(y);
}

}  // namespace

SvgCanvas::SvgCanvas() {
    OpenPage();
}

void SvgCanvas::OpenPage() {
    page_ = "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"report-page\" viewBox=\"0 0 " +
            Number(PageWidth()) + " " + Number(PageHeight()) + "\" width=\"" +
            Number(kWidthInches) + "in\" height=\"" + Number(kHeightInches) +
            "in\" xml:space=\"preserve\" style=\"white-space: pre\" font-family=\"" + kFontFamily +
            "\" stroke=\"black\" stroke-width=\"2\" fill=\"none\">";
}

double SvgCanvas::TextWidth(std::string_view text) {
    long units = 0;
    for (size_t i = 0; i < text.size();)
        units += LiberationAdvance(NextCodePoint(text, i), bold_, italic_);
    return static_cast<double>(units) * SizeInDots() / kLiberationUnits.perEm;
}

double SvgCanvas::TextHeight(std::string_view) {
    return static_cast<double>(kLiberationUnits.ascent + kLiberationUnits.descent) * SizeInDots() /
           kLiberationUnits.perEm;
}

void SvgCanvas::DrawText(double x, double y, std::string_view text) {
    const double baseline = y + kLiberationUnits.ascent * SizeInDots() / kLiberationUnits.perEm;
    page_ += "<text x=\"" + Number(x) + "\" y=\"" + Number(baseline) + "\" font-size=\"" +
             Number(SizeInDots()) + "\" stroke=\"none\" fill=\"black\"";
    if (bold_) page_ += " font-weight=\"bold\"";
    if (italic_) page_ += " font-style=\"italic\"";
    if (underline_) page_ += " text-decoration=\"underline\"";
    page_ += ">" + Escaped(text) + "</text>";
}

void SvgCanvas::DrawLine(double x1, double y1, double x2, double y2) {
    page_ += "<path d=\"M" + Point(x1, y1) + "L" + Point(x2, y2) + "\"/>";
}

void SvgCanvas::DrawBox(double x1, double y1, double x2, double y2) {
    page_ += "<path d=\"M" + Point(x1, y1) + "H" + Number(x2) + "V" + Number(y2) + "H" +
             Number(x1) + "Z\"/>";
}

void SvgCanvas::DrawCircle(double cx, double cy, double radius, bool filled) {
    page_ += "<circle cx=\"" + Number(cx) + "\" cy=\"" + Number(cy) + "\" r=\"" + Number(radius) +
             "\"" + (filled ? " fill=\"black\"" : "") + "/>";
}

// Counter-clockwise as seen on the page: with y growing downwards, a point
// at angle t lies at (cx + r cos t, cy - r sin t) and the sweep is negative.
void SvgCanvas::DrawArc(double cx, double cy, double radius, double start, double end) {
    double span = end - start;
    if (span < 0) span += 2 * std::numbers::pi;
    const bool large = span > std::numbers::pi;
    page_ += "<path d=\"M" + Point(cx + radius * std::cos(start), cy - radius * std::sin(start)) +
             "A" + Number(radius) + "," + Number(radius) + " 0 " + (large ? "1" : "0") + ",0 " +
             Point(cx + radius * std::cos(end), cy - radius * std::sin(end)) + "\"/>";
}

void SvgCanvas::NewPage() {
    pages_.push_back(page_ + "</svg>");
    OpenPage();
}

void SvgCanvas::EndDocument() {
    pages_.push_back(page_ + "</svg>");
    page_.clear();
}

void SvgCanvas::AbortDocument() {
    pages_.clear();
    page_.clear();
}

}  // namespace vantrel
