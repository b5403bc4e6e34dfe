#pragma once

#include "acquisition/CollectionRun.h"
#include "document/MessageBoxes.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zephra {

// "Collect New Data": the wine's density and the maximum test duration.
class TNewDataDlg : public QDialog {
    Q_OBJECT

public:
    TNewDataDlg(QWidget* owner, MessageBoxes& boxes);

    QLabel* DensityLbl;
    QLineEdit* Density;
    QLabel* Units;
    QLabel* MaxDurationLbl;
    QRadioButton* MaxDuration9;
    QRadioButton* MaxDuration18;
    QRadioButton* MaxDuration36;
    QRadioButton* MaxDuration72;
    QRadioButton* MaxDuration144;
    QPushButton* GoButton;
    QLabel* warning1;
    QLabel* warning2;
    QPushButton* CancelButton;

    // "Begin Data Collection": rewrites the density as the entry fields do
    // (0.1 to 2, width 6, 4 decimals); out of range or no number shows the
    // range message and keeps the dialog open; otherwise shows the rewritten
    // value for 200 ms and closes the dialog as confirmed.
    void RangeCheck();

    // The confirmed choices: the density as typed and checked, and the
    // duration of the selected button (the last selected one of 9, 18, 36,
    // 72, 144 wins).
    RunSettings Settings() const;

private:
    MessageBoxes& boxes_;
};

} // namespace zephra
