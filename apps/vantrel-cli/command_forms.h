#pragma once
// The commands of vantrel-cli as the option parser reads them: usage, arguments
// and options, from which COMMAND --help is written. vantrel-report reads
// report's arguments with the same table.

#include <span>
#include <string_view>

#include "option_parser.h"

namespace vantrel::cli {

std::span<const CommandForm> CommandForms();
const CommandForm& CommandFormNamed(std::string_view name);  // one of CommandForms()

}  // namespace vantrel::cli
