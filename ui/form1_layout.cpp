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
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>

#include "aisc358_page.h"
#include "connection_sketch.h"
#include "files/project_file.h"
#include "form1.h"
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

void Form1::BuildControls() {
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

    Label6 = Named<QLabel>("Label6", QStringLiteral("Description:"), central);
    TxtDescription = WholeTextField("TxtDescription", QString(), central);
    CmdCalc = Named<QPushButton>("CmdCalc", QStringLiteral("&Calculate"), central);
    CmdCalc->setMinimumWidth(120);
    QFont calcFont = CmdCalc->font();
    calcFont.setBold(true);
    CmdCalc->setFont(calcFont);
    connect(CmdCalc, &QPushButton::clicked, this, [this] { CalculateCommand(); });
    auto* description = new QHBoxLayout;
    description->addWidget(Label6);
    description->addWidget(TxtDescription, 1);
    description->addSpacing(12);
    description->addWidget(CmdCalc);

    auto* layout = new QVBoxLayout(central);
    layout->addLayout(inputs);
    layout->addLayout(description);
    layout->addWidget(BuildResultPages(), 1);
    setCentralWidget(central);

    // Tab order follows the groups as they read.
    QWidget* order[] = {
        TxtLength,   TxtHeight,          OptSMRF,        OptOMRF,      Command2,       ComboBeam,
        ComboA,      TxtAoverride,       ComboB,         TxtBoverride, ComboC,         TxtCoverride,
        ComboColumn, TxtColumnAxialLoad, ChkColumnAbove, ComboGrade,   TxtDescription, CmdCalc,
        SSTab1};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

QGroupBox* Form1::BuildFrameInformation() {
    Frame4 = Named<QGroupBox>("Frame4", QStringLiteral("Frame Information"));
    Label12 = Named<QLabel>("Label12", QStringLiteral("Length (ft)"), Frame4);
    TxtLength = NumericField("TxtLength", QStringLiteral("15.00"), Frame4);
    TxtLength->setToolTip(QStringLiteral("Maximum length allowed is 50 feet."));
    Label1 = Named<QLabel>("Label1", QStringLiteral("\"H\" Height"), Frame4);
    TxtHeight = NumericField("TxtHeight", QStringLiteral("8.00"), Frame4);
    TxtHeight->setToolTip(QStringLiteral("Maximum height allowed is 35 feet."));
    OptSMRF = Named<QRadioButton>("OptSMRF", QStringLiteral("SMRF"), Frame4);
    OptSMRF->setToolTip(QStringLiteral("Check for Special Moment Resisting Frame."));
    OptSMRF->setChecked(true);
    OptOMRF = Named<QRadioButton>("OptOMRF", QStringLiteral("OMRF"), Frame4);
    OptOMRF->setToolTip(QStringLiteral("Check for Ordinary Moment Resisting Frame."));
    Command2 = Named<QPushButton>("Command2", QStringLiteral("&Beam Gravity Loads"), Frame4);
    connect(Command2, &QPushButton::clicked, this, [this] { GravityLoadsCommand(); });

    auto* grid = new QGridLayout(Frame4);
    grid->addWidget(Label12, 0, 0);
    grid->addWidget(TxtLength, 0, 1);
    grid->addWidget(Label1, 1, 0);
    grid->addWidget(TxtHeight, 1, 1);
    auto* options = new QHBoxLayout;
    options->addWidget(OptSMRF);
    options->addWidget(OptOMRF);
    grid->addLayout(options, 2, 0, 1, 2);
    grid->addWidget(Command2, 3, 0, 1, 2);
    grid->setRowStretch(4, 1);
    return Frame4;
}

QGroupBox* Form1::BuildBeamInformation() {
    Frame2 = Named<QGroupBox>("Frame2", QStringLiteral("Beam Information"));
    ComboBeam = Named<QComboBox>("ComboBeam", Frame2);
    ComboBeam->setMaxVisibleItems(20);
    LblBeamWidth = Named<QLabel>("LblBeamWidth", QStringLiteral("Fl. Width ="), Frame2);
    Label3 = Named<QLabel>("Label3", QStringLiteral("\"a\" Coef."), Frame2);
    Label4 = Named<QLabel>("Label4", QStringLiteral("\"b\" Coef."), Frame2);
    Label5 = Named<QLabel>("Label5", QStringLiteral("\"c\" Coef."), Frame2);
    ComboA = Named<QComboBox>("ComboA", Frame2);
    ComboB = Named<QComboBox>("ComboB", Frame2);
    ComboC = Named<QComboBox>("ComboC", Frame2);
    Label2 = Named<QLabel>("Label2", QStringLiteral("(a, b and c  override)"), Frame2);
    TxtAoverride = NumericField("TxtAoverride", QStringLiteral("0.000"), Frame2);
    TxtBoverride = NumericField("TxtBoverride", QStringLiteral("0.000"), Frame2);
    TxtCoverride = NumericField("TxtCoverride", QStringLiteral("0.000"), Frame2);

    auto* grid = new QGridLayout(Frame2);
    grid->addWidget(ComboBeam, 0, 0, 1, 2);
    grid->addWidget(LblBeamWidth, 0, 2);
    grid->addWidget(Label2, 1, 2);
    grid->addWidget(Label3, 2, 0);
    grid->addWidget(ComboA, 2, 1);
    grid->addWidget(TxtAoverride, 2, 2);
    grid->addWidget(Label4, 3, 0);
    grid->addWidget(ComboB, 3, 1);
    grid->addWidget(TxtBoverride, 3, 2);
    grid->addWidget(Label5, 4, 0);
    grid->addWidget(ComboC, 4, 1);
    grid->addWidget(TxtCoverride, 4, 2);
    grid->setColumnStretch(1, 1);
    return Frame2;
}

QGroupBox* Form1::BuildColumnSize() {
    Frame1 = Named<QGroupBox>("Frame1", QStringLiteral("Column Size"));
    ComboColumn = Named<QComboBox>("ComboColumn", Frame1);
    ComboColumn->setMaxVisibleItems(20);
    LblColumnWidth = Named<QLabel>("LblColumnWidth", QStringLiteral("Fl. Width ="), Frame1);
    // The current-code checks' column inputs.
    LblColumnAxialLoad = Named<QLabel>("LblColumnAxialLoad", QStringLiteral("Puc (kip)"), Frame1);
    TxtColumnAxialLoad = NumericField("TxtColumnAxialLoad", QStringLiteral("0.000"), Frame1);
    TxtColumnAxialLoad->setToolTip(
        QStringLiteral("Factored axial compression of the column at the joint (AISC 358-16)."));
    ChkColumnAbove =
        Named<QCheckBox>("ChkColumnAbove", QStringLiteral("Column continues above"), Frame1);
    connect(ChkColumnAbove, &QCheckBox::toggled, this, [this] { ColumnAboveToggled(); });
    auto* box = new QGridLayout(Frame1);
    box->addWidget(ComboColumn, 0, 0, 1, 2);
    box->addWidget(LblColumnWidth, 1, 0, 1, 2);
    box->addWidget(LblColumnAxialLoad, 2, 0);
    box->addWidget(TxtColumnAxialLoad, 2, 1);
    box->addWidget(ChkColumnAbove, 3, 0, 1, 2);
    return Frame1;
}

QGroupBox* Form1::BuildSteelGrade() {
    Frame3 = Named<QGroupBox>("Frame3", QStringLiteral("Steel Grade"));
    ComboGrade = Named<QComboBox>("ComboGrade", Frame3);
    auto* box = new QVBoxLayout(Frame3);
    box->addWidget(ComboGrade);
    return Frame3;
}

QTabWidget* Form1::BuildResultPages() {
    SSTab1 = Named<QTabWidget>("SSTab1", this);
    MSFlexGrid2 = new ResultGridView(state_.grids.summary, kSummaryScrollLimit, SSTab1);
    MSFlexGrid2->setObjectName(QStringLiteral("MSFlexGrid2"));
    MSFlexGrid4 = new ResultGridView(state_.grids.parameters, kParametersScrollLimit, SSTab1);
    MSFlexGrid4->setObjectName(QStringLiteral("MSFlexGrid4"));
    MSFlexGrid3 = new ResultGridView(state_.grids.checks, kChecksScrollLimit, SSTab1);
    MSFlexGrid3->setObjectName(QStringLiteral("MSFlexGrid3"));
    Picture1 = new ConnectionSketch(SSTab1);
    Aisc358Tab = new Aisc358Page(SSTab1);

    SSTab1->addTab(MSFlexGrid2, QStringLiteral("&Calculation Summary"));
    SSTab1->addTab(MSFlexGrid4, QStringLiteral("Beam and Column Parameters"));
    SSTab1->addTab(Picture1, QStringLiteral("Diagram"));
    SSTab1->addTab(MSFlexGrid3, QStringLiteral("Design Checks"));
    SSTab1->addTab(Aisc358Tab, QStringLiteral("AISC 358-16"));
    SSTab1->setCurrentIndex(0);
    return SSTab1;
}

void Form1::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    const auto add = [this](QMenu* menu, const char* name, const QString& caption,
                            const QKeySequence& key, std::function<void()> command) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, [command = std::move(command)] { command(); });
        return action;
    };
    const auto separator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QLatin1String(name));
    };
    mnuFile_New = add(file, "mnuFile_New", QStringLiteral("&New"),
                      QKeySequence(Qt::CTRL | Qt::Key_N), [this] { NewCommand(); });
    mnuFile_Open = add(file, "mnuFile_Open", QStringLiteral("&Open..."),
                       QKeySequence(Qt::CTRL | Qt::Key_O), [this] { OpenCommand(); });
    separator(file, "mnuFile_Sep1");
    mnuFile_Save = add(file, "mnuFile_Save", QStringLiteral("Save"),
                       QKeySequence(Qt::CTRL | Qt::Key_S), [this] { SaveCommand(); });
    mnuFile_SaveAs = add(file, "mnuFile_SaveAs", QStringLiteral("Save As..."), QKeySequence(),
                         [this] { SaveAsCommand(); });
    separator(file, "mnuFile_Sep2");
    mnuFile_Print = add(file, "mnuFile_Print", QStringLiteral("&Print"),
                        QKeySequence(Qt::CTRL | Qt::Key_P), [this] { PrintCommand(); });
    mnuFile_ExportPdf = add(file, "mnuFile_ExportPdf", QStringLiteral("&Export PDF..."),
                            QKeySequence(), [this] { ExportPdfCommand(); });
    separator(file, "mnuFile_Sep3");
    mnuFile_Exit =
        add(file, "mnuFile_Exit", QStringLiteral("E&xit"), QKeySequence(), [this] { close(); });

    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    tools->setObjectName(QStringLiteral("mnuTools"));
    mnuTools_FindDesigns =
        add(tools, "mnuTools_FindDesigns", QStringLiteral("&Find Designs..."),
            QKeySequence(Qt::CTRL | Qt::Key_F), [this] { FindDesignsCommand(); });

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("MnuHelp"));
    MnuHelp_Contents = add(help, "MnuHelp_Contents", QStringLiteral("&Contents..."),
                           QKeySequence(Qt::Key_F1), [this] { ContentsCommand(); });
    separator(help, "mnuHelp_Sep1");
    mnuHelp_About = add(help, "mnuHelp_About", QStringLiteral("&About Vantrel..."), QKeySequence(),
                        [this] { AboutCommand(); });
}

