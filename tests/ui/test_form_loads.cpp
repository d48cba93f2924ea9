// The gravity-loads dialog: its fields' checks with real keys, its life from
// first use to OK or Cancel, and what the calculation and project files see.
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

#include "files/project_file.h"
#include "model/number_text.h"
#include "scripted_prompts.h"
#include "ui/form_loads.h"
#include "ui_test_support.h"

namespace vantrel::test {

class FormLoadsTest : public QObject {
    Q_OBJECT

  private:
    ScriptedPrompts prompts_;
    std::unique_ptr<Form1> window_;

    FormLoads* OpenLoads() {
        prompts_.ExpectDialog();
        window_->Command2->click();
        auto* loads = qobject_cast<FormLoads*>(prompts_.lastDialog.data());
        if (loads != nullptr && !ShowActive(*loads))
            QTest::qFail("loads dialog not active", __FILE__, __LINE__);
        return loads;
    }
    static QLineEdit* Field(FormLoads* loads, const char* name) {
        return Child<QLineEdit>(*loads, name);
    }

  private slots:
    void init();
    void cleanup();

    void layout();
    void fieldChecks_data();
    void fieldChecks();
    void buttonsWaitForTheField_data();
    void buttonsWaitForTheField();
    void okStoresAllFifteen();
    void cancelDiscardsTypedTexts_data();
    void cancelDiscardsTypedTexts();
    void calculationReadsTheDialog();
    void projectFileLoadsShowFormatted();
    void firstFieldTypedOverOnOpen();
};

void FormLoadsTest::init() {
    prompts_.Reset();
    window_ = std::make_unique<Form1>(&prompts_);
    QVERIFY(ShowActive(*window_));
}

void FormLoadsTest::cleanup() {
    if (prompts_.lastDialog) prompts_.lastDialog->reject();
    prompts_.AllUsed();
    prompts_.Reset();
    window_.reset();
}

void FormLoadsTest::layout() {
    FormLoads* loads = OpenLoads();
    QVERIFY(loads != nullptr);
    QCOMPARE(loads->windowTitle(), QStringLiteral("Gravity Loads at Beam"));
    QVERIFY(loads->isModal());
    const char* loadFields[] = {"TxtWdl1",     "TxtWdl2",     "TxtWdl3",     "TxtWll1",
                                "TxtWll2",     "TxtWll3",     "TxtPointdl1", "TxtPointdl2",
                                "TxtPointdl3", "TxtPointll1", "TxtPointll2", "TxtPointll3"};
    for (const char* name : loadFields)
        QCOMPARE(Field(loads, name)->text(), QStringLiteral("0.000"));
    for (const char* name :
         {"TxtPointLoadLocation1", "TxtPointLoadLocation2", "TxtPointLoadLocation3"})
        QCOMPARE(Field(loads, name)->text(), QStringLiteral("0.00"));
    QCOMPARE(Child<QPushButton>(*loads, "cmdOK")->text(), QStringLiteral("OK"));
    QCOMPARE(Child<QPushButton>(*loads, "CmdCancel")->text(), QStringLiteral("Cancel"));
    QStringList texts;
    for (const QLabel* label : loads->findChildren<QLabel*>()) texts << label->text();
    QVERIFY(texts.contains(QStringLiteral("Note: Loads are in kip/ft")));
    QVERIFY(texts.contains(QStringLiteral("Note: Loads are in kip")));
    QVERIFY(texts.contains(QStringLiteral("Location (ft)")));
    // Tab goes row by row: dead, live, then location.
    Field(loads, "TxtPointdl1")->setFocus();
    QTest::keyClick(Field(loads, "TxtPointdl1"), Qt::Key_Tab);
    QVERIFY(Field(loads, "TxtPointll1")->hasFocus());
    QTest::keyClick(Field(loads, "TxtPointll1"), Qt::Key_Tab);
    QVERIFY(Field(loads, "TxtPointLoadLocation1")->hasFocus());
}

void FormLoadsTest::fieldChecks_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QString>("shown");
    const QString dead = QStringLiteral("Dead Load cannot be greater than 100 k/ft.");
    const QString outside = QStringLiteral("Point load can not occur outside of the the beam!");
    QTest::newRow("live load 150") << "TxtWll2"
                                   << "150" << dead << "150";
    QTest::newRow("point live load 100.01") << "TxtPointll3"
                                            << "100.01" << dead << "100.01";
    QTest::newRow("dead load 100") << "TxtWdl1"
                                   << "100"
                                   << ""
                                   << "100.000";
    QTest::newRow("point dead load 2.5") << "TxtPointdl1"
                                         << "2.5"
                                         << ""
                                         << "2.500";
    QTest::newRow("load emptied") << "TxtWdl3"
                                  << ""
                                  << ""
                                  << "0.000";
    QTest::newRow("load not numeric") << "TxtWll1"
                                      << "1..2"
                                      << "Not a valid numeric format (1..2)"
                                      << "1..2";
    QTest::newRow("location 15 at 15.00") << "TxtPointLoadLocation1"
                                          << "15"
                                          << ""
                                          << "15.00";
    QTest::newRow("location 15.01 at 15.00") << "TxtPointLoadLocation2"
                                             << "15.01" << outside << "15.01";
    QTest::newRow("location emptied") << "TxtPointLoadLocation3"
                                      << ""
                                      << ""
                                      << "0.00";
}

