#pragma once
// vantrel-cli report [FILE.vtl] [--set NAME=TEXT]... -o OUT.pdf
//
// Writes the printed report of a design as a PDF (Letter paper: three FEMA
// 350 pages, then the current-code pages), after calculating it as opening
// the file does. The footers name the file without its folder ("New
// Untitled" without a file). An existing OUT is replaced only once the
// report is complete. Exit status: 0 written, 3 a calculation error was
// reported (the errors on stderr, no file written), 2 usage error, 4 a file
// cannot be read or the report cannot be written.

#include <string>
#include <vector>

#include "present/command_output.h"

namespace vantrel::cli {

int ReportCommand(const std::vector<std::string>& args, Streams streams);

}  // namespace vantrel::cli
