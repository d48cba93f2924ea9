#include "prompts.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QPrintDialog>
#include <QStringList>
#include <QUrl>

namespace vantrel {

QMessageBox::StandardButton DesktopPrompts::Message(QWidget* parent, QMessageBox::Icon icon,
                                                    const QString& title, const QString& text,
                                                    QMessageBox::StandardButtons buttons,
                                                    QMessageBox::StandardButton defaultButton) {
    // The program's texts carry Windows line breaks; a label shows "\r" as a glyph.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(icon, title, shown, buttons, parent);
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString DesktopPrompts::OpenFileName(QWidget* parent, const QString& title, const QString& filter,
                                     const QString& folder) {
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

QString DesktopPrompts::SaveFileName(QWidget* parent, const QString& title, const QString& filter,
                                     const QString& folder) {
    return QFileDialog::getSaveFileName(parent, title, folder, filter);
}

bool DesktopPrompts::ChoosePrinter(QWidget* parent, QPrinter& printer, const QString& title) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(title);
    return dialog.exec() == QDialog::Accepted;
}

void DesktopPrompts::ShowDialog(QDialog& dialog) {
    dialog.exec();
}

bool DesktopPrompts::OpenUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

QString QtFileFilter(const QString& barSeparated) {
    const QStringList parts = barSeparated.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (description.contains(QLatin1Char('(')) && description.endsWith(QLatin1Char(')')) &&
            description.contains(patterns)) {
            filters << description;
        } else {
            filters << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
        }
    }
    return filters.join(QStringLiteral(";;"));
}

}  // namespace vantrel
