// Renders the program's SVG icon as the PNG icons of the freedesktop icon
// theme, at the build, so that they never fall out of step with the SVG.
//   icon_png ICON.svg OUT_FOLDER SIZE...   writes OUT_FOLDER/SIZE.png for each
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");  // a build machine has no display
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: icon_png ICON.svg OUT_FOLDER SIZE...\n");
        return 2;
    }
    for (int i = 3; i < argc; ++i) {
        const int size = std::stoi(argv[i]);
        QImageReader reader(QString::fromLocal8Bit(argv[1]));
        reader.setScaledSize(QSize(size, size));
        const QImage image = reader.read();
        const QString out = QString::fromLocal8Bit(argv[2]) + QStringLiteral("/%1.png").arg(size);
        if (image.isNull() || !image.save(out, "PNG")) {
            std::fprintf(stderr, "icon_png: cannot render %s at %d: %s\n", argv[1], size,
                         qPrintable(reader.errorString()));
            return 1;
        }
    }
    return 0;
}
