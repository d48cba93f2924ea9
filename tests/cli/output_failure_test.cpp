// Output that cannot be written is an error of every command: the real
// program with its standard output on a full device or a closed pipe.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "model/design_inputs.h"
#include "tests/support/fixture_file.h"
#include "tests/support/temp_folder.h"

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

struct MemoryCase {
    const char* label;
    int limitKb;  // of address space (ulimit -v)
    std::string header, row;
    size_t bytes;  // rows written until the file holds this many
    int status;    // or exit 4, "out of memory", never a signal
    friend void PrintTo(const MemoryCase& c, std::ostream* os) { *os << c.label; }
};

class LimitedMemory : public testing::TestWithParam<MemoryCase> {};

// batch reads and writes row by row, so a file far beyond the limit runs
// within it; an allocation that fails all the same ends the run with exit 4
// and a message, never an abort.
TEST_P(LimitedMemory, BatchEndsWithItsStatusOrACleanError) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer reserves more address space than the limit allows";
#endif
    const MemoryCase& c = GetParam();
    vantrel::test::TempFolder folder;
    {
        std::ofstream csv(folder.File("in.csv"), std::ios::binary);
        csv << c.header;
        std::string block = c.row;
        while (block.size() < 65536) block += c.row;
        for (size_t written = 0; written < c.bytes; written += block.size()) csv << block;
    }
    const std::string command = "ulimit -v " + std::to_string(c.limitKb) + " && exec " +
                                VANTREL_CLI + " batch '" + folder.File("in.csv") +
                                "' >/dev/null 2>'" + folder.File("err.txt") + "'";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    const int exit = WEXITSTATUS(status);
    EXPECT_TRUE(exit == c.status || exit == 4) << exit;
    const std::string err = vantrel::test::FileText(folder.File("err.txt"));
    EXPECT_EQ(exit == 4, err.find("out of memory") != std::string::npos) << err;
}

std::string AllInputNames() {
    std::string names;
    for (const vantrel::InputField& field : vantrel::kInputFields)
        names += (names.empty() ? "" : ",") + std::string(field.name);
    return names + "\n";
}

INSTANTIATE_TEST_SUITE_P(Batch, LimitedMemory,
                         testing::Values(
                             // Its rows are refused (no Beam, no Column): exit 3.
                             MemoryCase{"hundred_mb_of_empty_rows", 600000, AllInputNames(),
                                        std::string(29, ',') + "\n", 100'000'000, 3},
                             // The widest row within the row limit cannot be held in 20 MB.
                             MemoryCase{"wide_row_in_20_mb", 20000, "Beam\n",
                                        std::string(1'000'000, ',') + "\n", 1, 4}),
                         [](const auto& p) { return std::string(p.param.label); });

}  // namespace
