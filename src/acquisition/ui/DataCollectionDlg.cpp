#include "acquisition/ui/DataCollectionDlg.h"

#include "entry/ui/DialogLook.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>

namespace zephra {

TDataCollectionDlg::TDataCollectionDlg(QWidget* owner) : QDialog(owner) {
    setWindowTitle(QStringLiteral("Data Collection"));
    setFont(EntryDialogFont());
    setFixedSize(220, 107);
    // A title without any border icons, above every other window.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint);
    move(5, 5);

    Next = new QLabel(QStringLiteral("Time to next read:"), this);
    Next->setGeometry(18, 24, 89, 17);
    Next->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Time = MakeLabel(this, QString(), 115, 24);
    Time->setFixedWidth(60);
    Stop = MakeLabel(this, QStringLiteral("Strike 'X' key to stop data collection"), 18, 64);
}

void TDataCollectionDlg::IterruptDataCollection(const QString& key) {
    if (key == QStringLiteral("X") || key == QStringLiteral("x"))
        emit StopRequested();
}

void TDataCollectionDlg::ShowCountdown(const QString& text) {
    if (Time->text() == text)
        return;
    Time->setText(text);
    repaint();
}

void TDataCollectionDlg::CloseForRunEnd() {
    closing_ = true;
    close();
}

void TDataCollectionDlg::keyPressEvent(QKeyEvent* event) {
    IterruptDataCollection(event->text());
}

void TDataCollectionDlg::closeEvent(QCloseEvent* event) {
    if (closing_)
        event->accept();
    else
        event->ignore();
}

void TDataCollectionDlg::reject() {
    // Escape must not close the window while the run goes on.
}

} // namespace zephra
