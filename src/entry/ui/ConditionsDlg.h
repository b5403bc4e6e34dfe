#pragma once

#include "document/MessageBoxes.h"
#include "entry/ConditionsCheck.h"
#include "entry/DecimalMark.h"
#include "entry/UnitSystem.h"

#include <QDialog>

#include <array>
#include <optional>

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
//
// In metric units the pressures are shown and typed in bar and the rate in
// bpm, L/h or hL/h (kept in the record as gpm); SetForm and Form still take
// and give the record's form (ShownConditions.h). Where the user's locale
// writes decimals with a comma, the boxes take either separator.
class TConditionsDlg : public QDialog {
    Q_OBJECT

public:
    // A fresh dialog showing values in `units`: every box empty, "Normal"
    // and "bpm" selected. Rejected fields are reported through `boxes`.
    explicit TConditionsDlg(MessageBoxes& boxes, QWidget* parent = nullptr,
                            const DisplayUnits& units = UsUnits);

    // Shows the record's form `form` in the boxes and choices, converted to
    // the dialog's units.
    void SetForm(const ConditionsForm& form);
    // The record's form of the boxes' texts as UTF-8 (the names in composed
    // form) and the two choices; in US units the boxes' texts themselves.
    ConditionsForm Form() const;
    // The metric flow unit the rate is given in, when it is L/h or hL/h.
    std::optional<MetricFlowUnit> ChosenFlowUnit() const;

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
    QRadioButton* UnitsGPM;  // US units only
    QRadioButton* UnitsLPH;  // metric units only
    QRadioButton* UnitsHLPH; // metric units only
    QLineEdit* Comments;
    QPushButton* OKButton;
    QPushButton* CancelButton;

private slots:
    void ConditionsRangeCheck();

private:
    QLineEdit* BoxOf(ConditionsField field) const;
    std::array<QRadioButton*, 4> RateUnitButtons() const;
    // The boxes' texts and choices in the units shown.
    ConditionsForm ShownForm() const;
    void SetNumericBoxes(const ConditionsForm& shown);

    MessageBoxes& boxes_;
    DisplayUnits units_;
    DecimalMark mark_;
};

} // namespace zephra
