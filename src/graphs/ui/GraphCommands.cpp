#include "graphs/ui/GraphCommands.h"

#include "graphs/FloatingPointFault.h"
#include "graphs/ui/FoulingAnalysisWindow.h"
#include "graphs/ui/GraphImages.h"
#include "graphs/ui/GraphWindow.h"
#include "ui_common/WindowPlacement.h"

#include <QLabel>
#include <QPixmap>

namespace zephra {

namespace {

// The owner's graph windows already open, so that a new one does not hide
// the last exactly.
int OpenGraphWindows(const QWidget& owner) {
    int open = 0;
    for (const GraphWindow* other : owner.findChildren<GraphWindow*>(Qt::FindDirectChildrenOnly)) {
        open += other->isVisible() ? 1 : 0;
    }
    return open;
}

template <typename Window, typename... Shown>
QWidget* OpenGraphWindow(const TWineRec& rec, MessageBoxes& boxes, QWidget* owner,
                         const Shown&... shown) {
    auto* window = new Window(boxes, owner);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // Like the main window's other windows, it does not keep the program
    // running once the main window has closed.
    window->setAttribute(Qt::WA_QuitOnClose, false);
    if (owner != nullptr) {
        window->move(PlaceOverOwner(*owner, window->size(), 24 * (OpenGraphWindows(*owner) % 8)));
    }
    window->show();
    window->FormCreate(rec, shown...);
    return window;
}

} // namespace

void DrawGraph(QLabel& graph, const TWineRec& rec, MessageBoxes& boxes) {
    if (graph.width() <= 0 || graph.height() <= 0) {
        return;
    }
    QImage picture;
    try {
        picture = WineGraphImage(rec, graph.size(), DesktopColoursOf(graph.palette()));
    } catch (const FloatingPointFault& fault) {
        boxes.Error(fault.what());
        return;
    }
    graph.setPixmap(QPixmap::fromImage(picture));
    graph.repaint();
}

QWidget* OpenLabGraph(const TWineRec& rec, MessageBoxes& boxes, QWidget* owner,
                      const WineNotes& notes) {
    return OpenGraphWindow<TGraphWinLab>(rec, boxes, owner, notes);
}

QWidget* OpenProductionGraph(const TWineRec& rec, MessageBoxes& boxes, QWidget* owner,
                             const WineNotes& notes) {
    return OpenGraphWindow<TGraphWinProd>(rec, boxes, owner, notes);
}

QWidget* OpenFoulingAnalysis(const TWineRec& rec, MessageBoxes& boxes, QWidget* owner,
                             const WineNotes& notes, const DisplayUnits& units,
                             const LabSettings& lab) {
    return OpenGraphWindow<FoulingAnalysisWindow>(rec, boxes, owner, notes, units, lab);
}

} // namespace zephra
