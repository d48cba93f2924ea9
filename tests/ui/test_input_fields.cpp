// The main window's numeric fields with real keys and mouse clicks: the key
// filter, the check before the focus may leave, the refusal that keeps the
// focus, the formatting afterwards, and the coefficient lists whose choice
// discards their override.
#include <QPushButton>
#include <QRadioButton>
#include <QWheelEvent>
#include <memory>

#include "model/number_text.h"
#include "model/shape_table.h"
#include "scripted_prompts.h"
#include "ui_test_support.h"

namespace vantrel::test {

enum class Leave {
    Tab,
    Backtab,
    ClickField,
    ClickButtonThroughWindow,
    ClickButton,
    AccessKeyCalc,
    AccessKeyLoads
};

class InputFieldsTest : public QObject, WindowFixture {
    Q_OBJECT

  private:
    QLineEdit* Field(const QString& name) { return window_->findChild<QLineEdit*>(name); }
    void LeaveBy(QLineEdit* field, Leave how);

  private slots:
    void init();
    void cleanup();

    void keyFilter_data();
    void keyFilter();
    void refusalKeepsFocus_data();
    void refusalKeepsFocus();
    void acceptedTextLeaves_data();
    void acceptedTextLeaves();
    void limits_data();
    void limits();
    void overrideKeptUntilAnotherCoefficientIsChosen_data();
    void overrideKeptUntilAnotherCoefficientIsChosen();
    void descriptionSelectedOnEntry();
    void fieldSelectsItsTextOnEntry_data();
    void fieldSelectsItsTextOnEntry();
};

void InputFieldsTest::init() {
    Start();
}

void InputFieldsTest::cleanup() {
    Stop();
}

void InputFieldsTest::LeaveBy(QLineEdit* field, Leave how) {
    QWidget* button = window_->CmdCalc;
    switch (how) {
        case Leave::Tab:
            QTest::keyClick(field, Qt::Key_Tab);
            break;
        case Leave::Backtab:
            QTest::keyClick(field, Qt::Key_Backtab, Qt::ShiftModifier);
            break;
        case Leave::ClickField:
            QTest::mouseClick(
                field == window_->TxtDescription ? window_->TxtLength : window_->TxtDescription,
                Qt::LeftButton);
            break;
        case Leave::ClickButtonThroughWindow:
            QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                              button->mapTo(window_.get(), button->rect().center()));
            break;
        case Leave::ClickButton:
            QTest::mouseClick(button, Qt::LeftButton);
            break;
        case Leave::AccessKeyCalc:
            QTest::keyClick(field, Qt::Key_C, Qt::AltModifier);
            break;
        case Leave::AccessKeyLoads:
            QTest::keyClick(field, Qt::Key_B, Qt::AltModifier);
            break;
    }
}

