#pragma once
// The one JSON writer of calc and search, and its number text, which batch's
// and search's CSV use too. Every number is the shortest text that reads
// back as the same double ("13", "0.1395", "1e-05"): a single-precision value
// is widened to its double first, a negative zero is "0", and a value that
// is absent or not finite is null (an empty CSV field), so no NaN or infinity
// ever reaches the output.

#include <cstddef>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

namespace vantrel {

using Json = nlohmann::ordered_json;

// Indented: each member and element on a line of its own, every level one
// blank deeper (calc). OneLine: all on one line, ", " between the members
// and ": " after a name (a design of search).
enum class JsonLayout { Indented, OneLine };

std::string JsonText(const Json& value, JsonLayout layout);

// A number as JsonText writes it: "null" when absent or not finite.
std::string NumberText(std::optional<double> value);

// A number as a CSV field: empty when absent or not finite.
std::string CsvNumber(std::optional<double> value);

// An empty object with room for `members` members. An ordered object keeps
// its members in a vector whose growth copies them, large values and all.
inline Json JsonObject(size_t members) {
    Json object = Json::object();
    object.get_ref<Json::object_t&>().reserve(members);
    return object;
}

// An optional value as JSON: the number, or null.
inline Json JsonOf(const std::optional<double>& value) {
    return value ? Json(*value) : Json(nullptr);
}

}  // namespace vantrel
