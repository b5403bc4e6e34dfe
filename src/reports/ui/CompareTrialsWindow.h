#pragma once

#include "analysis/IndexBands.h"
#include "document/WineNotes.h"
#include "document/WineRec.h"
#include "reports/TrialComparison.h"
#include "ui_common/FileDialogs.h"
#include "ui_common/UiServices.h"

#include <QWidget>

#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

namespace zephra {

// The "Compare Trials" window: the trials it is given (the open wines) and
// those added from files, side by side in one chart of throughput per area
// against time and a table ranked by the best law's capacity per m². A
// click on a column's header sorts by it (numbers as numbers); sorting by
// the trial start shows the trend of trials of one wine over days. The
// table exports as CSV or JSON, the chart and the table as a one-page PDF.
class CompareTrialsWindow : public QWidget {
    Q_OBJECT

public:
    explicit CompareTrialsWindow(UiServices services, const IndexBandLimits& bands = {},
                                 QWidget* parent = nullptr);

    // Adds a trial as it stands; `fileName` is the name of its file.
    void AddTrial(const TWineRec& rec, const WineNotes& notes, const QString& fileName);
    // Reads a wine file and adds it; false after reporting why it cannot
    // be read.
    bool AddFile(const QString& path);

    // The buttons' commands: choose a wine file to add; save the table (JSON
    // for a name ending in ".json", otherwise CSV); save the PDF.
    void AddFilesExecute();
    void ExportTableExecute();
    void ExportPdfExecute();

    const std::vector<ComparisonRow>& Rows() const { return rows_; }
    QTableWidget* Table() const { return table_; }
    QLabel* ChartLabel() const { return chart_; }
    // What the chart leaves out, under it; hidden when it holds every trial.
    QLabel* ChartNoteLabel() const { return chartNote_; }
    FileDialog OpenDialog;
    FileDialog TableDialog;
    FileDialog PdfDialog;

private:
    void Refresh();
    void Write(const QString& path, const QByteArray& bytes);

    UiServices services_;
    IndexBandLimits bands_;
    std::vector<ComparisonRow> rows_;
    QTableWidget* table_;
    QLabel* chart_;
    QLabel* chartNote_;
};

} // namespace zephra
