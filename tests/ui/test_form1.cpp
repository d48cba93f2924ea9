// The main window as a document: title, save prompt, New, Open, Save, Save
// As, closing, Calculate and the results it shows.
#include <QCheckBox>
#include <QColor>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

#include "../support/fresh_grids.h"
#include "files/project_file.h"
#include "ui/aisc358_page.h"
#include "ui/connection_sketch.h"
#include "ui/form_loads.h"
#include "ui/grid_view.h"
#include "ui_test_support.h"

namespace vantrel::test {

class Form1Test : public QObject, WindowFixture {
    Q_OBJECT

  private:
    QTemporaryDir dir_;

    QString PathOf(const char* name) const { return dir_.filePath(QLatin1String(name)); }
    // A design that differs from the window's defaults in every input.
    static DesignInputs SampleInputs();
    void MakeModified() {
        window_->CalculateCommand();
        QVERIFY(window_->Modified());
    }

  private slots:
    void init();
    void cleanup();

    void titlesOfNewSaveAndSaveAs();
    void savePrompt_data();
    void savePrompt();
    void newKeepsFieldsAndResetsLists();
    void openFillsEveryFieldAndCalculates();
    void fileOpenedBeforeShowingIsNamedInTheLoadTitle();
    void failedOpenChangesNothing_data();
    void failedOpenChangesNothing();
    void failedSaveKeepsDocument();
    void longTextsAndByteNamesSurviveOpenAndSave();
    void shortPathsAskForAName_data();
    void shortPathsAskForAName();
    void calculateNeedsLengthAndHeight_data();
    void calculateNeedsLengthAndHeight();
    void failingProceduresShowOneBoxEach();
    void diagramFollowsCalculation();
    void tabLeavesEachGrid_data();
    void tabLeavesEachGrid();
    void editsMarkTheDesignModified_data();
    void editsMarkTheDesignModified();
    void currentCodeTabAfterWorkedExample_data();
    void currentCodeTabAfterWorkedExample();
    void columnAboveRecalculatesShownResults();
};

DesignInputs Form1Test::SampleInputs() {
    DesignInputs inputs = NewDesignInputs();
    inputs.Beam = "W 21x44";
    inputs.Column = "W 14x90";
    inputs.Grade = "A572   Fy=50 ksi   Fu=60 ksi";
    inputs.A = "0.55";
    inputs.B = "0.80";
    inputs.C = "0.22";
    inputs.ORA = "4.500";
    inputs.ORB = "0.000";
    inputs.ORC = "1.100";
    inputs.Length = "30.00";
    inputs.Height = "12.500";
    inputs.Description = "Frame line 3, level 2";
    inputs.FRAMETYPE = "OMRF";
    inputs.DistDL[0] = "1.250";
    inputs.DistLL[1] = "0.500";
    inputs.PointDL[0] = "10.000";
    inputs.PointLoadLocation[0] = "7.50";
    inputs.ColumnAxialLoad = "250.000";
    inputs.ColumnAbove = "Yes";
    return inputs;
}

void Form1Test::init() {
    QVERIFY(dir_.isValid());
    Start();
}

void Form1Test::cleanup() {
    Stop();
}

void Form1Test::titlesOfNewSaveAndSaveAs() {
    window_->NewCommand();
    QCOMPARE(window_->windowTitle(), TitleOf(kTitleOneBlank, QStringLiteral("New Untitled")));

    const QString path = PathOf("frame1.vtl");
    prompts_.ExpectSaveFile(path);  // a new design has no name yet
    window_->SaveCommand();
    QCOMPARE(window_->windowTitle(), TitleOf(kTitleNoBlank, QStringLiteral("frame1.vtl")));
    QCOMPARE(window_->CurrentFileName(), path);

    window_->SaveCommand();  // the name is known now: no dialog
    QCOMPARE(window_->windowTitle(), TitleOf(kTitleNoBlank, QStringLiteral("frame1.vtl")));

    prompts_.ExpectSaveFile(path);
    window_->SaveAsCommand();
    QCOMPARE(window_->windowTitle(), TitleOf(kTitleOneBlank, QStringLiteral("frame1.vtl")));

    prompts_.ExpectSaveFile(QString());  // cancelled: nothing changes
    window_->SaveAsCommand();
    QCOMPARE(window_->windowTitle(), TitleOf(kTitleOneBlank, QStringLiteral("frame1.vtl")));
    QCOMPARE(DocumentNameOf(QStringLiteral("C:\\designs\\frame1.vtl")),
             QStringLiteral("frame1.vtl"));
}

enum class Command { New, Open, Close };
enum class Answer { Yes, YesThenCancel, YesThenFailure, No, Cancel };

void Form1Test::savePrompt_data() {
    QTest::addColumn<Command>("command");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QString>("title");
    const struct {
        Command command;
        const char* name;
        const char* title;
    } commands[] = {{Command::New, "New", "New File Confirmation."},
                    {Command::Open, "Open", "Open File Confirmation."},
                    {Command::Close, "Close", "New File Confirmation."}};
    const struct {
        Answer answer;
        const char* name;
    } answers[] = {{Answer::Yes, "Yes"},
                   {Answer::No, "No"},
                   {Answer::Cancel, "Cancel"},
                   {Answer::YesThenCancel, "Yes, dialog cancelled"},
                   {Answer::YesThenFailure, "Yes, save failed"}};
    for (const auto& c : commands)
        for (const auto& a : answers)
            QTest::addRow("%s %s", c.name, a.name)
                << c.command << a.answer << QString::fromLatin1(c.title);
}

void Form1Test::savePrompt() {
    QFETCH(Command, command);
    QFETCH(Answer, answer);
    QFETCH(QString, title);
    const bool saved = answer == Answer::Yes;
    const bool goesOn = saved || answer == Answer::No;  // the command goes on

    window_->TxtDescription->setText(QStringLiteral("unsaved"));
    MakeModified();
    const QString target = PathOf("prompted.vtl");
    QFile::remove(target);

    prompts_.ExpectMessage(answer == Answer::No       ? QMessageBox::No
                           : answer == Answer::Cancel ? QMessageBox::Cancel
                                                      : QMessageBox::Yes);
    if (answer == Answer::Yes) prompts_.ExpectSaveFile(target);
    if (answer == Answer::YesThenCancel) prompts_.ExpectSaveFile(QString());
    if (answer == Answer::YesThenFailure) {
        prompts_.ExpectSaveFile(dir_.filePath(QStringLiteral("missing/folder/prompted.vtl")));
        prompts_.ExpectMessage();  // "Unable to save file to ..."
    }
    if (goesOn && command == Command::Open) prompts_.ExpectOpenFile(QString());

    bool closed = false;
    switch (command) {
        case Command::New:
            window_->NewCommand();
            break;
        case Command::Open:
            window_->OpenCommand();
            break;
        case Command::Close:
            closed = window_->close();
            break;
    }

    const PromptCall question = Messages(prompts_).first();
    QCOMPARE(question.icon, QMessageBox::Question);
    QCOMPARE(question.title, title);
    QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(question.defaultButton, QMessageBox::Yes);
    QCOMPARE(QFile::exists(target), saved);

    if (command == Command::Close) QCOMPARE(closed, goesOn);
    if (command == Command::New) QCOMPARE(!window_->Modified(), goesOn);
    if (command == Command::Open) {
        // The open dialog was cancelled: the design is still there.
        QCOMPARE(window_->TxtDescription->text(), QStringLiteral("unsaved"));
        QCOMPARE(window_->Modified(), !saved);
    }
    if (!goesOn) {
        // Abandoned: the design is still there, still unsaved.
        QVERIFY(window_->Modified());
        QCOMPARE(window_->TxtDescription->text(), QStringLiteral("unsaved"));
        QVERIFY(window_->isVisible());
    }
    if (closed) window_.reset(new Form1(&prompts_));
}

void Form1Test::newKeepsFieldsAndResetsLists() {
    DesignInputs inputs = SampleInputs();
    const QString path = PathOf("sample.vtl");
    QCOMPARE(WriteProjectFile(path.toStdString(), inputs), 0);
    QVERIFY(window_->OpenFile(path));
    QVERIFY(window_->State().grids.checks.Cell(3, 2).color != kWhite);  // a verdict to clear

    window_->NewCommand();
    const DesignInputs after = window_->CurrentInputs();
    // The window looks as at start-up: no values, no green or red, no
    // dimensions of the last design, the width labels of no shape yet.
    QCOMPARE(FirstDifferenceFromFreshGrids(window_->State().grids), std::string());
    QCOMPARE(window_->MSFlexGrid3->model()->index(3, 2).data(Qt::BackgroundRole).value<QColor>(),
             QColor(Qt::white));
    QCOMPARE(Child<QLabel>(*window_, "Labela")->text(), QStringLiteral("0.0 in."));
    QCOMPARE(Child<QLabel>(*window_, "Labelbeam")->text(), QStringLiteral("W"));
    // The six lists are back on their defaults, everything else stays as it was.
    const DesignInputs defaults = NewDesignInputs();
    for (auto list : {&DesignInputs::Beam, &DesignInputs::Column, &DesignInputs::Grade,
                      &DesignInputs::A, &DesignInputs::B, &DesignInputs::C})
        inputs.*list = defaults.*list;
    QCOMPARE(after, inputs);
    QVERIFY(!window_->Modified());
    QVERIFY(window_->CurrentFileName().isEmpty());
}

void Form1Test::openFillsEveryFieldAndCalculates() {
    const DesignInputs inputs = SampleInputs();
    const QString path = PathOf("open me.vtl");
    QCOMPARE(WriteProjectFile(path.toStdString(), inputs), 0);

    prompts_.ExpectOpenFile(path);
    window_->OpenCommand();
    QCOMPARE(window_->CurrentInputs(), inputs);
    QVERIFY(window_->OptOMRF->isChecked());
    QCOMPARE(window_->windowTitle(), TitleOf(kTitleOneBlank, QStringLiteral("open me.vtl")));
    QCOMPARE(window_->CurrentFileName(), path);
    QVERIFY(!window_->Modified());

    // The grids show the opened design, as the core calculates it.
    DesignState expected;
    CollectingErrorSink errors;
    Calculate(expected, inputs, errors);
    QVERIFY(errors.errors.empty());
    QCOMPARE(window_->State().grids.summary.Text(8, 1), expected.grids.summary.Text(8, 1));
    QVERIFY(!expected.grids.summary.Text(8, 1).empty());
    const QModelIndex mpr = window_->MSFlexGrid2->model()->index(8, 1);
    QCOMPARE(mpr.data().toString(), QString::fromStdString(expected.grids.summary.Text(8, 1)));
    QCOMPARE(window_->LblBeamWidth->text(), QString::fromStdString(expected.labels.LblBeamWidth));
}

void Form1Test::failedOpenChangesNothing_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("beam");  // written into a valid file when not empty
    QTest::newRow("not a project file") << QByteArray("Vantrel? no.") << QString();
    QTest::newRow("wrong type tag")
        << QByteArray("\x12\x20\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00", 12) << QString();
    QTest::newRow("shape not in the list") << QByteArray() << QStringLiteral("W 99x1");
}