void InputFieldsTest::keyFilter_data() {
    QTest::addColumn<QString>("field");
    for (const char* name : {"TxtLength", "TxtHeight", "TxtAoverride", "TxtBoverride",
                             "TxtCoverride", "TxtColumnAxialLoad"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void InputFieldsTest::keyFilter() {
    QFETCH(QString, field);
    QLineEdit* edit = Field(field);
    Retype(edit, QStringLiteral("1a-2 ,.3e"));
    QCOMPARE(edit->text(), QStringLiteral("12.3"));
    QTest::keyClick(edit, Qt::Key_Return);  // discarded: no check, no command
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, QStringLiteral(".."));
    QCOMPARE(edit->text(), QStringLiteral("12..."));
    QVERIFY(edit->hasFocus());
    QVERIFY(prompts_.calls.isEmpty());
    QVERIFY(!Calculated(*window_));
}

// Every way the focus may leave a field; Alt+C only when asked for.
static void AddLeaveRows(bool accessKeyCalc) {
    QTest::addColumn<Leave>("how");
    QTest::newRow("Tab") << Leave::Tab;
    QTest::newRow("Shift+Tab") << Leave::Backtab;
    QTest::newRow("click on another field") << Leave::ClickField;
    QTest::newRow("click on a button, through the window") << Leave::ClickButtonThroughWindow;
    QTest::newRow("click on a button") << Leave::ClickButton;
    if (accessKeyCalc) QTest::newRow("access key of Calculate") << Leave::AccessKeyCalc;
    QTest::newRow("access key of Beam Gravity Loads") << Leave::AccessKeyLoads;
}

void InputFieldsTest::refusalKeepsFocus_data() {
    AddLeaveRows(true);
}

void InputFieldsTest::refusalKeepsFocus() {
    QFETCH(Leave, how);
    Retype(window_->TxtLength, QStringLiteral("1.2.3"));
    prompts_.ExpectMessage();
    LeaveBy(window_->TxtLength, how);

    QTRY_COMPARE(prompts_.calls.size(), qsizetype{1});
    const PromptCall message = prompts_.calls.first();
    QVERIFY(message.text.contains(QStringLiteral("(1.2.3)")));
    QVERIFY(window_->TxtLength->hasFocus());
    QCOMPARE(window_->TxtLength->selectedText(), QStringLiteral("1.2.3"));
    QCOMPARE(window_->TxtLength->text(), QStringLiteral("1.2.3"));
    // Nothing else happened: no calculation, no dialog, no second message.
    QCoreApplication::processEvents();
    QVERIFY(!Calculated(*window_));
    QCOMPARE(prompts_.calls.size(), qsizetype{1});
}

void InputFieldsTest::acceptedTextLeaves_data() {
    // Not Alt+C: the "&Calculation Summary" page shares it, and Qt only moves
    // the focus for a shared access key.
    AddLeaveRows(false);
}

void InputFieldsTest::acceptedTextLeaves() {
    QFETCH(Leave, how);
    Retype(window_->TxtLength, QStringLiteral("20"));
    if (how == Leave::AccessKeyLoads) prompts_.ExpectDialog();
    LeaveBy(window_->TxtLength, how);

    QTRY_VERIFY(!window_->TxtLength->hasFocus());
    QCOMPARE(window_->TxtLength->text(), QStringLiteral("20.00"));
    const bool calculates = how == Leave::ClickButton || how == Leave::ClickButtonThroughWindow ||
                            how == Leave::AccessKeyCalc;
    QTRY_COMPARE(Calculated(*window_), calculates);
    if (calculates) QCOMPARE(window_->State().labels.LabelLength, std::string("20.00 ft."));
    if (how == Leave::AccessKeyLoads) {
        QTRY_VERIFY(prompts_.lastDialog != nullptr);
        prompts_.lastDialog->reject();
    }
    QCOMPARE(Messages(prompts_).size(), qsizetype{0});
}

void InputFieldsTest::limits_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("beam");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");  // the text after leaving; empty: refused, kept as typed
    const QString any = QString::fromStdString(std::string(ShapeName(0)));
    const QString l15 = QStringLiteral("15.00");
    const struct {
        const char *row, *field, *length, *typed, *shown;
    } rows[] = {
        {"length 50", "TxtLength", "15.00", "50", "50.00"},
        {"length 50.01", "TxtLength", "15.00", "50.01", ""},
        {"length empty", "TxtLength", "15.00", "", "0.00"},
        {"height 35", "TxtHeight", "15.00", "35", "35.000"},
        {"height 35.01", "TxtHeight", "15.00", "35.01", ""},
        {"height empty", "TxtHeight", "15.00", "", "0.000"},
        {"a 27 at 15", "TxtAoverride", "15.00", "27", "27.000"},
        {"a 27.01 at 15", "TxtAoverride", "15.00", "27.01", ""},
        {"a 0.5 at 0", "TxtAoverride", "0.00", "0.5", ""},
        {"a 0", "TxtAoverride", "15.00", "0", "0.000"},
        {"a 1.0005", "TxtAoverride", "15.00", "1.0005", "1.001"},
        {"b 36 at 15", "TxtBoverride", "15.00", "36", "36.000"},
        {"b 36.01 at 15", "TxtBoverride", "15.00", "36.01", ""},
        {"b empty", "TxtBoverride", "15.00", "", "0.000"},
        {"override not numeric", "TxtBoverride", "15.00", "3..5", ""},
        {"Puc 10000", "TxtColumnAxialLoad", "15.00", "10000", "10000.000"},
        {"Puc 10000.0005", "TxtColumnAxialLoad", "15.00", "10000.0005", ""},
        {"Puc empty", "TxtColumnAxialLoad", "15.00", "", "0.000"},
        {"Puc not numeric", "TxtColumnAxialLoad", "15.00", "2..5", ""},
    };
    for (const auto& r : rows)
        QTest::newRow(r.row) << r.field << any << r.length << r.typed << r.shown;
    for (const char* name : {"W 21x44", "W 14x90"}) {
        const double half = ShapeFromDesignation(name).bf * 0.5;
        const QString limit = QString::fromStdString(Format(half, "0.000"));
        const QString over = QString::fromStdString(Format(half + 0.001, "0.000"));
        QTest::addRow("c at half the flange of %s", name)
            << "TxtCoverride" << QString::fromLatin1(name) << l15 << limit << limit;
        QTest::addRow("c beyond half the flange of %s", name)
            << "TxtCoverride" << QString::fromLatin1(name) << l15 << over << QString();
    }
}

void InputFieldsTest::limits() {
    QFETCH(QString, field);
    QFETCH(QString, beam);
    QFETCH(QString, length);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    Choose(window_->ComboBeam, beam);
    window_->TxtLength->setText(length);
    QLineEdit* edit = Field(field);
    Retype(edit, typed);
    const bool refused = shown.isEmpty();
    if (refused) prompts_.ExpectMessage();
    QTest::keyClick(edit, Qt::Key_Tab);

    QCOMPARE(prompts_.calls.size(), qsizetype{refused ? 1 : 0});
    QCOMPARE(edit->hasFocus(), refused);
    QCOMPARE(edit->text(), refused ? typed : shown);
    if (refused) QCOMPARE(edit->selectedText(), typed);
}

void InputFieldsTest::overrideKeptUntilAnotherCoefficientIsChosen_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("before");  // the control before the list in the tab order
    QTest::addColumn<QString>("override");
    QTest::addColumn<bool>("byWheel");
    QTest::newRow("a by key") << "ComboA"
                              << "ComboBeam"
                              << "TxtAoverride" << false;
    QTest::newRow("b by wheel") << "ComboB"
                                << "TxtAoverride"
                                << "TxtBoverride" << true;
    QTest::newRow("c by key") << "ComboC"
                              << "TxtBoverride"
                              << "TxtCoverride" << false;
    QTest::newRow("c by wheel") << "ComboC"
                                << "TxtBoverride"
                                << "TxtCoverride" << true;
}

