#pragma once
// The Help menu's two dialogs. Each is created when shown, centred on its
// screen, and deletes itself when its button closes it.

#include <QDialog>
#include <QString>

namespace vantrel {

class Prompts;

// "Vantrel Help": where the sample calculation and the example designs are
// on this installation, with buttons that open them. Both are looked for
// from `programDir`, the running program's folder: beside it in a build
// folder, in the documentation folder of an installed program.
class HelpDialog final : public QDialog {
    Q_OBJECT
  public:
    HelpDialog(Prompts& prompts, QString programDir, QWidget* parent = nullptr);

    // The dialog's text for a program in `programDir`: the folders where the
    // sample report and the examples were found, or where they were looked for.
    static QString HelpText(const QString& programDir);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void OpenSampleReport();
    void OpenExamples();
    void Open(const QString& found, const QString& unansweredText, const QString& missingText);

    Prompts& prompts_;
    QString programDir_;
};

// "About Vantrel": version, the codes it checks, the maker's links and the disclaimer.
class AboutDialog final : public QDialog {
    Q_OBJECT
  public:
    AboutDialog(Prompts& prompts, QWidget* parent = nullptr);

    static QString WebAddress();
    static QString MailAddress();

  protected:
    void showEvent(QShowEvent* event) override;
};

// Places a window in the middle of the screen that holds it.
void CentreOnScreen(QWidget& window);

}  // namespace vantrel
