#include "help_dialogs.h"

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>

#include <filesystem>
#include <utility>

#include "packaging/install_layout.h"
#include "prompts.h"

#ifndef VANTREL_VERSION_TEXT
#error "VANTREL_VERSION_TEXT must come from the build"
#endif

namespace vantrel {
namespace {

namespace fs = std::filesystem;

// File names are bytes: the local encoding carries them both ways unchanged.
fs::path LocalPath(const QString& path) {
    return fs::path(QFile::encodeName(path).toStdString());
}

QString Shown(const fs::path& path) {
    return QDir::toNativeSeparators(QFile::decodeName(path.c_str()));
}

const char* const kDisclaimer =
    "DISCLAIMER:\n"
    "This software is not guaranteed to be free of errors. The results it produces must be "
    "checked by a qualified engineer, and the user takes full responsibility for its use and "
    "for any design based on it.\n"
    "\n"
    "WARNING:\n"
    "This program is protected by copyright. Copying or distributing it, in whole or in "
    "part, without the written permission of its maker is prohibited.";

// A label that looks and acts like a link; the click goes through the prompts
// so that tests never start a browser.
class LinkLabel final : public QLabel {
  public:
    LinkLabel(const QString& text, std::function<void()> onClick, QWidget* parent)
        : QLabel(text, parent), onClick_(std::move(onClick)) {
        QFont f = font();
        f.setUnderline(true);
        setFont(f);
        QPalette pal = palette();
        pal.setColor(QPalette::WindowText, Qt::blue);
        setPalette(pal);
        setCursor(Qt::PointingHandCursor);
    }

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QLabel::mouseReleaseEvent(event);
        onClick_();
    }

  private:
    std::function<void()> onClick_;
};

}  // namespace

void CentreOnScreen(QWidget& window) {
    QScreen* screen =
        window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect area = screen->geometry();
    const QSize size = window.frameGeometry().size();
    window.move(area.x() + (area.width() - size.width()) / 2,
                area.y() + (area.height() - size.height()) / 2);
}

HelpDialog::HelpDialog(Prompts& prompts, QString programDir, QWidget* parent)
    : QDialog(parent), prompts_(prompts), programDir_(std::move(programDir)) {
    setObjectName(QStringLiteral("helpDialog"));
    setWindowTitle(QStringLiteral("Vantrel Help"));
    setModal(true);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("helpText"));
    label->setText(HelpText(programDir_));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setWordWrap(true);
    label->setMinimumWidth(360);

    auto* sample = new QPushButton(QStringLiteral("&Sample Report"), this);
    sample->setObjectName(QStringLiteral("sampleReportButton"));
    sample->setAutoDefault(false);
    connect(sample, &QPushButton::clicked, this, &HelpDialog::OpenSampleReport);
    auto* examples = new QPushButton(QStringLiteral("&Examples"), this);
    examples->setObjectName(QStringLiteral("examplesButton"));
    examples->setAutoDefault(false);
    connect(examples, &QPushButton::clicked, this, &HelpDialog::OpenExamples);

    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(sample);
    buttons->addWidget(examples);
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addLayout(buttons);
}

QString HelpDialog::HelpText(const QString& programDir) {
    const fs::path dir = LocalPath(programDir);
    const fs::path sample = install::FindSampleReport(dir);
    const fs::path examples = install::FindExamples(dir);
    QString text =
        sample.empty()
            ? QStringLiteral(
                  "The sample calculation, %1, is not on this installation: it was "
                  "looked for beside the program (%2) and in its documentation "
                  "folder (%3).")
                  .arg(QString::fromLatin1(install::kSampleReportName), Shown(dir),
                       Shown(install::InstalledDocFolder(dir)))
            : QStringLiteral("For a sample calculation, see %1 in %2.\nAny PDF viewer opens it.")
                  .arg(QString::fromLatin1(install::kSampleReportName),
                       Shown(sample.parent_path()));
    if (!examples.empty())
        text +=
            QStringLiteral("\nThe example designs (.vtl files) are in %1.").arg(Shown(examples));
    return text;
}

void HelpDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this);
}

void HelpDialog::OpenSampleReport() {
    const fs::path programDir = LocalPath(programDir_);
    Open(Shown(install::FindSampleReport(programDir)),
         QStringLiteral("No program answered for PDF files: the sample report is %1; any PDF "
                        "viewer opens it."),
         QStringLiteral("The sample report %1 was not found, neither beside the program (%2) "
                        "nor in its documentation folder (%3).")
             .arg(QString::fromLatin1(install::kSampleReportName), Shown(programDir),
                  Shown(install::InstalledDocFolder(programDir))));
}

void HelpDialog::OpenExamples() {
    const fs::path programDir = LocalPath(programDir_);
    Open(Shown(install::FindExamples(programDir)),
         QStringLiteral("No file manager answered: the example designs are in %1; open them "
                        "with File > Open."),
         QStringLiteral("The folder of example designs, %1, was not found, neither beside the "
                        "program (%2) nor in its documentation folder (%3).")
             .arg(QString::fromLatin1(install::kExamplesFolderName), Shown(programDir),
                  Shown(install::InstalledDocFolder(programDir))));
}

void HelpDialog::Open(const QString& found, const QString& unansweredText,
                      const QString& missingText) {
    if (found.isEmpty()) {
        prompts_.Message(this, QMessageBox::Warning, windowTitle(), missingText, QMessageBox::Ok,
                         QMessageBox::Ok);
        return;
    }
    if (!prompts_.OpenUrl(QUrl::fromLocalFile(found))) {
        prompts_.Message(this, QMessageBox::Warning, windowTitle(), unansweredText.arg(found),
                         QMessageBox::Ok, QMessageBox::Ok);
    }
}

QString AboutDialog::WebAddress() {
    return QStringLiteral("https://www.vantrel.example/");
}
QString AboutDialog::MailAddress() {
    return QStringLiteral("mailto:support@vantrel.example");
}

AboutDialog::AboutDialog(Prompts& prompts, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(QStringLiteral("About Vantrel"));
    setModal(true);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* title =
        new QLabel(QStringLiteral("Vantrel v. ") + QStringLiteral(VANTREL_VERSION_TEXT), this);
    title->setObjectName(QStringLiteral("titleLabel"));
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    titleFont.setItalic(false);
    titleFont.setUnderline(false);
    title->setFont(titleFont);
    QPalette titlePalette = title->palette();
    titlePalette.setColor(QPalette::WindowText, Qt::blue);
    title->setPalette(titlePalette);

    auto* version = new QLabel(
        QStringLiteral("Reduced Beam Section moment connections to FEMA 350 (July 2000),\n"
                       "each checked against AISC 358-16 with AISC 341-16 and AISC 360-16.\n"
                       "Licensed to the registered user; all rights reserved."),
        this);
    version->setObjectName(QStringLiteral("versionLabel"));

    auto* web = new LinkLabel(
        WebAddress(), [this, &prompts] { prompts.OpenUrl(QUrl(WebAddress())); }, this);
    web->setObjectName(QStringLiteral("webLink"));
    auto* mail = new LinkLabel(
        QStringLiteral("Contact us"), [&prompts] { prompts.OpenUrl(QUrl(MailAddress())); }, this);
    mail->setObjectName(QStringLiteral("mailLink"));

    auto* text = new QPlainTextEdit(QString::fromLatin1(kDisclaimer), this);
    text->setObjectName(QStringLiteral("aboutText"));
    text->setReadOnly(true);
    text->setMinimumSize(420, 150);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);  // Enter; Esc rejects the dialog, which closes it the same way
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* links = new QHBoxLayout;
    links->addWidget(web);
    links->addSpacing(24);
    links->addWidget(mail);
    links->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(version);
    layout->addLayout(links);
    layout->addWidget(text);
    layout->addWidget(line);
    layout->addLayout(buttons);
}

void AboutDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this);
}

}  // namespace vantrel
