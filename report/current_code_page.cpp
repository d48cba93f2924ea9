// The current-code pages: the AISC 358-16 / 341-16 / 360-16 items of the same
// design, their verdict, the assumptions and what differs from FEMA 350,
// continued on as many pages as they need.
#include <functional>
#include <string>
#include <vector>

#include "page_frame.h"
#include "present/aisc358_section.h"
#include "report_pages.h"

namespace vantrel {
namespace {

// Columns of the items table and the notes, in u.
constexpr double kLabelX = 5;
constexpr double kItemX = 7;
constexpr double kValueX = 36;
constexpr double kLimitX = 53;
constexpr double kRatioX = 68;
constexpr double kStatusX = 74;
constexpr double kReferenceX = 84;
constexpr double kRightEdge = 98;
constexpr double kTableSize = 8;

// A text of a row: its left edge, the right edge it wraps at (in u), its style.
struct Cell {
    double x, right;
    std::string_view text;
    Style style;
};

// The text in lines no wider than width at the current font, broken at
// blanks; a word wider than that gets a line of its own.
std::vector<std::string> Lines(PageModel& page, std::string_view text, double width) {
    std::vector<std::string> lines;
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
        if (!line.empty() && page.TextWidth(longer) > width) {
            lines.push_back(line);
            line = std::string(word);
        } else {
            line = longer;
        }
    }
    if (!line.empty() || lines.empty()) lines.push_back(line);
    return lines;
}

// Lines that flow down the pages: a row that would reach the footer starts
// a new page, where the table's heading, if any, is repeated.
class Flow {
  public:
    Flow(ReportLines& out, const std::function<void()>& nextPage)
        : out_(out), nextPage_(nextPage), bottom_(FooterTop(out.Page())) {}

    // One row of cells at the font size, each wrapped at its right edge;
    // the row stays on one page, with room for keepLines more below it.
    void Row(double size, const std::vector<Cell>& cells, int keepLines = 0) {
        PageModel& page = out_.Page();
        page.SetFontSize(size);
        std::vector<std::vector<std::string>> texts;
        size_t count = 0;
        for (const Cell& cell : cells) {
            page.SetStyle(cell.style & kBold, cell.style & kItalic, cell.style & kUnderline);
            texts.push_back(Lines(page, cell.text, (cell.right - cell.x) * page.u()));
            count = std::max(count, texts.back().size());
        }
        Room(size,
             static_cast<double>(count + static_cast<size_t>(keepLines)) * page.TextHeight("I"));
        for (size_t line = 0; line < count; ++line) {
            for (size_t c = 0; c < cells.size(); ++c)
                if (line < texts[c].size() && !texts[c][line].empty())
                    out_.At(cells[c].x, texts[c][line], cells[c].style);
            out_.EmptyLines();
        }
    }

    // An empty line at the font size, unless the page is full.
    void Gap(double size) {
        out_.Page().SetFontSize(size);
        if (out_.Page().Y() + out_.Page().TextHeight("I") <= bottom_) out_.EmptyLines();
    }

    // What a new page repeats before the next row; nothing when empty.
    void RepeatOnNewPage(std::function<void()> heading) { heading_ = std::move(heading); }

  private:
    void Room(double size, double height) {
        PageModel& page = out_.Page();
        if (page.Y() + height <= bottom_) return;
        nextPage_();
        if (heading_) heading_();
        page.SetFontSize(size);
    }

    ReportLines& out_;
    const std::function<void()>& nextPage_;
    double bottom_;
    std::function<void()> heading_;
};

void Heading(Flow& flow, std::string_view text) {
    flow.Gap(10);
    flow.Row(10, {{kLabelX, kRightEdge, text, kBold | kUnderline}}, 2);
}

void Items(Flow& flow, const current::Aisc358Result& result) {
    const auto heading = [&flow] {
        flow.Row(kTableSize, {{kItemX, kValueX - 1, "Item", kItalic | kUnderline},
                              {kValueX, kLimitX - 1, "Value", kItalic | kUnderline},
                              {kLimitX, kRatioX - 1, "Limit", kItalic | kUnderline},
                              {kRatioX, kStatusX - 1, "Ratio", kItalic | kUnderline},
                              {kStatusX, kReferenceX - 1, "Status", kItalic | kUnderline},
                              {kReferenceX, kRightEdge, "Reference", kItalic | kUnderline}});
    };
    flow.Gap(kTableSize);
    heading();
    flow.RepeatOnNewPage(heading);
    for (const Aisc358Row& row : Aisc358Rows(result)) {
        if (row.groupTitle) {
            flow.Row(kTableSize, {{kLabelX, kRightEdge, row.label, kItalic}});
            continue;
        }
        flow.Row(kTableSize, {{kItemX, kValueX - 1, row.label, kPlain},
                              {kValueX, kLimitX - 1, row.value, kPlain},
                              {kLimitX, kRatioX - 1, row.limit, kPlain},
                              {kRatioX, kStatusX - 1, row.ratio, kPlain},
                              {kStatusX, kReferenceX - 1, row.status, kBold},
                              {kReferenceX, kRightEdge, row.reference, kPlain}});
    }
    flow.RepeatOnNewPage({});
}

// Numbered ("1- ") or, with numbered false, dashed ("- ") notes.
void Notes(Flow& flow, const std::vector<std::string_view>& notes, bool numbered) {
    int number = 0;
    for (std::string_view note : notes) {
        const std::string text =
            (numbered ? std::to_string(++number) + "- " : std::string("- ")) + std::string(note);
        flow.Row(8, {{kItemX, kRightEdge, text, kPlain}});
    }
}

}  // namespace

void PrintCurrentCodePages(ReportLines& out, const ReportSource& source,
                           const std::function<void()>& nextPage) {
    Flow flow(out, nextPage);
    const Aisc358Section& section = source.state.aisc358;
    Heading(flow, "Current-code checks: " + Aisc358BasisText(section));
    flow.Row(10, {{kLabelX, kRightEdge, Aisc358VerdictText(section), kBold}});
    if (section.result) {
        flow.Row(10, {{kLabelX, kRightEdge, Aisc358MomentSumsText(section), kPlain}});
        Items(flow, *section.result);
    }
    Heading(flow, "Assumptions");
    Notes(flow, current::Assumptions(), true);
    Heading(flow, "Where this differs from FEMA 350");
    Notes(flow, current::DifferencesFromFema350(), false);
    out.Page().SetFontSize(10);
}

}  // namespace vantrel
