// Print, Export PDF and Find Designs from the window.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>

#include "packaging/install_layout.h"
#include "present/verdict_cells.h"
#include "ui/find_designs_dialog.h"
#include "ui/help_dialogs.h"
#include "ui_test_support.h"

namespace vantrel::test {

class CommandsTest : public QObject, WindowFixture {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir_;  // new for every test function

    // Pages of a PDF written by Qt: one "/Type /Page" object each; -1: no PDF.
    static int PdfPages(const QString& path) {
        QFile file(path);
        const QString pdf = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        return pdf.startsWith("%PDF") ? int(pdf.count(QRegularExpression("/Type\\s*/Page[^s]")))
                                      : -1;
    }
    QStringList Files() const { return QDir(dir_->path()).entryList(QDir::Files); }

  private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        Start();
    }
    void cleanup() { Stop(); }

    // Each report command calculates the inputs as they stand first, and
    // leaves Modified as it was; a cancelled dialog writes nothing.
    void reportsCalculateTheCurrentInputs_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("target");  // empty: the dialog is cancelled
        QTest::addColumn<QString>("written");
        const char* const rows[][4] = {{"Print", "printAction", "report.pdf", "report.pdf"},
                                       {"toolbar", "toolbarPrint", "report.pdf", "report.pdf"},
                                       {"Export PDF", "exportPdfAction", "frame", "frame.pdf"},
                                       {"print cancelled", "printAction", "", ""},
                                       {"export cancelled", "exportPdfAction", "", ""}};
        for (const auto& r : rows) QTest::newRow(r[0]) << r[1] << r[2] << r[3];
    }
    void reportsCalculateTheCurrentInputs() {
        QFETCH(QString, command);
        QFETCH(QString, target);
        QFETCH(QString, written);
        CalculateWorkedExample();
        prompts_.ExpectSaveFile(dir_->filePath(QStringLiteral("saved.vtl")));
        window_->SaveAsCommand();
        Find("lengthField")->setText(QStringLiteral("20.00"));  // typed, not calculated
        const QStringList before = Files();
        const QString path = target.isEmpty() ? QString() : dir_->filePath(target);
        if (command == "exportPdfAction") prompts_.ExpectSaveFile(path);
        if (command != "exportPdfAction") prompts_.ExpectPrinter(path);
        Child<QAction>(*window_, command)->trigger();
        // Three FEMA 350 pages; the worked example's current-code items take two.
        if (!written.isEmpty()) QCOMPARE(PdfPages(dir_->filePath(written)), 5);
        if (written.isEmpty()) QCOMPARE(Files(), before);
        QCOMPARE(window_->State().grids.summary.Text(10, 1), std::string("16.88   ft"));
        QVERIFY(!window_->Modified());
    }

    // Missing inputs, an errored run or a file that cannot be written: the
    // user sees one message, and no dialog, file or report follows.
    void noReportWithoutAGoodRun_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("override");
        const char* const rows[][5] = {
            {"length missing", "printAction", "", "8.00", "0.000"},
            {"height missing", "exportPdfAction", "15.00", "", "0.000"},
            {"override not a number", "printAction", "30.00", "8.00", "1.2.3"},
            {"span shorter than the hinges", "exportPdfAction", "1.00", "8.00", "0.000"},
            {"export into a missing folder", "exportPdfAction", "30.00", "8.00", "0.000"}};
        for (const auto& r : rows) QTest::newRow(r[0]) << r[1] << r[2] << r[3] << r[4];
    }
    void noReportWithoutAGoodRun() {
        QFETCH(QString, command);
        QFETCH(QString, length);
        QFETCH(QString, height);
        QFETCH(QString, override);
        Find("lengthField")->setText(length);  // as a project file may leave it
        Find("heightField")->setText(height);
        Find("aOverrideField")->setText(override);
        const bool runs = !length.isEmpty() && !height.isEmpty() && override != "1.2.3" &&
                          length != "1.00";  // the calculation runs without an error
        if (runs) prompts_.ExpectSaveFile(dir_->filePath(QStringLiteral("missing/frame.pdf")));
        prompts_.ExpectMessage();
        Child<QAction>(*window_, command)->trigger();
        QCOMPARE(prompts_.Messages().size(), qsizetype{1});
        QCOMPARE(Files(), QStringList());
        QVERIFY(!window_->Modified());
        QCOMPARE(Calculated(*window_), runs);
    }

    // Help > Contents names the folders that hold the sample report and the
    // examples on this layout, beside the program or in the documentation
    // folder, or says where it looked.
    void helpSaysWhereTheSamplesAre_data() {
        QTest::addColumn<QString>("place");  // relative to the program's folder; empty: none
        QTest::newRow("build folder") << ".";
        QTest::newRow("installed")
            << QString::fromStdString(install::InstalledDocFolder("bin").lexically_relative("bin"));
        QTest::newRow("missing") << QString();
    }
    void helpSaysWhereTheSamplesAre() {
        QFETCH(QString, place);
        const QDir program(dir_->filePath("bin"));
        const QString folder = QDir::cleanPath(program.filePath(place));
        QVERIFY(QDir().mkpath(place.isEmpty() ? folder : folder + "/examples"));
        if (!place.isEmpty()) QFile(folder + "/Vantrel_Sample.pdf").open(QIODevice::WriteOnly);
        const QString text = HelpDialog::HelpText(program.path());
        QCOMPARE(text.contains("see Vantrel_Sample.pdf in " + folder + "."), !place.isEmpty());
        QCOMPARE(text.contains(folder + "/examples."), !place.isEmpty());
        QVERIFY(place.isEmpty() == text.contains(program.path() + ")"));
    }

    // Escape closes the dialog; a chosen pair (Enter uses it) goes into the
    // lists and is calculated; it passes every check but the plates, which
    // the search does not require unless asked.
    void findDesignsPutsTheChosenPairIntoTheLists() {
        Find("lengthField")->setText(QStringLiteral("30.00"));
        const auto open = [this] {
            prompts_.ExpectDialog();
            window_->FindDesignsCommand();
            auto* dialog = qobject_cast<FindDesignsDialog*>(prompts_.lastDialog.data());
            if (dialog == nullptr || !ShowActive(*dialog)) qFatal("no Find Designs dialog");
            return dialog;
        };
        QTest::keyClick(open()->Table(), Qt::Key_Escape);
        QTRY_VERIFY(prompts_.lastDialog.isNull() || !prompts_.lastDialog->isVisible());
        QCOMPARE(List("beamList")->currentIndex(), 0);
        FindDesignsDialog* dialog = open();
        QVERIFY(dialog->Table()->rowCount() > 2);
        // Both codes by default; the caveat shows while FEMA 350 alone is chosen.
        QCOMPARE(dialog->Code()->currentIndex(), 2);
        for (int code : {0, 1, 2}) {
            dialog->Code()->setCurrentIndex(code);
            QCOMPARE(dialog->Caveat()->isVisibleTo(dialog), code == 0);
        }
        dialog->Table()->selectRow(2);
        const QString beam = dialog->Table()->item(2, 0)->text();
        const QString column = dialog->Table()->item(2, 1)->text();
        QTest::keyClick(dialog->Table(), Qt::Key_Return);
        QCOMPARE(List("beamList")->currentText(), beam);
        QCOMPARE(List("columnList")->currentText(), column);
        for (const VerdictResult& verdict : ReadVerdicts(window_->State().results))
            QVERIFY(verdict.state == VerdictState::Pass ||
                    std::string_view(verdict.cell->name).ends_with(" plates"));
        // The options the user left are those of the next search.
        dialog = open();
        dialog->Code()->setCurrentIndex(0);
        dialog->NoContinuity()->setChecked(true);
        dialog->reject();
        dialog = open();
        QCOMPARE(dialog->Code()->currentIndex(), 0);
        QVERIFY(dialog->NoContinuity()->isChecked() && !dialog->NoDoublers()->isChecked());
        QVERIFY(dialog->Caveat()->isVisibleTo(dialog));
    }
};

}  // namespace vantrel::test

QTEST_MAIN(vantrel::test::CommandsTest)
#include "test_commands.moc"
