#pragma once
// Every modal interaction of the windows goes through Prompts, so that tests
// can answer message boxes and file dialogs without a person.

#include <QMessageBox>
#include <QString>

class QDialog;
class QPrinter;
class QUrl;
class QWidget;

namespace vantrel {

class Prompts {
  public:
    virtual ~Prompts() = default;

    virtual QMessageBox::StandardButton Message(QWidget* parent, QMessageBox::Icon icon,
                                                const QString& title, const QString& text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton) = 0;
    // The chosen path, or the empty text when the user cancelled. The filter
    // is in Qt's syntax (see QtFileFilter); the dialog starts in `folder`
    // (empty: the working folder).
    virtual QString OpenFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& folder) = 0;
    virtual QString SaveFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& folder) = 0;
    // False when the user cancelled.
    virtual bool ChoosePrinter(QWidget* parent, QPrinter& printer, const QString& title) = 0;
    // Shows the dialog as a modal window. Callers react to its finished()
    // signal rather than to the return of this call.
    virtual void ShowDialog(QDialog& dialog) = 0;
    // Hands an address (web page, mail link, local file) to the desktop's
    // handler; false when the desktop has none for it.
    virtual bool OpenUrl(const QUrl& url) = 0;
};

// Real message boxes, file dialogs, print dialog and desktop services.
class DesktopPrompts final : public Prompts {
  public:
    QMessageBox::StandardButton Message(QWidget* parent, QMessageBox::Icon icon,
                                        const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override;
    QString OpenFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& folder) override;
    QString SaveFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& folder) override;
    bool ChoosePrinter(QWidget* parent, QPrinter& printer, const QString& title) override;
    void ShowDialog(QDialog& dialog) override;
    bool OpenUrl(const QUrl& url) override;
};

// "desc|pattern|desc|pattern" as Qt's ";;"-separated filter list. Qt takes
// the patterns from the parentheses of each description, so a pattern that
// the description does not show is added to it.
QString QtFileFilter(const QString& barSeparated);

}  // namespace vantrel
