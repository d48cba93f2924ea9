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

// Runs Main with a fake window and logs what it did: "load|open:PATH|print|close".
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
        environment.runEventLoop = [this] { return log << "loop", 0; };
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

// Everything after "/open " (or "/print" and one more character) is the
// name, blanks, quotes and bytes included; only "/reg" exactly registers.
TEST(CommandLineTest, EachLineIsCarriedOut) {
    constexpr const char* kStart = "load|show|loop";
    constexpr Load kWorks = Load::Works;
    const struct {
        std::string line;
        Load load;
        const char* log;
        int exit;
        const char* message = nullptr;  // a phrase of the one message shown
    } cases[] = {
        {"", kWorks, kStart, 0},
        {"/reg", kWorks, "register", 0},
        {"/reg ", kWorks, kStart, 0},
        {"/unreg C:\\x.vtl", kWorks, "unregister", 0},
        {"/openx.vtl", kWorks, kStart, 0},
        {"/open", kWorks, kStart, 0},
        {"/open ", kWorks, "load|open:|show|loop", 0},
        {"/open  \"a b\xFF.vtl\"", kWorks, "load|open: \"a b\xFF.vtl\"|show|loop", 0, nullptr},
        {"/open /a.vtl", Load::OpenFails, "load|open:/a.vtl", 1},
        {"/print /b 2.vtl", kWorks, "load|open:/b 2.vtl|print|close", 0},
        {"/print\xC3\xA9/a.vtl", kWorks, "load|open:/a.vtl|print|close", 0},
        {"/print /a.vtl", Load::OpenFails, "load|open:/a.vtl|close", 1},
        {"/print", kWorks, "", 1, "Invalid command \"/print\""},
        // A window that cannot load names the command line, or else the error.
        {"/open /a.vtl", Load::Throws, "", 1, "Invalid command \"/open /a.vtl\""},
        {"", Load::Throws, "", 1, "Unexpected Error 51"},
        {"", Load::ThrowsBadAlloc, "", 1, "Unexpected Error 7"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        Harness harness(c.load);
        EXPECT_EQ(harness.Run(c.line), c.exit);
        EXPECT_EQ(harness.Log().toLatin1().toStdString(), c.log);
        ASSERT_EQ(harness.messages.shown.size(), c.message ? 1u : 0u);
        EXPECT_TRUE(!c.message || harness.messages.shown[0].text.contains(c.message));
    }
}

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
        ASSERT_FALSE(first.CheckPrevInstance(harness.messages));
        int raised = 0;
        QObject::connect(&first, &SingleInstance::RaiseRequested, [&raised] { ++raised; });
        EXPECT_EQ(harness.Run(line), 0);
        const bool prints = line.starts_with("/print");
        EXPECT_EQ(harness.Log(), prints ? "load|open:/jobs/a.vtl|print|close" : "") << line;
        const auto& shown = harness.messages.shown;
        EXPECT_TRUE(prints ? shown.empty()
                           : shown.size() == 1 && shown[0].text.contains("already running"));
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

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
