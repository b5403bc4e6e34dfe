#include "PortSettingsDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zephra::serial::ui {

namespace {

const int kRates[] = {75,   110,  134,   150,   300,   600,   1200,   1800,   2400,  4800,
                      7200, 9600, 14400, 19200, 38400, 57600, 115200, 128000, 230400};

/// A box whose items carry `values` as their data.
QComboBox* ChoiceBox(const QStringList& texts, const QList<int>& values, QWidget* parent) {
    auto* box = new QComboBox(parent);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        box->addItem(texts[i], values[i]);
    }
    return box;
}

/// Selects the item carrying `value`; a value the box does not list is added.
void Select(QComboBox* box, int value) {
    int index = box->findData(value);
    if (index < 0) {
        box->addItem(QString::number(value), value);
        index = box->count() - 1;
    }
    box->setCurrentIndex(index);
}

} // namespace

PortSettingsDialog::PortSettingsDialog(const QString& portName, const TPortDialogValues& values,
                                       QWidget* parent)
    : QDialog(parent), initial_(values) {
    setWindowTitle(tr("Port Settings - %1").arg(portName));

    rate_ = new QComboBox(this);
    rate_->setEditable(true);
    rate_->setInsertPolicy(QComboBox::NoInsert);
    for (int rate : kRates) {
        rate_->addItem(QString::number(rate));
    }
    rate_->setValidator(new QIntValidator(1, 99999999, rate_));
    rate_->setCurrentText(QString::number(values.BaudRate));

    dataBits_ = ChoiceBox({"5", "6", "7", "8"}, {5, 6, 7, 8}, this);
    Select(dataBits_, values.DataBits);
    parity_ = ChoiceBox({tr("None"), tr("Odd"), tr("Even"), tr("Mark"), tr("Space")},
                        {0, 1, 2, 3, 4}, this);
    Select(parity_, values.Parity);
    stopBits_ = ChoiceBox({"1", "1.5", "2"}, {0, 1, 2}, this);
    Select(stopBits_, values.StopBits);
    flowControl_ = ChoiceBox({tr("None"), tr("Xon / Xoff"), tr("Hardware")},
                             {int(TDialogFlowControl::None), int(TDialogFlowControl::XOnXOff),
                              int(TDialogFlowControl::Hardware)},
                             this);
    Select(flowControl_, int(values.FlowControl));

    auto* form = new QFormLayout;
    form->addRow(tr("&Bits per second:"), rate_);
    form->addRow(tr("&Data bits:"), dataBits_);
    form->addRow(tr("&Parity:"), parity_);
    form->addRow(tr("&Stop bits:"), stopBits_);
    form->addRow(tr("&Flow control:"), flowControl_);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(rate_, &QComboBox::currentTextChanged, this, &PortSettingsDialog::UpdateOk);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons_);
    UpdateOk();
}

TPortDialogValues PortSettingsDialog::Values() const {
    TPortDialogValues values = initial_;
    bool ok = false;
    const uint rate = rate_->currentText().toUInt(&ok);
    if (ok && rate > 0) {
        values.BaudRate = rate;
    }
    values.DataBits = static_cast<std::uint8_t>(dataBits_->currentData().toInt());
    values.Parity = static_cast<std::uint8_t>(parity_->currentData().toInt());
    values.StopBits = static_cast<std::uint8_t>(stopBits_->currentData().toInt());
    values.FlowControl = static_cast<TDialogFlowControl>(flowControl_->currentData().toInt());
    return values;
}

void PortSettingsDialog::UpdateOk() {
    bool ok = false;
    const uint rate = rate_->currentText().toUInt(&ok);
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(ok && rate > 0);
}

bool QtPortConfigDialog::Execute(const std::string& PortName, TPortDialogValues& Values) {
    PortSettingsDialog dialog(QString::fromStdString(PortName), Values);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    Values = dialog.Values();
    return true;
}

} // namespace zephra::serial::ui