void Form1Test::failedOpenChangesNothing() {
    QFETCH(QByteArray, content);
    QFETCH(QString, beam);
    const QString good = PathOf("good.vtl");
    QCOMPARE(WriteProjectFile(good.toStdString(), SampleInputs()), 0);
    QVERIFY(window_->OpenFile(good));
    const DesignInputs before = window_->CurrentInputs();
    const std::string valueBefore = window_->State().grids.summary.Text(8, 1);

    const QString bad = PathOf("bad.vtl");
    if (beam.isEmpty()) {
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    } else {
        DesignInputs inputs = NewDesignInputs();
        inputs.Beam = beam.toStdString();
        inputs.Length = "40.00";
        QCOMPARE(WriteProjectFile(bad.toStdString(), inputs), 0);
    }
    prompts_.ExpectMessage();
    QVERIFY(!window_->OpenFile(bad));

    QVERIFY(Messages(prompts_).first().text.contains(bad));
    QCOMPARE(window_->CurrentInputs(), before);
    QCOMPARE(window_->CurrentFileName(), good);
    QCOMPARE(window_->State().grids.summary.Text(8, 1), valueBefore);
    QVERIFY(!window_->Modified());
}

void Form1Test::failedSaveKeepsDocument() {
    const QString good = PathOf("kept.vtl");
    prompts_.ExpectSaveFile(good);
    window_->SaveAsCommand();
    const QString title = window_->windowTitle();
    window_->TxtLength->setText(QStringLiteral("25.00"));
    MakeModified();

    const QString bad = dir_.filePath(QStringLiteral("no/such/folder/x.vtl"));
    prompts_.ExpectSaveFile(bad);
    prompts_.ExpectMessage();
    window_->SaveAsCommand();
    QVERIFY(Messages(prompts_).first().text.contains(bad));
    QCOMPARE(window_->windowTitle(), title);
    QCOMPARE(window_->CurrentFileName(), good);
    QVERIFY(window_->Modified());
}

