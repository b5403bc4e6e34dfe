#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QRadioButton;

namespace zephra {

// "Set scale connection": one radio button per serial port COM1 to COM9, none
// selected at first. Beside each button, the device the port opens now
// through the port map, or "not present".
class TCOMDlg : public QDialog {
    Q_OBJECT

public:
    explicit TCOMDlg(QWidget* owner);

    QLabel* Label1;
    QRadioButton* COM[9]; // COM[0] is COM1
    QLabel* Device[9];    // the device of COM[i]
    QPushButton* OKButton;
    QPushButton* CancelButton;

    // Number (1 to 9) of the selected button; the last selected one wins,
    // testing from COM1 to COM9. 0 when none is selected.
    int SelectedPort() const;
    // Selects the button of port `n`; any number outside 1 to 9 selects none.
    void SelectPort(int n);
};

} // namespace zephra
