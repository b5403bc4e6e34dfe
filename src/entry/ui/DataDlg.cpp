#include "entry/ui/DataDlg.h"

#include "entry/PastedTable.h"
#include "entry/ui/LineBreakDrop.h"
#include "entry/ui/LocaleDecimalMark.h"
#include "entry/ui/TablePaste.h"
#include "ui_common/DialogLook.h"
#include "ui_common/FailedBox.h"
#include "ui_common/PauseAfterCheck.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include <vector>

namespace zephra {

namespace {

constexpr int RowsPerGroup = 18;
constexpr int FirstRowTop = 70;
constexpr int RowPitch = 20;
constexpr int GroupLeft[2] = {8, 176};
constexpr int NumberLabelWidth = 20;
constexpr int VolumeOffset = 24;
constexpr int VolumeWidth = 57;
constexpr int MinutesOffset = 88;
constexpr int SecondsOffset = 116;
constexpr int TimeWidth = 26;
constexpr int VolumeLength = 6;
constexpr int MinutesLength = 3;
constexpr int SecondsLength = 2;
constexpr int SkipLeft = 372;

// The volume boxes of rows 4 to 9 take text of any length.
bool VolumeHasNoLimit(int row) {
    return row >= 4 && row <= 9;
}

// A heading centred over the columns from `left` to `left + width`.
void AddHeading(QWidget* parent, const QString& text, int left, int width, int top) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setGeometry(left, top, width, label->sizeHint().height());
}

} // namespace

TDataDlg::TDataDlg(MessageBoxes& boxes, QWidget* parent)
    : QDialog(parent), boxes_(boxes), mark_(LocaleDecimalMark()) {
    SetUpEntryDialog(*this, tr("Filtration Data"), 521, 474);

    for (int row = 1; row <= Rows; ++row) {
        const int group = (row - 1) / RowsPerGroup;
        const int left = GroupLeft[group];
        const int top = FirstRowTop + ((row - 1) % RowsPerGroup) * RowPitch;
        auto* number = new QLabel(QString::number(row), this);
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        number->setGeometry(left, top, NumberLabelWidth, 21);
        V[row - 1] = MakeEntryBox(this, QStringLiteral("V%1").arg(row), left + VolumeOffset, top,
                                  VolumeWidth, VolumeHasNoLimit(row) ? 0 : VolumeLength, true);
        Min[row - 1] = MakeEntryBox(this, QStringLiteral("Min%1").arg(row), left + MinutesOffset,
                                    top, TimeWidth, MinutesLength, true);
        Sec[row - 1] = MakeEntryBox(this, QStringLiteral("Sec%1").arg(row), left + SecondsOffset,
                                    top, TimeWidth, SecondsLength, true);
    }
    for (int i = 0; i < Rows; ++i) {
        for (QLineEdit* box : {V[i], Min[i], Sec[i]}) {
            DropLineBreaks(*box);
            InterceptTablePaste(*box, [this, i](const QString& text) { PasteTable(i + 1, text); });
        }
    }
    for (const int left : GroupLeft) {
        AddHeading(this, tr("Volume"), left + VolumeOffset, VolumeWidth, 32);
        AddHeading(this, QStringLiteral("ml"), left + VolumeOffset, VolumeWidth, 48);
        AddHeading(this, tr("Time"), left + MinutesOffset,
                   SecondsOffset + TimeWidth - MinutesOffset, 32);
        AddHeading(this, tr("min"), left + MinutesOffset, TimeWidth, 48);
        AddHeading(this, tr("sec"), left + SecondsOffset, TimeWidth, 48);
    }

    MakeLabel(this, tr("Points to be skipped"), SkipLeft - 20, 48);
    skipGroup_ = new QButtonGroup(this);
    for (int k = 0; k < SkipChoices; ++k) {
        Skip[k] = new QRadioButton(QString::number(k), this);
        Skip[k]->setObjectName(QStringLiteral("Skip%1").arg(k));
        Skip[k]->setGeometry(SkipLeft, FirstRowTop + k * RowPitch, 50, 17);
        skipGroup_->addButton(Skip[k], k);
    }

    OKButton = MakeButton(this, QStringLiteral("OKButton"), tr("OK"), 346, 420);
    OKButton->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    OKButton->setDefault(true);
    CancelButton = MakeButton(this, QStringLiteral("CancelButton"), tr("Cancel"), 432, 420);
    CancelButton->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));

    std::vector<QWidget*> tabOrder{OKButton, CancelButton};
    tabOrder.insert(tabOrder.end(), V.begin(), V.end());
    for (int i = 0; i < Rows; ++i) {
        tabOrder.push_back(Min[i]);
        tabOrder.push_back(Sec[i]);
    }
    tabOrder.insert(tabOrder.end(), Skip.begin(), Skip.end());
    for (std::size_t i = 1; i < tabOrder.size(); ++i) {
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    }

    connect(OKButton, &QPushButton::clicked, this, &TDataDlg::DataRangeCheck);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TDataDlg::SetForm(const DataForm& form) {
    for (int i = 0; i < Rows; ++i) {
        V[i]->setText(EntryBoxText(form.Volume[i]));
        Min[i]->setText(EntryBoxText(form.Minutes[i]));
        Sec[i]->setText(EntryBoxText(form.Seconds[i]));
    }
    if (form.Skip && *form.Skip >= 0 && *form.Skip < SkipChoices) {
        Skip[*form.Skip]->setChecked(true);
        return;
    }
    // An exclusive group refuses to uncheck its checked button directly.
    skipGroup_->setExclusive(false);
    for (QRadioButton* button : Skip) {
        button->setChecked(false);
    }
    skipGroup_->setExclusive(true);
}

