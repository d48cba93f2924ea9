#pragma once
// Outputs compared byte for byte with committed files under tests/fixtures.
// To write the fixtures anew from the current code (then review `git diff`):
//   VANTREL_UPDATE_FIXTURES=1 ctest -R 'CalcFixture|ReportDump'
// from the build folder; every fixture test then writes instead of comparing.
// A new row (tests/fixtures/calc/cases.tsv, a new project file) needs a build
// first, so that ctest knows its test.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::test {

inline const std::filesystem::path kFixtures =
    std::filesystem::path(VANTREL_SOURCE_DIR) / "tests/fixtures";

inline bool UpdatingFixtures() {
    const char* update = std::getenv("VANTREL_UPDATE_FIXTURES");
    return update && std::string_view(update) == "1";
}

inline std::string FileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The file holds exactly `actual` (when updating: is written with it). With
// absentWhenEmpty an empty `actual` is expected as no file at all.
inline void ExpectFixture(const std::filesystem::path& path, const std::string& actual,
                          bool absentWhenEmpty = false) {
    const bool absent = absentWhenEmpty && actual.empty();
    if (UpdatingFixtures()) {
        if (absent)
            std::filesystem::remove(path);
        else
            std::ofstream(path, std::ios::binary) << actual;
        return;
    }
    if (!std::filesystem::exists(path)) {
        EXPECT_TRUE(absent) << "no fixture " << path;
        return;
    }
    const std::string expected = FileText(path);
    if (expected == actual) return;
    size_t at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) ++at;
    const size_t line =
        1 + static_cast<size_t>(std::count(
                expected.begin(), expected.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
    const size_t from = at == 0 ? 0 : expected.rfind('\n', at - 1) + 1;
    ADD_FAILURE() << path << " differs at line " << line
                  << "\nexpected: " << expected.substr(from, expected.find('\n', from) - from)
                  << "\nactual:   " << actual.substr(from, actual.find('\n', from) - from);
}

// The lines of a file, without blank lines and lines starting with '#'.
inline std::vector<std::string> FixtureLines(const std::filesystem::path& path) {
    std::vector<std::string> lines;
    std::istringstream in(FileText(path));
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#') lines.push_back(line);
    return lines;
}

// A test name made of a file or case name.
inline std::string TestName(std::string name) {
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return name;
}

}  // namespace vantrel::test
