#include "input_checks.h"

#include <algorithm>

#include "field_rules.h"
#include "input_lists.h"
#include "message_text.h"
#include "shape_table.h"

namespace vantrel {
namespace {

// A text given by the user, as a message may show it.
std::string Quoted(std::string_view text) {
    return "\"" + MessageText(text) + "\"";
}

std::string ListForm(const std::vector<std::string>& entries) {
    std::string form;
    for (const std::string& entry : entries) form += (form.empty() ? "" : ", ") + Quoted(entry);
    return form;
}

std::vector<std::string> ShapeNames() {
    std::vector<std::string> names;
    for (int i = 0; i < kShapeCount; ++i) names.emplace_back(ShapeName(i));
    return names;
}

std::vector<std::string> GradeNames() {
    std::vector<std::string> names;
    for (const GradeEntry& grade : kGradeEntries) names.emplace_back(grade.text);
    return names;
}

// A list input: its entries and how to show the valid form.
std::optional<std::string> CheckListEntry(std::string_view name, const std::string& text,
                                          const std::vector<std::string>& entries,
                                          const std::string& validForm) {
    if (std::find(entries.begin(), entries.end(), text) != entries.end()) return std::nullopt;
    return Quoted(text) + " is not an entry of the " + std::string(name) + " list; use one of " +
           validForm;
}

std::optional<std::string> CheckList(std::string_view name, const std::string& text) {
    if (name == "Beam" || name == "Column")
        return CheckListEntry(name, text, ShapeNames(),
                              "the shape table's names, as \"W 21x44\" (the blank included)");
    if (name == "Grade") return CheckListEntry(name, text, GradeNames(), ListForm(GradeNames()));
    const std::pair<const char*, std::vector<std::string> (*)()> coefficients[] = {
        {"A", CoefficientEntriesA}, {"B", CoefficientEntriesB}, {"C", CoefficientEntriesC}};
    for (const auto& [list, entries] : coefficients)
        if (name == list) return CheckListEntry(name, text, entries(), ListForm(entries()));
    if (name == "FRAMETYPE") return CheckListEntry(name, text, {"SMRF", "OMRF"}, "SMRF, OMRF");
    if (name == "ColumnAbove") return CheckListEntry(name, text, {"Yes", "No"}, "Yes, No");
    return std::nullopt;
}

// The window's check of a numeric field, or nullptr for an input that has none.
using FieldCheck = Refusal (*)(std::string& text, const DesignInputs& inputs);

FieldCheck NumericCheck(std::string_view name, InputKind kind) {
    if (name == "Length")
        return [](std::string& t, const DesignInputs&) { return CheckLengthText(t); };
    if (name == "Height")
        return [](std::string& t, const DesignInputs&) { return CheckHeightText(t); };
    if (name == "ORA")
        return
            [](std::string& t, const DesignInputs& in) { return CheckOverrideAText(t, in.Length); };
    if (name == "ORB")
        return
            [](std::string& t, const DesignInputs& in) { return CheckOverrideBText(t, in.Length); };
    if (name == "ORC")
        return
            [](std::string& t, const DesignInputs& in) { return CheckOverrideCText(t, in.Beam); };
    switch (kind) {
        case InputKind::Load:
            return [](std::string& t, const DesignInputs&) { return CheckLoadText(t); };
        case InputKind::Location:
            return [](std::string& t, const DesignInputs& in) {
                return CheckLocationText(t, in.Length);
            };
        case InputKind::AxialLoad:
            return [](std::string& t, const DesignInputs&) { return CheckAxialLoadText(t); };
        case InputKind::Text:
            break;
    }
    return nullptr;
}

const InputField* FieldNamed(std::string_view name) {
    for (const InputField& field : kInputFields)
        if (field.name == name) return &field;
    return nullptr;
}

}  // namespace

std::optional<std::string> CheckSetValues(
    DesignInputs& inputs, const std::vector<std::pair<std::string, std::string>>& replacements,
    std::string_view prefix) {
    for (const auto& [name, given] : replacements) {
        const InputField* field = FieldNamed(name);
        if (field == nullptr) continue;
        std::string& text = field->Of(inputs);
        if (text != given) continue;  // a later --set of the same input replaced it
        const std::string source = std::string(prefix) + name + ": ";
        if (auto refusal = CheckList(name, text)) return source + *refusal;
        const FieldCheck check = NumericCheck(name, field->kind);
        if (check == nullptr) continue;
        for (const char c : text) {
            if (!AcceptsTypedCharacter(static_cast<unsigned char>(c))) {
                return source + Quoted(text) +
                       " has a character its field does not accept (digits, \".\" and \"-\" only)";
            }
        }
        if (Refusal refusal = check(text, inputs)) return source + *refusal;
    }
    return std::nullopt;
}

std::optional<std::string> CheckFieldText(std::string_view name, std::string& text,
                                          const DesignInputs& inputs) {
    if (auto refusal = CheckList(name, text)) return refusal;
    const InputField* field = FieldNamed(name);
    const FieldCheck check = field ? NumericCheck(name, field->kind) : nullptr;
    if (check == nullptr) return std::nullopt;
    return check(text, inputs);
}

}  // namespace vantrel
