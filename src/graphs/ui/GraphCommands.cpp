#include "graphs/ui/GraphCommands.h"

#include "graphs/FloatingPointFault.h"
#include "graphs/ui/FoulingAnalysisWindow.h"
#include "graphs/ui/GraphImages.h"
#include "graphs/ui/GraphWindow.h"

#include <QLabel>
#include <QPixmap>

namespace zephra {

namespace {

template <typename Window> QWidget* OpenGraphWindow(const TWineRec& rec, MessageBoxes& boxes) {
    auto* window = new Window(boxes);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // Like the main window's other windows, it does not keep the program
    // running once the main window has closed.
    window->setAttribute(Qt::WA_QuitOnClose, false);
    window->show();
    window->FormCreate(rec);
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

QWidget* OpenLabGraph(const TWineRec& rec, MessageBoxes& boxes) {
    return OpenGraphWindow<TGraphWinLab>(rec, boxes);
}

QWidget* OpenProductionGraph(const TWineRec& rec, MessageBoxes& boxes) {
    return OpenGraphWindow<TGraphWinProd>(rec, boxes);
}

QWidget* OpenFoulingAnalysis(const TWineRec& rec, MessageBoxes& boxes) {
    return OpenGraphWindow<FoulingAnalysisWindow>(rec, boxes);
}

} // namespace zephra
