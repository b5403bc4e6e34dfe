#pragma once

#include "document/MessageBoxes.h"
#include "entry/ConditionsCheck.h"

#include <QDialog>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zephra {

// "Filtration Conditions": the names, the wine type, the laboratory and the
// full-scale conditions of a wine, and comments. OK runs ConditionsRangeCheck, which
// rewrites the numeric boxes in their stored fixed-width form and closes the
// dialog only when every field is acceptable; the box that failed then has
// the focus with its text selected. The dialog itself never
// touches a record: the entry commands load and read its boxes.
class TConditionsDlg : public QDialog {
    Q_OBJECT

public:
    // A fresh dialog: every box empty, "Normal" and "bpm" selected.
    // Rejected fields are reported through `boxes`.
    explicit TConditionsDlg(MessageBoxes& boxes, QWidget* parent = nullptr);

    // Shows `form` in the boxes and choices.
    void SetForm(const ConditionsForm& form);
    // The boxes' texts as UTF-8 (the names in composed form) and the two
    // choices.
    ConditionsForm Form() const;

    QLineEdit* WineName;
    QLineEdit* FilterName;
    QGroupBox* WineTypeBtn;
    QRadioButton* WineTypeNormal;
    QRadioButton* WineTypeDessert;
    QLineEdit* LabPressure;
    QLineEdit* FilterDiameter;
    QLineEdit* MaxPressure;
    QLineEdit* Area;
    QLineEdit* Rate;
    QRadioButton* UnitsBPM;
    QRadioButton* UnitsGPM;
    QLineEdit* Comments;
    QPushButton* OKButton;
    QPushButton* CancelButton;

private slots:
    void ConditionsRangeCheck();

private:
    QLineEdit* BoxOf(ConditionsField field) const;

    MessageBoxes& boxes_;
};

} // namespace zephra