// A text longer than Qt's default field length, in a file whose name is not
// UTF-8: opening and saving keep every character, and the save goes to the
// very same name.
void Form1Test::longTextsAndByteNamesSurviveOpenAndSave() {
    const std::string folder = QFile::encodeName(dir_.path()).toStdString() + "/byte-names";
    QCOMPARE(mkdir(folder.c_str(), 0700), 0);
    const std::string path = folder + "/bay-\xFF.vtl";
    DesignInputs inputs = SampleInputs();
    inputs.Description = std::string(50003, 'd');
    inputs.Length = std::string(40000, '0') + "30.00";
    QCOMPARE(WriteProjectFile(path, inputs), 0);

    QVERIFY(window_->OpenNativeFile(path));
    QCOMPARE(window_->CurrentInputs().Description.size(), size_t{50003});
    QCOMPARE(window_->CurrentInputs().Length, inputs.Length);
    window_->SaveCommand();
    QVERIFY(Messages(prompts_).isEmpty());
    const ProjectReadResult saved = ReadProjectFile(path);
    QCOMPARE(saved.error, 0);
    QCOMPARE(saved.inputs.Description, inputs.Description);
    QCOMPARE(saved.inputs.Length, inputs.Length);
    // Saved under the same bytes, not a second name; QDir can neither list
    // nor remove a name that is not UTF-8.
    QCOMPARE(unlink(path.c_str()), 0);
    QVERIFY(std::filesystem::is_empty(folder));
}

