#include "app/WindowArrangement.h"

#include <QList>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace zephra {

namespace {

QList<QMdiSubWindow*> ShownWindows(QMdiArea& area) {
    QList<QMdiSubWindow*> shown;
    for (QMdiSubWindow* window : area.subWindowList(QMdiArea::CreationOrder)) {
        if (window->isVisible() && !window->isMinimized())
            shown << window;
    }
    return shown;
}

// Gives each shown window an equal share of the area's height (`stacked`) or
// width; the first windows take the remainder so together they cover the
// area exactly.
void Tile(QMdiArea& area, bool stacked) {
    const QList<QMdiSubWindow*> windows = ShownWindows(area);
    const auto n = static_cast<int>(windows.size());
    if (n == 0)
        return;
    const QRect rect = area.viewport()->rect();
    const int total = stacked ? rect.height() : rect.width();
    int start = 0;
    for (int i = 0; i < n; ++i) {
        const int length = total / n + (i < total % n ? 1 : 0);
        QMdiSubWindow* window = windows[i];
        window->showNormal();
        if (stacked)
            window->setGeometry(0, start, rect.width(), length);
        else
            window->setGeometry(start, 0, length, rect.height());
        start += length;
    }
}

} // namespace

void Cascade(QMdiArea& area, QSize size) {
    QList<QMdiSubWindow*> windows = ShownWindows(area);
    if (QMdiSubWindow* active = area.activeSubWindow(); windows.removeOne(active))
        windows << active;
    const auto n = static_cast<int>(windows.size());
    for (int i = 0; i < n; ++i) {
        const int offset = 30 * (i % 8);
        QMdiSubWindow* window = windows[i];
        window->showNormal();
        window->setGeometry(QRect(QPoint(offset, offset), size));
        window->raise();
    }
}

void TileHorizontally(QMdiArea& area) {
    Tile(area, true);
}

void TileVertically(QMdiArea& area) {
    Tile(area, false);
}

} // namespace zephra
