#include "entry/ui/ConditionsDlg.h"

#include "entry/ShownConditions.h"
#include "entry/ui/LineBreakDrop.h"
#include "entry/ui/LocaleDecimalMark.h"
#include "ui_common/DialogLook.h"
#include "ui_common/FailedBox.h"
#include "ui_common/PauseAfterCheck.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <iterator>

namespace zephra {

namespace {

// A rate unit's name as the radio buttons show it.
QString RateUnitText(int rateUnits) {
    const std::string_view name = RateUnitName(rateUnits);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

constexpr int NameBoxWidth = 121;
constexpr int NumberBoxWidth = 41;
// The names take any length: the record keeps their first 16 characters,
// the wine file's notes the full names.
constexpr int NameLength = 0;
constexpr int NumberLength = 4;
// A value typed in another unit than the record's may need more characters
// ("0.055" bar, "454000" L/h).
constexpr int ShownNumberLength = 8;
constexpr int CommentsLength = 128;

} // namespace

TConditionsDlg::TConditionsDlg(MessageBoxes& boxes, QWidget* parent, const DisplayUnits& units)
    : QDialog(parent), boxes_(boxes), units_(units), mark_(LocaleDecimalMark()) {
    const std::string_view unit = PressureUnit(units);
    const QString pressureUnit =
        QString::fromUtf8(unit.data(), static_cast<qsizetype>(unit.size()));
    const int shownLength = units.Metric() ? ShownNumberLength : NumberLength;
    SetUpEntryDialog(*this, tr("Filtration Conditions"), 512, 413);

    WineName =
        MakeEntryBox(this, QStringLiteral("WineName"), 132, 45, NameBoxWidth, NameLength, false);
    MakeLabelLeftOf(WineName, tr("Wine Name"));
    FilterName =
        MakeEntryBox(this, QStringLiteral("FilterName"), 132, 72, NameBoxWidth, NameLength, false);
    MakeLabelLeftOf(FilterName, tr("Filter Name"));

    WineTypeBtn = new QGroupBox(tr("Wine Type"), this);
    WineTypeBtn->setObjectName(QStringLiteral("WineTypeBtn"));
    WineTypeBtn->setGeometry(320, 35, 121, 62);
    WineTypeNormal = new QRadioButton(tr("Normal"), WineTypeBtn);
    WineTypeNormal->setObjectName(QStringLiteral("WineTypeNormal"));
    WineTypeNormal->setGeometry(10, 18, 100, 17);
    WineTypeDessert = new QRadioButton(tr("Dessert"), WineTypeBtn);
    WineTypeDessert->setObjectName(QStringLiteral("WineTypeDessert"));
    WineTypeDessert->setGeometry(10, 37, 100, 17);

    MakeLabel(this, tr("Laboratory Conditions"), 92, 136);
    LabPressure = MakeEntryBox(this, QStringLiteral("LabPressure"), 168, 155, NumberBoxWidth,
                               shownLength, false);
    MakeLabelLeftOf(LabPressure, tr("Pressure"));
    MakeLabelRightOf(LabPressure, pressureUnit);
    FilterDiameter = MakeEntryBox(this, QStringLiteral("FilterDiameter"), 168, 182, NumberBoxWidth,
                                  NumberLength, false);
    MakeLabelLeftOf(FilterDiameter, tr("Filter Diameter"));
    MakeLabelRightOf(FilterDiameter, QStringLiteral("mm"));

    MakeLabel(this, tr("Full-Scale Conditions"), 276, 136);
    MaxPressure = MakeEntryBox(this, QStringLiteral("MaxPressure"), 335, 155, NumberBoxWidth,
                               shownLength, false);
    MakeLabelLeftOf(MaxPressure, tr("Max Pressure"));
    MakeLabelRightOf(MaxPressure, pressureUnit);
    Area =
        MakeEntryBox(this, QStringLiteral("Area"), 335, 182, NumberBoxWidth, NumberLength, false);
    MakeLabelLeftOf(Area, tr("Area"));
    MakeLabelRightOf(Area, QStringLiteral("m2"));
    Rate = MakeEntryBox(this, QStringLiteral("Rate"), 335, 209, NumberBoxWidth, shownLength, false);
    MakeLabelLeftOf(Rate, tr("Rate"));

    // bpm and gpm form their own exclusive pair, apart from the wine type.
    UnitsBPM = new QRadioButton(RateUnitText(0), this);
    UnitsBPM->setObjectName(QStringLiteral("UnitsBPM"));
    UnitsBPM->setGeometry(390, 211, 60, 17);
    UnitsGPM = new QRadioButton(RateUnitText(1), this);
    UnitsGPM->setObjectName(QStringLiteral("UnitsGPM"));
    UnitsGPM->setGeometry(390, 227, 60, 17);
    // In metric units a rate is typed in bpm, L/h or hL/h; L/h and hL/h are
    // stored as gpm.
    UnitsLPH = new QRadioButton(RateUnitText(RateLitresPerHour), this);
    UnitsLPH->setObjectName(QStringLiteral("UnitsLPH"));
    UnitsLPH->setGeometry(390, 227, 60, 17);
    UnitsHLPH = new QRadioButton(RateUnitText(RateHectolitresPerHour), this);
    UnitsHLPH->setObjectName(QStringLiteral("UnitsHLPH"));
    UnitsHLPH->setGeometry(390, 243, 60, 17);
    UnitsGPM->setVisible(!units.Metric());
    UnitsLPH->setVisible(units.Metric());
    UnitsHLPH->setVisible(units.Metric());
    auto* unitsGroup = new QButtonGroup(this);
    for (QRadioButton* button : RateUnitButtons()) {
        unitsGroup->addButton(button);
    }

    Comments = MakeEntryBox(this, QStringLiteral("Comments"), 69, 280, 372, CommentsLength, false);
    MakeLabel(this, tr("Comments"), 69, 264);

    OKButton = MakeButton(this, QStringLiteral("OKButton"), tr("OK"), 254, 344);
    OKButton->setDefault(true);
    CancelButton = MakeButton(this, QStringLiteral("CancelButton"), tr("Cancel"), 366, 344);

    WineTypeNormal->setChecked(true);
    UnitsBPM->setChecked(true);

    QWidget* const tabOrder[] = {
        OKButton,    CancelButton,   WineName,    FilterName, WineTypeNormal, WineTypeDessert,
        LabPressure, FilterDiameter, MaxPressure, Area,       Rate,           UnitsBPM,
        UnitsGPM,    UnitsLPH,       UnitsHLPH,   Comments};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i) {
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    }

    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        DropLineBreaks(*box);
    }

