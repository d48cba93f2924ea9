// The bytes the writer produces are the documented layout.
#include <gtest/gtest.h>

#include <string>

#include "files/crc32.h"
#include "files/project_file.h"
#include "files/utf8.h"
#include "raw_file.h"

namespace vantrel {
namespace {

std::span<const uint8_t> Bytes(std::string_view text) {
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

TEST(Crc32, MatchesTheStandardCheckValues) {
    EXPECT_EQ(Crc32(Bytes("123456789")), 0xCBF43926u);
    EXPECT_EQ(Crc32(Bytes("")), 0u);
    EXPECT_EQ(Crc32(Bytes("The quick brown fox jumps over the lazy dog")), 0x414FA339u);
}

TEST(EncodeProject, WritesTheDocumentedLayout) {
    DesignInputs inputs = NewDesignInputs();
    inputs.Beam = "W 21x44";
    inputs.Description = "Achse B – Rahmen";
    EXPECT_EQ(EncodeProject(inputs), test::FileBytes(test::RawBag(test::EntriesOf(inputs))));
}

struct Utf8Case {
    const char* label;
    std::string text;
    bool wellFormed;
};

void PrintTo(const Utf8Case& c, std::ostream* os) {
    *os << c.label;
}

class Utf8Validation : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Validation, AcceptsExactlyWellFormedText) {
    EXPECT_EQ(IsWellFormedUtf8(GetParam().text), GetParam().wellFormed);
}

INSTANTIATE_TEST_SUITE_P(Texts, Utf8Validation,
                         testing::Values(Utf8Case{"empty", "", true},
                                         Utf8Case{"ascii", "W 21x44", true},
                                         Utf8Case{"two_byte", "\xC3\xA4", true},
                                         Utf8Case{"three_byte", "\xE2\x80\x93", true},
                                         Utf8Case{"four_byte", "\xF0\x9F\x8F\x97", true},
                                         Utf8Case{"highest", "\xF4\x8F\xBF\xBF", true},
                                         Utf8Case{"nul_inside", std::string("a\0b", 3), true},
                                         Utf8Case{"lone_continuation", "\x80", false},
                                         Utf8Case{"overlong_slash", "\xC0\xAF", false},
                                         Utf8Case{"overlong_c1", "\xC1\xBF", false},
                                         Utf8Case{"overlong_three", "\xE0\x9F\xBF", false},
                                         Utf8Case{"overlong_four", "\xF0\x8F\xBF\xBF", false},
                                         Utf8Case{"surrogate", "\xED\xA0\x80", false},
                                         Utf8Case{"beyond_10ffff", "\xF4\x90\x80\x80", false},
                                         Utf8Case{"lead_f5", "\xF5\x80\x80\x80", false},
                                         Utf8Case{"truncated_at_end", "ab\xE2\x80", false},
                                         Utf8Case{"bad_third_byte", "\xE2\x80\x41", false},
                                         Utf8Case{"latin1",
                                                  "Stra\xDF"
                                                  "e",
                                                  false}),
                         [](const auto& p) { return std::string(p.param.label); });

}  // namespace
}  // namespace vantrel