void Form1::BuildToolbar() {
    Toolbar1 = addToolBar(QStringLiteral("Toolbar"));
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setIconSize(QSize(24, 24));
    const auto button = [this](const char* key, const QIcon& icon, const QString& text,
                               const QString& tip) {
        auto* action = new QAction(icon, text, this);
        action->setObjectName(QLatin1String(key));
        action->setData(QLatin1String(key));
        action->setToolTip(tip);
        connect(action, &QAction::triggered, this,
                [this, key] { ToolbarCommand(QLatin1String(key)); });
        return action;
    };
    Toolbar1->addAction(button("TLB_NEW", ThemeIcon("document-new", "new.svg"),
                               QStringLiteral("New"),
                               QStringLiteral("Start a New Reduced Beam Section File")));
    Toolbar1->addAction(button("TLB_OPEN", ThemeIcon("document-open", "open.svg"),
                               QStringLiteral("Open"),
                               QStringLiteral("Open a Reduced Beam Section File")));

    QAction* save =
        button("TLB_SAVE", ThemeIcon("document-save", "save.svg"), QStringLiteral("Save"),
               QStringLiteral("Save the current Reduced Beam Section Data"));
    auto* saveMenu = new QMenu(this);
    saveMenu->setObjectName(QStringLiteral("TLB_SAVE_Menu"));
    saveMenu->addAction(
        button("MNU_SAVE", QIcon(), QStringLiteral("Save"), QStringLiteral("Save")));
    saveMenu->addAction(
        button("MNU_SAVEAS", QIcon(), QStringLiteral("Save As..."), QStringLiteral("Save As...")));
    auto* saveButton = new QToolButton(Toolbar1);
    saveButton->setObjectName(QStringLiteral("TLB_SAVE_Button"));
    saveButton->setDefaultAction(save);
    saveButton->setMenu(saveMenu);
    saveButton->setPopupMode(QToolButton::MenuButtonPopup);
    Toolbar1->addWidget(saveButton);

    Toolbar1->addSeparator();
    QAction* print =
        button("TLB_PRINT", ThemeIcon("document-print", "print.svg"), QStringLiteral("Print"),
               QStringLiteral("Print Reduced Beam Section Report"));
    Toolbar1->addAction(print);
    Toolbar1->addSeparator();
    Toolbar1->addAction(button("TLB_HELP", ThemeIcon("help-contents", "help.svg"),
                               QStringLiteral("Help"), QStringLiteral("Help")));
}

void Form1::ToolbarCommand(const QString& key) {
    if (key == QLatin1String("TLB_NEW")) {
        NewCommand();
    } else if (key == QLatin1String("TLB_OPEN")) {
        OpenCommand();
    } else if (key == QLatin1String("TLB_SAVE") || key == QLatin1String("MNU_SAVE")) {
        SaveCommand();
    } else if (key == QLatin1String("MNU_SAVEAS")) {
        SaveAsCommand();
    } else if (key == QLatin1String("TLB_PRINT")) {
        PrintCommand();
    } else if (key == QLatin1String("TLB_HELP")) {
        ContentsCommand();
    }
}

}  // namespace vantrel
