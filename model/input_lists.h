#pragma once
// The entries of the grade and coefficient lists.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

struct GradeEntry {
    std::string_view text;
    int16_t Fy;
    int16_t Fu;
    float Ry;
};

inline constexpr std::array<GradeEntry, 2> kGradeEntries = {{
    {"A992   Fy=50 ksi   Fu=65 ksi", 50, 65, 1.1f},
    {"A572   Fy=50 ksi   Fu=60 ksi", 50, 60, 1.1f},
}};

inline constexpr const char* kDefaultCoefficientA = "0.60";
inline constexpr const char* kDefaultCoefficientB = "0.75";
inline constexpr const char* kDefaultCoefficientC = "0.20";

// "0.50" ... "0.75" (26 entries), "0.65" ... "0.85" (21), "0.15" ... "0.25" (11).
std::vector<std::string> CoefficientEntriesA();
std::vector<std::string> CoefficientEntriesB();
std::vector<std::string> CoefficientEntriesC();

}  // namespace vantrel
