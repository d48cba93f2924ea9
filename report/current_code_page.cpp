// The fourth page: the AISC 358-16 / 341-16 / 360-16 items of the same
// design, their verdict, the assumptions and what differs from FEMA 350.
#include <string>
#include <vector>

#include "aisc358_section.h"
#include "report_pages.h"

namespace vantrel {
namespace {

// Columns of the items table, in u.
constexpr double kLabelX = 5;
constexpr double kItemX = 7;
constexpr double kValueX = 37;
constexpr double kLimitX = 54;
constexpr double kRatioX = 72;
constexpr double kStatusX = 81;
constexpr double kRightEdge = 95;

// The text in lines that fit between x and the right edge, broken at blanks,
// each printed in the style; a word wider than the room gets a line of its own.
void Wrapped(ReportLines& out, double xInU, std::string_view text, Style style) {
    PageModel& page = out.Page();
    page.SetStyle(style & kBold, style & kItalic, style & kUnderline);
    const double room = (kRightEdge - xInU) * page.u();
    std::string line;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(' ', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view word = text.substr(start, end - start);
        start = end + 1;
        if (word.empty()) continue;
        const std::string longer =
            line.empty() ? std::string(word) : line + " " + std::string(word);
        if (!line.empty() && page.TextWidth(longer) > room) {
            out.At(xInU, line, style, LineEnd::End);
            line = std::string(word);
        } else {
            line = longer;
        }
    }
    out.At(xInU, line, style, LineEnd::End);
}

void Heading(ReportLines& out, std::string_view text) {
    out.Page().SetFontSize(10);
    out.EmptyLines();
    out.At(kLabelX, text, kBold | kUnderline, LineEnd::End);
}

void Items(ReportLines& out, const current::Aisc358Result& result) {
    out.Page().SetFontSize(9);
    out.EmptyLines();
    out.At(kItemX, "Item", kItalic | kUnderline);
    out.At(kValueX, "Value", kItalic | kUnderline);
    out.At(kLimitX, "Limit", kItalic | kUnderline);
    out.At(kRatioX, "Ratio", kItalic | kUnderline);
    out.At(kStatusX, "Status", kItalic | kUnderline, LineEnd::End);
    for (const Aisc358Row& row : Aisc358Rows(result)) {
        if (row.groupTitle) {
            out.At(kLabelX, row.label, kItalic, LineEnd::End);
            continue;
        }
        out.At(kItemX, row.label, kPlain);
        out.At(kValueX, row.value, kPlain);
        out.At(kLimitX, row.limit, kPlain);
        out.At(kRatioX, row.ratio, kPlain);
        out.At(kStatusX, row.status, kBold, LineEnd::End);
    }
}

// Numbered ("1- ") or, with numbered false, dashed ("- ") notes.
void Notes(ReportLines& out, const std::vector<std::string_view>& notes, bool numbered) {
    out.Page().SetFontSize(8);
    int number = 0;
    for (std::string_view note : notes) {
        const std::string mark = numbered ? std::to_string(++number) + "- " : "- ";
        Wrapped(out, kItemX, mark + std::string(note), kPlain);
    }
}

}  // namespace

void PrintCurrentCodePage(ReportLines& out, const ReportSource& source) {
    const Aisc358Section& section = source.aisc358;
    const std::string basis = section.result
                                  ? Aisc358BasisText(section.result->system)
                                  : std::string("AISC 358-16, AISC 341-16, AISC 360-16 (LRFD)");
    Heading(out, "Current-code checks: " + basis);
    Wrapped(out, kLabelX, Aisc358VerdictText(section), kBold);
    if (section.result) {
        out.At(kLabelX, Aisc358MomentSumsText(section), kPlain, LineEnd::End);
        Items(out, *section.result);
    }
    Heading(out, "Assumptions");
    Notes(out, current::Assumptions(), true);
    Heading(out, "Where this differs from FEMA 350");
    Notes(out, current::DifferencesFromFema350(), false);
    out.Page().SetFontSize(10);
}

}  // namespace vantrel