void Form1Test::shortPathsAskForAName_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("asks");
    QTest::newRow("empty") << QString() << true;
    QTest::newRow("3 characters") << QStringLiteral("a.v") << true;
    QTest::newRow("4 characters") << QStringLiteral("a.vt") << false;
}

void Form1Test::shortPathsAskForAName() {
    QFETCH(QString, path);
    QFETCH(bool, asks);
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir_.path()));  // a short name is a file of the working folder
    if (asks) {
        prompts_.ExpectOpenFile(QString());  // cancelled: silent, nothing changes
        QVERIFY(!window_->OpenFile(path));
        QVERIFY(window_->CurrentFileName().isEmpty());
    } else {
        // Used as it is, for opening and then for saving.
        QCOMPARE(WriteProjectFile(path.toStdString(), SampleInputs()), 0);
        QVERIFY(window_->OpenFile(path));
        QCOMPARE(window_->CurrentFileName(), path);
        window_->TxtDescription->setText(QStringLiteral("saved under a short name"));
        window_->SaveCommand();
        const ProjectReadResult saved = ReadProjectFile(path.toStdString());
        QCOMPARE(saved.inputs.Description, std::string("saved under a short name"));
    }
    QDir::setCurrent(previous);
}

void Form1Test::calculateNeedsLengthAndHeight_data() {
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QStringList>("missing");  // a word of each message, in order
    const QString l = QStringLiteral("15.00"), h = QStringLiteral("8.00");
    QTest::newRow("length") << QString() << h << QStringList{QStringLiteral("length")};
    QTest::newRow("height") << l << QString() << QStringList{QStringLiteral("height")};
    QTest::newRow("both") << QString() << QString()
                          << QStringList{QStringLiteral("length"), QStringLiteral("height")};
}

