// The command line carried out: what each line loads, opens, prints,
// registers or refuses, and the hand-over to a copy already running.
#include "shell/startup.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
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
        void OpenHandedOver(const std::string& path) override {
            log_ << "handed:" + QString::fromLatin1(path);
        }
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
    int Run(const std::vector<std::string>& arguments) { return Main(arguments, environment); }
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

// A file manager's arguments open their first file; a key or an option
// keeps the command line's meaning.
TEST(JoinArgumentsTest, FilesAsArgumentsOpenTheFirst) {
    using Kind = StartupKind;
    const std::pair<std::vector<std::string>, StartupAction> cases[] = {
        {{}, {Kind::Normal, ""}},
        {{"a b.vtl"}, {Kind::Open, "a b.vtl"}},
        {{"/jobs/a.vtl", "b.vtl"}, {Kind::Open, "/jobs/a.vtl", {"b.vtl"}}},
        {{"/open", "/a b.vtl"}, {Kind::Open, "/a b.vtl"}},
        {{"/openx.vtl"}, {Kind::Normal, ""}},
        {{"/reg", ""}, {Kind::Normal, ""}},
        {{"/unreg", "x"}, {Kind::Unregister, ""}},
        {{"/print"}, {Kind::InvalidCommand, ""}},
        {{"-x.vtl"}, {Kind::Normal, ""}}};
    for (const auto& [arguments, action] : cases)
        EXPECT_EQ(DispatchArguments(arguments), action) << JoinArguments(arguments);
}

// With a copy running, an interactive start hands over its file, resolved
// against its own folder, or asks for the front, and ends without a box or
// a window of its own; printing goes on as usual.
TEST(SingleInstanceStartTest, SecondInteractiveStartHandsOver) {
    const std::string here = QDir::currentPath().toStdString();
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{}, "raise"},
        {{"/open", ""}, "raise"},
        {{"jobs/a b.vtl"}, "open:" + here + "/jobs/a b.vtl"},
        {{"/open", "/jobs/a.vtl"}, "open:/jobs/a.vtl"},
        {{"/print", "/jobs/a.vtl"}, ""}};
    for (const auto& [arguments, handed] : cases) {
        SCOPED_TRACE(JoinArguments(arguments));
        Harness harness;
        SingleInstance first(harness.environment.instanceName);
        ASSERT_FALSE(first.CheckPrevInstance(harness.messages));
        QStringList received;
        QObject::connect(&first, &SingleInstance::RaiseRequested, [&] { received << "raise"; });
        QObject::connect(&first, &SingleInstance::OpenRequested,
                         [&](const QByteArray& path) { received << "open:" + path; });
        EXPECT_EQ(harness.Run(arguments), 0);
        EXPECT_EQ(harness.Log(), handed.empty() ? "load|open:/jobs/a.vtl|print|close" : "");
        EXPECT_TRUE(harness.messages.shown.empty());
        if (!handed.empty()) {
            EXPECT_TRUE(ProcessEventsUntil([&] { return !received.isEmpty(); }));
        }
        ProcessEventsUntil([] { return false; }, handed.empty() ? 300 : 0);
        EXPECT_EQ(received.join('|').toStdString(), handed);
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

// Two real processes: a second "vantrel FILE" started in the file's folder
// hands the file to the running window and ends at once; the running window
// opens it, which its Recent Files list (read from its settings) shows.
TEST(SingleInstanceStartTest, SecondProcessHandsItsFileToTheRunningWindow) {
    QTemporaryDir dir;
    const QString design = dir.filePath("worked example.vtl");
    ASSERT_TRUE(QFile::copy(VANTREL_SOURCE_DIR "/examples/worked-example.vtl", design));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("VANTREL_INSTANCE_NAME", dir.filePath("instance"));
    environment.insert("XDG_CONFIG_HOME", dir.filePath("config"));
    QProcess first, second;
    for (QProcess* process : {&first, &second}) {
        process->setProcessEnvironment(environment);
        process->setWorkingDirectory(dir.path());
        process->setProcessChannelMode(QProcess::ForwardedChannels);
    }
    first.start(VANTREL_PROGRAM, {});
    ASSERT_TRUE(ProcessEventsUntil([&] { return QFileInfo::exists(dir.filePath("instance")); }));
    second.start(VANTREL_PROGRAM, {"worked example.vtl"});
    ASSERT_TRUE(second.waitForFinished(30000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    // Read as bytes: this process's QSettings would keep a cached copy.
    const auto settings = [&dir] {
        QFile file(dir.filePath("config/vantrel/vantrel.conf"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    EXPECT_TRUE(ProcessEventsUntil([&] { return settings().contains(QFile::encodeName(design)); }))
        << settings().toStdString();
    EXPECT_EQ(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished();
}

}  // namespace
}  // namespace vantrel::shell

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