DataForm TDataDlg::Form() const {
    DataForm form;
    for (int i = 0; i < Rows; ++i) {
        form.Volume[i] = EntryBoxNumber(V[i]->text(), mark_);
        form.Minutes[i] = EntryBoxNumber(Min[i]->text(), mark_);
        form.Seconds[i] = EntryBoxNumber(Sec[i]->text(), mark_);
    }
    if (const int checked = skipGroup_->checkedId(); checked >= 0) {
        form.Skip = checked;
    }
    return form;
}

void TDataDlg::PasteTable(int firstRow, const QString& text) {
    const auto table = ReadPastedTable(text.toStdString(), mark_);
    if (const auto* failure = std::get_if<PasteFailure>(&table)) {
        boxes_.Information(PasteFailureMessage(*failure));
        return;
    }
    const auto& readings = std::get<std::vector<PastedReading>>(table);
    const int count = static_cast<int>(readings.size());
    if (firstRow - 1 + count > Rows) {
        boxes_.Information(PasteTooLongMessage(firstRow, count, Rows));
        return;
    }
    // Every text is checked against its box first, so that a paste either
    // fills all its rows or none.
    for (int k = 0; k < count; ++k) {
        const int i = firstRow - 1 + k;
        const PastedReading& reading = readings[k];
        const std::pair<QLineEdit*, const std::string*> cells[] = {
            {V[i], &reading.Volume}, {Min[i], &reading.Minutes}, {Sec[i], &reading.Seconds}};
        for (const auto& [box, field] : cells) {
            if (static_cast<int>(field->size()) > box->maxLength()) {
                boxes_.Information(PasteTooWideMessage(reading.Line, *field));
                return;
            }
        }
    }
    for (int k = 0; k < count; ++k) {
        const int i = firstRow - 1 + k;
        V[i]->setText(EntryBoxText(readings[k].Volume));
        Min[i]->setText(EntryBoxText(readings[k].Minutes));
        Sec[i]->setText(EntryBoxText(readings[k].Seconds));
    }
}

void TDataDlg::DataRangeCheck() {
    DataForm form = Form();
    const std::optional<DataCheckFailure> failure = zephra::DataRangeCheck(form, mark_);
    // The check rewrites the boxes before the failing one; that box and all
    // after it come back as they were.
    for (int i = 0; i < Rows; ++i) {
        V[i]->setText(EntryBoxText(form.Volume[i]));
        Min[i]->setText(EntryBoxText(form.Minutes[i]));
        Sec[i]->setText(EntryBoxText(form.Seconds[i]));
    }
    if (failure) {
        boxes_.Information(DataCheckMessage(*failure, form, mark_));
        const int i = failure->Row - 1;
        PointAtFailedBox(failure->Column == DataColumn::Volume    ? *V[i]
                         : failure->Column == DataColumn::Minutes ? *Min[i]
                                                                  : *Sec[i]);
        return;
    }
    PauseAfterCheck(*this);
    accept();
}

} // namespace zephra
