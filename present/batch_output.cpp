#include "batch_output.h"

#include <cstdint>
#include <new>
#include <optional>
#include <ostream>
#include <vector>

#include "aisc358_section.h"
#include "batch_cells.h"
#include "command_output.h"
#include "design_state.h"
#include "error_texts.h"
#include "files/csv_table.h"
#include "json_text.h"
#include "model/message_text.h"
#include "verdict_cells.h"

namespace vantrel {
namespace {

constexpr const char* kHeader =
    "Line,Beam,Column,Fema350,Fema350Failing,Aisc358,Aisc358Failing,MfRatio,ShearRatio,"
    "StrongColumnRatio,PanelZoneRatio,HingeRatio,ColumnAxialRatio,Errors\n";

// The input each column names, in column order; refuses an unknown or a
// repeated name.
std::optional<std::vector<const InputField*>> ColumnInputs(const CsvRecord& header,
                                                           std::string& why) {
    std::vector<const InputField*> members;
    for (const std::string& name : header.fields) {
        const InputField* found = nullptr;
        for (const InputField& field : kInputFields)
            if (field.name == name) found = &field;
        if (!found) {
            why = "unknown column '" + MessageText(name) +
                  "' (columns are named by the input names: ";
            for (size_t i = 0; i < kInputFields.size(); ++i)
                why += (i ? ", " : "") + std::string(kInputFields[i].name);
            why += ')';
            return std::nullopt;
        }
        for (const auto member : members) {
            if (member == found) {
                why = "column '" + MessageText(name) + "' appears twice";
                return std::nullopt;
            }
        }
        members.push_back(found);
    }
    return members;
}

std::string Ratio(const current::Aisc358Result* result, std::string_view id) {
    if (!result) return {};
    for (const current::Item& item : result->items) {
        if (item.id != id) continue;
        const std::optional<double> value = id == "strong_column" ? item.value : item.ratio;
        return CsvNumber(value);
    }
    return {};
}

enum class RowOutcome { Pass, Fails, Error };

// A row whose cell the input's field would refuse: both verdicts are errors
// and the refusal stands in the Errors column.
RowOutcome ReportRefusedRow(const DesignInputs& inputs, uint64_t line, const std::string& refusal,
                            std::string& out) {
    out += std::to_string(line) + ',' + CsvField(EchoedCell(inputs.Beam)) + ',' +
           CsvField(EchoedCell(inputs.Column)) + ",error,,error,,,,,,,," + CsvField(refusal) + '\n';
    return RowOutcome::Error;
}

// Calculates one row and writes its line.
RowOutcome ReportRow(const DesignInputs& inputs, uint64_t line, std::string& out) {
    DesignState state;
    CollectingErrorSink errors;
    CalculateAndPresent(state, inputs, errors);
    const bool errored = !errors.errors.empty();
    const auto verdicts = ReadVerdicts(state.results);
    const Aisc358Section& section = state.aisc358;
    const std::optional<current::Aisc358Result>& aisc358 = section.result;

    bool femaPasses = true;
    std::string femaFailing;
    for (const VerdictResult& v : verdicts) {
        if (v.state == VerdictState::Pass) continue;
        femaPasses = false;
        if (!femaFailing.empty()) femaFailing += "; ";
        femaFailing += v.cell->name;
        if (v.state == VerdictState::Missing) femaFailing += " (not checked)";
    }
    std::string errorText;
    for (const ChainError& e : errors.errors) {
        if (!errorText.empty()) errorText += "; ";
        errorText += ErrorLine(e);
    }
    if (!errored && !aisc358) errorText = section.absence;

    const char* fema = errored ? "error" : femaPasses ? "pass" : "fail";
    const char* currentVerdict = !aisc358 ? "error" : aisc358->pass ? "pass" : "fail";
    const current::Aisc358Result* result = aisc358 ? &*aisc358 : nullptr;
    out += std::to_string(line) + ',' + CsvField(EchoedCell(inputs.Beam)) + ',' +
           CsvField(EchoedCell(inputs.Column)) + ',' + fema + ',' +
           CsvField(errored ? "" : femaFailing) + ',' + currentVerdict + ',' +
           CsvField(result ? FailingItems(*result, "; ") : "") + ',' +
           Ratio(result, "flexure_face") + ',' + Ratio(result, "beam_shear") + ',' +
           Ratio(result, "strong_column") + ',' + Ratio(result, "panel_zone_shear") + ',' +
           Ratio(result, "hinge_location") + ',' + Ratio(result, "column_axial") + ',' +
           CsvField(errorText) + '\n';
    if (errored || !aisc358) return RowOutcome::Error;
    return femaPasses && aisc358->pass ? RowOutcome::Pass : RowOutcome::Fails;
}

}  // namespace

int BatchOfCsv(CsvReader& designs, const std::string& path, const BatchLineSink& write,
               std::ostream& err) {
    uint64_t row = 0;  // the line of the row being calculated, 0 while reading
    try {
        CsvRecord header;
        if (!designs.Next(header)) {
            err << "vantrel-cli: \"" << MessageText(path)
                << "\" is not a CSV file of designs: " << designs.error().value_or("no header line")
                << '\n';
            return kExitFileError;
        }
        std::string why;
        const auto columns = ColumnInputs(header, why);
        if (!columns) {
            err << "vantrel-cli: \"" << MessageText(path) << "\" line " << header.line << ": "
                << why << '\n';
            return kExitFileError;
        }
        if (!write(kHeader)) return kExitFileError;

        bool anyRow = false;
        bool anyFails = false;
        bool anyError = false;
        std::string out;
        CsvRecord record;
        while (designs.Next(record)) {
            row = record.line;
            anyRow = true;
            if (record.fields.size() != columns->size()) {
                err << "vantrel-cli: \"" << MessageText(path)
                    << "\" is not a CSV file of designs: line " << record.line << ": "
                    << record.fields.size() << " fields, the header has " << columns->size()
                    << '\n';
                return kExitFileError;
            }
            DesignInputs inputs;
            // The cells follow the rules of --set: what the window's fields would hold.
            const std::optional<std::string> refusal =
                ReadRowInputs(*columns, record.fields, record.line, inputs);
            out.clear();
            const RowOutcome outcome = refusal
                                           ? ReportRefusedRow(inputs, record.line, *refusal, out)
                                           : ReportRow(inputs, record.line, out);
            if (!write(out)) return kExitFileError;
            anyFails = anyFails || outcome == RowOutcome::Fails;
            anyError = anyError || outcome == RowOutcome::Error;
            row = 0;
        }
        if (designs.error()) {
            err << "vantrel-cli: \"" << MessageText(path)
                << "\" is not a CSV file of designs: " << *designs.error() << '\n';
            return kExitFileError;
        }
        if (!anyRow) {
            err << "vantrel-cli: no designs: \"" << MessageText(path)
                << "\" has a header line only\n";
            return kExitPass;
        }
        if (anyError) return kExitCalculationError;
        return anyFails ? kExitCheckFails : kExitPass;
    } catch (const std::bad_alloc&) {
        err << "vantrel-cli: \"" << MessageText(path) << "\" line " << (row ? row : designs.line())
            << ": out of memory; the results stop before this line\n";
        return kExitFileError;
    }
}

int BatchOfText(const std::string& text, const std::string& path, std::string& out,
                std::ostream& err) {
    CsvReader designs(TextSource(text));
    out.clear();
    const int status = BatchOfCsv(
        designs, path,
        [&out](std::string_view lines) {
            out += lines;
            return true;
        },
        err);
    if (status == kExitFileError) out.clear();
    return status;
}

}  // namespace vantrel
