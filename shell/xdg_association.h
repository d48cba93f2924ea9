#pragma once
// The files of the freedesktop association and their texts.

#include <QString>
#include <QStringList>

namespace vantrel::shell {

struct XdgAssociation {
    QString id;        // "vantrel": names the desktop entry, the MIME package and the icon
    QString mimeType;  // "application/x-vantrel"
    QString glob;      // "*.vtl"
};

XdgAssociation XdgAssociationFor(const QString& className, const QString& extension);

// Where the association goes: $XDG_DATA_HOME when set (absolute), else
// /usr/local/share for root, else ~/.local/share.
QString AssociationDataHome(const QString& xdgDataHome, const QString& home, bool isRoot);

// The files the association consists of, relative to the data home.
QString MimePackagePath(const XdgAssociation& names);
QString DesktopEntryPath(const XdgAssociation& names);
QStringList IconPaths(const XdgAssociation& names);

QString MimePackageText(const XdgAssociation& names, const QString& description);
QString DesktopEntryText(const XdgAssociation& names, const QString& className,
                         const QString& programPath);

// One argument of a desktop entry's Exec key, quoted and escaped as that key
// requires, e.g. /opt/my apps/vantrel gives "/opt/my apps/vantrel" in quotes.
QString ExecArgument(const QString& argument);

}  // namespace vantrel::shell
