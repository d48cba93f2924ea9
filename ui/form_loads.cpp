#include "form_loads.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "files/project_file.h"
#include "focus_guard.h"
#include "model/field_rules.h"
#include "model/number_text.h"
#include "prompts.h"

namespace vantrel {
namespace {

const char* const kCaption = "Gravity Loads at Beam";

const char* PatternOf(bool location) {
    return location ? "0.00" : "0.000";
}

struct RecordLoad {
    std::string_view name;
    LoadValues DesignRecord::*kind;
    int index;
    bool location;
};

// The record fields of the fifteen inputs, in the order OK stores them.
constexpr std::array<RecordLoad, 15> kRecordLoads = {{
    {"DistDL1", &DesignRecord::DistDL, 0, false},
    {"DistDL2", &DesignRecord::DistDL, 1, false},
    {"DistDL3", &DesignRecord::DistDL, 2, false},
    {"DistLL1", &DesignRecord::DistLL, 0, false},
    {"DistLL2", &DesignRecord::DistLL, 1, false},
    {"DistLL3", &DesignRecord::DistLL, 2, false},
    {"PointDL1", &DesignRecord::PointDL, 0, false},
    {"PointDL2", &DesignRecord::PointDL, 1, false},
    {"PointDL3", &DesignRecord::PointDL, 2, false},
    {"PointLL1", &DesignRecord::PointLL, 0, false},
    {"PointLL2", &DesignRecord::PointLL, 1, false},
    {"PointLL3", &DesignRecord::PointLL, 2, false},
    {"PointLoadLocation1", &DesignRecord::PointLoadLocation, 0, true},
    {"PointLoadLocation2", &DesignRecord::PointLoadLocation, 1, true},
    {"PointLoadLocation3", &DesignRecord::PointLoadLocation, 2, true},
}};

constexpr std::array<const char*, 15> kObjectNames = {"TxtWdl1",
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

// The value OK stores: the single precision of the formatted text, which
// the checks have kept within the float range.
float StoredValue(const std::string& text) {
    return static_cast<float>(ParseNumber(text).value);
}

}  // namespace

FormLoads::FormLoads(DesignRecord& record, Prompts& prompts, std::function<QString()> lengthText,
                     QWidget* parent)
    : QDialog(parent),
      record_(record),
      prompts_(prompts),
      lengthText_(std::move(lengthText)),
      guard_(new FocusGuard([this](const QString& message) { ShowRefusal(message); }, this)) {
    for (size_t i = 0; i < fields_.size(); ++i)
        fields_[i] = Field{kObjectNames[i], kRecordLoads[i].name, kRecordLoads[i].kind,
                           kRecordLoads[i].index, kRecordLoads[i].location};
    setObjectName(QStringLiteral("FormLoads"));
    setWindowTitle(QString::fromLatin1(kCaption));
    setModal(true);
    BuildLayout();

    DesignInputs texts;
    FillFromRecord(record_, texts);
    CopyFrom(texts);

    for (Field& field : fields_) {
        const bool location = field.location;
        guard_->Guard(
            field.edit,
            [this, location](QLineEdit& edit) -> std::optional<QString> {
                std::string text = edit.text().toStdString();
                const Refusal refusal = location
                                            ? CheckLocationText(text, lengthText_().toStdString())
                                            : CheckLoadText(text);
                edit.setText(QString::fromStdString(text));
                if (refusal) return QString::fromStdString(*refusal);
                return std::nullopt;
            },
            [location](QLineEdit& edit) {
                edit.setText(QString::fromStdString(
                    FormatFieldText(edit.text().toStdString(), PatternOf(location))));
            });
    }
}

void FormLoads::BuildLayout() {
    for (Field& field : fields_) {
        field.edit = new QLineEdit(this);
        field.edit->setObjectName(QLatin1String(field.objectName));
        field.edit->setAlignment(Qt::AlignRight);
        field.edit->setMaximumWidth(110);
        // Every text a project file can hold, not Qt's default 32767.
        field.edit->setMaxLength(static_cast<int>(kMaxValueBytes));
    }
    const auto heading = [this](const QString& text) {
        auto* label = new QLabel(text, this);
        label->setAlignment(Qt::AlignCenter);
        return label;
    };
    const auto note = [this](const QString& text) {
        auto* label = new QLabel(text, this);
        QFont font = label->font();
        font.setItalic(true);
        label->setFont(font);
        return label;
    };

    auto* distributed = new QGroupBox(QStringLiteral("Distributed Loads at Beam"), this);
    distributed->setObjectName(QStringLiteral("Frame1"));
    auto* distGrid = new QGridLayout;
    distGrid->addWidget(heading(QStringLiteral("Dead Load")), 0, 1);
    distGrid->addWidget(heading(QStringLiteral("Live Load")), 0, 2);
    auto* points = new QGroupBox(QStringLiteral("Point Loads at Beam"), this);
    points->setObjectName(QStringLiteral("Frame2"));
    auto* pointGrid = new QGridLayout;
    pointGrid->addWidget(heading(QStringLiteral("Dead Load")), 0, 1);
    pointGrid->addWidget(heading(QStringLiteral("Live Load")), 0, 2);
    pointGrid->addWidget(heading(QStringLiteral("Location (ft)")), 0, 3);
    for (int n = 0; n < 3; ++n) {
        const QString row = QString::number(n + 1);
        distGrid->addWidget(new QLabel(row, this), n + 1, 0);
        distGrid->addWidget(fields_[n].edit, n + 1, 1);
        distGrid->addWidget(fields_[3 + n].edit, n + 1, 2);
        pointGrid->addWidget(new QLabel(row, this), n + 1, 0);
        pointGrid->addWidget(fields_[6 + n].edit, n + 1, 1);
        pointGrid->addWidget(fields_[9 + n].edit, n + 1, 2);
        pointGrid->addWidget(fields_[12 + n].edit, n + 1, 3);
    }
    auto* distBox = new QVBoxLayout(distributed);
    distBox->addLayout(distGrid);
    distBox->addWidget(note(QStringLiteral("Note: Loads are in kip/ft")));
    auto* pointBox = new QVBoxLayout(points);
    pointBox->addLayout(pointGrid);
    pointBox->addWidget(note(QStringLiteral("Note: Loads are in kip")));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CmdCancel"));
    // Enter does nothing in the fields; only Esc has a button of its own.
    ok->setAutoDefault(false);
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &FormLoads::accept);
    connect(cancel, &QPushButton::clicked, this, &FormLoads::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(distributed);
    layout->addWidget(points);
    layout->addLayout(buttons);

    // Row by row: dead, live, then location.
    QWidget* previous = nullptr;
    const auto chain = [&previous](QWidget* next) {
        if (previous != nullptr) QWidget::setTabOrder(previous, next);
        previous = next;
    };
    for (int n = 0; n < 3; ++n) {
        chain(fields_[n].edit);
        chain(fields_[3 + n].edit);
    }
    for (int n = 0; n < 3; ++n) {
        chain(fields_[6 + n].edit);
        chain(fields_[9 + n].edit);
        chain(fields_[12 + n].edit);
    }
    chain(ok);
    chain(cancel);
}

void FormLoads::FillFromRecord(const DesignRecord& record, DesignInputs& inputs) {
    for (const auto& [name, kind, index, location] : kRecordLoads)
        *inputs.Find(name) = Format((record.*kind)[index], PatternOf(location));
}

QLineEdit* FormLoads::EditOf(std::string_view inputName) const {
    for (const Field& field : fields_)
        if (field.inputName == inputName) return field.edit;
    return nullptr;
}

QString FormLoads::Text(std::string_view inputName) const {
    const QLineEdit* edit = EditOf(inputName);
    return edit != nullptr ? edit->text() : QString();
}

void FormLoads::SetText(std::string_view inputName, const QString& text) {
    if (QLineEdit* edit = EditOf(inputName)) edit->setText(text);
}

void FormLoads::CopyTo(DesignInputs& inputs) const {
    for (const Field& field : fields_)
        *inputs.Find(field.inputName) = field.edit->text().toStdString();
}

void FormLoads::CopyFrom(const DesignInputs& inputs) {
    for (const Field& field : fields_)
        field.edit->setText(QString::fromStdString(*inputs.Find(field.inputName)));
}

void FormLoads::ShowRefusal(const QString& message) {
    prompts_.Message(this, QMessageBox::Warning, QString::fromLatin1(kCaption), message,
                     QMessageBox::Ok, QMessageBox::Ok);
}

void FormLoads::accept() {
    if (!guard_->ReleaseFocus()) return;
    // A text that a project file put in has never been checked; refuse it
    // here rather than store something that is not a load.
    for (Field& field : fields_) {
        std::string text = field.edit->text().toStdString();
        const Refusal refusal = field.location
                                    ? CheckLocationText(text, lengthText_().toStdString())
                                    : CheckLoadText(text);
        field.edit->setText(QString::fromStdString(text));
        if (refusal) {
            ShowRefusal(QString::fromStdString(*refusal));
            field.edit->setFocus(Qt::OtherFocusReason);
            HighlightTextbox(*field.edit);
            return;
        }
    }
    for (Field& field : fields_) {
        const std::string text =
            FormatFieldText(field.edit->text().toStdString(), PatternOf(field.location));
        field.edit->setText(QString::fromStdString(text));
        (record_.*field.kind)[field.index] = StoredValue(text);
    }
    QDialog::accept();
}

}  // namespace vantrel
