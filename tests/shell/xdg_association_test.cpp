#include "shell/xdg_association.h"

#include <gtest/gtest.h>

#include <QFile>

#include <string>

namespace vantrel::shell {
namespace {

struct DataHomeCase {
    const char* xdgDataHome;
    const char* home;
    bool isRoot;
    const char* expected;
};

class DataHomeTest : public testing::TestWithParam<DataHomeCase> {};

TEST_P(DataHomeTest, ChoosesWhereTheAssociationGoes) {
    const DataHomeCase& c = GetParam();
    EXPECT_EQ(
        AssociationDataHome(QString::fromUtf8(c.xdgDataHome), QString::fromUtf8(c.home), c.isRoot)
            .toStdString(),
        c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, DataHomeTest,
    testing::Values(DataHomeCase{"", "/home/ann", false, "/home/ann/.local/share"},
                    DataHomeCase{"", "/root", true, "/usr/local/share"},
                    // An explicit XDG_DATA_HOME wins, for root too.
                    DataHomeCase{"/tmp/d", "/home/ann", false, "/tmp/d"},
                    DataHomeCase{"/tmp/d", "/root", true, "/tmp/d"},
                    // A relative one is invalid and ignored.
                    DataHomeCase{"share", "/home/ann", false, "/home/ann/.local/share"},
                    DataHomeCase{"share", "/root", true, "/usr/local/share"}));

struct ExecCase {
    const char* argument;
    const char* expected;  // as it stands in the desktop entry
};

class ExecArgumentTest : public testing::TestWithParam<ExecCase> {};

TEST_P(ExecArgumentTest, QuotesAndEscapes) {
    EXPECT_EQ(ExecArgument(QString::fromUtf8(GetParam().argument)).toStdString(),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ExecArgumentTest,
    testing::Values(ExecCase{"/usr/bin/vantrel", "/usr/bin/vantrel"},
                    ExecCase{"/opt/Vantrel Apps/vantrel", "\"/opt/Vantrel Apps/vantrel\""},
                    ExecCase{"/opt/a$b/vantrel", "\"/opt/a\\\\$b/vantrel\""},
                    ExecCase{"/opt/say\"hi\"/v", "\"/opt/say\\\\\"hi\\\\\"/v\""},
                    ExecCase{"/opt/back\\slash", "\"/opt/back\\\\\\\\slash\""},
                    ExecCase{"/opt/100%/v", "/opt/100%%/v"},
                    ExecCase{"/opt/it's/v", "\"/opt/it's/v\""},
                    ExecCase{"/opt/new\nline", "\"/opt/new\\nline\""},
                    ExecCase{"/opt/caf\xC3\xA9/v", "/opt/caf\xC3\xA9/v"}));

TEST(XdgAssociationTest, NamesFollowTheClassAndExtension) {
    const XdgAssociation names =
        XdgAssociationFor(QStringLiteral("Vantrel"), QStringLiteral(".VTL"));
    EXPECT_EQ(names.id, QStringLiteral("vantrel"));
    EXPECT_EQ(names.mimeType, QStringLiteral("application/x-vantrel"));
    EXPECT_EQ(names.glob, QStringLiteral("*.vtl"));
    EXPECT_EQ(IconPaths(names),
              (QStringList{
                  QStringLiteral("icons/hicolor/scalable/apps/vantrel.svg"),
                  QStringLiteral("icons/hicolor/scalable/mimetypes/application-x-vantrel.svg")}));
}

TEST(XdgAssociationTest, MimePackageEscapesItsTexts) {
    const XdgAssociation names{QStringLiteral("v"), QStringLiteral("application/x-v"),
                               QStringLiteral("*.v")};
    const QString text = MimePackageText(names, QStringLiteral("Beams & <Columns>"));
    EXPECT_TRUE(text.contains(QStringLiteral("<comment>Beams &amp; &lt;Columns&gt;</comment>")))
        << text.toStdString();
}

// The installation ships the association as files of its own: they must say
// what "/reg" writes, with the program found on the PATH.
TEST(XdgAssociationTest, PackagedFilesMatchWhatRegisteringWrites) {
    const auto read = [](const char* name) {
        QFile file(QStringLiteral(VANTREL_SOURCE_DIR "/packaging/") + QLatin1String(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        return file.readAll().toStdString();
    };
    const XdgAssociation names =
        XdgAssociationFor(QStringLiteral("Vantrel"), QStringLiteral(".vtl"));
    EXPECT_EQ(read("vantrel.desktop"),
              DesktopEntryText(names, QStringLiteral("Vantrel"), QStringLiteral("vantrel"))
                  .toStdString());
    EXPECT_EQ(read("vantrel.xml"),
              MimePackageText(names, QStringLiteral("Vantrel Calculator Files.")).toStdString());
}

}  // namespace
}  // namespace vantrel::shell
