// vantrel-cli batch IN.csv [-o OUT.csv]
//
// One design per row of IN.csv, its columns named by the input names; a
// missing column takes the new-design default. Each row is calculated as calc
// does and reported on one line of the output, in the input's order; a row
// whose inputs give an error is reported as such and the others go on.

#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "aisc358_output.h"
#include "checks/design.h"
#include "checks/verdict_cells.h"
#include "commands.h"
#include "csv_table.h"
#include "design_options.h"
#include "files/project_file.h"
#include "files/safe_file.h"
#include "json_number.h"
#include "set_rules.h"

namespace vantrel::cli {
namespace {

constexpr const char* kHeader =
    "Line,Beam,Column,Fema350,Fema350Failing,Aisc358,Aisc358Failing,MfRatio,ShearRatio,"
    "StrongColumnRatio,PanelZoneRatio,HingeRatio,ColumnAxialRatio,Errors\n";

// The whole input file; nothing for a file that cannot be read or is not a
// regular file (a FIFO is never opened, so nothing blocks).
std::optional<std::string> ReadWholeFile(const std::string& path) {
    RegularFileReader file(path);
    if (file.error() != 0) return std::nullopt;
    std::vector<uint8_t> bytes;
    constexpr size_t kChunk = 1 << 16;
    for (size_t before = 0;; before = bytes.size()) {
        if (!file.Read(kChunk, bytes)) return std::nullopt;
        if (bytes.size() - before < kChunk) break;
    }
    return std::string(bytes.begin(), bytes.end());
}

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
            why = "unknown column '" + name + "' (columns are named by the input names: ";
            for (size_t i = 0; i < kInputFields.size(); ++i)
                why += (i ? ", " : "") + std::string(kInputFields[i].name);
            why += ')';
            return std::nullopt;
        }
        for (const auto member : members) {
            if (member == found) {
                why = "column '" + name + "' appears twice";
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
        return value ? ShortestDoubleText(value) : std::string();
    }
    return {};
}

enum class RowOutcome { Pass, Fails, Error };

// A row whose cell the input's field would refuse: both verdicts are errors
// and the refusal stands in the Errors column.
RowOutcome ReportRefusedRow(const DesignInputs& inputs, int line, const std::string& refusal,
                            std::string& out) {
    out += std::to_string(line) + ',' + CsvField(inputs.Beam) + ',' + CsvField(inputs.Column) +
           ",error,,error,,,,,,,," + CsvField(refusal) + '\n';
    return RowOutcome::Error;
}

// Calculates one row and writes its line.
RowOutcome ReportRow(const DesignInputs& inputs, int line, std::string& out) {
    DesignState state;
    CollectingErrorSink errors;
    Calculate(state, inputs, errors);
    const bool errored = !errors.errors.empty();
    const auto verdicts = ReadVerdicts(state.results);
    const auto aisc358 = current::EvaluateAisc358(inputs, state.record, errored);

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
        errorText += "Error " + std::to_string(e.number) + " (" + e.description + ") in " +
                     e.procedure + " of " + e.module;
    }
    if (!errored && !aisc358) errorText = NotCheckedReason(inputs, false);

    const char* fema = errored ? "error" : femaPasses ? "pass" : "fail";
    const char* currentVerdict = !aisc358 ? "error" : aisc358->pass ? "pass" : "fail";
    const current::Aisc358Result* result = aisc358 ? &*aisc358 : nullptr;
    out += std::to_string(line) + ',' + CsvField(inputs.Beam) + ',' + CsvField(inputs.Column) +
           ',' + fema + ',' + CsvField(errored ? "" : femaFailing) + ',' + currentVerdict + ',' +
           CsvField(result ? FailingItems(*result, "; ") : "") + ',' +
           Ratio(result, "flexure_face") + ',' + Ratio(result, "beam_shear") + ',' +
           Ratio(result, "strong_column") + ',' + Ratio(result, "panel_zone_shear") + ',' +
           Ratio(result, "hinge_location") + ',' + Ratio(result, "column_axial") + ',' +
           CsvField(errorText) + '\n';
    if (errored || !aisc358) return RowOutcome::Error;
    return femaPasses && aisc358->pass ? RowOutcome::Pass : RowOutcome::Fails;
}

}  // namespace

int BatchCommand(const Args& args, Streams s) {
    auto options = ParseDesignOptions(args, {}, {"-o", "--output"}, s.err);
    if (!options) return kExitUsage;
    const std::string* output = ValuedOption(*options, "-o");
    if (!output) output = ValuedOption(*options, "--output");
    if (!options->file || !options->replacements.empty() || (output && output->empty())) {
        s.err << "vantrel-cli: batch needs a CSV file and takes no --set: batch IN.csv "
                 "[-o OUT.csv]\n";
        return kExitUsage;
    }
    const std::string& path = *options->file;
    const std::optional<std::string> text = ReadWholeFile(path);
    if (!text) {
        s.err << "vantrel-cli: unable to read \"" << path << "\"\n";
        return kExitFileError;
    }
    std::string out;
    const int status = BatchOfText(*text, path, out, s.err);
    if (status == kExitFileError) return status;
    if (output) {
        // Whole or not at all, never over a device, FIFO or folder, keeping
        // the owner and mode of a file it replaces.
        const int error = ReplaceFileContent(
            *output, std::span(reinterpret_cast<const uint8_t*>(out.data()), out.size()));
        if (error != 0) {
            s.err << "vantrel-cli: unable to write \"" << *output << "\" (Error: " << error
                  << "): " << FailureReason(error) << "\n";
            return kExitFileError;
        }
    } else {
        s.out << out;
    }
    return status;
}

int BatchOfText(const std::string& text, const std::string& path, std::string& out,
                std::ostream& err) {
    const CsvTable table = ReadCsv(text);
    if (table.error || table.records.empty()) {
        err << "vantrel-cli: \"" << path
            << "\" is not a CSV file of designs: " << table.error.value_or("no header line")
            << '\n';
        return kExitFileError;
    }
    std::string why;
    const auto columns = ColumnInputs(table.records.front(), why);
    if (!columns) {
        err << "vantrel-cli: \"" << path << "\" line " << table.records.front().line << ": " << why
            << '\n';
        return kExitFileError;
    }
    for (const CsvRecord& record : table.records) {
        if (record.fields.size() != columns->size()) {
            err << "vantrel-cli: \"" << path << "\" is not a CSV file of designs: line "
                << record.line << ": " << record.fields.size() << " fields, the header has "
                << columns->size() << '\n';
            return kExitFileError;
        }
    }

    out = kHeader;
    bool anyFails = false;
    bool anyError = false;
    for (size_t r = 1; r < table.records.size(); ++r) {
        const CsvRecord& record = table.records[r];
        DesignInputs inputs = NewDesignInputs();
        std::vector<std::pair<std::string, std::string>> cells;
        for (size_t c = 0; c < columns->size(); ++c) {
            (*columns)[c]->Of(inputs) = record.fields[c];
            cells.emplace_back((*columns)[c]->name, record.fields[c]);
        }
        // The cells follow the rules of --set: what the window's fields would hold.
        const std::optional<std::string> refusal = CheckSetValues(inputs, cells, "");
        const RowOutcome outcome = refusal ? ReportRefusedRow(inputs, record.line, *refusal, out)
                                           : ReportRow(inputs, record.line, out);
        anyFails = anyFails || outcome == RowOutcome::Fails;
        anyError = anyError || outcome == RowOutcome::Error;
    }
    if (anyError) return kExitCalculationError;
    return anyFails ? kExitCheckFails : kExitPass;
}

}  // namespace vantrel::cli
