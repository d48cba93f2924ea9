// What Find Designs shows of a search: the line above the table and a
// design's texts under the headings.
#include "present/search_rows.h"

#include <gtest/gtest.h>

#include "current/aisc358.h"
#include "model/shape_table.h"

namespace vantrel {
namespace {

struct SummaryCase {
    const char* name;
    SearchResult result;
    DesignCode code;
    const char* axialLoad;
    const char* starts;  // the summary begins so
    const char* ends;    // and ends so
};

SearchResult Found(long searched, size_t designs) {
    SearchResult result;
    result.searched = searched;
    result.designs.resize(designs);
    return result;
}

SearchResult With(bool SearchResult::*flag) {
    SearchResult result = Found(71289, 0);
    result.*flag = true;
    return result;
}

TEST(SearchSummaryTest, SaysHowManyPassOrWhyNoneCan) {
    const SummaryCase cases[] = {
        {"Several", Found(71289, 12), DesignCode::Both, "0",
         "Searched 71289 beam/column pairs: 12 designs pass.", ""},
        {"One", Found(267, 1), DesignCode::Both, "0",
         "Searched 267 beam/column pairs: 1 design passes.", ""},
        {"None", Found(71289, 0), DesignCode::Fema350, "0",
         "Searched 71289 beam/column pairs: 0 designs pass.", ""},
        {"Cancelled", With(&SearchResult::cancelled), DesignCode::Both, "0",
         "The search was cancelled.", ""},
        {"InputError", With(&SearchResult::inputError), DesignCode::Fema350, "0",
         "No pair can pass: the length", "not a usable number."},
        {"AxialNotANumber", With(&SearchResult::axialLoadError), DesignCode::Aisc358, "abc",
         "No pair can pass: the column axial load is not a number.", ""},
        {"AxialNegative", With(&SearchResult::axialLoadError), DesignCode::Both, "-5",
         "No pair can pass. ", current::kNegativeAxialLoadReason.data()},
        // FEMA 350 alone does not read the axial load.
        {"AxialIgnored", With(&SearchResult::axialLoadError), DesignCode::Fema350, "abc",
         "Searched 71289 beam/column pairs: 0 designs pass.", ""},
    };
    for (const SummaryCase& c : cases) {
        const std::string summary = SearchSummary(c.result, c.code, c.axialLoad);
        EXPECT_EQ(summary.rfind(c.starts, 0), 0u) << c.name << ": " << summary;
        EXPECT_TRUE(summary.ends_with(c.ends)) << c.name << ": " << summary;
    }
}

TEST(SearchRowTextsTest, StandUnderTheirHeadings) {
    DesignMatch match;
    match.beam = 0;
    match.column = kShapeCount - 1;
    match.mfRatio = 0.91234f;
    match.shearUnity = 0.456f;
    match.flangeRatio = 0.5f;
    match.webRatio = 0.25f;
    match.doublerPlatesRequired = true;
    match.aisc358Pass = false;
    match.strongColumnRatio = 1.2345;
    match.hingeRatio = 0.875;
    match.weight = 2345.67;
    const std::vector<std::string> texts = SearchRowTexts(PresentSearchRow(match));
    ASSERT_EQ(texts.size(), kSearchRowHeadings.size());
    const std::vector<std::string> expected = {"0.912",    "0.46", "0.50", "0.25",
                                               "required", "no",   "fail", "1.23",
                                               "-",        "0.88", "-",    "2345.7"};
    EXPECT_EQ(texts[0], ShapeName(0));
    EXPECT_EQ(texts[1], ShapeName(kShapeCount - 1));
    EXPECT_EQ(std::vector<std::string>(texts.begin() + 2, texts.end()), expected);

    SearchResult result = Found(1, 0);
    result.designs.push_back(match);
    EXPECT_EQ(SearchRowsJson(result).substr(0, 2), "[[");
    EXPECT_NE(SearchRowsJson(result).find("\"required\", \"no\", \"fail\""), std::string::npos)
        << SearchRowsJson(result);
}

}  // namespace
}  // namespace vantrel