void InputFieldsTest::overrideKeptUntilAnotherCoefficientIsChosen() {
    QFETCH(QString, list);
    QFETCH(QString, before);
    QFETCH(QString, override);
    QFETCH(bool, byWheel);
    QLineEdit* edit = Field(override);
    auto* combo = window_->findChild<QComboBox*>(list);
    Retype(edit, QStringLiteral("1.5"));

    // Tab through the list, and click into it, without choosing.
    QWidget* previous = window_->findChild<QWidget*>(before);
    previous->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(previous, Qt::Key_Tab);
    QVERIFY(combo->hasFocus());
    QTest::keyClick(combo, Qt::Key_Tab);
    QVERIFY(!combo->hasFocus());
    QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      combo->mapTo(window_.get(), combo->rect().center()));
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    QCOMPARE(edit->text(), QStringLiteral("1.500"));

    // Choosing another entry gives the dimension back to the list.
    combo->setFocus(Qt::OtherFocusReason);
    const int entry = combo->currentIndex();
    if (byWheel) {
        const QPointF local = combo->rect().center();
        QWheelEvent wheel(local, combo->mapToGlobal(local), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(combo, &wheel);
    } else {
        QTest::keyClick(combo, Qt::Key_Down);
    }
    QCOMPARE(combo->currentIndex(), entry + 1);
    QCOMPARE(edit->text(), QStringLiteral("0.000"));
}

void InputFieldsTest::descriptionSelectedOnEntry() {
    window_->TxtDescription->setText(QStringLiteral("Bay 3"));
    window_->ComboGrade->setFocus();
    QTest::keyClick(window_->ComboGrade, Qt::Key_Tab);
    QVERIFY(window_->TxtDescription->hasFocus());
    QCOMPARE(window_->TxtDescription->selectedText(), QStringLiteral("Bay 3"));
    QTest::keyClicks(window_->TxtDescription, QStringLiteral("x-1 ,a"));  // no key filter here
    QCOMPARE(window_->TxtDescription->text(), QStringLiteral("x-1 ,a"));
}

// Typing into a field that was just entered replaces its text, however the
// focus came.
void InputFieldsTest::fieldSelectsItsTextOnEntry_data() {
    QTest::addColumn<QString>("way");
    for (const char* way : {"window shown", "tab", "backtab", "click"}) QTest::newRow(way) << way;
}

void InputFieldsTest::fieldSelectsItsTextOnEntry() {
    QFETCH(QString, way);
    QLineEdit* field = window_->TxtHeight;
    if (way == QLatin1String("window shown")) {
        field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(field != nullptr);
    } else if (way == QLatin1String("tab")) {
        window_->TxtLength->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(window_->TxtLength, Qt::Key_Tab);
    } else if (way == QLatin1String("backtab")) {
        window_->OptSMRF->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(window_->OptSMRF, Qt::Key_Backtab, Qt::ShiftModifier);
    } else {
        QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, QPoint(4, field->height() / 2));
    }
    QVERIFY(field->hasFocus());
    QTest::keyClicks(field, QStringLiteral("7"));
    QCOMPARE(field->text(), QStringLiteral("7"));
}

}  // namespace vantrel::test

QTEST_MAIN(vantrel::test::InputFieldsTest)
#include "test_input_fields.moc"
