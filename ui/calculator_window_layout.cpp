// Building the main window's controls, menus and toolbar.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>

#include "aisc358_page.h"
#include "calculator_window.h"
#include "connection_sketch.h"
#include "files/project_file.h"
#include "grid_view.h"

namespace vantrel {
namespace {

template <typename W, typename... Args>
W* Named(const char* name, Args&&... args) {
    auto* widget = new W(std::forward<Args>(args)...);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A field holds every text a project file can hold (Qt's default stops at
// 32767 characters), so opening and saving never cuts a text.
QLineEdit* WholeTextField(const char* name, const QString& text, QWidget* parent) {
    auto* field = Named<QLineEdit>(name, text, parent);
    field->setMaxLength(static_cast<int>(kMaxValueBytes));
    return field;
}

QLineEdit* NumericField(const char* name, const QString& text, QWidget* parent) {
    auto* field = WholeTextField(name, text, parent);
    field->setAlignment(Qt::AlignRight);
    field->setMaximumWidth(90);
    return field;
}

QIcon ThemeIcon(const char* themeName, const char* bundled) {
    return QIcon::fromTheme(QLatin1String(themeName),
                            QIcon(QStringLiteral(":/vantrel/icons/") + QLatin1String(bundled)));
}

}  // namespace

void CalculatorWindow::BuildControls() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));

    auto* inputs = new QHBoxLayout;
    inputs->addWidget(BuildFrameInformation());
    inputs->addWidget(BuildBeamInformation(), 1);
    auto* right = new QVBoxLayout;
    right->addWidget(BuildColumnSize());
    right->addWidget(BuildSteelGrade());
    right->addStretch();
    inputs->addLayout(right);

    auto* descriptionLabel =
        Named<QLabel>("descriptionLabel", QStringLiteral("Description:"), central);
    descriptionField_ = WholeTextField("descriptionField", QString(), central);
    calculateButton_ = Named<QPushButton>("calculateButton", QStringLiteral("&Calculate"), central);
    calculateButton_->setMinimumWidth(120);
    QFont calcFont = calculateButton_->font();
    calcFont.setBold(true);
    calculateButton_->setFont(calcFont);
    calculateButton_->setAutoDefault(true);  // Enter presses it when it has the focus
    connect(calculateButton_, &QPushButton::clicked, this, [this] { CalculateCommand(); });
    auto* description = new QHBoxLayout;
    description->addWidget(descriptionLabel);
    description->addWidget(descriptionField_, 1);
    description->addSpacing(12);
    description->addWidget(calculateButton_);

    staleLabel_ =
        Named<QLabel>("staleLabel", QStringLiteral("Inputs changed: press Calculate"), central);
    QFont staleFont = staleLabel_->font();
    staleFont.setBold(true);
    staleLabel_->setFont(staleFont);
    staleLabel_->hide();

    auto* layout = new QVBoxLayout(central);
    layout->addLayout(inputs);
    layout->addLayout(description);
    layout->addWidget(staleLabel_);
    layout->addWidget(BuildResultPages(), 1);
    setCentralWidget(central);

