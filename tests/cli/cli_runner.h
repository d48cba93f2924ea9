#pragma once
// Runs vantrel-cli in-process and keeps what it printed.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli.h"

namespace vantrel::cli::cli_test {

struct Result {
    int status;
    std::string out;
    std::string err;
};

inline Result RunCli(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = Run(args, Streams{out, err, false});
    return {status, out.str(), err.str()};
}

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace vantrel::cli::cli_test
