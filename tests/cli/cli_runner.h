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

// A project file of tests/data: texts the fields refuse, as old files hold them.
inline std::string Data(const char* name) {
    return std::string(VANTREL_SOURCE_DIR) + "/tests/data/" + name;
}

inline Result RunCli(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = Run(args, Streams{out, err, false});
    return {status, out.str(), err.str()};
}

// A command line, the exit status it must end with and a text its output
// (standard output or error) must hold.
struct StatusCase {
    const char* name;
    std::vector<std::string> args;
    int status;
    const char* inOutput;
};

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

inline void ExpectOutcome(const StatusCase& c) {
    const Result result = RunCli(c.args);
    EXPECT_EQ(result.status, c.status) << result.out << result.err;
    EXPECT_NE((result.out + result.err).find(c.inOutput), std::string::npos)
        << result.out << result.err;
}

}  // namespace vantrel::cli::cli_test