    // Tab order follows the groups as they read.
    QWidget* order[] = {lengthField_,        heightField_,     smrfOption_,       omrfOption_,
                        gravityLoadsButton_, beamList_,        aCoefficientList_, aOverrideField_,
                        bCoefficientList_,   bOverrideField_,  cCoefficientList_, cOverrideField_,
                        columnList_,         axialLoadField_,  columnAboveBox_,   gradeList_,
                        descriptionField_,   calculateButton_, resultPages_};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

QGroupBox* CalculatorWindow::BuildFrameInformation() {
    auto* frameGroup = Named<QGroupBox>("frameGroup", QStringLiteral("Frame Information"));
    auto* lengthLabel = Named<QLabel>("lengthLabel", QStringLiteral("Length (ft)"), frameGroup);
    lengthField_ = NumericField("lengthField", QStringLiteral("15.00"), frameGroup);
    lengthField_->setToolTip(QStringLiteral("Maximum length allowed is 50 feet."));
    auto* heightLabel = Named<QLabel>("heightLabel", QStringLiteral("\"H\" Height"), frameGroup);
    heightField_ = NumericField("heightField", QStringLiteral("8.00"), frameGroup);
    heightField_->setToolTip(QStringLiteral("Maximum height allowed is 35 feet."));
    smrfOption_ = Named<QRadioButton>("smrfOption", QStringLiteral("SMRF"), frameGroup);
    smrfOption_->setToolTip(QStringLiteral("Check for Special Moment Resisting Frame."));
    smrfOption_->setChecked(true);
    omrfOption_ = Named<QRadioButton>("omrfOption", QStringLiteral("OMRF"), frameGroup);
    omrfOption_->setToolTip(QStringLiteral("Check for Ordinary Moment Resisting Frame."));
    gravityLoadsButton_ =
        Named<QPushButton>("gravityLoadsButton", QStringLiteral("&Beam Gravity Loads"), frameGroup);
    connect(gravityLoadsButton_, &QPushButton::clicked, this, [this] { GravityLoadsCommand(); });

    auto* grid = new QGridLayout(frameGroup);
    grid->addWidget(lengthLabel, 0, 0);
    grid->addWidget(lengthField_, 0, 1);
    grid->addWidget(heightLabel, 1, 0);
    grid->addWidget(heightField_, 1, 1);
    auto* options = new QHBoxLayout;
    options->addWidget(smrfOption_);
    options->addWidget(omrfOption_);
    grid->addLayout(options, 2, 0, 1, 2);
    grid->addWidget(gravityLoadsButton_, 3, 0, 1, 2);
    grid->setRowStretch(4, 1);
    return frameGroup;
}

QGroupBox* CalculatorWindow::BuildBeamInformation() {
    auto* beamGroup = Named<QGroupBox>("beamGroup", QStringLiteral("Beam Information"));
    beamList_ = Named<QComboBox>("beamList", beamGroup);
    beamList_->setMaxVisibleItems(20);
    beamWidthLabel_ = Named<QLabel>("beamWidthLabel", QStringLiteral("Fl. Width ="), beamGroup);
    auto* aCoefficientLabel =
        Named<QLabel>("aCoefficientLabel", QStringLiteral("\"a\" Coef."), beamGroup);
    auto* bCoefficientLabel =
        Named<QLabel>("bCoefficientLabel", QStringLiteral("\"b\" Coef."), beamGroup);
    auto* cCoefficientLabel =
        Named<QLabel>("cCoefficientLabel", QStringLiteral("\"c\" Coef."), beamGroup);
    aCoefficientList_ = Named<QComboBox>("aCoefficientList", beamGroup);
    bCoefficientList_ = Named<QComboBox>("bCoefficientList", beamGroup);
    cCoefficientList_ = Named<QComboBox>("cCoefficientList", beamGroup);
    auto* overrideLabel =
        Named<QLabel>("overrideLabel", QStringLiteral("(a, b and c  override)"), beamGroup);
    aOverrideField_ = NumericField("aOverrideField", QStringLiteral("0.000"), beamGroup);
    bOverrideField_ = NumericField("bOverrideField", QStringLiteral("0.000"), beamGroup);
    cOverrideField_ = NumericField("cOverrideField", QStringLiteral("0.000"), beamGroup);

    auto* grid = new QGridLayout(beamGroup);
    grid->addWidget(beamList_, 0, 0, 1, 2);
    grid->addWidget(beamWidthLabel_, 0, 2);
    grid->addWidget(overrideLabel, 1, 2);
    grid->addWidget(aCoefficientLabel, 2, 0);
    grid->addWidget(aCoefficientList_, 2, 1);
    grid->addWidget(aOverrideField_, 2, 2);
    grid->addWidget(bCoefficientLabel, 3, 0);
    grid->addWidget(bCoefficientList_, 3, 1);
    grid->addWidget(bOverrideField_, 3, 2);
    grid->addWidget(cCoefficientLabel, 4, 0);
    grid->addWidget(cCoefficientList_, 4, 1);
    grid->addWidget(cOverrideField_, 4, 2);
    grid->setColumnStretch(1, 1);
    return beamGroup;
}

QGroupBox* CalculatorWindow::BuildColumnSize() {
    auto* columnGroup = Named<QGroupBox>("columnGroup", QStringLiteral("Column Size"));
    columnList_ = Named<QComboBox>("columnList", columnGroup);
    columnList_->setMaxVisibleItems(20);
    columnWidthLabel_ =
        Named<QLabel>("columnWidthLabel", QStringLiteral("Fl. Width ="), columnGroup);
    // The current-code checks' column inputs.
    auto* axialLoadLabel =
        Named<QLabel>("axialLoadLabel", QStringLiteral("Puc (kip)"), columnGroup);
    axialLoadField_ = NumericField("axialLoadField", QStringLiteral("0.000"), columnGroup);
    axialLoadField_->setToolTip(
        QStringLiteral("Factored axial compression of the column at the joint (AISC 358-16)."));
    columnAboveBox_ =
        Named<QCheckBox>("columnAboveBox", QStringLiteral("Column continues above"), columnGroup);
    connect(columnAboveBox_, &QCheckBox::toggled, this, [this] { ColumnAboveToggled(); });
    auto* box = new QGridLayout(columnGroup);
    box->addWidget(columnList_, 0, 0, 1, 2);
    box->addWidget(columnWidthLabel_, 1, 0, 1, 2);
    box->addWidget(axialLoadLabel, 2, 0);
    box->addWidget(axialLoadField_, 2, 1);
    box->addWidget(columnAboveBox_, 3, 0, 1, 2);
    return columnGroup;
}

QGroupBox* CalculatorWindow::BuildSteelGrade() {
    auto* gradeGroup = Named<QGroupBox>("gradeGroup", QStringLiteral("Steel Grade"));
    gradeList_ = Named<QComboBox>("gradeList", gradeGroup);
    auto* box = new QVBoxLayout(gradeGroup);
    box->addWidget(gradeList_);
    return gradeGroup;
}

QTabWidget* CalculatorWindow::BuildResultPages() {
    resultPages_ = Named<QTabWidget>("resultPages", this);
    summaryGrid_ = new ResultGridView(state_.grids.summary, kSummaryView, resultPages_);
    summaryGrid_->setObjectName(QStringLiteral("summaryGrid"));
    parametersGrid_ = new ResultGridView(state_.grids.parameters, kParametersView, resultPages_);
    parametersGrid_->setObjectName(QStringLiteral("parametersGrid"));
    checksGrid_ = new ResultGridView(state_.grids.checks, kChecksView, resultPages_);
    checksGrid_->setObjectName(QStringLiteral("checksGrid"));
    sketch_ = new ConnectionSketch(resultPages_);
    aisc358Page_ = new Aisc358Page(resultPages_);

    // Alt+C is Calculate's; the summary page takes Alt+S.
    resultPages_->addTab(summaryGrid_, QStringLiteral("Calculation &Summary"));
    resultPages_->addTab(parametersGrid_, QStringLiteral("Beam and Column Parameters"));
    resultPages_->addTab(sketch_, QStringLiteral("Diagram"));
    resultPages_->addTab(checksGrid_, QStringLiteral("Design Checks"));
    resultPages_->addTab(aisc358Page_, QStringLiteral("AISC 358-16"));
    resultPages_->setCurrentIndex(0);

    // Ctrl+Tab and Ctrl+Shift+Tab cycle the pages from anywhere in the window.
    const auto cycle = [this](int step) {
        const int count = resultPages_->count();
        resultPages_->setCurrentIndex((resultPages_->currentIndex() + step + count) % count);
    };
    for (const auto& [keys, step] :
         {std::pair{QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
          std::pair{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
          std::pair{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1}}) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [cycle, step = step] { cycle(step); });
    }
    return resultPages_;
}

void CalculatorWindow::BuildMenus() {
    const auto add = [this](QMenu* menu, const char* name, const QString& caption,
                            const QKeySequence& key, std::function<void()> command) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, [command = std::move(command)] { command(); });
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    add(file, "newAction", QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N),
        [this] { NewCommand(); });
    add(file, "openAction", QStringLiteral("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O),
        [this] { OpenCommand(); });
    recentFilesMenu_ = file->addMenu(QStringLiteral("Recent &Files"));
    recentFilesMenu_->setObjectName(QStringLiteral("recentFilesMenu"));
    connect(recentFilesMenu_, &QMenu::aboutToShow, this, [this] { FillRecentFilesMenu(); });
    FillRecentFilesMenu();
    file->addSeparator();
    add(file, "saveAction", QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S),
        [this] { SaveCommand(); });
    add(file, "saveAsAction", QStringLiteral("Save &As..."),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] { SaveAsCommand(); });
    file->addSeparator();
    add(file, "printAction", QStringLiteral("&Print"), QKeySequence(Qt::CTRL | Qt::Key_P),
        [this] { PrintCommand(); });
    add(file, "exportPdfAction", QStringLiteral("&Export PDF..."), QKeySequence(),
        [this] { ExportPdfCommand(); });
    file->addSeparator();
    add(file, "exitAction", QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q),
        [this] { close(); });

    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    tools->setObjectName(QStringLiteral("toolsMenu"));
    add(tools, "findDesignsAction", QStringLiteral("&Find Designs..."),
        QKeySequence(Qt::CTRL | Qt::Key_F), [this] { FindDesignsCommand(); });

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("helpMenu"));
    add(help, "contentsAction", QStringLiteral("&Contents..."), QKeySequence(Qt::Key_F1),
        [this] { ContentsCommand(); });
    help->addSeparator();
    add(help, "aboutAction", QStringLiteral("&About Vantrel..."), QKeySequence(),
        [this] { AboutCommand(); });
}

