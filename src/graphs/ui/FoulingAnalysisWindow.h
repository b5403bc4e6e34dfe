#pragma once

#include "analysis/FoulingAnalysis.h"
#include "document/MessageBoxes.h"
#include "document/WineNotes.h"
#include "document/WineRec.h"
#include "entry/UnitSystem.h"
#include "graphs/ui/PictureFileDialog.h"

#include <QImage>
#include <QWidget>

#include <memory>

class QAction;
class QLabel;
class QTableWidget;

namespace zephra {

// The "Fouling Analysis" window: a top-level window showing the analysis of
// a snapshot of a wine (it is not updated afterwards): the table of the
// four blocking laws, the summary (Vmax, J0, the capacity by Vmax beside
// the two estimates of the filterability calculation, flux decline, FI) and
// the graph of volume against time with the four law curves. Its context
// menu copies the picture, saves it as a PNG file, or copies the table as
// tab-separated numbers (FoulingCopyRows). `boxes` reports a fault that abandons the picture and
// a failed save; it must outlive the window.
class FoulingAnalysisWindow : public QWidget {
    Q_OBJECT

public:
    explicit FoulingAnalysisWindow(MessageBoxes& boxes, QWidget* parent = nullptr);
    ~FoulingAnalysisWindow() override;

    // Sets the title (with the wine's full name), analyses `rec` and shows
    // the results, the volumes in `units`, with the lab's settings.
    void FormCreate(const TWineRec& rec, const WineNotes& notes = {},
                    const DisplayUnits& units = UsUnits, const LabSettings& lab = {});

    const FoulingAnalysis& Analysis() const { return analysis_; }
    // The graph shown; a null image when none was drawn.
    const QImage& Picture() const { return picture_; }
    QLabel* GraphLabel() const { return graph_; }
    QTableWidget* Table() const { return table_; }
    QLabel* Summary() const { return summary_; }

    QAction* CopyAction() const { return copyAction_; }
    QAction* SaveAction() const { return saveAction_; }
    QAction* CopyTableAction() const { return copyTableAction_; }
    void SetPictureFileDialog(std::unique_ptr<PictureFileDialog> dialog);

private:
    void FillTable();
    void FillSummary(const TWineRec& rec, const DisplayUnits& units);

    MessageBoxes& boxes_;
    std::unique_ptr<PictureFileDialog> fileDialog_;
    QTableWidget* table_;
    QLabel* summary_;
    QLabel* graph_;
    QAction* copyAction_;
    QAction* saveAction_;
    QAction* copyTableAction_;
    FoulingAnalysis analysis_;
    std::string copiedTable_;
    QString pictureName_;
    QImage picture_;
};

} // namespace zephra
