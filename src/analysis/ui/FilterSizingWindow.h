#pragma once

#include "analysis/FilterSizing.h"
#include "analysis/LabSettings.h"
#include "document/WineNotes.h"
#include "document/WineRec.h"
#include "entry/UnitSystem.h"

#include <QWidget>

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace zephra {

// The "Filter Sizing" window: sizes the filter for a batch of a snapshot of
// a wine (it is not updated afterwards). The batch volume, safety factor,
// element area and production flow are typed in; every change sizes the
// batch again by each of the wine's capacity estimates (SizingEstimatesOf)
// and shows the table and the notes (FilterSizingText.h) the command-line
// tool prints. The flow starts as the wine's production flow; an empty flow
// sizes by capacity alone. In metric units the batch starts in hL and a
// flow the wine keeps in gpm is shown in L/h or hL/h. Where the user's
// locale writes decimals with a comma, the boxes take either separator.
class FilterSizingWindow : public QWidget {
    Q_OBJECT

public:
    // The safety factor starts at the lab's, and the terminal flux share is
    // the lab's.
    explicit FilterSizingWindow(QWidget* parent = nullptr, const DisplayUnits& units = UsUnits,
                                const LabSettings& lab = {});

    // Sets the caption after the wine, analyses `rec` and fills in its
    // production flow.
    void FormCreate(const TWineRec& rec, const WineNotes& notes = {});

    QLineEdit* BatchVolume() const { return batchVolume_; }
    QComboBox* BatchUnit() const { return batchUnit_; }
    QLineEdit* SafetyFactor() const { return safetyFactor_; }
    QLineEdit* ElementArea() const { return elementArea_; }
    QLineEdit* Flow() const { return flow_; }
    QComboBox* FlowUnit() const { return flowUnit_; }
    QTableWidget* Table() const { return table_; }
    // The notes under the table, or what is wrong with the input.
    QLabel* Notes() const { return notes_; }

private:
    void ShowSizing();

    QLineEdit* batchVolume_;
    QComboBox* batchUnit_;
    QLineEdit* safetyFactor_;
    QLineEdit* elementArea_;
    QLineEdit* flow_;
    QComboBox* flowUnit_;
    QTableWidget* table_;
    QLabel* notes_;
    std::vector<SizingEstimate> estimates_;
    DisplayUnits units_;
    LabSettings lab_;
};

// Opens the window for a snapshot of `rec` over `owner` in `units` with the
// lab's settings, deleted when closed.
QWidget* OpenFilterSizing(const TWineRec& rec, const WineNotes& notes, QWidget* owner,
                          const DisplayUnits& units = UsUnits, const LabSettings& lab = {});

} // namespace zephra
