// "/reg" and "/unreg" against a private XDG_DATA_HOME.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <map>
#include <string>

#include "shell/file_association.h"
#include "shell/standard_environment.h"
#include "shell/xdg_association.h"

namespace vantrel::shell {
namespace {

using Tree = std::map<QString, QByteArray>;

class NoMessages final : public ShellMessages {
  public:
    void Show(const ShellMessage& message) override {
        ADD_FAILURE() << "unexpected message: " << message.text.toStdString();
    }
};

class AssociationTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dataHome_.isValid());
        savedDataHome_ = qgetenv("XDG_DATA_HOME");
        hadDataHome_ = qEnvironmentVariableIsSet("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", dataHome_.path().toLocal8Bit());
    }
    void TearDown() override {
        if (hadDataHome_) {
            qputenv("XDG_DATA_HOME", savedDataHome_);
        } else {
            qunsetenv("XDG_DATA_HOME");
        }
    }

    int RunMain(const std::string& line) {
        ShellEnvironment environment =
            StandardEnvironment(messages_, []() -> std::unique_ptr<MainWindow> {
                ADD_FAILURE() << "no window may be loaded";
                throw std::logic_error("window loaded");
            });
        return Main(line, environment);
    }

    QString Path(const QString& relative) const { return dataHome_.filePath(relative); }

    QString Read(const QString& relative) const {
        QFile file(Path(relative));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    void Write(const QString& relative, const QByteArray& content) const {
        QDir().mkpath(QFileInfo(Path(relative)).absolutePath());
        QFile file(Path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    Tree Snapshot() const {
        Tree tree;
        QDirIterator it(dataHome_.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            if (file.open(QIODevice::ReadOnly)) {
                tree[QDir(dataHome_.path()).relativeFilePath(file.fileName())] = file.readAll();
            }
        }
        return tree;
    }

    static bool Installed(const char* tool) {
        return !QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty();
    }

    QTemporaryDir dataHome_;
    NoMessages messages_;

  private:
    QByteArray savedDataHome_;
    bool hadDataHome_ = false;
};

const QString kMimePackage = QStringLiteral("mime/packages/vantrel.xml");
const QString kDesktopEntry = QStringLiteral("applications/vantrel.desktop");
const QStringList kIcons = {
    QStringLiteral("icons/hicolor/scalable/apps/vantrel.svg"),
    QStringLiteral("icons/hicolor/scalable/mimetypes/application-x-vantrel.svg")};

TEST_F(AssociationTest, RegisterWritesTheAssociationAndRepeatsItExactly) {
    EXPECT_EQ(RunMain("/reg"), 0);
    const QString mime = Read(kMimePackage);
    EXPECT_TRUE(mime.contains(QStringLiteral("<mime-type type=\"application/x-vantrel\">")))
        << mime.toStdString();
    EXPECT_TRUE(mime.contains(QStringLiteral("<glob pattern=\"*.vtl\"/>")));

    const QString program = ExecArgument(QCoreApplication::applicationFilePath());
    const QStringList entry = Read(kDesktopEntry).split(QLatin1Char('\n'));
    for (const QString& line : {QStringLiteral("Exec=") + program + QStringLiteral(" /open %f"),
                                QStringLiteral("Exec=") + program + QStringLiteral(" /print %f"),
                                QStringLiteral("MimeType=application/x-vantrel;")})
        EXPECT_TRUE(entry.contains(line)) << line.toStdString();
    for (const QString& icon : kIcons) {
        EXPECT_TRUE(Read(icon).contains(QStringLiteral("<svg"))) << icon.toStdString();
    }
    if (Installed("update-mime-database")) {
        EXPECT_TRUE(QFile::exists(Path(QStringLiteral("mime/application/x-vantrel.xml"))));
    }
    if (Installed("update-desktop-database")) {
        EXPECT_TRUE(Read(QStringLiteral("applications/mimeinfo.cache"))
                        .contains(QStringLiteral("application/x-vantrel=vantrel.desktop")));
    }
    const Tree once = Snapshot();
    EXPECT_EQ(RunMain("/reg"), 0);
    EXPECT_EQ(Snapshot(), once);
}

TEST_F(AssociationTest, DesktopEntryIsValid) {
    if (!Installed("desktop-file-validate")) GTEST_SKIP() << "desktop-file-validate not installed";
    // Also a program path that needs quoting and escaping.
    for (const QString& program : {QCoreApplication::applicationFilePath(),
                                   QStringLiteral("/opt/Vantrel Apps/bin/van$trel")}) {
        RegisterFileType(QString::fromLatin1(kFileClassName), QString::fromLatin1(kFileExtension),
                         QString::fromLatin1(kFileDescription), program);
        QProcess validate;
        validate.setProcessChannelMode(QProcess::MergedChannels);
        validate.start(QStringLiteral("desktop-file-validate"), {Path(kDesktopEntry)});
        ASSERT_TRUE(validate.waitForFinished(60000));
        EXPECT_EQ(validate.exitCode(), 0) << validate.readAll().toStdString();
        EXPECT_EQ(validate.readAll().toStdString(), "");
    }
}

TEST_F(AssociationTest, UnregisterRemovesEverythingRegisterWroteAndNothingElse) {
    // Another program's association in the same folders.
    Write(QStringLiteral("applications/other.desktop"),
          "[Desktop Entry]\nType=Application\nName=Other\nExec=other %f\n"
          "MimeType=application/x-other;\n");
    Write(QStringLiteral("mime/packages/other.xml"),
          "<?xml version=\"1.0\"?>\n"
          "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
          "  <mime-type type=\"application/x-other\"><glob pattern=\"*.oth\"/></mime-type>\n"
          "</mime-info>\n");
    Write(QStringLiteral("icons/hicolor/scalable/apps/other.svg"), "<svg/>");
    const Tree before = Snapshot();

    EXPECT_EQ(RunMain("/reg"), 0);
    EXPECT_EQ(RunMain("/unreg"), 0);

    const Tree after = Snapshot();
    for (const auto& [path, content] : before) {
        ASSERT_TRUE(after.count(path)) << path.toStdString();
        EXPECT_EQ(after.at(path), content) << path.toStdString();
    }
    // Nothing left names the program: neither our files nor the refreshed databases.
    for (const auto& [path, content] : after) {
        EXPECT_FALSE(path.contains(QStringLiteral("vantrel"), Qt::CaseInsensitive))
            << path.toStdString();
        EXPECT_FALSE(content.toLower().contains("vantrel")) << path.toStdString();
    }
    if (Installed("update-mime-database")) {
        EXPECT_TRUE(QFile::exists(Path(QStringLiteral("mime/application/x-other.xml"))));
    }
}

TEST_F(AssociationTest, UnregisterWithoutRegistrationChangesNothingWeDidNotWrite) {
    Write(QStringLiteral("applications/other.desktop"), "[Desktop Entry]\n");
    EXPECT_EQ(RunMain("/unregister"), 0);
    EXPECT_EQ(Read(QStringLiteral("applications/other.desktop")),
              QStringLiteral("[Desktop Entry]\n"));
}

}  // namespace
}  // namespace vantrel::shell
