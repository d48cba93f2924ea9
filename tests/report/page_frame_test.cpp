// The footer's texts: the document name of a path and the date-time text
// (the report fixtures give both fixed texts).
#include <gtest/gtest.h>

#include "report/page_frame.h"

namespace vantrel {
namespace {

struct NameCase {
    const char* path;
    const char* name;
};

class DocumentNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(DocumentNameTest, IsThePartAfterTheLastSeparator) {
    EXPECT_EQ(DocumentName(GetParam().path), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Paths, DocumentNameTest,
                         ::testing::Values(NameCase{"", "New Untitled"},
                                           NameCase{"frame.vtl", "frame.vtl"},
                                           NameCase{"/home/eng/jobs/frame.vtl", "frame.vtl"},
                                           NameCase{"C:\\Jobs\\North\\frame.vtl", "frame.vtl"},
                                           NameCase{"C:\\Jobs/mixed\\sub/frame.vtl", "frame.vtl"}));

TEST(DateTimeTextTest, IsZeroPaddedYearMonthDayHourMinute) {
    std::tm time{};
    time.tm_year = 2027 - 1900;
    time.tm_mon = 0;
    time.tm_mday = 2;
    time.tm_hour = 3;
    time.tm_min = 4;
    EXPECT_EQ(DateTimeText(time), "2027-01-02 03:04");
}

}  // namespace
}  // namespace vantrel
