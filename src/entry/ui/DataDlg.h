#pragma once

#include "document/MessageBoxes.h"
#include "entry/DataCheck.h"
#include "entry/DecimalMark.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zephra {

// "Filtration Data": the 36 readings of a wine (volume, minutes, seconds)
// and the number of leading points to skip. OK runs DataRangeCheck, which
// normalises the boxes in order and stops at the first bad one; the dialog
// closes only when every box is acceptable; the box that failed then has the
// focus with its text selected. A table pasted into any box (several lines,
// copied from a spreadsheet) fills the rows from that box's row on. The dialog never touches a
// record: the Edit Data command loads and reads its boxes. Where the user's
// locale writes decimals with a comma, the boxes and pasted tables take a
// decimal comma ("302,1") and store the point.
class TDataDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int Rows = DataPointCount;
    static constexpr int SkipChoices = MaxSkip + 1;

    // Every box empty and no skip button selected. Rejected entries are
    // reported through `boxes`.
    explicit TDataDlg(MessageBoxes& boxes, QWidget* parent = nullptr);

    // Shows `form` in the boxes; no skip button is selected when it has none.
    void SetForm(const DataForm& form);
    // The boxes' texts as UTF-8 and the selected skip button, if any.
    DataForm Form() const;

    // Fills rows from `firstRow` (1..36) on with the readings of a pasted
    // table, one line per row (see ReadPastedTable). A table that cannot be
    // read, that runs past row 36 or holds a text longer than its box takes
    // changes no box; a message names the reason and the line. The OK check
    // examines the pasted texts like typed ones.
    void PasteTable(int firstRow, const QString& text);

    // Row i (1..36) is V[i-1], Min[i-1], Sec[i-1].
    std::array<QLineEdit*, Rows> V;
    std::array<QLineEdit*, Rows> Min;
    std::array<QLineEdit*, Rows> Sec;
    std::array<QRadioButton*, SkipChoices> Skip;
    QPushButton* OKButton;
    QPushButton* CancelButton;

private slots:
    void DataRangeCheck();

private:
    MessageBoxes& boxes_;
    DecimalMark mark_;
    QButtonGroup* skipGroup_;
};

} // namespace zephra
