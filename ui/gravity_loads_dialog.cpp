#include "gravity_loads_dialog.h"

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
#include "prompts.h"

namespace vantrel {
namespace {

const char* const kCaption = "Gravity Loads at Beam";

constexpr auto kLoads = static_cast<size_t>(kLoadCount);

// Every load field shows the pattern of the first of its kind.
std::string_view PatternOf(bool location) {
    return FieldPattern(location ? "PointLoadLocation1" : "DistDL1");
}

}  // namespace

const std::array<GravityLoadsDialog::Kind, 5> GravityLoadsDialog::kKinds = {{
    {&GravityLoadsDialog::distributedDeadFields_, &DesignInputs::DistDL, false},
    {&GravityLoadsDialog::distributedLiveFields_, &DesignInputs::DistLL, false},
    {&GravityLoadsDialog::pointDeadFields_, &DesignInputs::PointDL, false},
    {&GravityLoadsDialog::pointLiveFields_, &DesignInputs::PointLL, false},
    {&GravityLoadsDialog::pointLocationFields_, &DesignInputs::PointLoadLocation, true},
}};

GravityLoadsDialog::GravityLoadsDialog(const DesignInputs& loads, Prompts& prompts,
                                       std::function<QString()> lengthText, QWidget* parent)
    : QDialog(parent),
      prompts_(prompts),
      lengthText_(std::move(lengthText)),
      guard_(new FocusGuard([this](const QString& message) { ShowRefusal(message); }, this)) {
    setObjectName(QStringLiteral("loadsDialog"));
    setWindowTitle(QString::fromLatin1(kCaption));
    setModal(true);
    BuildFields();
    BuildLayout();

    CopyFrom(loads);
    GuardFields();
}

void GravityLoadsDialog::BuildFields() {
    const auto build = [this](Fields& fields, const char* name) {
        for (size_t n = 0; n < kLoads; ++n) {
            auto* field = new QLineEdit(this);
            field->setObjectName(QLatin1String(name) + QString::number(n + 1));
            field->setAlignment(Qt::AlignRight);
            field->setMaximumWidth(110);
            // Every text a project file can hold, not Qt's default 32767.
            field->setMaxLength(static_cast<int>(kMaxValueBytes));
            connect(field, &QLineEdit::textChanged, this, &GravityLoadsDialog::Edited);
            fields[n] = field;
        }
    };
    build(distributedDeadFields_, "distributedDead");
    build(distributedLiveFields_, "distributedLive");
    build(pointDeadFields_, "pointDead");
    build(pointLiveFields_, "pointLive");
    build(pointLocationFields_, "pointLocation");
}

void GravityLoadsDialog::BuildLayout() {
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
    distributed->setObjectName(QStringLiteral("distributedLoadsGroup"));
    auto* distGrid = new QGridLayout;
    distGrid->addWidget(heading(QStringLiteral("Dead Load")), 0, 1);
    distGrid->addWidget(heading(QStringLiteral("Live Load")), 0, 2);
    auto* points = new QGroupBox(QStringLiteral("Point Loads at Beam"), this);
    points->setObjectName(QStringLiteral("pointLoadsGroup"));
    auto* pointGrid = new QGridLayout;
    pointGrid->addWidget(heading(QStringLiteral("Dead Load")), 0, 1);
    pointGrid->addWidget(heading(QStringLiteral("Live Load")), 0, 2);
    pointGrid->addWidget(heading(QStringLiteral("Location from left column centre (ft)")), 0, 3);
    for (size_t n = 0; n < kLoads; ++n) {
        const QString number = QString::number(n + 1);
        const int row = static_cast<int>(n) + 1;
        distGrid->addWidget(new QLabel(number, this), row, 0);
        distGrid->addWidget(distributedDeadFields_[n], row, 1);
        distGrid->addWidget(distributedLiveFields_[n], row, 2);
        pointGrid->addWidget(new QLabel(number, this), row, 0);
        pointGrid->addWidget(pointDeadFields_[n], row, 1);
        pointGrid->addWidget(pointLiveFields_[n], row, 2);
        pointGrid->addWidget(pointLocationFields_[n], row, 3);
    }
    auto* distBox = new QVBoxLayout(distributed);
    distBox->addLayout(distGrid);
    distBox->addWidget(note(QStringLiteral("Note: Loads are in kip/ft")));
    distBox->addWidget(note(
        QStringLiteral("Enter unfactored dead and live loads: the calculation uses 1.2D + 0.5L.")));
    auto* pointBox = new QVBoxLayout(points);
    pointBox->addLayout(pointGrid);
    pointBox->addWidget(note(QStringLiteral("Note: Loads are in kip")));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    // Enter presses OK (or the button that has the focus), Esc Cancel.
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &GravityLoadsDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &GravityLoadsDialog::reject);
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
    for (size_t n = 0; n < kLoads; ++n) {
        chain(distributedDeadFields_[n]);
        chain(distributedLiveFields_[n]);
    }
    for (size_t n = 0; n < kLoads; ++n) {
        chain(pointDeadFields_[n]);
        chain(pointLiveFields_[n]);
        chain(pointLocationFields_[n]);
    }
    chain(ok);
    chain(cancel);
}

std::optional<QString> GravityLoadsDialog::Check(bool location, QLineEdit& field) const {
    std::string text = field.text().toStdString();
    const Refusal refusal =
        location ? CheckLocationText(text, lengthText_().toStdString()) : CheckLoadText(text);
    field.setText(QString::fromStdString(text));
    if (refusal) return QString::fromStdString(*refusal);
    return std::nullopt;
}

void GravityLoadsDialog::GuardFields() {
    for (const Kind& kind : kKinds) {
        const bool location = kind.location;
        for (QLineEdit* field : this->*kind.fields) {
            guard_->Guard(
                field, [this, location](QLineEdit& edit) { return Check(location, edit); },
                [location](QLineEdit& edit) {
                    edit.setText(QString::fromStdString(
                        FormatFieldText(edit.text().toStdString(), PatternOf(location))));
                });
        }
    }
}

void GravityLoadsDialog::CopyTo(DesignInputs& inputs) const {
    for (const Kind& kind : kKinds)
        for (size_t n = 0; n < kLoads; ++n)
            (inputs.*kind.texts)[n] = (this->*kind.fields)[n]->text().toStdString();
}

void GravityLoadsDialog::CopyFrom(const DesignInputs& inputs) {
    for (const Kind& kind : kKinds)
        for (size_t n = 0; n < kLoads; ++n)
            (this->*kind.fields)[n]->setText(QString::fromStdString((inputs.*kind.texts)[n]));
}

void GravityLoadsDialog::ShowRefusal(const QString& message) {
    prompts_.Message(this, QMessageBox::Warning, QString::fromLatin1(kCaption), message,
                     QMessageBox::Ok, QMessageBox::Ok);
}

void GravityLoadsDialog::accept() {
    if (!guard_->ReleaseFocus()) return;
    // A text that a project file put in has never been checked; refuse it
    // here rather than store something that is not a load.
    for (const Kind& kind : kKinds) {
        for (QLineEdit* field : this->*kind.fields) {
            if (const std::optional<QString> refusal = Check(kind.location, *field)) {
                ShowRefusal(*refusal);
                field->setFocus(Qt::OtherFocusReason);
                HighlightTextbox(*field);
                return;
            }
        }
    }
    for (const Kind& kind : kKinds) {
        for (QLineEdit* field : this->*kind.fields) {
            field->setText(QString::fromStdString(
                FormatFieldText(field->text().toStdString(), PatternOf(kind.location))));
        }
    }
    QDialog::accept();
}

}  // namespace vantrel
