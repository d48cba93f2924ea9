#include "page_frame.h"

#include <cmath>
#include <cstdio>

namespace vantrel {
namespace {

// Texts at the right edge end this many device units before it.
constexpr double kRightInset = 20;

void PrintCentred(PageModel& page, std::string_view text, bool bold, bool italic) {
    page.SetStyle(bold, italic, false);
    page.PrintAt(page.W() / 2 - page.TextWidth(text) / 2, text, bold, italic, false, false);
}

}  // namespace

std::string ReportTitle(bool smrf) {
    return std::string(kReportTitle) + (smrf ? " (SMRF)" : " (OMRF)");
}

void PrintHeadBlock(PageModel& page, bool smrf, std::string_view description) {
    page.SetY(0);
    page.SetFontSize(7);
    page.SetStyle(false, false, false);
    page.PrintAt(page.W() - kRightInset - page.TextWidth(kVersionLine), kVersionLine, false, false,
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
    PrintCentred(page, description, false, true);
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
