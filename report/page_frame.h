#pragma once
// What every report page has: the head block at its top and the footer at
// its bottom, and the texts the footer shows.

#include <ctime>
#include <string>
#include <string_view>

#include "page_model.h"

namespace vantrel {

inline constexpr std::string_view kReportTitle = "Reduced Beam Section Connection";

// This program's version, "1.1.2", from the build.
std::string_view ProgramVersion();

// The head block's first line: "Vantrel V." and the version.
std::string VersionLine(std::string_view version);

// The page title: kReportTitle and " (SMRF)" or " (OMRF)".
std::string ReportTitle(bool smrf);

// Version line, title, FEMA line, the rule under them and the description;
// starts at y = 0 and leaves the font at size 10.
void PrintHeadBlock(PageModel& page, std::string_view versionLine, bool smrf,
                    std::string_view description);

// "Page n of N" (N = pageCount), the document name and the date-time text
// on the last line of the page; the font size is the same afterwards.
void PrintPageFooter(PageModel& page, std::string_view documentName, std::string_view dateTime,
                     int pageCount);

// Where the footer's line starts: no text of the page may reach below it.
double FooterTop(PageModel& page);

// The document's name: the part of the path after its last "/" or "\", or
// "New Untitled" for an empty path.
std::string DocumentName(std::string_view path);

// A date and time as the footer shows it, the same on every machine:
// "2026-12-06 16:45".
std::string DateTimeText(const std::tm& time);
// The local date and time now, as DateTimeText.
std::string CurrentDateTimeText();

}  // namespace vantrel
