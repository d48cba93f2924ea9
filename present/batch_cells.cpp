#include "batch_cells.h"

#include <utility>

#include "model/field_rules.h"
#include "model/input_checks.h"
#include "model/message_text.h"

namespace vantrel {

std::optional<std::string> ReadRowInputs(const std::vector<const InputField*>& columns,
                                         const std::vector<std::string>& cells, uint64_t line,
                                         DesignInputs& inputs) {
    inputs = NewDesignInputs();
    std::vector<std::pair<std::string, std::string>> given;
    for (size_t c = 0; c < columns.size() && c < cells.size(); ++c) {
        const InputField& field = *columns[c];
        const bool numeric = !FieldPattern(field.name).empty();
        if (numeric && cells[c].empty()) continue;
        field.Of(inputs) = cells[c];
        given.emplace_back(field.name, cells[c]);
    }
    return CheckSetValues(inputs, given, "line " + std::to_string(line) + ", column ");
}

std::string EchoedCell(std::string_view cell) {
    constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD
    std::string echoed;
    for (size_t at = 0; at < cell.size();) {
        const size_t length = Utf8SequenceLength(cell.substr(at));
        if (length == 0 || cell[at] == '\0') {
            echoed += kReplacement;
            at += 1;
        } else {
            echoed += cell.substr(at, length);
            at += length;
        }
    }
    if (!echoed.empty() &&
        std::string_view("=+-@\t\r").find(echoed.front()) != std::string_view::npos)
        echoed.insert(0, 1, '\'');
    return echoed;
}

}  // namespace vantrel
