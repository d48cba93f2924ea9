// vantrel-report: the report command of vantrel-cli, a program of its own
// because only it paints with Qt; "vantrel-cli report ARGS" runs it as
// "vantrel-report ARGS" and ends with its status, so that the calculating
// commands never load Qt.

#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "cli.h"
#include "report_command.h"
#include "standard_output.h"

int main(int argc, char** argv) {
    // As vantrel-cli: a closed pipe ends the program as SIGPIPE does, a
    // file-size limit on standard output makes a write fail, which is reported.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
    const std::vector<std::string> args(argv + 1, argv + argc);
    vantrel::cli::StandardOutputBuffer buffer;
    std::ostream out(&buffer);
    const vantrel::cli::Streams streams{out, std::cerr};
    return vantrel::cli::FinishOutput(out, std::cerr, vantrel::cli::ReportCommand(args, streams));
}
