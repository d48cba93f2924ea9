// The command line carried out: what each line loads, opens, prints,
// registers or refuses, and the hand-over to a copy already running.
#include "shell/startup.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <stdexcept>

#include "shell/single_instance.h"
#include "shell_test.h"

namespace vantrel::shell {
namespace {

enum class Load { Works, OpenFails, Throws, ThrowsBadAlloc };

// Runs Main with a fake window and records what it did, in order, as
// "load|open:PATH|print|close".
struct Harness {
    struct FakeWindow final : MainWindow {
        FakeWindow(QStringList& log, bool opens) : log_(log), opens_(opens) {}
        bool OpenFile(const std::string& path) override {
            log_ << "open:" + QString::fromLatin1(path);
            return opens_;
        }
        void Print() override { log_ << "print"; }
        void Show() override { log_ << "show"; }
        void BringToFront() override { log_ << "front"; }
        void Close() override { log_ << "close"; }
        QStringList& log_;
        bool opens_;
    };

    explicit Harness(Load load = Load::Works) {
        environment.messages = &messages;
        environment.loadWindow = [this, load]() -> std::unique_ptr<MainWindow> {
            if (load == Load::Throws) throw std::runtime_error("no window");
            if (load == Load::ThrowsBadAlloc) throw std::bad_alloc();
            log << "load";
            return std::make_unique<FakeWindow>(log, load != Load::OpenFails);
        };
        environment.runEventLoop = [this] {
            log << "loop";
            return 0;
        };
        environment.registerFileType = [this] { log << "register"; };
        environment.unregisterFileType = [this] { log << "unregister"; };
        environment.instanceName = socketDir.filePath(QStringLiteral("instance"));
    }
    int Run(const std::string& line) { return Main(line, environment); }
    QString Log() const { return log.join('|'); }

    QTemporaryDir socketDir;
    QStringList log;
    RecordedMessages messages;
    ShellEnvironment environment;
};

struct LineCase {
    std::string line;
    Load load;
    const char* log;
    int exit;
    const char* message;  // a phrase of the one message shown, or nullptr
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << '"' << c.line << '"';
}

class CommandLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(CommandLineTest, IsCarriedOut) {
    const LineCase& c = GetParam();
    Harness harness(c.load);
    EXPECT_EQ(harness.Run(c.line), c.exit);
    EXPECT_EQ(harness.Log().toLatin1().toStdString(), c.log);
    ASSERT_EQ(harness.messages.shown.size(), c.message ? 1u : 0u);
    EXPECT_TRUE(!c.message || harness.messages.shown[0].text.contains(c.message));
}

constexpr const char* kStart = "load|show|loop";
constexpr Load kWorks = Load::Works;

INSTANTIATE_TEST_SUITE_P(
    Lines, CommandLineTest,
    testing::Values(
        LineCase{"", kWorks, kStart, 0, nullptr}, LineCase{"/reg", kWorks, "register", 0, nullptr},
        // "/reg" is shorter than six characters: only the exact line registers.
        LineCase{"/reg ", kWorks, kStart, 0, nullptr}, LineCase{"/REG", kWorks, kStart, 0, nullptr},
        LineCase{"/unreg C:\\x.vtl", kWorks, "unregister", 0, nullptr},
        LineCase{"/unre", kWorks, kStart, 0, nullptr},
        LineCase{"/open", kWorks, kStart, 0, nullptr},
        LineCase{"/openx.vtl", kWorks, kStart, 0, nullptr},
        LineCase{"frame.vtl", kWorks, kStart, 0, nullptr},
        // Everything after "/open " is the name, blanks and quotes included.
        LineCase{"/open ", kWorks, "load|open:|show|loop", 0, nullptr},
        LineCase{"/open /my jobs/f 1.vtl", kWorks, "load|open:/my jobs/f 1.vtl|show|loop", 0,
                 nullptr},
        LineCase{"/open  \"x.vtl\"", kWorks, "load|open: \"x.vtl\"|show|loop", 0, nullptr},
        LineCase{"/open /jobs/\xFF.vtl", kWorks, "load|open:/jobs/\xFF.vtl|show|loop", 0, nullptr},
        LineCase{"/open /jobs/a.vtl", Load::OpenFails, "load|open:/jobs/a.vtl", 1, nullptr},
        // "/print" and one more character, whatever it is, before the name.
        LineCase{"/print /b 2.vtl", kWorks, "load|open:/b 2.vtl|print|close", 0, nullptr},
        LineCase{"/print\xC3\xA9/a.vtl", kWorks, "load|open:/a.vtl|print|close", 0, nullptr},
        LineCase{"/print ", kWorks, "load|open:|print|close", 0, nullptr},
        LineCase{"/print /a.vtl", Load::OpenFails, "load|open:/a.vtl|close", 1, nullptr},
        LineCase{"/print", kWorks, "", 1, "Invalid command \"/print\""},
        // A window that cannot load names the command line, or else the error.
        LineCase{"/open /a.vtl", Load::Throws, "", 1, "Invalid command \"/open /a.vtl\""},
        LineCase{"", Load::Throws, "", 1, "Unexpected Error 51"},
        LineCase{"", Load::ThrowsBadAlloc, "", 1, "Unexpected Error 7"}));

TEST(JoinArgumentsTest, JoinsWithSingleBlanksAndKeepsEachArgumentWhole) {
    EXPECT_EQ(JoinArguments({}), "");
    EXPECT_EQ(JoinArguments({"/open", "/a  b/c.vtl"}), "/open /a  b/c.vtl");
    EXPECT_EQ(JoinArguments({"/print", ""}), "/print ");
}

// With a copy running, an interactive start tells the user, raises that copy
// and ends without opening anything; printing goes on as usual.
TEST(SingleInstanceStartTest, SecondInteractiveStartHandsOver) {
    for (const std::string line : {"", "/open /jobs/a.vtl", "/print /jobs/a.vtl"}) {
        Harness harness;
        SingleInstance first(harness.environment.instanceName);
        RecordedMessages firstMessages;
        ASSERT_FALSE(first.CheckPrevInstance(firstMessages));
        int raised = 0;
        QObject::connect(&first, &SingleInstance::RaiseRequested, [&raised] { ++raised; });
        EXPECT_EQ(harness.Run(line), 0);
        const bool prints = line.starts_with("/print");
        EXPECT_EQ(harness.Log(), prints ? "load|open:/jobs/a.vtl|print|close" : "") << line;
        ASSERT_EQ(harness.messages.shown.size(), prints ? 0u : 1u);
        EXPECT_TRUE(prints || harness.messages.shown[0].text.contains("already running"));
        EXPECT_TRUE(ProcessEventsUntil([&] { return raised == (prints ? 0 : 1); }));
    }
}

TEST(SingleInstanceStartTest, RunningCopyComesToTheFrontWhenAsked) {
    Harness harness;
    harness.environment.runEventLoop = [&harness] {
        harness.log << "loop";
        EXPECT_TRUE(SendRaiseRequest(harness.environment.instanceName));
        ProcessEventsUntil([&harness] { return harness.log.back() == "front"; });
        return 0;
    };
    EXPECT_EQ(harness.Run(""), 0);
    EXPECT_EQ(harness.Log(), "load|show|loop|front");
}

}  // namespace
}  // namespace vantrel::shell
