#pragma once
// The report pages place their texts in units of u and name their styles;
// this wraps PrintAt for them.

#include <string_view>

#include "page_model.h"

namespace vantrel {

enum Style : unsigned { kPlain = 0, kBold = 1, kItalic = 2, kUnderline = 4 };
inline constexpr Style operator|(Style a, Style b) {
    return Style(unsigned(a) | unsigned(b));
}

enum class LineEnd { Same, End };

class ReportLines {
  public:
    explicit ReportLines(PageModel& page) : page_(page) {}

    // The text at x units of u.
    void At(double xInU, std::string_view text, Style style, LineEnd end = LineEnd::Same) {
        Print(xInU * page_.u(), text, style, end);
    }
    // The text 1u after the end of the text before it.
    void After(std::string_view text, Style style, LineEnd end = LineEnd::Same) {
        Print(page_.X() + page_.u(), text, style, end);
    }
    void EmptyLines(int count = 1) {
        for (int i = 0; i < count; ++i) page_.PrintEmptyLine();
    }

    PageModel& Page() { return page_; }

  private:
    void Print(double x, std::string_view text, Style style, LineEnd end) {
        page_.PrintAt(x, text, style & kBold, style & kItalic, style & kUnderline,
                      end == LineEnd::Same);
    }

    PageModel& page_;
};

}  // namespace vantrel