void Form1Test::calculateNeedsLengthAndHeight() {
    QFETCH(QString, length);
    QFETCH(QString, height);
    QFETCH(QStringList, missing);
    // Texts a project file may leave empty; the fields were never validated.
    window_->TxtLength->setText(length);
    window_->TxtHeight->setText(height);
    for (qsizetype i = 0; i < missing.size(); ++i) prompts_.ExpectMessage();
    window_->CmdCalc->click();

    const QList<PromptCall> shown = Messages(prompts_);
    QCOMPARE(shown.size(), missing.size());
    for (qsizetype i = 0; i < shown.size(); ++i) {
        QVERIFY2(shown[i].text.contains(missing[i]), qPrintable(shown[i].text));
        QCOMPARE(shown[i].icon, QMessageBox::Warning);
    }
    QVERIFY(!window_->Modified());
    QVERIFY(!Calculated(*window_));
}

void Form1Test::failingProceduresShowOneBoxEach() {
    // A good calculation first, so that there are values to empty.
    window_->CalculateCommand();
    QVERIFY(Calculated(*window_));

    // Texts the fields themselves would refuse; a project file can hold them.
    window_->TxtAoverride->setText(QStringLiteral("1.2.3"));
    window_->TxtHeight->setText(QStringLiteral("8.0.0"));
    DesignState expected;
    CollectingErrorSink errors;
    Calculate(expected, window_->CurrentInputs(), errors);
    QCOMPARE(errors.errors.size(), size_t{2});
    for (size_t i = 0; i < errors.errors.size(); ++i) prompts_.ExpectMessage();
    window_->CalculateCommand();

    const QList<PromptCall> shown = Messages(prompts_);
    QCOMPARE(shown.size(), qsizetype{2});
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const auto& error = errors.errors[static_cast<size_t>(i)];
        QCOMPARE(shown[i].icon, QMessageBox::Critical);
        QCOMPARE(shown[i].title, QString::fromStdString(ErrorTitle(error)));
        QCOMPARE(shown[i].text, QString::fromStdString(ErrorPrompt(error)));
    }
    // Nothing computed from the failed steps' placeholders is shown.
    QCOMPARE(FirstDifferenceFromFreshGrids(window_->State().grids), std::string());
    const QAbstractItemModel* grid = window_->MSFlexGrid2->model();
    for (int row = 1; row <= 16; ++row) QCOMPARE(grid->index(row, 1).data().toString(), QString());
    QCOMPARE(Child<QLabel>(*window_, "Labela")->text(), QString());
    // No current-code item is computed from an errored run.
    QCOMPARE(window_->Aisc358Tab->Table()->rowCount(), 0);
}

void Form1Test::tabLeavesEachGrid_data() {
    QTest::addColumn<int>("which");
    QTest::newRow("calculated values") << 0;
    QTest::newRow("parameters") << 1;
    QTest::newRow("design checks") << 2;
}

void Form1Test::tabLeavesEachGrid() {
    QFETCH(int, which);
    ResultGridView* grid = which == 0   ? window_->MSFlexGrid2
                           : which == 1 ? window_->MSFlexGrid4
                                        : window_->MSFlexGrid3;
    window_->SSTab1->setCurrentWidget(grid);
    const int rows = grid->model()->rowCount();
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
        grid->setFocus(Qt::OtherFocusReason);
        grid->setCurrentIndex(grid->model()->index(1, 0));
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(grid->currentIndex().row(), 2);  // arrows move within the grid
        QTest::keyClick(grid, key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        QVERIFY(!grid->hasFocus());
    }
    QCOMPARE(grid->model()->rowCount(), rows);
}

