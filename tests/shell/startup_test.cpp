#include "shell/startup.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTemporaryDir>

#include <stdexcept>
#include <string>
#include <vector>

#include "shell/single_instance.h"

namespace vantrel::shell {
namespace {

using Log = std::vector<std::string>;

class FakeWindow final : public MainWindow {
  public:
    FakeWindow(Log& log, bool openSucceeds) : log_(log), openSucceeds_(openSucceeds) {}
    bool OpenFile(const std::string& path) override {
        log_.push_back("open:" + path);
        return openSucceeds_;
    }
    void Print() override { log_.push_back("print"); }
    void Show() override { log_.push_back("show"); }
    void BringToFront() override { log_.push_back("front"); }
    void Close() override { log_.push_back("close"); }

  private:
    Log& log_;
    bool openSucceeds_;
};

class RecordedMessages final : public ShellMessages {
  public:
    void Show(const ShellMessage& message) override { shown.push_back(message); }
    std::vector<ShellMessage> shown;
};

enum class Load { Works, OpenFails, Throws, ThrowsBadAlloc };

// Runs Main with a fake window and records what it did, in order.
struct Harness {
    explicit Harness(Load load = Load::Works) {
        environment.messages = &messages;
        environment.loadWindow = [this, load]() -> std::unique_ptr<MainWindow> {
            if (load == Load::Throws) throw std::runtime_error("no window");
            if (load == Load::ThrowsBadAlloc) throw std::bad_alloc();
            log.push_back("load");
            return std::make_unique<FakeWindow>(log, load != Load::OpenFails);
        };
        environment.runEventLoop = [this] {
            log.push_back("loop");
            return 0;
        };
        environment.registerFileType = [this] { log.push_back("register"); };
        environment.unregisterFileType = [this] { log.push_back("unregister"); };
        environment.instanceName = socketDir.filePath(QStringLiteral("instance"));
    }
    int Run(const std::string& line) { return Main(line, environment); }

