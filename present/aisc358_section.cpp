#include "aisc358_section.h"

#include <cmath>

#include "model/number_text.h"
#include "model/shape_table.h"

namespace vantrel {
namespace {

using current::ItemStatus;

constexpr current::ItemGroup kGroups[] = {
    current::ItemGroup::Prequalification, current::ItemGroup::Strength,
    current::ItemGroup::Slenderness, current::ItemGroup::PlatesAndDetails,
    current::ItemGroup::Bracing};

// Three decimals; a value that is absent or not finite shows nothing.
std::string Number(const std::optional<double>& x) {
    if (!x || !std::isfinite(*x)) return {};
    return Format(*x, "0.000");
}

std::string WithUnit(std::string number, std::string_view unit) {
    if (number.empty() || unit.empty()) return number;
    return number + " " + std::string(unit);
}

std::string LimitText(const current::Item& item) {
    const std::string min = Number(item.min);
    const std::string max = Number(item.max);
    if (!min.empty() && !max.empty()) return WithUnit(min + " to " + max, item.unit);
    if (!max.empty()) return WithUnit("≤ " + max, item.unit);
    if (min.empty()) return {};
    // The strong-column ratio must exceed its limit; every other minimum may equal it.
    const char* relation = item.id == "strong_column" ? "> " : "≥ ";
    return WithUnit(relation + min, item.unit);
}

std::string JoinLabels(const current::Aisc358Result& result, ItemStatus status) {
    std::string labels;
    for (const current::Item& item : result.items) {
        if (item.status != status) continue;
        if (!labels.empty()) labels += ", ";
        labels += item.label;
    }
    return labels;
}

}  // namespace

Aisc358Section EvaluateSection(const DesignInputs& inputs, const DesignRecord& record,
                               bool femaRunErrored) {
    Aisc358Section section;
    section.result = current::EvaluateAisc358(inputs, record, femaRunErrored);
    if (section.result) return section;
    if (femaRunErrored) {
        section.absence = "No current-code results: the calculation reported an error.";
    } else if (ShapeIndex(inputs.Beam) < 0 || ShapeIndex(inputs.Column) < 0) {
        section.absence =
            "No current-code results: the beam or the column is not in the shape table.";
    } else if (current::ReadAxialLoad(inputs.ColumnAxialLoad).negative) {
        section.absence = current::kNegativeAxialLoadReason;
    } else {
        section.absence = "No current-code results: the column axial load is not a number.";
    }
    return section;
}

Rgb StatusColour(ItemStatus status) {
    switch (status) {
        case ItemStatus::Pass:
            return kPassGreen;
        case ItemStatus::Fail:
            return kFailRed;
        case ItemStatus::Required:
            return kRequiredAmber;
        default:
            return kWhite;
    }
}

std::vector<Aisc358Row> Aisc358Rows(const current::Aisc358Result& result) {
    std::vector<Aisc358Row> rows;
    for (current::ItemGroup group : kGroups) {
        bool titled = false;
        for (const current::Item& item : result.items) {
            if (item.group != group) continue;
            if (!titled) {
                Aisc358Row title;
                title.groupTitle = true;
                title.label = current::GroupTitle(group);
                rows.push_back(std::move(title));
                titled = true;
            }
            Aisc358Row row;
            row.id = item.id;
            row.label = item.label;
            row.value = item.id == "column_bracing" && item.value
                            ? std::string(current::BracedFlangesText(*item.value))
                            : WithUnit(Number(item.value), item.unit);
            row.limit = LimitText(item);
            row.ratio = Number(item.ratio);
            row.status = current::StatusText(item.status);
            row.reference = item.reference;
            row.colour = StatusColour(item.status);
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

std::string Aisc358BasisText(const Aisc358Section& section) {
    std::string text(kAisc358Basis);
    if (section.result)
        text += section.result->system == current::SeismicSystem::SMF ? ", SMF" : ", IMF";
    return text;
}

std::string FailingItems(const current::Aisc358Result& result, std::string_view sep) {
    std::string ids;
    for (const current::Item& item : result.items) {
        if (item.status != ItemStatus::Fail) continue;
        if (!ids.empty()) ids += sep;
        ids += item.id;
    }
    return ids;
}

std::string Aisc358VerdictText(const Aisc358Section& section) {
    if (!section.result) {
        return section.absence.empty()
                   ? "No current-code results: the design has not been calculated."
                   : section.absence;
    }
    const current::Aisc358Result& result = *section.result;
    std::string text = result.pass ? "The design meets the current code."
                                   : "The design does not meet the current code; fails: " +
                                         JoinLabels(result, ItemStatus::Fail) + ".";
    const std::string required = JoinLabels(result, ItemStatus::Required);
    if (!required.empty()) text += " Required: " + required + ".";
    return text;
}

std::string Aisc358MomentSumsText(const Aisc358Section& section) {
    if (!section.result) return {};
    return "ΣM*pc = " + WithUnit(Number(section.result->sumMpc), "ft-kip") +
           ", ΣM*pb = " + WithUnit(Number(section.result->sumMpb), "ft-kip");
}

}  // namespace vantrel
