#pragma once
// The designs a search keeps as people and programs see them: one row of
// texts per design, shown by the Find Designs table and search's text table,
// and search's JSON and CSV.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "search/search.h"

namespace vantrel {

struct SearchRow {
    std::string beam, column;
    std::string mfRatio, shear, flange, web;            // as the Design Checks grid shows them
    bool doublers = false;                              // FEMA 350 requires doubler plates
    bool continuity = false;                            // FEMA 350 requires continuity plates
    std::string aisc358;                                // "pass", "fail", or "-" without items
    std::string strongColumn, panelZone, hinge, axial;  // to 0.01; "-" when absent
    std::string weight;                                 // pounds, to 0.1
};

SearchRow PresentSearchRow(const DesignMatch& match);

// What Find Designs shows, in the window and on the page: what it searches,
// the caveat that goes with a FEMA 350 search, the table's headings and a
// row's texts under them, and the line above the table.
extern const std::string_view kFindDesignsIntro;
extern const std::string_view kFemaSearchCaveat;
extern const std::array<std::string_view, 14> kSearchRowHeadings;
std::vector<std::string> SearchRowTexts(const SearchRow& row);
// Every design's texts, in rank order: a JSON array of arrays of texts.
std::string SearchRowsJson(const SearchResult& result);
// How many pairs were searched and passed, or why no pair can pass (the
// column axial load matters only when the current code is checked).
std::string SearchSummary(const SearchResult& result, DesignCode code,
                          const std::string& columnAxialLoad);

// The count, then the first `limit` designs ranked in a table; with the
// current code checked, its verdict and ratios too.
std::string SearchTable(const SearchResult& result, size_t limit, bool currentCode);

// Every design, in rank order, with the numbers as the search computed them.
std::string SearchJson(const SearchResult& result);
std::string SearchCsv(const SearchResult& result);

}  // namespace vantrel
