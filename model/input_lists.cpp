#include "input_lists.h"

#include "number_text.h"

namespace vantrel {
namespace {

std::vector<std::string> CoefficientEntries(double start, int count) {
    std::vector<std::string> entries;
    entries.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) entries.push_back(Format(start + 0.01 * i, "0.00"));
    return entries;
}

}  // namespace

std::vector<std::string> CoefficientEntriesA() { return CoefficientEntries(0.50, 26); }
std::vector<std::string> CoefficientEntriesB() { return CoefficientEntries(0.65, 21); }
std::vector<std::string> CoefficientEntriesC() { return CoefficientEntries(0.15, 11); }

}  // namespace vantrel
