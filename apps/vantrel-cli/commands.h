#pragma once
// The commands of vantrel-cli, one file each.

#include <string>
#include <vector>

#include "cli.h"

namespace vantrel::cli {

using Args = std::vector<std::string>;

int BatchCommand(const Args& args, Streams streams);
int CalcCommand(const Args& args, Streams streams);
int ReportCommand(const Args& args, Streams streams);
int SaveCommand(const Args& args, Streams streams);
int SearchCommand(const Args& args, Streams streams);

}  // namespace vantrel::cli
