// Writes a picture of the main window after calculating the worked example
// (W 21x44 beam, W 14x90 column, 30 ft): ui_screenshot OUTPUT.png [PAGE]
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPixmap>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>

#include "ui/calculator_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: ui_screenshot OUTPUT.png [PAGE]\n");
        return 2;
    }
    vantrel::CalculatorWindow window;
    const auto choose = [&window](const char* list, const char* text) {
        auto* combo = window.findChild<QComboBox*>(QLatin1String(list));
        combo->setCurrentIndex(combo->findText(QLatin1String(text)));
    };
    const auto type = [&window](const char* field, const QString& text) {
        window.findChild<QLineEdit*>(QLatin1String(field))->setText(text);
    };
    choose("beamList", "W 21x44");
    choose("columnList", "W 14x90");
    type("lengthField", QStringLiteral("30.00"));
    type("descriptionField", QStringLiteral("Worked example: W 21x44 beam to W 14x90 column"));
    window.CalculateCommand();
    if (argc > 2)
        window.findChild<QTabWidget*>(QStringLiteral("resultPages"))
            ->setCurrentIndex(QString::fromLocal8Bit(argv[2]).toInt());
    window.show();

    int status = 1;
    QTimer::singleShot(500, &app, [&] {
        status = window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
        // Nothing to save: the picture is all we wanted.
        window.hide();
        app.quit();
    });
    app.exec();
    return status;
}