void Form1Test::diagramFollowsCalculation() {
    const int page = window_->SSTab1->indexOf(window_->Picture1);
    CalculateWorkedExample(*window_);
    const ResultGrid& summary = window_->State().grids.summary;
    const struct {
        const char* label;
        std::string text;
    } expected[] = {
        {"Labela", summary.Text(1, 1)}, {"Labelb", summary.Text(2, 1)},
        {"Labelc", summary.Text(3, 1)}, {"Labelr", summary.Text(4, 1)},
        {"LabelLength", "30.00 ft."},   {"Labelbeam", "W 21x44"},
        {"Labelcolumn1", "W 14x90"},    {"Labelcolumn2", "W 14x90"},
    };
    for (const auto& e : expected) {
        QVERIFY(!e.text.empty());
        QCOMPARE(Child<QLabel>(*window_, e.label)->text(), QString::fromStdString(e.text));
    }
    window_->SSTab1->setCurrentIndex(page);
    QVERIFY(window_->Picture1->isVisible());
    const QLabel* a = Child<QLabel>(*window_, "Labela");
    QVERIFY(window_->Picture1->rect().contains(a->geometry()));
}

void Form1Test::editsMarkTheDesignModified_data() {
    QTest::addColumn<int>("edit");
    QTest::newRow("typed length") << 0;
    QTest::newRow("typed description") << 1;
    QTest::newRow("list selection") << 2;
    QTest::newRow("frame type") << 3;
    QTest::newRow("loads confirmed") << 4;
    QTest::newRow("typed axial load") << 5;
    QTest::newRow("column above, before a calculation") << 6;
}

void Form1Test::editsMarkTheDesignModified() {
    QFETCH(int, edit);
    QVERIFY(!window_->Modified());
    switch (edit) {
        case 0:
            window_->TxtLength->setFocus();
            QTest::keyClick(window_->TxtLength, Qt::Key_End);
            QTest::keyClick(window_->TxtLength, Qt::Key_Backspace);
            break;
        case 1:
            QTest::keyClicks(window_->TxtDescription, QStringLiteral("Bay 4"));
            break;
        case 2:
            window_->ComboColumn->setFocus();
            QTest::keyClick(window_->ComboColumn, Qt::Key_Down);
            break;
        case 3:
            QTest::mouseClick(window_->OptOMRF, Qt::LeftButton);
            break;
        case 4: {
            prompts_.ExpectDialog();
            window_->Command2->click();
            auto* loads = qobject_cast<FormLoads*>(prompts_.lastDialog.data());
            QVERIFY(loads != nullptr);
            QVERIFY(!window_->Modified());
            Child<QPushButton>(*loads, "cmdOK")->click();
            break;
        }
        case 5:
            window_->TxtColumnAxialLoad->setFocus();
            QTest::keyClicks(window_->TxtColumnAxialLoad, QStringLiteral("5"));
            break;
        case 6:
            QTest::mouseClick(window_->ChkColumnAbove, Qt::LeftButton);
            QVERIFY(window_->ChkColumnAbove->isChecked());
            // Nothing was shown, so nothing is calculated.
            QVERIFY(!Calculated(*window_));
            break;
        default:
            QFAIL("no such edit");
    }
    QVERIFY(window_->Modified());
    // Closing now asks first.
    prompts_.ExpectMessage(QMessageBox::Cancel);
    QVERIFY(!window_->close());
    QCOMPARE(Messages(prompts_).last().title, QStringLiteral("New File Confirmation."));
}

// A file named on the command line is opened before the window shows; the
// window then carries the title it would have had loading with that file.
void Form1Test::fileOpenedBeforeShowingIsNamedInTheLoadTitle() {
    const QString path = PathOf("frame1.vtl");
    QCOMPARE(WriteProjectFile(path.toStdString(), SampleInputs()), 0);
    QVERIFY(window_->OpenFile(path));
    window_->ShowTitleAsLoaded();
    QCOMPARE(window_->windowTitle(), TitleOf(kTitleAtLoad, QStringLiteral("frame1.vtl")));
    QVERIFY(!window_->Modified());
}

