#include "acquisition/ui/NewDataDlg.h"

#include "entry/EntryFormat.h"
#include "entry/NumberText.h"
#include "entry/ui/LocaleDecimalMark.h"
#include "ui_common/DialogLook.h"
#include "ui_common/PauseAfterCheck.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

namespace zephra {

namespace {

QRadioButton* MakeDuration(QWidget* parent, int minutes, int index) {
    auto* button = new QRadioButton(QString::number(minutes), parent);
    button->setObjectName(QStringLiteral("MaxDuration%1").arg(minutes));
    button->setGeometry(122, 124 + 20 * index, 39, 17);
    return button;
}

QLabel* MakeCentredLabel(QWidget* parent, const QString& text, int top) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(40, top, parent->width() - 80, 17);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

} // namespace

TNewDataDlg::TNewDataDlg(QWidget* owner, MessageBoxes& boxes) : QDialog(owner), boxes_(boxes) {
    SetUpEntryDialog(*this, tr("Collect New Data"), 283, 391);

    DensityLbl = MakeLabel(this, tr("Density"), 72, 48);
    Density = MakeEntryBox(this, QStringLiteral("Density"), 114, 45, 71, 0, false);
    Units = MakeLabel(this, QStringLiteral("g/ml"), 191, 48);
    MaxDurationLbl = MakeLabel(this, tr("Maximum Test Duration (min)"), 72, 105);
    MaxDuration9 = MakeDuration(this, 9, 0);
    MaxDuration18 = MakeDuration(this, 18, 1);
    MaxDuration36 = MakeDuration(this, 36, 2);
    MaxDuration72 = MakeDuration(this, 72, 3);
    MaxDuration144 = MakeDuration(this, 144, 4);

    GoButton = new QPushButton(tr("Begin Data Collection"), this);
    GoButton->setObjectName(QStringLiteral("GoButton"));
    GoButton->setGeometry(72, 250, 139, 25);
    GoButton->setDefault(true);
    warning1 = MakeCentredLabel(this, tr("WARNING: Beginning data collection will"), 300);
    warning2 = MakeCentredLabel(this, tr("erase the existing data set. "), 320);
    CancelButton = MakeButton(this, QStringLiteral("CancelButton"), tr("Cancel"), 102, 350);
    CancelButton->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));

    setTabOrder(Density, GoButton);
    setTabOrder(GoButton, CancelButton);
    setTabOrder(CancelButton, MaxDuration9);
    setTabOrder(MaxDuration9, MaxDuration18);
    setTabOrder(MaxDuration18, MaxDuration36);
    setTabOrder(MaxDuration36, MaxDuration72);
    setTabOrder(MaxDuration72, MaxDuration144);
    Density->setFocus();

    connect(GoButton, &QPushButton::clicked, this, &TNewDataDlg::RangeCheck);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TNewDataDlg::RangeCheck() {
    std::string text = EntryBoxNumber(Density->text(), LocaleDecimalMark());
    bool error = false;
    double value = 0.0;
    Format(text, error, value, 2.0, 0.1, 6, 4);
    if (error) {
        boxes_.Information(
            tr("Density is out of Range. Please enter a value between 2 and 0.1.").toStdString());
        return;
    }
    Density->setText(EntryBoxText(text));
    PauseAfterCheck(*this);
    accept();
}

RunSettings TNewDataDlg::Settings() const {
    RunSettings settings;
    settings.Density = ReadStoredNumber(EntryBoxNumber(Density->text(), LocaleDecimalMark()));
    const std::pair<QRadioButton*, int> durations[] = {{MaxDuration9, 9},
                                                       {MaxDuration18, 18},
                                                       {MaxDuration36, 36},
                                                       {MaxDuration72, 72},
                                                       {MaxDuration144, 144}};
    for (const auto& [button, minutes] : durations) {
        if (button->isChecked())
            settings.MaxMinutes = minutes;
    }
    return settings;
}

} // namespace zephra
