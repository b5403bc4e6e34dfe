#pragma once

#include "serial/PortConfigDialog.h"

#include <QDialog>

class QComboBox;
class QDialogButtonBox;

namespace zephra::serial::ui {

/// The port-settings dialog: bits per second (a listed rate or any other
/// typed in), data bits, parity, stop bits and flow control.
class PortSettingsDialog final : public QDialog {
    Q_OBJECT
public:
    /// Shows `values` for the port `portName`.
    PortSettingsDialog(const QString& portName, const TPortDialogValues& values,
                       QWidget* parent = nullptr);

    /// The values as the dialog shows them now. Fields it cannot show keep
    /// the values it was given.
    TPortDialogValues Values() const;

    QComboBox* RateBox() const { return rate_; }
    QComboBox* DataBitsBox() const { return dataBits_; }
    QComboBox* ParityBox() const { return parity_; }
    QComboBox* StopBitsBox() const { return stopBits_; }
    QComboBox* FlowControlBox() const { return flowControl_; }
    QDialogButtonBox* Buttons() const { return buttons_; }

private:
    void UpdateOk();

    TPortDialogValues initial_;
    QComboBox* rate_;
    QComboBox* dataBits_;
    QComboBox* parity_;
    QComboBox* stopBits_;
    QComboBox* flowControl_;
    QDialogButtonBox* buttons_;
};

/// The port-settings dialog as the serial component's `TPortConfigDialog`:
/// shown modally with no owner window.
class QtPortConfigDialog final : public TPortConfigDialog {
public:
    bool Execute(const std::string& PortName, TPortDialogValues& Values) override;
};

} // namespace zephra::serial::ui
