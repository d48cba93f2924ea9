// The freedesktop association: where it goes, how it names the program, and
// what "/reg" and "/unreg" do below a private XDG_DATA_HOME.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QMimeDatabase>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <map>

#include "shell/file_association.h"
#include "shell/standard_environment.h"
#include "shell/xdg_association.h"
#include "shell_test.h"

namespace vantrel::shell {
namespace {

// An explicit XDG_DATA_HOME wins, for root too; a relative one is ignored.
TEST(XdgAssociationTest, DataHomeFollowsTheEnvironment) {
    EXPECT_EQ(AssociationDataHome({}, "/home/ann", false), "/home/ann/.local/share");
    EXPECT_EQ(AssociationDataHome({}, "/root", true), "/usr/local/share");
    EXPECT_EQ(AssociationDataHome("/tmp/d", "/root", true), "/tmp/d");
    EXPECT_EQ(AssociationDataHome("share", "/root", true), "/usr/local/share");
}

TEST(XdgAssociationTest, ExecArgumentQuotesAndEscapes) {
    const std::pair<const char*, const char*> cases[] = {
        {"/usr/bin/vantrel", "/usr/bin/vantrel"},
        {"/opt/Vantrel Apps/v", "\"/opt/Vantrel Apps/v\""},
        {"/opt/a$b/v", "\"/opt/a\\\\$b/v\""},
        {"/opt/back\\slash", "\"/opt/back\\\\\\\\slash\""},
        {"/opt/100%/v", "/opt/100%%/v"}};
    for (const auto& [argument, expected] : cases)
        EXPECT_EQ(ExecArgument(QString::fromUtf8(argument)).toStdString(), expected) << argument;
    const XdgAssociation names{QStringLiteral("v"), QStringLiteral("application/x-v"),
                               QStringLiteral("*.v")};
    EXPECT_TRUE(MimePackageText(names, QStringLiteral("Beams & <Columns>"))
                    .contains(QStringLiteral("<comment>Beams &amp; &lt;Columns&gt;</comment>")));
}

// The installation's own files say what "/reg" writes, the program on the PATH.
TEST(XdgAssociationTest, PackagedFilesMatchWhatRegisteringWrites) {
    const auto read = [](const char* name) {
        QFile file(QStringLiteral(VANTREL_SOURCE_DIR "/packaging/") + QLatin1String(name));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    const XdgAssociation names =
        XdgAssociationFor(QStringLiteral("Vantrel"), QStringLiteral(".vtl"));
    EXPECT_EQ(read("vantrel.desktop"),
              DesktopEntryText(names, QStringLiteral("Vantrel"), QStringLiteral("vantrel")));
    EXPECT_EQ(read("vantrel.xml"), MimePackageText(names, QString::fromLatin1(kMimeComment)));
}

class AssociationTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dataHome_.isValid());
        saved_ = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", dataHome_.path().toLocal8Bit());
    }
    void TearDown() override {
        saved_.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", saved_);
        EXPECT_TRUE(messages_.shown.empty());
    }
    int RunMain(const std::string& line) {
        ShellEnvironment environment = StandardEnvironment(messages_, nullptr);
        return Main(line, environment);
    }
    QString Read(const QString& relative) const { return Snapshot()[relative]; }
    void Write(const QString& relative, const QByteArray& content) const {
        QDir().mkpath(QFileInfo(dataHome_.filePath(relative)).absolutePath());
        QFile file(dataHome_.filePath(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    }
    // Every file below the data home and its content.
    std::map<QString, QString> Snapshot() const {
        std::map<QString, QString> tree;
        QDirIterator it(dataHome_.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            if (file.open(QIODevice::ReadOnly))
                tree[QDir(dataHome_.path()).relativeFilePath(file.fileName())] = file.readAll();
        }
        return tree;
    }

    QTemporaryDir dataHome_;
    RecordedMessages messages_;
    QByteArray saved_;
};

TEST_F(AssociationTest, RegisterWritesTheAssociationAndRepeatsItExactly) {
    EXPECT_EQ(RunMain("/reg"), 0);
    EXPECT_TRUE(Read("mime/packages/vantrel.xml").contains("<glob pattern=\"*.vtl\"/>"));
    const QString exec = "Exec=" + ExecArgument(QCoreApplication::applicationFilePath());
    const QStringList entry = Read("applications/vantrel.desktop").split('\n');
    EXPECT_TRUE(entry.contains(exec + " %F") && entry.contains(exec + " /print %f"));
    for (const char* icon : {"icons/hicolor/scalable/apps/vantrel.svg",
                             "icons/hicolor/scalable/mimetypes/application-x-vantrel.svg"})
        EXPECT_TRUE(Read(icon).contains("<svg")) << icon;
    EXPECT_TRUE(QStandardPaths::findExecutable("update-desktop-database").isEmpty() ||
                Read("applications/mimeinfo.cache").contains("x-vantrel=vantrel.desktop"));
    // The header tells a renamed project file, and only it.
    if (!QStandardPaths::findExecutable("update-mime-database").isEmpty()) {
        QTemporaryDir files;
        const QString renamed = files.filePath("design.dat"), other = files.filePath("x.dat");
        ASSERT_TRUE(QFile::copy(VANTREL_SOURCE_DIR "/examples/worked-example.vtl", renamed));
        ASSERT_TRUE(QFile::copy(VANTREL_SOURCE_DIR "/packaging/vantrel.xml", other));
        const QMimeDatabase types;
        EXPECT_EQ(types.mimeTypeForFile(renamed).name(), "application/x-vantrel");
        EXPECT_NE(types.mimeTypeForFile(other).name(), "application/x-vantrel");
        EXPECT_EQ(types.mimeTypeForName("application/x-vantrel").comment(), "Vantrel design");
    }
    const auto once = Snapshot();
    EXPECT_EQ(RunMain("/reg"), 0);
    EXPECT_EQ(Snapshot(), once);
}

TEST_F(AssociationTest, UnregisterRemovesWhatRegisterWroteAndNothingElse) {
    Write("applications/other.desktop",
          "[Desktop Entry]\nType=Application\nName=Other\n"
          "Exec=other %f\nMimeType=application/x-other;\n");
    Write("mime/packages/other.xml",
          "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\"><mime-type "
          "type=\"application/x-other\"><glob pattern=\"*.oth\"/></mime-type></mime-info>");
    const auto before = Snapshot();
    EXPECT_EQ(RunMain("/unregister"), 0);  // nothing registered yet
    EXPECT_EQ(RunMain("/reg"), 0);
    EXPECT_EQ(RunMain("/unreg"), 0);
    const auto after = Snapshot();
    for (const auto& [path, content] : before)
        EXPECT_EQ(after.at(path), content) << path.toStdString();
    // Nothing left names the program: neither our files nor the refreshed databases.
    for (const auto& [path, content] : after)
        EXPECT_FALSE((path + content).contains("vantrel", Qt::CaseInsensitive))
            << path.toStdString();
}

}  // namespace
}  // namespace vantrel::shell
