#include "shell/xdg_association.h"

#include <QDir>

#include <string>

namespace vantrel::shell {
namespace {

// Characters that make an Exec argument need quotes.
constexpr char kReserved[] = " \t\n\"'\\><~|&;$*?#()`";

QString XmlEscaped(const QString& text) {
    return text.toHtmlEscaped();
}

}  // namespace

XdgAssociation XdgAssociationFor(const QString& className, const QString& extension) {
    const QString id = className.toLower();
    QString suffix = extension.toLower();
    if (suffix.startsWith(QLatin1Char('.'))) suffix.remove(0, 1);
    return {id, QStringLiteral("application/x-") + id, QStringLiteral("*.") + suffix};
}

QString AssociationDataHome(const QString& xdgDataHome, const QString& home, bool isRoot) {
    if (!xdgDataHome.isEmpty() && QDir::isAbsolutePath(xdgDataHome)) return xdgDataHome;
    if (isRoot) return QStringLiteral("/usr/local/share");
    return QDir(home).filePath(QStringLiteral(".local/share"));
}

QString MimePackagePath(const XdgAssociation& names) {
    return QStringLiteral("mime/packages/") + names.id + QStringLiteral(".xml");
}

QString DesktopEntryPath(const XdgAssociation& names) {
    return QStringLiteral("applications/") + names.id + QStringLiteral(".desktop");
}

QStringList IconPaths(const XdgAssociation& names) {
    // The program's icon, and the same picture as the file type's icon for
    // file managers that look it up by MIME type name.
    QString mimeIcon = names.mimeType;
    mimeIcon.replace(QLatin1Char('/'), QLatin1Char('-'));
    return {
        QStringLiteral("icons/hicolor/scalable/apps/") + names.id + QStringLiteral(".svg"),
        QStringLiteral("icons/hicolor/scalable/mimetypes/") + mimeIcon + QStringLiteral(".svg")};
}

QString MimePackageText(const XdgAssociation& names, const QString& description) {
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
               "  <mime-type type=\"%1\">\n"
               "    <comment>%2</comment>\n"
               "    <icon name=\"%3\"/>\n"
               "    <glob pattern=\"%4\"/>\n"
               "    <!-- The header of a project file (docs/vtl-format.md): bytes 11 20 01 00,\n"
               "         then the bag's signature VTLB at offset 12; a renamed file still\n"
               "         is one. -->\n"
               "    <magic priority=\"50\">\n"
               "      <match type=\"little32\" offset=\"0\" value=\"0x00012011\">\n"
               "        <match type=\"string\" offset=\"12\" value=\"VTLB\"/>\n"
               "      </match>\n"
               "    </magic>\n"
               "  </mime-type>\n"
               "</mime-info>\n")
        .arg(XmlEscaped(names.mimeType), XmlEscaped(description), XmlEscaped(names.id),
             XmlEscaped(names.glob));
}

QString DesktopEntryText(const XdgAssociation& names, const QString& className,
                         const QString& programPath) {
    const QString program = ExecArgument(programPath);
    return QStringLiteral(
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Version=1.4\n"
               "Name=%1\n"
               "GenericName=Moment Connection Calculator\n"
               "Comment=Single Bay Moment Frame Reduced Beam Section Calculator\n"
               "Icon=%2\n"
               "Exec=%3 %F\n"
               "Terminal=false\n"
               "MimeType=%4;\n"
               "Categories=Science;Engineering;\n"
               "Keywords=RBS;reduced beam section;moment connection;moment frame;steel;beam;"
               "column;FEMA 350;AISC 358;structural;\n"
               "Actions=print;\n"
               "\n"
               "[Desktop Action print]\n"
               "Name=Print\n"
               "Exec=%3 /print %f\n")
        .arg(className, names.id, program, names.mimeType);
}

QString ExecArgument(const QString& argument) {
    QString text = argument;
    text.replace(QLatin1Char('%'), QStringLiteral("%%"));
    bool needsQuotes = text.isEmpty();
    for (const QChar c : text) {
        if (c.unicode() < 0x80 && std::char_traits<char>::find(kReserved, sizeof kReserved - 1,
                                                               static_cast<char>(c.unicode()))) {
            needsQuotes = true;
        }
    }
    if (needsQuotes) {
        QString quoted;
        for (const QChar c : text) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
                c == QLatin1Char('\\')) {
                quoted += QLatin1Char('\\');
            }
            quoted += c;
        }
        text = QLatin1Char('"') + quoted + QLatin1Char('"');
    }
    // A desktop entry's string values escape backslashes and control characters once more.
    text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    text.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    text.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    return text;
}

}  // namespace vantrel::shell
