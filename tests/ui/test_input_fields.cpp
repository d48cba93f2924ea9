// The numeric fields of the window and of the loads dialog with real keys
// and clicks: the key filter, the check before the focus may leave, the
// refusal that keeps the focus, the formatting afterwards; the coefficient
// lists that take back their override; the loads dialog's OK and Cancel.
#include <QPushButton>
#include <QTemporaryDir>

#include "files/project_file.h"
#include "model/number_text.h"
#include "model/shape_table.h"
#include "ui/form_loads.h"
#include "ui_test_support.h"

namespace vantrel::test {

enum class Leave { Tab, Backtab, ClickField, ClickThroughWindow, ClickButton, AltC, AltB };

class InputFieldsTest : public QObject, WindowFixture {
    Q_OBJECT

    static void ClickThroughWindow(QWidget* window, QWidget* target) {
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          target->mapTo(window, target->rect().center()));
    }
    // Every way the focus may leave a field; Alt+C only when asked for.
    static void AddLeaveRows(bool altC) {
        QTest::addColumn<Leave>("how");
        QTest::newRow("Tab") << Leave::Tab;
        QTest::newRow("Shift+Tab") << Leave::Backtab;
        QTest::newRow("click on another field") << Leave::ClickField;
        QTest::newRow("click on a button, through the window") << Leave::ClickThroughWindow;
        QTest::newRow("click on a button") << Leave::ClickButton;
        if (altC) QTest::newRow("access key of Calculate") << Leave::AltC;
        QTest::newRow("access key of Beam Gravity Loads") << Leave::AltB;
    }
    void LeaveLengthBy(Leave how) {
        QLineEdit* field = Find("lengthField");
        auto* calculate = Find<QPushButton>("calculateButton");
        if (how == Leave::Tab) QTest::keyClick(field, Qt::Key_Tab);
        if (how == Leave::Backtab) QTest::keyClick(field, Qt::Key_Backtab, Qt::ShiftModifier);
        if (how == Leave::ClickField) QTest::mouseClick(Find("descriptionField"), Qt::LeftButton);
        if (how == Leave::ClickThroughWindow) ClickThroughWindow(window_.get(), calculate);
        if (how == Leave::ClickButton) QTest::mouseClick(calculate, Qt::LeftButton);
        if (how == Leave::AltC) QTest::keyClick(field, Qt::Key_C, Qt::AltModifier);
        if (how == Leave::AltB) QTest::keyClick(field, Qt::Key_B, Qt::AltModifier);
    }
    FormLoads* OpenLoads() {
        prompts_.ExpectDialog();
        Find<QPushButton>("gravityLoadsButton")->click();
        auto* loads = qobject_cast<FormLoads*>(prompts_.lastDialog.data());
        if (loads == nullptr || !ShowActive(*loads)) qFatal("no active loads dialog");
        return loads;
    }
  private slots:
    void init() { Start(); }
    void cleanup() { Stop(); }

    void refusalKeepsFocus_data() { AddLeaveRows(true); }
    void refusalKeepsFocus() {
        QFETCH(Leave, how);
        Retype(Find("lengthField"), QStringLiteral("1.2.3"));
        prompts_.ExpectMessage();
        LeaveLengthBy(how);
        QTRY_COMPARE(prompts_.calls.size(), qsizetype{1});
        QVERIFY(prompts_.calls.first().text.contains(QStringLiteral("(1.2.3)")));
        QVERIFY(Find("lengthField")->hasFocus());
        QCOMPARE(Find("lengthField")->selectedText(), QStringLiteral("1.2.3"));
        QCoreApplication::processEvents();  // and nothing else happens
        QVERIFY(!Calculated(*window_) && prompts_.calls.size() == 1);
    }

    // Not Alt+C: the "&Calculation Summary" page shares it, and Qt only
    // moves the focus for a shared access key.
    void acceptedTextLeaves_data() { AddLeaveRows(false); }
    void acceptedTextLeaves() {
        QFETCH(Leave, how);
        Retype(Find("lengthField"), QStringLiteral("20"));
        if (how == Leave::AltB) prompts_.ExpectDialog();
        LeaveLengthBy(how);
        QTRY_VERIFY(!Find("lengthField")->hasFocus());
        QCOMPARE(Find("lengthField")->text(), QStringLiteral("20.00"));
        const bool calculates = how == Leave::ClickButton || how == Leave::ClickThroughWindow;
        QTRY_COMPARE(Calculated(*window_), calculates);
        if (calculates) QCOMPARE(window_->State().labels.LabelLength, std::string("20.00 ft."));
        if (how == Leave::AltB) QTRY_VERIFY(prompts_.lastDialog != nullptr);
        QVERIFY(prompts_.Messages().isEmpty());
    }

