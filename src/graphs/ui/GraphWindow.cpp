#include "graphs/ui/GraphWindow.h"

#include "graphs/FloatingPointFault.h"
#include "graphs/ui/GraphImages.h"
#include "graphs/ui/WineWindowTitle.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>

namespace zephra {

GraphWindow::GraphWindow(GraphScale scale, QString caption, MessageBoxes& boxes, QWidget* parent)
    // A dialog-type window, because the desktop keeps only such a window
    // above the window it belongs to (the parent, when there is one).
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      scale_(scale), caption_(std::move(caption)), boxes_(boxes),
      fileDialog_(std::make_unique<QtPictureFileDialog>()), Image(new QLabel(this)),
      copyAction_(new QAction(tr("Copy"), this)),
      saveAction_(new QAction(tr("Save Picture As..."), this)) {
    setFixedSize(GraphWindowWidth, GraphWindowHeight);
    Image->setGeometry(0, 0, GraphWindowWidth, GraphWindowHeight);
    Image->setScaledContents(true);

    copyAction_->setEnabled(false);
    saveAction_->setEnabled(false);
    connect(copyAction_, &QAction::triggered, this, &GraphWindow::CopyPicture);
    connect(saveAction_, &QAction::triggered, this, &GraphWindow::SavePictureAs);
    addAction(copyAction_);
    addAction(saveAction_);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

GraphWindow::~GraphWindow() = default;

void GraphWindow::FormCreate(const TWineRec& rec, const WineNotes& notes) {
    setWindowTitle(WineWindowTitle(caption_, rec, notes));
    pictureName_ = WinePictureName(caption_, rec, notes);
    try {
        picture_ = GraphWindowImage(rec, scale_, DesktopColoursOf(palette()).WindowText);
    } catch (const FloatingPointFault& fault) {
        boxes_.Error(fault.what());
        return;
    }
    Image->setPixmap(QPixmap::fromImage(picture_));
    Image->repaint();
    copyAction_->setEnabled(true);
    saveAction_->setEnabled(true);
}

void GraphWindow::SetPictureFileDialog(std::unique_ptr<PictureFileDialog> dialog) {
    fileDialog_ = std::move(dialog);
}

void GraphWindow::CopyPicture() {
    QGuiApplication::clipboard()->setImage(picture_);
}

void GraphWindow::SavePictureAs() {
    SavePictureAsPng(this, *fileDialog_, picture_, pictureName_, boxes_);
}

TGraphWinLab::TGraphWinLab(MessageBoxes& boxes, QWidget* parent)
    : GraphWindow(GraphScale::Laboratory, tr("Lab Scale Graph"), boxes, parent) {}

TGraphWinProd::TGraphWinProd(MessageBoxes& boxes, QWidget* parent)
    : GraphWindow(GraphScale::Production, tr("Production Scale Graph"), boxes, parent) {}

} // namespace zephra
