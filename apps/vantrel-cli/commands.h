#pragma once
// The commands of vantrel-cli, one file each.

#include <optional>
#include <string>
#include <vector>

#include "cli.h"
#include "model/design_inputs.h"

namespace vantrel {
struct ChainError;
enum class DesignCode;
struct DesignState;
struct SearchOptions;
namespace current {
struct Aisc358Result;
}
}  // namespace vantrel

namespace vantrel::cli {

using Args = std::vector<std::string>;

int BatchCommand(const Args& args, Streams streams);
int CalcCommand(const Args& args, Streams streams);
int ReportCommand(const Args& args, Streams streams);
int SaveCommand(const Args& args, Streams streams);
int SearchCommand(const Args& args, Streams streams);

// What the commands do once they have their inputs; the browser edition calls
// them too. Each returns the command's exit status.

// calc: the text tables, or the JSON with json.
int CalculateAndPrint(const DesignInputs& inputs, bool json, Streams streams);
// calc's exit status of a design already calculated.
int CalculationStatus(const DesignState& state, const std::vector<ChainError>& errors,
                      const std::optional<current::Aisc358Result>& aisc358);

// search's --code: "fema350", "aisc358" or "both"; false for another text.
bool ReadCode(const std::string& text, DesignCode& code);

// search: the table (its first limit designs), the JSON or the CSV.
enum class SearchFormat { Table, Json, Csv };
int SearchAndPrint(const DesignInputs& inputs, const SearchOptions& options, SearchFormat format,
                   size_t limit, Streams streams);

// batch: the results CSV of a CSV text of designs into out, or a refusal of
// the text (kExitFileError, the message on err naming the file path).
int BatchOfText(const std::string& text, const std::string& path, std::string& out,
                std::ostream& err);

}  // namespace vantrel::cli
