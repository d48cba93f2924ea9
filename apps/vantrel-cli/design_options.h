#pragma once
// The options shared by the commands that take a design: an optional project
// file and --set NAME=TEXT replacements.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "model/design_inputs.h"

namespace vantrel::cli {

struct DesignOptions {
    std::optional<std::string> file;
    std::vector<std::pair<std::string, std::string>> replacements;
    std::vector<std::string> flags;       // "--json", "--csv", ... as given
    std::vector<std::pair<std::string, std::string>> valued;  // "-o", "--limit" with values
};

// Splits args into a file, --set pairs, flags and valued options. knownFlags
// and valuedOptions list what the command accepts; anything else is a usage
// error written to err (returns nullopt).
std::optional<DesignOptions> ParseDesignOptions(const std::vector<std::string>& args,
                                                const std::vector<std::string>& knownFlags,
                                                const std::vector<std::string>& valuedOptions,
                                                std::ostream& err);

// The inputs of the design the options name: the file's (as opening it in
// the window would put them) or a new design's, with the replacements
// applied. Reports an unknown input name (exit 2) or an unreadable file
// (exit 4) to err; returns the exit status in status.
std::optional<DesignInputs> LoadDesignInputs(const DesignOptions& options, std::ostream& err,
                                             int& status);

bool HasFlag(const DesignOptions& options, const std::string& flag);
const std::string* ValuedOption(const DesignOptions& options, const std::string& name);

}  // namespace vantrel::cli
