#pragma once
// The Help menu's two dialogs. Each is created when shown, centred on its
// screen, and deletes itself when its button closes it.

#include <QDialog>
#include <QString>

namespace vantrel {

class Prompts;

// "Vantrel Help": where to find the sample calculation, with buttons that
// open the sample report and the folder of example designs. Both are looked
// for from `programDir`, the running program's folder: beside it in a build
// folder, in the documentation folder of an installed program.
class HelpDialog final : public QDialog {
    Q_OBJECT
  public:
    HelpDialog(Prompts& prompts, QString programDir, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void OpenSampleReport();
    void OpenExamples();
    void Open(const QString& found, const QString& missingText);

    Prompts& prompts_;
    QString programDir_;
};

// "About Vantrel": version, the maker's links and the disclaimer.
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