    connect(OKButton, &QPushButton::clicked, this, &TConditionsDlg::ConditionsRangeCheck);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

std::array<QRadioButton*, 4> TConditionsDlg::RateUnitButtons() const {
    // In the order of ConditionsForm::RateUnits.
    return {UnitsBPM, UnitsGPM, UnitsLPH, UnitsHLPH};
}

void TConditionsDlg::SetForm(const ConditionsForm& form) {
    const ConditionsForm shown = ShownConditionsForm(form, units_);
    WineName->setText(QString::fromStdString(shown.WineName));
    FilterName->setText(QString::fromStdString(shown.FilterName));
    (shown.WineType == 0 ? WineTypeNormal : WineTypeDessert)->setChecked(true);
    SetNumericBoxes(shown);
    RateUnitButtons()[static_cast<std::size_t>(std::clamp(shown.RateUnits, 0, 3))]->setChecked(
        true);
    // Comments stored by other means may be longer than the box takes when
    // typed; they are shown whole, never cut.
    const QString comments = QString::fromStdString(shown.Comments);
    Comments->setMaxLength(std::max<int>(CommentsLength, static_cast<int>(comments.size())));
    Comments->setText(comments);
}

ConditionsForm TConditionsDlg::Form() const {
    return units_.Metric() ? StoredConditionsForm(ShownForm(), units_) : ShownForm();
}

std::optional<MetricFlowUnit> TConditionsDlg::ChosenFlowUnit() const {
    return ShownFlowUnit(ShownForm());
}

ConditionsForm TConditionsDlg::ShownForm() const {
    ConditionsForm form;
    // Composed form, so that an accented letter typed or pasted as a base
    // letter and a combining mark still has its single-byte character.
    form.WineName = WineName->text().normalized(QString::NormalizationForm_C).toStdString();
    form.FilterName = FilterName->text().normalized(QString::NormalizationForm_C).toStdString();
    form.WineType = WineTypeNormal->isChecked() ? 0 : 1;
    form.LabPressure = EntryBoxNumber(LabPressure->text(), mark_);
    form.FilterDiameter = EntryBoxNumber(FilterDiameter->text(), mark_);
    form.MaxPressure = EntryBoxNumber(MaxPressure->text(), mark_);
    form.Area = EntryBoxNumber(Area->text(), mark_);
    form.Rate = EntryBoxNumber(Rate->text(), mark_);
    const auto buttons = RateUnitButtons();
    for (std::size_t units = 0; units < buttons.size(); ++units) {
        if (buttons[units]->isChecked()) {
            form.RateUnits = static_cast<int>(units);
        }
    }
    form.Comments = Comments->text().toStdString();
    return form;
}

void TConditionsDlg::SetNumericBoxes(const ConditionsForm& shown) {
    LabPressure->setText(EntryBoxText(shown.LabPressure));
    FilterDiameter->setText(EntryBoxText(shown.FilterDiameter));
    MaxPressure->setText(EntryBoxText(shown.MaxPressure));
    Area->setText(EntryBoxText(shown.Area));
    Rate->setText(EntryBoxText(shown.Rate));
}

void TConditionsDlg::ConditionsRangeCheck() {
    ConditionsForm shown = ShownForm();
    ConditionsForm stored;
    const std::optional<ConditionsCheckFailure> failure =
        ShownConditionsCheck(shown, units_, stored, mark_);
    // The check rewrites each numeric text that passed; the failing one and
    // those after it come back as typed.
    SetNumericBoxes(shown);
    if (failure) {
        boxes_.Information(failure->Message);
        PointAtFailedBox(*BoxOf(failure->Field));
        return;
    }
    PauseAfterCheck(*this);
    accept();
}

QLineEdit* TConditionsDlg::BoxOf(ConditionsField field) const {
    switch (field) {
    case ConditionsField::WineName:
        return WineName;
    case ConditionsField::FilterName:
        return FilterName;
    case ConditionsField::LabPressure:
        return LabPressure;
    case ConditionsField::FilterDiameter:
        return FilterDiameter;
    case ConditionsField::MaxPressure:
        return MaxPressure;
    case ConditionsField::Area:
        return Area;
    case ConditionsField::Rate:
        return Rate;
    case ConditionsField::Comments:
        return Comments;
    }
    return WineName;
}

} // namespace zephra
