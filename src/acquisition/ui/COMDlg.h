#pragma once

#include "acquisition/BalanceProfile.h"

#include <QDialog>

#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zephra {

class BalanceProbeRunner;
struct DetectedBalance;

// "Set scale connection": one radio button per serial port COM1 to COM9, none
// selected at first. Beside each button, the device the port opens now
// through the port map, or "not present".
//
// Below the buttons, "Balance >>" opens the balance section to the right of
// them (none of the controls above moves): the balance's dialect, with Auto
// to detect it, a network address that takes the place of the COM port,
// the line settings, Detect, which tries every dialect on the chosen port,
// and Test, which reads one weight and shows it with its unit and whether it
// was stable. Both run beside the window. OK with Auto chosen first detects
// the balance and closes only when one answered.
class TCOMDlg : public QDialog {
    Q_OBJECT

public:
    // `profile` fills the balance section (none: the ESC P link); the
    // section opens at once when a profile is given.
    explicit TCOMDlg(QWidget* owner, const std::optional<BalanceProfile>& profile = std::nullopt);
    ~TCOMDlg() override;

    QLabel* Label1;
    QRadioButton* COM[9]; // COM[0] is COM1
    QLabel* Device[9];    // the device of COM[i]
    QPushButton* OKButton;
    QPushButton* CancelButton;

    QPushButton* BalanceButton; // opens and closes the balance section
    QComboBox* Dialect;         // "Auto", then every dialect by its key
    QLineEdit* Address;         // tcp://HOST:PORT, or empty for the COM port
    QComboBox* Baud;            // editable
    QComboBox* Framing;
    QComboBox* Handshake;
    QPushButton* DetectButton;
    QPushButton* TestButton;
    QLabel* Result; // what Detect or Test found

    // Number (1 to 9) of the selected button; the last selected one wins,
    // testing from COM1 to COM9. 0 when none is selected.
    int SelectedPort() const;
    // Selects the button of port `n`; any number outside 1 to 9 selects none.
    void SelectPort(int n);

    bool BalanceSectionShown() const;
    void ShowBalanceSection(bool shown);
    // The balance as the section shows it; nothing while Auto is chosen or
    // a value cannot be used.
    std::optional<BalanceProfile> Profile() const;
    // Whether a detection or a test is running.
    bool Probing() const;

public slots:
    void accept() override;

private:
    void BuildBalanceSection();
    void ShowProfile(const BalanceProfile& profile);
    void UpdateLineControls();
    void DialectChosen();
    void Detect(bool acceptWhenFound);
    void Test();
    void Detected(const std::optional<DetectedBalance>& found, bool acceptWhenFound);
    // The chosen link: the network address, or the selected COM port; empty
    // after telling the user to choose one.
    std::string Where();
    void SetProbing(bool probing, const QString& text);

    BalanceProbeRunner* runner_;
};

} // namespace zephra
