#include "json_text.h"

#include <algorithm>
#include <cmath>

#include "model/number_text.h"

namespace vantrel {
namespace {

void Write(const Json& value, JsonLayout layout, int depth, std::string& out);

// A JSON string as nlohmann writes it; most texts need no escape and are
// copied as they are.
void WriteString(const std::string& text, std::string& out) {
    const bool plain = std::all_of(text.begin(), text.end(), [](char c) {
        return c >= 0x20 && c < 0x7F && c != '"' && c != '\\';
    });
    if (!plain) {
        out += Json(text).dump();
        return;
    }
    out += '"';
    out += text;
    out += '"';
}

// An object's members or an array's elements between their brackets: each
// on a line of its own in the indented layout, "[]" or "{}" when there is none.
void WriteContainer(const Json& container, JsonLayout layout, int depth, std::string& out) {
    const bool object = container.is_object();
    if (container.empty()) {
        out += object ? "{}" : "[]";
        return;
    }
    out += object ? '{' : '[';
    const std::string indent(static_cast<size_t>(depth + 1), ' ');
    bool first = true;
    for (auto item = container.begin(); item != container.end(); ++item) {
        if (layout == JsonLayout::OneLine) {
            if (!first) out += ", ";
        } else {
            out += first ? "\n" : ",\n";
            out += indent;
        }
        first = false;
        if (object) {
            WriteString(item.key(), out);
            out += ": ";
        }
        Write(item.value(), layout, depth + 1, out);
    }
    if (layout == JsonLayout::Indented) {
        out += '\n';
        out.append(static_cast<size_t>(depth), ' ');
    }
    out += object ? '}' : ']';
}

void Write(const Json& value, JsonLayout layout, int depth, std::string& out) {
    switch (value.type()) {
        case Json::value_t::object:
        case Json::value_t::array:
            WriteContainer(value, layout, depth, out);
            break;
        case Json::value_t::number_integer:
            out += std::to_string(value.get<int64_t>());
            break;
        case Json::value_t::number_unsigned:
            out += std::to_string(value.get<uint64_t>());
            break;
        case Json::value_t::number_float:
            out += NumberText(value.get<double>());
            break;
        case Json::value_t::string:
            WriteString(value.get_ref<const std::string&>(), out);
            break;
        case Json::value_t::boolean:
            out += value.get<bool>() ? "true" : "false";
            break;
        case Json::value_t::null:
            out += "null";
            break;
        default:
            out += "null";  // no other kind is ever built
            break;
    }
}

}  // namespace

std::string JsonText(const Json& value, JsonLayout layout) {
    std::string out;
    Write(value, layout, 0, out);
    return out;
}

std::string NumberText(std::optional<double> value) {
    if (!value || !std::isfinite(*value)) return "null";
    // A negative zero reads back as the same double, but no text shows "-0".
    const double number = *value == 0.0 ? 0.0 : *value;
    return ShortestText(number);
}

std::string CsvNumber(std::optional<double> value) {
    if (!value || !std::isfinite(*value)) return {};
    return NumberText(value);
}

}  // namespace vantrel
