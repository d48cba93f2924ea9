#include "page_frame.h"

#ifndef VANTREL_VERSION_TEXT
#error "VANTREL_VERSION_TEXT must come from the build"
#endif

#include <cmath>
#include <cstdio>
#include <vector>

namespace vantrel {
namespace {

// Texts at the right edge end this many device units before it.
constexpr double kRightInset = 20;

void PrintCentred(PageModel& page, std::string_view text, bool bold, bool italic) {
    page.SetStyle(bold, italic, false);
    page.PrintAt(page.W() / 2 - page.TextWidth(text) / 2, text, bold, italic, false, false);
}

constexpr std::string_view kEllipsis = "\u2026";

// The longest start of text, ending on a whole UTF-8 character, that is at
// most width wide in the current font; at least the first character.
size_t FittingLength(PageModel& page, std::string_view text, double width) {
    std::vector<size_t> ends;  // where each character ends
    for (size_t i = 1; i <= text.size(); ++i)
        if (i == text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            ends.push_back(i);
    size_t fits = 0;  // ends[fits - 1] fits, or nothing is known to
    size_t tooWide = ends.size() + 1;
    while (tooWide - fits > 1) {
        const size_t middle = fits + (tooWide - fits) / 2;
        if (page.TextWidth(text.substr(0, ends[middle - 1])) <= width) {
            fits = middle;
        } else {
            tooWide = middle;
        }
    }
    return ends.empty() ? 0 : ends[std::max<size_t>(fits, 1) - 1];
}

std::string_view WithoutLeadingBlanks(std::string_view text) {
    const size_t start = text.find_first_not_of(' ');
    return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

// A description in at most two lines of the given width: broken at the last
// blank that fits (inside a word only when the word alone is wider), the
// second line cut and ended with an ellipsis when the rest is wider still.
std::vector<std::string> DescriptionLines(PageModel& page, std::string_view text, double width) {
    if (page.TextWidth(text) <= width) return {std::string(text)};
    const size_t fits = FittingLength(page, text, width);
    size_t end = fits;
    const size_t blank = text.substr(0, fits + 1).find_last_of(' ');
    if (blank != std::string_view::npos) {
        const size_t lastShown = text.substr(0, blank).find_last_not_of(' ');
        if (lastShown != std::string_view::npos) end = lastShown + 1;
    }
    const std::string_view rest = WithoutLeadingBlanks(text.substr(end));
    std::vector<std::string> lines{std::string(text.substr(0, end))};
    if (page.TextWidth(rest) <= width) {
        lines.emplace_back(rest);
    } else {
        const std::string_view kept =
            rest.substr(0, FittingLength(page, rest, width - page.TextWidth(kEllipsis)));
        lines.push_back(std::string(kept.substr(0, kept.find_last_not_of(' ') + 1)) +
                        std::string(kEllipsis));
    }
    return lines;
}

}  // namespace

std::string ReportTitle(bool smrf) {
    return std::string(kReportTitle) + (smrf ? " (SMRF)" : " (OMRF)");
}

std::string_view ProgramVersion() {
    return VANTREL_VERSION_TEXT;
}

std::string VersionLine(std::string_view version) {
    return "Vantrel V." + std::string(version);
}

void PrintHeadBlock(PageModel& page, std::string_view versionLine, bool smrf,
                    std::string_view description) {
    page.SetY(0);
    page.SetFontSize(7);
    page.SetStyle(false, false, false);
    page.PrintAt(page.W() - kRightInset - page.TextWidth(versionLine), versionLine, false, false,
                 false, false);

    page.SetFontSize(16);
    PrintCentred(page, ReportTitle(smrf), true, false);

    page.SetFontSize(8);
    PrintCentred(page, "Based on FEMA 350 (July 2000)", true, false);

    // A box 10 units high as the rule; it leaves the position at its far corner.
    const double x = page.X() + page.u() / 2;
    const double y = page.Y() + 5;
    page.Box(x, y, x + page.W() - page.u() / 2, y + 10);

    page.SetFontSize(10);
    page.SetStyle(false, true, false);
    for (const std::string& line : DescriptionLines(page, description, page.W() - 4 * page.u()))
        PrintCentred(page, line, false, true);
}

void PrintPageFooter(PageModel& page, std::string_view documentName, std::string_view dateTime,
                     int pageCount) {
    const double size = std::round(page.FontSize());
    page.SetY(FooterTop(page));
    page.SetFontSize(8);

    const std::string number =
        "Page " + std::to_string(page.PageNumber()) + " of " + std::to_string(pageCount);
    page.PrintAt(5 * page.u(), number, false, false, false, true);

    page.SetStyle(false, false, false);
    page.PrintAt(page.W() / 2 - page.TextWidth(documentName) / 2, documentName, false, false, false,
                 true);
    page.PrintAt(page.W() - kRightInset - page.TextWidth(dateTime), dateTime, false, false, false,
                 false);

    page.SetFontSize(size);
}

double FooterTop(PageModel& page) {
    const double size = page.FontSize();
    page.SetFontSize(8);
    const double top = page.H() - page.TextHeight("I");
    page.SetFontSize(size);
    return top;
}

std::string DocumentName(std::string_view path) {
    if (path.empty()) return "New Untitled";
    const auto slash = path.find_last_of("/\\");
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string DateTimeText(const std::tm& time) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", time.tm_year + 1900,
                  time.tm_mon + 1, time.tm_mday, time.tm_hour, time.tm_min);
    return text;
}

std::string CurrentDateTimeText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return DateTimeText(local);
}

}  // namespace vantrel
