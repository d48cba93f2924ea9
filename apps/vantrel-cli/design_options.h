#pragma once
// What the commands that take a design share: an optional project file and
// --set NAME=TEXT replacements.

#include <iosfwd>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/design_inputs.h"
#include "option_parser.h"

namespace vantrel::cli {

struct DesignOptions {
    std::optional<std::string> file;  // "-": standard input
    std::vector<std::pair<std::string, std::string>> replacements;
};

// The design's file (the argument at fileAt, when given) and the --set
// pairs; a --set without "=" is a usage error written to err.
std::optional<DesignOptions> DesignOptionsOf(const ParsedCommand& command, size_t fileAt,
                                             std::ostream& err);

// The inputs of the design the options name: the file's (as opening it in
// the window would put them) or a new design's, with the replacements
// applied. Reports an unknown input name or a refused value (exit 2) or an
// unreadable file (exit 4) to err; returns the exit status in status.
std::optional<DesignInputs> LoadDesignInputs(const DesignOptions& options, std::ostream& err,
                                             int& status);

}  // namespace vantrel::cli