void CalculatorWindow::BuildToolbar() {
    QToolBar* toolbar = addToolBar(QStringLiteral("Toolbar"));
    toolbar->setObjectName(QStringLiteral("toolbar"));
    toolbar->setMovable(false);
    toolbar->setIconSize(QSize(24, 24));
    const auto button = [this](const char* name, const QIcon& icon, const QString& text,
                               const QString& tip, void (CalculatorWindow::*command)()) {
        auto* action = new QAction(icon, text, this);
        action->setObjectName(QLatin1String(name));
        action->setToolTip(tip);
        connect(action, &QAction::triggered, this, [this, command] { (this->*command)(); });
        return action;
    };
    toolbar->addAction(button(
        "toolbarNew", ThemeIcon("document-new", "new.svg"), QStringLiteral("New"),
        QStringLiteral("Start a New Reduced Beam Section File"), &CalculatorWindow::NewCommand));
    toolbar->addAction(
        button("toolbarOpen", ThemeIcon("document-open", "open.svg"), QStringLiteral("Open"),
               QStringLiteral("Open a Reduced Beam Section File"), &CalculatorWindow::OpenCommand));

    QAction* save =
        button("toolbarSave", ThemeIcon("document-save", "save.svg"), QStringLiteral("Save"),
               QStringLiteral("Save the current Reduced Beam Section Data"),
               &CalculatorWindow::SaveCommand);
    auto* saveMenu = new QMenu(this);
    saveMenu->setObjectName(QStringLiteral("toolbarSaveMenu"));
    saveMenu->addAction(button("toolbarSaveMenuSave", QIcon(), QStringLiteral("&Save"),
                               QStringLiteral("Save"), &CalculatorWindow::SaveCommand));
    saveMenu->addAction(button("toolbarSaveMenuSaveAs", QIcon(), QStringLiteral("Save &As..."),
                               QStringLiteral("Save As..."), &CalculatorWindow::SaveAsCommand));
    auto* saveButton = new QToolButton(toolbar);
    saveButton->setObjectName(QStringLiteral("toolbarSaveButton"));
    saveButton->setDefaultAction(save);
    saveButton->setMenu(saveMenu);
    saveButton->setPopupMode(QToolButton::MenuButtonPopup);
    toolbar->addWidget(saveButton);

    toolbar->addSeparator();
    toolbar->addAction(button(
        "toolbarPrint", ThemeIcon("document-print", "print.svg"), QStringLiteral("Print"),
        QStringLiteral("Print Reduced Beam Section Report"), &CalculatorWindow::PrintCommand));
    toolbar->addSeparator();
    toolbar->addAction(button("toolbarHelp", ThemeIcon("help-contents", "help.svg"),
                              QStringLiteral("Help"), QStringLiteral("Help"),
                              &CalculatorWindow::ContentsCommand));
}

}  // namespace vantrel