void FormLoadsTest::fieldChecks() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, refusal);
    QFETCH(QString, shown);
    FormLoads* loads = OpenLoads();
    QLineEdit* edit = Child<QLineEdit>(*loads, qPrintable(field));
    Retype(edit, typed + QStringLiteral("x -"));  // the filter drops the last three
    QCOMPARE(edit->text(), typed);
    if (!refusal.isEmpty()) prompts_.ExpectMessage();
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(edit->text(), shown);
    if (refusal.isEmpty()) {
        QVERIFY(!edit->hasFocus());
        QCOMPARE(Messages(prompts_).size(), qsizetype{0});
        return;
    }
    const PromptCall message = Messages(prompts_).first();
    QCOMPARE(message.text, refusal);
    QCOMPARE(message.title, QStringLiteral("Gravity Loads at Beam"));
    QCOMPARE(message.icon, QMessageBox::Warning);
    QVERIFY(edit->hasFocus());
    QCOMPARE(edit->selectedText(), shown);
}

void FormLoadsTest::buttonsWaitForTheField_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("OK") << "cmdOK";
    QTest::newRow("Cancel") << "CmdCancel";
}

void FormLoadsTest::buttonsWaitForTheField() {
    QFETCH(QString, button);
    FormLoads* loads = OpenLoads();
    QLineEdit* edit = Field(loads, "TxtWdl2");
    Retype(edit, QStringLiteral("250"));
    auto* target = Child<QPushButton>(*loads, qPrintable(button));
    prompts_.ExpectMessage();
    QTest::mouseClick(loads->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      target->mapTo(loads, target->rect().center()));
    QCOMPARE(Messages(prompts_).size(), qsizetype{1});
    QVERIFY(loads->isVisible());
    QVERIFY(edit->hasFocus());
    QCOMPARE(window_->State().record.DistDL2, 0.0f);

    // Corrected, the same click goes through.
    Retype(edit, QStringLiteral("2"));
    QTest::mouseClick(loads->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      target->mapTo(loads, target->rect().center()));
    QTRY_VERIFY(prompts_.lastDialog.isNull() || !prompts_.lastDialog->isVisible());
    QCOMPARE(window_->State().record.DistDL2, button == QLatin1String("cmdOK") ? 2.0f : 0.0f);
}

void FormLoadsTest::okStoresAllFifteen() {
    window_->TxtLength->setText(QStringLiteral("30.00"));
    FormLoads* loads = OpenLoads();
    const char* names[] = {"TxtWdl1",
                           "TxtWdl2",
                           "TxtWdl3",
                           "TxtWll1",
                           "TxtWll2",
                           "TxtWll3",
                           "TxtPointdl1",
                           "TxtPointdl2",
                           "TxtPointdl3",
                           "TxtPointll1",
                           "TxtPointll2",
                           "TxtPointll3",
                           "TxtPointLoadLocation1",
                           "TxtPointLoadLocation2",
                           "TxtPointLoadLocation3"};
    int n = 0;
    for (const char* name : names) {
        ++n;
        Retype(Field(loads, name), QString::number(n) + QStringLiteral(".25"));
    }
    QTest::mouseClick(Child<QPushButton>(*loads, "cmdOK"), Qt::LeftButton);
    QTRY_VERIFY(prompts_.lastDialog.isNull());
    const DesignRecord& r = window_->State().record;
    const float stored[] = {r.DistDL1,
                            r.DistDL2,
                            r.DistDL3,
                            r.DistLL1,
                            r.DistLL2,
                            r.DistLL3,
                            r.PointDL1,
                            r.PointDL2,
                            r.PointDL3,
                            r.PointLL1,
                            r.PointLL2,
                            r.PointLL3,
                            r.PointLoadLocation1,
                            r.PointLoadLocation2,
                            r.PointLoadLocation3};
    for (int i = 0; i < 15; ++i) QCOMPARE(stored[i], static_cast<float>(i + 1.25));
    QVERIFY(window_->Modified());

    // The next use starts again from the record, formatted.
    FormLoads* again = OpenLoads();
    QCOMPARE(Field(again, "TxtWll1")->text(), QStringLiteral("4.250"));
    QCOMPARE(Field(again, "TxtPointLoadLocation3")->text(), QStringLiteral("15.25"));
}