namespace {

QString StatusOf(const Aisc358Page& page, const char* id) {
    const int row = page.RowOf(QLatin1String(id));
    if (row < 0) return QStringLiteral("(no row)");
    return page.Table()->item(row, Aisc358Page::kStatus)->text();
}

QColor ColourOf(const Aisc358Page& page, const char* id) {
    const int row = page.RowOf(QLatin1String(id));
    if (row < 0) return QColor();
    return page.Table()->item(row, Aisc358Page::kStatus)->background().color();
}

double StrongColumnRatio(const Form1& window) {
    for (const current::Item& item : window.CurrentCode().result.value().items)
        if (item.id == "strong_column") return item.value.value();
    return 0;
}

}  // namespace

// The statuses of the worked example by hand (W 21x44 on W 14x90, 30 ft,
// SMF, Puc 0, roof joint) and the colour each status is shown in.
void Form1Test::currentCodeTabAfterWorkedExample_data() {
    QTest::addColumn<QString>("status");  // of the item the row is named after
    QTest::addColumn<QColor>("colour");
    const QColor green(0, 255, 0), red(255, 0, 0), amber(255, 191, 0), white(255, 255, 255);
    QTest::newRow("cut_c") << "pass" << green;
    QTest::newRow("flexure_face") << "pass" << green;
    QTest::newRow("column_flange_slenderness") << "fail" << red;
    QTest::newRow("continuity_plates") << "required" << amber;
    QTest::newRow("panel_zone_shear") << "required" << amber;
    QTest::newRow("panel_zone_thickness") << "pass" << green;
    QTest::newRow("strong_column") << "exempt" << white;
    QTest::newRow("doubler_thickness") << "info" << white;
}

void Form1Test::currentCodeTabAfterWorkedExample() {
    QFETCH(QString, status);
    QFETCH(QColor, colour);
    const QString id = QString::fromLatin1(QTest::currentDataTag());
    QCOMPARE(window_->Aisc358Tab->Table()->rowCount(), 0);

    CalculateWorkedExample(*window_);
    const Aisc358Page& page = *window_->Aisc358Tab;
    const QByteArray name = id.toLatin1();
    QCOMPARE(StatusOf(page, name.constData()), status);
    QCOMPARE(ColourOf(page, name.constData()), colour);
    // The verdict on top is the core's: the column flange fails.
    const auto& result = window_->CurrentCode().result;
    QVERIFY(result && !result->pass);
    QCOMPARE(page.Verdict()->text(),
             QString::fromStdString(Aisc358VerdictText(window_->CurrentCode())));

    // New empties the page again.
    prompts_.ExpectMessage(QMessageBox::No);
    window_->NewCommand();
    QCOMPARE(page.Table()->rowCount(), 0);
    QVERIFY(page.Verdict()->text().isEmpty());
}

// The check box changes only the current-code items; a shown result follows
// it at once, and the change is unsaved work.
void Form1Test::columnAboveRecalculatesShownResults() {
    window_->TxtColumnAxialLoad->setText(QStringLiteral("100.000"));
    CalculateWorkedExample(*window_);
    const Aisc358Page& page = *window_->Aisc358Tab;
    QCOMPARE(StatusOf(page, "strong_column"), QStringLiteral("exempt"));
    const double roofRatio = StrongColumnRatio(*window_);

    QTest::mouseClick(window_->ChkColumnAbove, Qt::LeftButton);
    QVERIFY(window_->ChkColumnAbove->isChecked());
    QCOMPARE(window_->CurrentInputs().ColumnAbove, std::string("Yes"));
    QCOMPARE(StatusOf(page, "strong_column"), QStringLiteral("pass"));
    QCOMPARE(ColourOf(page, "strong_column"), QColor(0, 255, 0));
    // Two column strengths against the same beam: twice the ratio.
    QCOMPARE(StrongColumnRatio(*window_), 2 * roofRatio);
    QVERIFY(window_->Modified());

    QTest::mouseClick(window_->ChkColumnAbove, Qt::LeftButton);
    QCOMPARE(StatusOf(page, "strong_column"), QStringLiteral("exempt"));
}

}  // namespace vantrel::test

QTEST_MAIN(vantrel::test::Form1Test)
#include "test_form1.moc"