    QTemporaryDir socketDir;
    Log log;
    RecordedMessages messages;
    ShellEnvironment environment;
};

struct MainCase {
    std::string line;
    Load load;
    Log expectedLog;
    int expectedExit;
};

class MainTest : public testing::TestWithParam<MainCase> {};

TEST_P(MainTest, CarriesOutTheCommandLine) {
    const MainCase& c = GetParam();
    Harness harness(c.load);
    EXPECT_EQ(harness.Run(c.line), c.expectedExit);
    EXPECT_EQ(harness.log, c.expectedLog);
    EXPECT_TRUE(harness.messages.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Actions, MainTest,
    testing::Values(
        MainCase{"/reg", Load::Works, {"register"}, 0},
        MainCase{"/unregister", Load::Works, {"unregister"}, 0},
        MainCase{"", Load::Works, {"load", "show", "loop"}, 0},
        MainCase{
            "/open /jobs/a b.vtl", Load::Works, {"load", "open:/jobs/a b.vtl", "show", "loop"}, 0},
        MainCase{"/open ", Load::Works, {"load", "open:", "show", "loop"}, 0},
        // A name that is not UTF-8 reaches the window byte for byte.
        MainCase{"/open /jobs/\xFF.vtl",
                 Load::Works,
                 {"load", "open:/jobs/\xFF.vtl", "show", "loop"},
                 0},
        MainCase{"/open /jobs/a.vtl", Load::OpenFails, {"load", "open:/jobs/a.vtl"}, 1},
        MainCase{"/print /jobs/a b.vtl",
                 Load::Works,
                 {"load", "open:/jobs/a b.vtl", "print", "close"},
                 0},
        MainCase{"/print /jobs/a.vtl", Load::OpenFails, {"load", "open:/jobs/a.vtl", "close"}, 1}));

// A refused line, or a window that cannot load, ends with one message and
// nothing loaded.
struct FailureCase {
    std::string line;
    Load load;
    ShellMessage message;
};

class MainFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(MainFailureTest, EndsWithOneMessage) {
    const FailureCase& c = GetParam();
    Harness harness(c.load);
    EXPECT_EQ(harness.Run(c.line), 1);
    EXPECT_TRUE(harness.log.empty());
    ASSERT_EQ(harness.messages.shown.size(), 1u);
    EXPECT_EQ(harness.messages.shown[0], c.message);
}

ShellMessage InvalidCommand(const char* line) {
    return {MessageIcon::Exclamation, QStringLiteral("Error"),
            QStringLiteral("Unable to load, Invalid command \"%1\".").arg(QString::fromUtf8(line))};
}

ShellMessage UnexpectedError(int number) {
    return {MessageIcon::Critical, QStringLiteral("Error"),
            QStringLiteral("Unable to load, Unexpected Error ") + QString::number(number)};
}

INSTANTIATE_TEST_SUITE_P(
    Failures, MainFailureTest,
    testing::Values(FailureCase{"/print", Load::Works, InvalidCommand("/print")},
                    // With a command line, an unexpected failure names it.
                    FailureCase{"/open /jobs/a.vtl", Load::Throws,
                                InvalidCommand("/open /jobs/a.vtl")},
                    FailureCase{"", Load::Throws, UnexpectedError(kStartupInternalError)},
                    FailureCase{"", Load::ThrowsBadAlloc, UnexpectedError(kStartupOutOfMemory)}));

// Processes events until `done` holds; the deadline only bounds a failing run.
template <typename Predicate>
bool ProcessEventsUntil(Predicate done) {
    const QDeadlineTimer deadline(10000);
    while (!done() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return done();
}

TEST(MainInstanceTest, SecondInteractiveStartHandsOverAndEnds) {
    for (const std::string line : {"", "/open /jobs/a.vtl"}) {
        Harness harness;
        SingleInstance first(harness.environment.instanceName);
        RecordedMessages firstMessages;
        ASSERT_FALSE(first.CheckPrevInstance(firstMessages));
        int raised = 0;
        QObject::connect(&first, &SingleInstance::RaiseRequested, [&raised] { ++raised; });

        EXPECT_EQ(harness.Run(line), 0);
        EXPECT_TRUE(harness.log.empty()) << "the file must not be opened, nor a window loaded";
        ASSERT_EQ(harness.messages.shown.size(), 1u);
        EXPECT_EQ(harness.messages.shown[0],
                  (ShellMessage{MessageIcon::Information, QStringLiteral("Vantrel"),
                                QStringLiteral("The Vantrel Application is already running.")}));
        EXPECT_TRUE(ProcessEventsUntil([&raised] { return raised == 1; }));
    }
}

TEST(MainInstanceTest, PrintingWorksWhileAnotherCopyRuns) {
    Harness harness;
    SingleInstance first(harness.environment.instanceName);
    RecordedMessages firstMessages;
    ASSERT_FALSE(first.CheckPrevInstance(firstMessages));
    EXPECT_EQ(harness.Run("/print /jobs/a.vtl"), 0);
    EXPECT_EQ(harness.log, (Log{"load", "open:/jobs/a.vtl", "print", "close"}));
    EXPECT_TRUE(harness.messages.shown.empty());
}

TEST(MainInstanceTest, RunningCopyComesToTheFrontWhenAsked) {
    Harness harness;
    harness.environment.runEventLoop = [&harness] {
        harness.log.push_back("loop");
        EXPECT_TRUE(SendRaiseRequest(harness.environment.instanceName));
        ProcessEventsUntil([&harness] { return harness.log.back() == "front"; });
        return 0;
    };
    EXPECT_EQ(harness.Run(""), 0);
    EXPECT_EQ(harness.log, (Log{"load", "show", "loop", "front"}));
}

}  // namespace
}  // namespace vantrel::shell
