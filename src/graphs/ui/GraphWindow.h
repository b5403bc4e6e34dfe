#pragma once

#include "document/MessageBoxes.h"
#include "document/WineNotes.h"
#include "document/WineRec.h"
#include "graphs/GraphWindowPicture.h"
#include "graphs/ui/PictureFileDialog.h"

#include <QImage>
#include <QWidget>

#include <memory>

class QAction;
class QLabel;

namespace zephra {

// A graph window: a top-level 700 x 600 window with a fixed border and only
// a close button, whose one control `Image` shows a picture of a wine drawn
// once, from a snapshot of its record. Its context menu copies the picture
// to the clipboard or saves it as a PNG file. `boxes` reports a fault that
// abandons the picture and a failed save; it must outlive the window.
class GraphWindow : public QWidget {
    Q_OBJECT

public:
    GraphWindow(GraphScale scale, QString caption, MessageBoxes& boxes, QWidget* parent = nullptr);
    ~GraphWindow() override;

    // Sets the title (the caption and the wine's full name) and draws the
    // picture of `rec` into `Image`. When a floating-point fault abandons
    // the drawing the client area stays empty and the fault is reported.
    void FormCreate(const TWineRec& rec, const WineNotes& notes = {});

    // The picture shown; a null image when none was drawn.
    const QImage& Picture() const { return picture_; }

    QAction* CopyAction() const { return copyAction_; }
    QAction* SaveAction() const { return saveAction_; }
    void SetPictureFileDialog(std::unique_ptr<PictureFileDialog> dialog);

private:
    void CopyPicture();
    void SavePictureAs();

    GraphScale scale_;
    QString caption_;
    QString pictureName_; // offered by Save Picture As
    MessageBoxes& boxes_;
    std::unique_ptr<PictureFileDialog> fileDialog_;
    QLabel* Image;
    QAction* copyAction_;
    QAction* saveAction_;
    QImage picture_;
};

// The laboratory-scale graph window, caption "Lab Scale Graph".
class TGraphWinLab : public GraphWindow {
    Q_OBJECT

public:
    explicit TGraphWinLab(MessageBoxes& boxes, QWidget* parent = nullptr);
};

// The production-scale graph window, caption "Production Scale Graph".
class TGraphWinProd : public GraphWindow {
    Q_OBJECT

public:
    explicit TGraphWinProd(MessageBoxes& boxes, QWidget* parent = nullptr);
};

} // namespace zephra
