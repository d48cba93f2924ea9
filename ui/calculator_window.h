#pragma once
// The main window: every input of the design, the Calculate command, the
// result pages and the document commands. It holds no calculation and no
// file format: it fills DesignInputs from its controls, runs the chain on the
// DesignState it owns and shows the result grids and the sketch labels.

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <string>

#include "model/design_inputs.h"
#include "present/design_state.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace vantrel {

class Aisc358Page;
class ConnectionSketch;
class FocusGuard;
class GravityLoadsDialog;
class Prompts;
class ResultGridView;

class CalculatorWindow : public QMainWindow {
    Q_OBJECT
  public:
    // nullptr: real message boxes and file dialogs.
    explicit CalculatorWindow(Prompts* prompts = nullptr, QWidget* parent = nullptr);
    ~CalculatorWindow() override;

    // Opens a project file (a path shorter than 4 characters asks for one),
    // shows its inputs, calculates and clears Modified. False on cancel or
    // failure; a failure has shown its message and changed nothing.
    bool OpenFile(const QString& path);
    // The same with the path as the file system's bytes, used exactly (a
    // name that is not UTF-8 included): the command line's "/open".
    bool OpenNativeFile(const std::string& nativePath);

    void NewCommand();
    void OpenCommand();
    void SaveCommand();
    void SaveAsCommand();
    void CalculateCommand();
    void PrintCommand();
    void ExportPdfCommand();
    void FindDesignsCommand();
    void ContentsCommand();
    void AboutCommand();
    void GravityLoadsCommand();

    QString CurrentFileName() const { return currentFileName_; }
    QString DocumentName() const { return documentName_; }
    bool Modified() const { return modified_; }
    const DesignState& State() const { return state_; }
    // The current-code items of the last calculation.
    const Aisc358Section& CurrentCode() const { return state_.aisc358; }
    // The inputs as the calculation and the report read them: the controls'
    // texts, and the loads dialog's texts while it exists, else the window's.
    DesignInputs CurrentInputs();
    // Raises and activates the window (another start handed over to us).
    void BringToFront();
    // A file another start handed over: raises the window and, once no
    // modal dialog is open, opens it as File > Open does (asking to save
    // the changes first).
    void OpenHandedFile(const std::string& nativePath);
    // File > Recent Files: opens the entry; one that is no longer there is
    // taken off the list, and the user told so.
    void OpenRecentFile(const std::string& nativePath);
    // The title a window shows when it loads with the current file: used
    // when a file named on the command line was opened before the window
    // was shown.
    void ShowTitleAsLoaded();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // Building (calculator_window_layout.cpp).
    void BuildControls();
    QGroupBox* BuildFrameInformation();
    QGroupBox* BuildBeamInformation();
    QGroupBox* BuildColumnSize();
    QGroupBox* BuildSteelGrade();
    QTabWidget* BuildResultPages();
    void BuildMenus();
    void BuildToolbar();

    // Fields and lists (calculator_window_fields.cpp).
    void FillShapeLists();
    void InitializeView();
    void SetDefaultSelections();
    void GuardNumericFields();
    void ConnectEditsToModified();
    bool RequiredInputsPresent();
    void ShowInputs(const DesignInputs& inputs);
    int CheckListTexts(const DesignInputs& inputs) const;
    void ShowRefusal(const QString& message);

    // Documents (calculator_window_document.cpp).
    bool SavePrompt(const QString& title);
    bool OpenPath(const std::string& nativePath);
    // The warning box of a file that could not be opened or saved.
    void ShowFileFailure(int error, const std::string& prompt);
    bool SaveFile(const std::string& nativePath);
    void SetTitle(const char* prefix);
    void SetCurrentFileName(const std::string& nativePath);
    void FillRecentFilesMenu();
    // A file dialog's choice, starting in the last folder used; remembers
    // the chosen file's folder.
    QString ChooseFile(bool forSaving, const char* title, const char* filter);

    // Calculation and results (calculator_window_calculate.cpp).
    // Runs the chain on the current inputs; false when it reported an error.
    bool RunCalculate();
    void ColumnAboveToggled();
    // The Calculate command before a report, which must never show results
    // of other inputs: true when the inputs are present and the run reported
    // no error. Leaves Modified as it was.
    bool CalculateForReport();
    void ShowResults();
    // Marks the shown results stale while the inputs (but the description)
    // differ from those they were calculated with.
    void UpdateStaleMark();
    // The "Fl. Width =" labels of the shapes chosen in the lists.
    void ShowFlangeWidths();
    // The sketch and width labels of a window that has just started.
    void ResetSketchLabels();
    void ReportChainError(const ChainError& error);

    // The loads dialog (calculator_window_loads.cpp).
    GravityLoadsDialog& EnsureLoads();
    void DiscardLoads();

    void SetModified(bool modified) { modified_ = modified; }

    // Reports (calculator_window_report.cpp).
    void ShowReportFailure(int number, const QString& description);

    std::unique_ptr<Prompts> ownedPrompts_;
    Prompts* prompts_;
    DesignState state_;
    bool modified_ = false;        // the document's unsaved work: set by every calculation
    bool resultsShown_ = false;    // the last calculation ran without an error
    DesignInputs shownInputs_;     // what the shown results were calculated from
    std::string currentFilePath_;  // the file system's bytes; currentFileName_ shows them
    QString currentFileName_;
    QString documentName_;
    FocusGuard* guard_ = nullptr;
    QPointer<GravityLoadsDialog> loads_;
    // The loads' texts (only the load members are used): a new design's, an
    // opened file's, or what the loads dialog's OK left.
    DesignInputs loadTexts_ = NewDesignInputs();
    bool showingInputs_ = false;  // programmatic changes do not count as edits

    // The controls, named as their object names are (without the underscore).
    QLineEdit* lengthField_ = nullptr;
    QLineEdit* heightField_ = nullptr;
    QRadioButton* smrfOption_ = nullptr;
    QRadioButton* omrfOption_ = nullptr;
    QPushButton* gravityLoadsButton_ = nullptr;
    QComboBox* beamList_ = nullptr;
    QLabel* beamWidthLabel_ = nullptr;
    QComboBox* aCoefficientList_ = nullptr;
    QComboBox* bCoefficientList_ = nullptr;
    QComboBox* cCoefficientList_ = nullptr;
    QLineEdit* aOverrideField_ = nullptr;
    QLineEdit* bOverrideField_ = nullptr;
    QLineEdit* cOverrideField_ = nullptr;
    QComboBox* columnList_ = nullptr;
    QLabel* columnWidthLabel_ = nullptr;
    QLineEdit* axialLoadField_ = nullptr;
    QCheckBox* columnAboveBox_ = nullptr;
    QComboBox* gradeList_ = nullptr;
    QLineEdit* descriptionField_ = nullptr;
    QPushButton* calculateButton_ = nullptr;
    QLabel* staleLabel_ = nullptr;
    QMenu* recentFilesMenu_ = nullptr;
    QTabWidget* resultPages_ = nullptr;
    ResultGridView* summaryGrid_ = nullptr;
    ResultGridView* checksGrid_ = nullptr;
    ResultGridView* parametersGrid_ = nullptr;
    Aisc358Page* aisc358Page_ = nullptr;
    ConnectionSketch* sketch_ = nullptr;
};

// The part of a path after its last folder separator, or "New Untitled".
QString DocumentNameOf(const QString& path);

}  // namespace vantrel
