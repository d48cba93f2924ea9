// The JSON number texts of values no design gives.
#include "present/json_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace vantrel {
namespace {

// Shortest round-trip texts, never "-0", NaN or inf.
TEST(JsonTextTest, NumberTexts) {
    const std::pair<std::optional<double>, const char*> cases[] = {
        {-0.0, "0"},
        {0.1395, "0.1395"},
        {1.0 / 3.0, "0.3333333333333333"},
        {std::nullopt, "null"},
        {std::numeric_limits<double>::infinity(), "null"},
        {std::numeric_limits<double>::quiet_NaN(), "null"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(NumberText(value), text);
        // A CSV field is empty where the JSON has null.
        EXPECT_EQ(CsvNumber(value), std::string_view(text) == "null" ? "" : text);
    }
}

}  // namespace
}  // namespace vantrel
