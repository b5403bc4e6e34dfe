#include "app/AppResources.h"

#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <array>

// The resources live in a static library: register them explicitly.
static void InitialiseResources() {
    Q_INIT_RESOURCE(zephra);
}

namespace zephra {

namespace {

// Renders a vector picture of the resources at `size` pixels; the drawings
// are made on whole-pixel lines so they stay crisp at their natural size.
QPixmap Render(const QString& name, QSize size) {
    InitialiseResources();
    QSvgRenderer renderer(QStringLiteral(":/zephra/") + name);
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

QIcon IconAtSizes(const QString& name, std::initializer_list<int> sizes) {
    QIcon icon;
    for (int size : sizes)
        icon.addPixmap(Render(name, QSize(size, size)));
    return icon;
}

} // namespace

QIcon Glyph(int index) {
    static const std::array<const char*, 6> names = {
        "new.svg",          "open.svg", "save.svg", "cascade.svg", "tile-horizontal.svg",
        "tile-vertical.svg"};
    return IconAtSizes(QString::fromLatin1(names.at(static_cast<std::size_t>(index))), {16, 32});
}

QIcon ApplicationIcon() {
    return IconAtSizes(QStringLiteral("zephra.svg"), {16, 32, 48, 64});
}

QPixmap LogoPicture() {
    return Render(QStringLiteral("logo.svg"), QSize(450, 213));
}

} // namespace zephra
