// The real program with real descriptors: "-" as standard input and output,
// outputs that name descriptor 1, and output that cannot be written (a full
// device is reported with status 4; a closed pipe ends the program as
// SIGPIPE ends the shell's own tools, silently).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "model/design_inputs.h"
#include "tests/support/fixture_file.h"
#include "tests/support/temp_folder.h"

namespace {

enum class Sink { File, FullDevice, ClosedPipe };

constexpr const char* kWorked = "examples/worked-example.vtl";
constexpr const char* kCsv = "tests/fixtures/calc/batch-crlf-in.csv";

struct StreamCase {
    const char* label;
    const char* command;  // its words; OUT: the file standard output is, VTL, CSV: examples
    const char* input;    // standard input: a file of the source tree, or ""
    Sink sink;
    int status;       // the exit status, or -SIGNAL
    const char* out;  // the start of standard output
    const char* err;  // in the error output ("" for none at all)
    friend void PrintTo(const StreamCase& c, std::ostream* os) { *os << c.label; }
};

struct Outcome {
    int status = 0;
    std::string out, err;
};

std::string ReadAll(int fd) {
    std::string text;
    char buffer[4096];
    for (ssize_t got; (got = read(fd, buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<size_t>(got));
    return text;
}

Outcome RunProgram(const StreamCase& c, const std::string& outFile) {
    int errPipe[2];
    int closedPipe[2];
    if (pipe(errPipe) != 0 || pipe(closedPipe) != 0) return {};
    // Nobody reads, from before the program starts: every write meets a
    // closed pipe, however little and however fast it writes.
    close(closedPipe[0]);
    const int out = c.sink == Sink::FullDevice ? open("/dev/full", O_WRONLY)
                    : c.sink == Sink::File     ? open(outFile.c_str(), O_RDWR | O_CREAT, 0600)
                                               : closedPipe[1];
    const std::string input = std::string(VANTREL_SOURCE_DIR) + "/" + c.input;
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(VANTREL_SOURCE_DIR) != 0) _exit(126);
        if (*c.input) dup2(open(input.c_str(), O_RDONLY), STDIN_FILENO);
        dup2(out, STDOUT_FILENO);
        dup2(errPipe[1], STDERR_FILENO);
        std::vector<std::string> args{VANTREL_CLI};
        std::istringstream words(c.command);
        for (std::string word; words >> word;)
            args.push_back(word == "OUT"   ? outFile
                           : word == "VTL" ? kWorked
                           : word == "CSV" ? kCsv
                                           : word);
        std::vector<char*> argv;
        for (std::string& arg : args) argv.push_back(arg.data());
        argv.push_back(nullptr);
        execv(VANTREL_CLI, argv.data());
        _exit(127);
    }
    close(closedPipe[1]);
    close(errPipe[1]);
    Outcome outcome;
    outcome.err = ReadAll(errPipe[0]);
    close(errPipe[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    // What reached the descriptor itself, not a file put in its place.
    if (c.sink == Sink::File && lseek(out, 0, SEEK_SET) == 0) outcome.out = ReadAll(out);
    close(out);
    return outcome;
}

class StandardStreams : public testing::TestWithParam<StreamCase> {};

TEST_P(StandardStreams, AreReadAndWrittenAsTheShellsTools) {
    const StreamCase& c = GetParam();
    if (c.sink == Sink::FullDevice && access("/dev/full", W_OK) != 0)
        GTEST_SKIP() << "no /dev/full on this machine";
    if (std::string_view(c.command).starts_with("report") &&
        !std::filesystem::exists(std::filesystem::path(VANTREL_CLI).parent_path() /
                                 "vantrel-report"))
        GTEST_SKIP() << "a build without the report program";
    vantrel::test::TempFolder folder;
    const Outcome outcome = RunProgram(c, folder.File("out"));
    EXPECT_EQ(outcome.status, c.status) << outcome.err;
    EXPECT_EQ(outcome.out.rfind(c.out, 0), 0u) << outcome.out.substr(0, 200);
    if (*c.err == 0) {
        EXPECT_EQ(outcome.err, "");
    }
    EXPECT_NE(outcome.err.find(c.err), std::string::npos) << outcome.err;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}),
              c.sink == Sink::File ? 1 : 0)
        << "a temporary file was left beside standard output";
}

constexpr const char* kBatchHeader = "Line,Beam,Column,Fema350,";
constexpr const char* kFullMessage = "cannot write to standard output";

INSTANTIATE_TEST_SUITE_P(
    Commands, StandardStreams,
    testing::ValuesIn(std::vector<StreamCase>{
        {"calc_stdin", "calc -", kWorked, Sink::File, 1, "Calculated values", ""},
        {"search_stdin", "search - --csv", kWorked, Sink::File, 0, "Beam,", ""},
        {"calc_empty_stdin", "calc -", "", Sink::File, 4, "", "(Error: 1101)"},
        {"batch_stdin_to_dash", "batch - -o -", kCsv, Sink::File, 3, kBatchHeader, ""},
        {"batch_to_dev_stdout", "batch CSV -o /dev/stdout", "", Sink::File, 3, kBatchHeader, ""},
        {"batch_to_fd_1", "batch CSV --output=/dev/fd/1", "", Sink::File, 3, kBatchHeader, ""},
        {"batch_to_stdout_file", "batch CSV -o OUT", "", Sink::File, 3, kBatchHeader, ""},
        {"report_stdin_to_dash", "report - -o -", kWorked, Sink::File, 0, "%PDF-", ""},
        {"calc_full", "calc", "", Sink::FullDevice, 4, "", kFullMessage},
        {"batch_dash_full", "batch CSV -o -", "", Sink::FullDevice, 4, "", kFullMessage},
        {"search_full", "search", "", Sink::FullDevice, 4, "", kFullMessage},
        {"help_full", "--help", "", Sink::FullDevice, 4, "", kFullMessage},
        {"calc_json_pipe", "calc --json", "", Sink::ClosedPipe, -SIGPIPE, "", ""},
        {"search_csv_pipe", "search --csv", "", Sink::ClosedPipe, -SIGPIPE, "", ""},
        {"batch_pipe", "batch CSV -o /dev/stdout", "", Sink::ClosedPipe, -SIGPIPE, "", ""},
        {"report_pipe", "report VTL -o -", "", Sink::ClosedPipe, -SIGPIPE, "", ""}}),
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
