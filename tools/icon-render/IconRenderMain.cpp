// zephra-icon-render SVG SIZE PNG: draws the SVG picture on a transparent
// square of SIZE pixels and writes it as a PNG file. Used by the build to
// make the fixed-size application icons from the scalable one.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: zephra-icon-render SVG SIZE PNG\n");
        return 2;
    }
    // No display is needed to draw into an image.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const int size = std::atoi(argv[2]);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid() || size <= 0) {
        std::fprintf(stderr, "zephra-icon-render: cannot read %s or bad size %s\n", argv[1],
                     argv[2]);
        return 1;
    }
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    svg.render(&painter);
    painter.end();
    if (!icon.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "zephra-icon-render: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
