#pragma once
// The commands of vantrel-cli, one file each, given their arguments as the
// option parser read them by the command's table (command_forms.cpp).

#include "cli.h"
#include "option_parser.h"

namespace vantrel::cli {

int BatchCommand(const ParsedCommand& command, Streams streams);
int CalcCommand(const ParsedCommand& command, Streams streams);
int ReportCommand(const ParsedCommand& command, Streams streams);
int SaveCommand(const ParsedCommand& command, Streams streams);
int SearchCommand(const ParsedCommand& command, Streams streams);

}  // namespace vantrel::cli
