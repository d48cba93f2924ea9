// The freedesktop form of the file-type association.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include <unistd.h>

#include "shell/file_association.h"
#include "shell/xdg_association.h"

namespace vantrel::shell {
namespace {

constexpr int kToolMs = 60000;

QString DataHome() {
    return AssociationDataHome(qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath(),
                               geteuid() == 0);
}

void WriteFile(const QDir& home, const QString& relativePath, const QByteArray& content) {
    const QString path = home.filePath(relativePath);
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return;
    file.write(content);
    file.commit();
}

QByteArray IconContent() {
    QFile icon(QStringLiteral(":/vantrel/vantrel.svg"));
    return icon.open(QIODevice::ReadOnly) ? icon.readAll() : QByteArray();
}

// Runs a database tool if it is installed; its output and result do not matter.
void RunTool(const QString& tool, const QStringList& arguments) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) return;
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
    process.waitForFinished(kToolMs);
}

void RefreshDatabases(const QDir& home) {
    const QString mimeDir = home.filePath(QStringLiteral("mime"));
    if (QFileInfo(mimeDir).isDir()) RunTool(QStringLiteral("update-mime-database"), {mimeDir});
    const QString applications = home.filePath(QStringLiteral("applications"));
    if (QFileInfo(applications).isDir()) {
        RunTool(QStringLiteral("update-desktop-database"), {QStringLiteral("-q"), applications});
    }
    // An icon cache, where one is kept, would hide an added or removed icon.
    const QString hicolor = home.filePath(QStringLiteral("icons/hicolor"));
    if (QFileInfo::exists(hicolor + QStringLiteral("/icon-theme.cache"))) {
        RunTool(QStringLiteral("gtk-update-icon-cache"),
                {QStringLiteral("-q"), QStringLiteral("-t"), QStringLiteral("-f"), hicolor});
    }
}

}  // namespace

void RegisterFileType(const QString& className, const QString& extension,
                      const QString& description, const QString& programPath) {
    const XdgAssociation names = XdgAssociationFor(className, extension);
    const QDir home(DataHome());
    WriteFile(home, MimePackagePath(names), MimePackageText(names, description).toUtf8());
    WriteFile(home, DesktopEntryPath(names),
              DesktopEntryText(names, className, programPath).toUtf8());
    const QByteArray icon = IconContent();
    for (const QString& iconPath : IconPaths(names)) WriteFile(home, iconPath, icon);
    RefreshDatabases(home);
}

void UnregisterFileType(const QString& className, const QString& extension) {
    const XdgAssociation names = XdgAssociationFor(className, extension);
    const QDir home(DataHome());
    QStringList written = IconPaths(names);
    written << MimePackagePath(names) << DesktopEntryPath(names);
    for (const QString& path : written) QFile::remove(home.filePath(path));
    RefreshDatabases(home);
}

}  // namespace vantrel::shell