    // Each field of the window and of the loads dialog filters its keys and
    // has its own rule, read with the length (15 ft) or the beam it depends on.
    void limits_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");  // empty: refused
        QTest::addColumn<QString>("beam");
        const char* const rows[][4] = {{"length 50", "lengthField", "50", "50.00"},
                                       {"length 50.01", "lengthField", "50.01", ""},
                                       {"height 35", "heightField", "35", "35.000"},
                                       {"height 35.01", "heightField", "35.01", ""},
                                       {"a 27", "aOverrideField", "27", "27.000"},
                                       {"a 27.01", "aOverrideField", "27.01", ""},
                                       {"b 36", "bOverrideField", "36", "36.000"},
                                       {"b 36.01", "bOverrideField", "36.01", ""},
                                       {"Puc 10000", "axialLoadField", "10000", "10000.000"},
                                       {"Puc 10000.0005", "axialLoadField", "10000.0005", ""},
                                       {"Puc emptied", "axialLoadField", "", "0.000"},
                                       {"dead load 100", "distributedDead1", "100", "100.000"},
                                       {"live load 150", "distributedLive2", "150", ""},
                                       {"point live load 100.01", "pointLive3", "100.01", ""},
                                       {"point dead load emptied", "pointDead1", "", "0.000"},
                                       {"location 15", "pointLocation1", "15", "15.00"},
                                       {"location 15.01", "pointLocation2", "15.01", ""}};
        for (const auto& r : rows) QTest::newRow(r[0]) << r[1] << r[2] << r[3] << "W 4x13";
        for (const char* beam : {"W 21x44", "W 14x90"}) {
            const double half = ShapeFromDesignation(beam).bf * 0.5;
            const QString limit = QString::fromStdString(Format(half, "0.000"));
            const QString over = QString::fromStdString(Format(half + 0.001, "0.000"));
            QTest::addRow("c at half the flange of %s", beam)
                << "cOverrideField" << limit << limit << beam;
            QTest::addRow("c beyond it, %s", beam) << "cOverrideField" << over << "" << beam;
        }
    }
    void limits() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, beam);
        Choose(List("beamList"), beam);
        const bool load = field.startsWith("distributed") || field.startsWith("point");
        QLineEdit* edit = load ? Child(*OpenLoads(), field) : Find(field);
        Retype(edit, typed + QStringLiteral("x -,e"));  // the filter drops all but the typed
        QTest::keyClick(edit, Qt::Key_Return);          // discarded: no check, no command
        QCOMPARE(edit->text(), typed);
        const bool refused = shown.isEmpty();
        if (refused) prompts_.ExpectMessage();
        QTest::keyClick(edit, Qt::Key_Tab);
        QCOMPARE(prompts_.Messages().size(), qsizetype{refused ? 1 : 0});
        QCOMPARE(edit->hasFocus(), refused);
        QCOMPARE(edit->text(), refused ? typed : shown);
        if (refused) QCOMPARE(edit->selectedText(), typed);
        QVERIFY(!Calculated(*window_));
    }

    // Passing through a coefficient list keeps its override; choosing another
    // entry gives the dimension back to the list.
    void overrideKeptUntilAnotherCoefficientIsChosen_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("before");  // the control before the list in the tab order
        QTest::addColumn<QString>("override");
        const char* const rows[][4] = {
            {"a", "aCoefficientList", "beamList", "aOverrideField"},
            {"b", "bCoefficientList", "aOverrideField", "bOverrideField"},
            {"c", "cCoefficientList", "bOverrideField", "cOverrideField"}};
        for (const auto& r : rows) QTest::newRow(r[0]) << r[1] << r[2] << r[3];
    }
    void overrideKeptUntilAnotherCoefficientIsChosen() {
        QFETCH(QString, list);
        QFETCH(QString, before);
        QFETCH(QString, override);
        Retype(Find(override), QStringLiteral("1.5"));
        Find<QWidget>(before)->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(Find<QWidget>(before), Qt::Key_Tab);
        QVERIFY(List(list)->hasFocus());
        QTest::keyClick(List(list), Qt::Key_Tab);
        ClickThroughWindow(window_.get(), List(list));
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        QCOMPARE(Find(override)->text(), QStringLiteral("1.500"));
        QTest::keyClick(List(list), Qt::Key_Down);
        QCOMPARE(Find(override)->text(), QStringLiteral("0.000"));
    }

    // OK and Cancel wait for a refused field; then OK stores it, Cancel drops it.
    void loadButtonsWaitForTheField_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("OK") << "okButton";
        QTest::newRow("Cancel") << "cancelButton";
    }
    void loadButtonsWaitForTheField() {
        QFETCH(QString, button);
        FormLoads* loads = OpenLoads();
        QLineEdit* edit = Child(*loads, "distributedDead2");
        Retype(edit, QStringLiteral("250"));
        prompts_.ExpectMessage();
        ClickThroughWindow(loads, Child<QPushButton>(*loads, button));
        QVERIFY(loads->isVisible() && edit->hasFocus());
        Retype(edit, QStringLiteral("2"));
        ClickThroughWindow(loads, Child<QPushButton>(*loads, button));
        QTRY_VERIFY(prompts_.lastDialog.isNull());
        const bool ok = button == "okButton";
        QCOMPARE(window_->State().record.DistDL[1], ok ? 2.0f : 0.0f);
        QCOMPARE(window_->Modified(), ok);
        QCOMPARE(Child(*OpenLoads(), "distributedDead2")->text(), ok ? "2.000" : "0.000");
    }

    // OK stores every field into its place of the record.
    void okStoresEveryLoad() {
        Find("lengthField")->setText(QStringLiteral("30.00"));
        FormLoads* loads = OpenLoads();
        const std::pair<const char*, LoadValues DesignRecord::*> kinds[] = {
            {"distributedDead", &DesignRecord::DistDL},
            {"distributedLive", &DesignRecord::DistLL},
            {"pointDead", &DesignRecord::PointDL},
            {"pointLive", &DesignRecord::PointLL},
            {"pointLocation", &DesignRecord::PointLoadLocation}};
        int value = 0;
        for (const auto& [kind, values] : kinds)
            for (int n = 1; n <= kLoadCount; ++n)
                Retype(Child(*loads, kind + QString::number(n)), QString::number(++value) + ".25");
        QTest::mouseClick(Child<QPushButton>(*loads, "okButton"), Qt::LeftButton);
        QTRY_VERIFY(prompts_.lastDialog.isNull());
        value = 0;
        for (const auto& [kind, values] : kinds)
            for (const float stored : window_->State().record.*values)
                QCOMPARE(stored, float(++value) + 0.25f);
    }

    // The chain reads the open dialog's texts; opening and saving go through it.
    void dialogTextsAreTheLoads() {
        QTemporaryDir dir;
        DesignInputs inputs = NewDesignInputs();
        inputs.PointLL[0] = "12.5";
        const std::string path = dir.filePath(QStringLiteral("loads.vtl")).toStdString();
        QCOMPARE(WriteProjectFile(path, inputs), 0);
        QVERIFY(window_->OpenFile(QString::fromStdString(path)));
        FormLoads* loads = OpenLoads();
        QCOMPARE(Child(*loads, "pointLive1")->text(), QStringLiteral("12.500"));
        QCOMPARE(window_->State().record.PointLL[0], 12.5f);
        QVERIFY(Child(*loads, "distributedDead1")->hasFocus());  // and typed over
        QTest::keyClicks(Child(*loads, "distributedDead1"), QStringLiteral("1.5"));
        QCOMPARE(window_->CurrentInputs().DistDL[0], std::string("1.5"));
        loads->hide();  // still exists, hidden: its texts stay, formatted as the focus leaves
        window_->CalculateCommand();
        QCOMPARE(window_->State().record.DistDL[0], 1.5f);
        window_->SaveCommand();
        QCOMPARE(QString::fromStdString(ReadProjectFile(path).inputs.DistDL[0]), "1.500");
    }
};

}  // namespace vantrel::test

QTEST_MAIN(vantrel::test::InputFieldsTest)
#include "test_input_fields.moc"
