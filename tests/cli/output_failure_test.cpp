// Output that cannot be written is an error of every command: the real
// program with its standard output on a full device or a closed pipe.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace {

enum class Sink { FullDevice, ClosedPipe };

struct OutputCase {
    const char* label;
    std::vector<std::string> args;
    Sink sink;
    friend void PrintTo(const OutputCase& c, std::ostream* os) { *os << c.label; }
};

struct Outcome {
    int status = -1;  // the exit status, -1 when a signal ended the program
    std::string err;
};

Outcome RunWithBrokenOutput(const OutputCase& c) {
    int errPipe[2];
    int outPipe[2];
    if (pipe(errPipe) != 0 || pipe(outPipe) != 0) return {};
    // Nobody reads, from before the program starts: every write meets a
    // closed pipe, however little and however fast it writes.
    close(outPipe[0]);
    const pid_t pid = fork();
    if (pid == 0) {
        const int out = c.sink == Sink::FullDevice ? open("/dev/full", O_WRONLY) : outPipe[1];
        dup2(out, STDOUT_FILENO);
        dup2(errPipe[1], STDERR_FILENO);
        std::vector<char*> argv{const_cast<char*>(VANTREL_CLI)};
        for (const std::string& arg : c.args) argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execv(VANTREL_CLI, argv.data());
        _exit(127);
    }
    close(outPipe[1]);
    close(errPipe[1]);
    Outcome outcome;
    char buffer[4096];
    for (ssize_t got; (got = read(errPipe[0], buffer, sizeof buffer)) > 0;)
        outcome.err.append(buffer, static_cast<size_t>(got));
    close(errPipe[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFEXITED(status)) outcome.status = WEXITSTATUS(status);
    return outcome;
}

class BrokenOutput : public testing::TestWithParam<OutputCase> {};

TEST_P(BrokenOutput, IsReportedAndFailsTheCommand) {
    if (GetParam().sink == Sink::FullDevice && access("/dev/full", W_OK) != 0)
        GTEST_SKIP() << "no /dev/full on this machine";
    const Outcome outcome = RunWithBrokenOutput(GetParam());
    EXPECT_EQ(outcome.status, 4) << outcome.err;
    EXPECT_NE(outcome.err.find("cannot write to standard output"), std::string::npos)
        << outcome.err;
}

INSTANTIATE_TEST_SUITE_P(
    Commands, BrokenOutput,
    testing::Values(OutputCase{"calc_full", {"calc"}, Sink::FullDevice},
                    OutputCase{"calc_json_pipe", {"calc", "--json"}, Sink::ClosedPipe},
                    OutputCase{"search_full", {"search"}, Sink::FullDevice},
                    OutputCase{"search_csv_pipe", {"search", "--csv"}, Sink::ClosedPipe},
                    OutputCase{"help_full", {"--help"}, Sink::FullDevice}),
    [](const auto& p) { return std::string(p.param.label); });

}  // namespace