void FormLoadsTest::cancelDiscardsTypedTexts_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("Cancel") << false;
    QTest::newRow("Esc") << true;
}

void FormLoadsTest::cancelDiscardsTypedTexts() {
    QFETCH(bool, escape);
    FormLoads* loads = OpenLoads();
    QLineEdit* edit = Field(loads, "TxtWll3");
    Retype(edit, QStringLiteral("7"));
    if (escape) {
        QTest::keyClick(edit, Qt::Key_Escape);
    } else {
        QTest::keyClick(edit, Qt::Key_Tab);
        QTest::mouseClick(Child<QPushButton>(*loads, "CmdCancel"), Qt::LeftButton);
    }
    QTRY_VERIFY(prompts_.lastDialog.isNull() || !prompts_.lastDialog->isVisible());
    QCOMPARE(window_->State().record.DistLL3, 0.0f);
    QVERIFY(!window_->Modified());
    FormLoads* again = OpenLoads();
    QCOMPARE(Field(again, "TxtWll3")->text(), QStringLiteral("0.000"));
}

void FormLoadsTest::calculationReadsTheDialog() {
    // Texts typed into the open dialog, not yet confirmed, are what the chain reads.
    FormLoads* loads = OpenLoads();
    Retype(Field(loads, "TxtWdl1"), QStringLiteral("1.5"));
    QCOMPARE(window_->CurrentInputs().DistDL1, std::string("1.5"));
    loads->hide();  // still exists, hidden: its texts stay
    window_->CalculateCommand();
    QCOMPARE(window_->State().record.DistDL1, 1.5f);
    loads->show();
    QCOMPARE(Field(loads, "TxtWdl1")->text(), QStringLiteral("1.5"));
}

void FormLoadsTest::projectFileLoadsShowFormatted() {
    QTemporaryDir dir;
    DesignInputs inputs = NewDesignInputs();
    inputs.DistDL2 = "2";
    inputs.PointLL1 = "12.5";
    inputs.PointLoadLocation1 = "7";
    const QString path = dir.filePath(QStringLiteral("loads.vtl"));
    QCOMPARE(WriteProjectFile(path.toStdString(), inputs), 0);
    QVERIFY(window_->OpenFile(path));

    FormLoads* loads = OpenLoads();
    QCOMPARE(Field(loads, "TxtWdl2")->text(), QStringLiteral("2.000"));
    QCOMPARE(Field(loads, "TxtPointll1")->text(), QStringLiteral("12.500"));
    QCOMPARE(Field(loads, "TxtPointLoadLocation1")->text(), QStringLiteral("7.00"));
    QCOMPARE(window_->State().record.PointLL1, 12.5f);

    // Saving writes the dialog's texts back.
    Retype(Field(loads, "TxtWdl2"), QStringLiteral("3"));
    QTest::keyClick(Field(loads, "TxtWdl2"), Qt::Key_Tab);
    window_->SaveCommand();
    const ProjectReadResult saved = ReadProjectFile(path.toStdString());
    QVERIFY(saved.ok());
    QCOMPARE(saved.inputs.DistDL2, std::string("3.000"));
}

void FormLoadsTest::firstFieldTypedOverOnOpen() {
    FormLoads* loads = OpenLoads();
    QLineEdit* first = Field(loads, "TxtWdl1");
    QVERIFY(first->hasFocus());
    QTest::keyClicks(first, QStringLiteral("7"));
    QTest::keyClick(first, Qt::Key_Tab);
    QCOMPARE(first->text(), QStringLiteral("7.000"));
}

}  // namespace vantrel::test

QTEST_MAIN(vantrel::test::FormLoadsTest)
#include "test_form_loads.moc"
