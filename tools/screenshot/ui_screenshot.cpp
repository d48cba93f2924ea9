// Writes a picture of the main window after calculating the worked example
// (W 21x44 beam, W 14x90 column, 30 ft): ui_screenshot OUTPUT.png [PAGE]
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPixmap>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>

#include "ui/form1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: ui_screenshot OUTPUT.png [PAGE]\n");
        return 2;
    }
    vantrel::Form1 window;
    const auto choose = [](QComboBox* list, const char* text) {
        list->setCurrentIndex(list->findText(QLatin1String(text)));
    };
    choose(window.ComboBeam, "W 21x44");
    choose(window.ComboColumn, "W 14x90");
    window.TxtLength->setText(QStringLiteral("30.00"));
    window.TxtDescription->setText(
        QStringLiteral("Worked example: W 21x44 beam to W 14x90 column"));
    window.CalculateCommand();
    if (argc > 2) window.SSTab1->setCurrentIndex(QString::fromLocal8Bit(argv[2]).toInt());
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
