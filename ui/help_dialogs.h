#pragma once
// The Help menu's two dialogs. Each is created when shown, centred on its
// screen, and deletes itself when its button closes it.

#include <QDialog>

namespace vantrel {

class Prompts;

// "Vantrel Help": where to find the sample calculation.
class FrmHelp final : public QDialog {
    Q_OBJECT
  public:
    explicit FrmHelp(QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;
};

// "About Vantrel": version, the maker's links and the disclaimer.
class FrmAbout final : public QDialog {
    Q_OBJECT
  public:
    FrmAbout(Prompts& prompts, QWidget* parent = nullptr);

    static QString WebAddress();
    static QString MailAddress();

  protected:
    void showEvent(QShowEvent* event) override;
};

// Places a window in the middle of the screen that holds it.
void CentreOnScreen(QWidget& window);

}  // namespace vantrel
