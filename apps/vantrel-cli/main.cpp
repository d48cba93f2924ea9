#include <unistd.h>

#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "cli.h"
#include "standard_output.h"

int main(int argc, char** argv) {
    // A closed pipe makes a write fail with EPIPE, which the standard output
    // buffer turns into SIGPIPE's own ending; a file-size limit on standard
    // output makes a write fail, which is reported.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
    std::vector<std::string> args(argv + 1, argv + argc);
    vantrel::cli::StandardOutputBuffer buffer;
    std::ostream out(&buffer);
    vantrel::cli::Streams streams{out, std::cerr, isatty(STDOUT_FILENO) == 1};
    return vantrel::cli::Run(args, streams);
}
