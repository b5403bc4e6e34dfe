#include "acquisition/ui/DataCollectionDlg.h"

#include "analysis/VmaxTracker.h"
#include "ui_common/DialogLook.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace zephra {

namespace {

constexpr int ClientWidth = 220;
constexpr int CountdownHeight = 107;
// The status lines start under a rule below the countdown part.
constexpr int StatusTop = 100;
constexpr int StatusLineHeight = 18;
constexpr int StatusBottomMargin = 8;
// The two lines of the note that Vmax is known, and of a notice.
constexpr int KnownHeight = 34;
constexpr int NoticeHeight = 34;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
constexpr int CaptionLeft = 18;
constexpr int ValueLeft = 96;
constexpr int ValueWidth = ClientWidth - ValueLeft - 8;
// Distance from the wine window's bottom right corner.
constexpr int PlacementMargin = 8;

} // namespace

TDataCollectionDlg::TDataCollectionDlg(QWidget* owner) : QDialog(owner) {
    setWindowTitle(tr("Data Collection"));
    setFont(EntryDialogFont());
    // A title with only the close button, above every other window.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    move(5, 5);

    Next = new QLabel(tr("Time to next read:"), this);
    Next->setGeometry(18, 24, 89, 17);
    Next->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Time = MakeLabel(this, QString(), 115, 24);
    Time->setFixedWidth(60);
    Stop = MakeLabel(this, tr("Strike 'X' key to stop data collection"), 18, 64);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(8, CountdownHeight - 14, ClientWidth - 16, 2);

    Port = AddStatusLine(tr("Port:"));
    Elapsed = AddStatusLine(tr("Elapsed:"));
    Points = AddStatusLine(tr("Points stored:"));
    LastReading = AddStatusLine(tr("Last reading:"));
    Interval = AddStatusLine(tr("Interval:"));
    Vmax = AddStatusLine(tr("Vmax:"));
    BestLaw = AddStatusLine(tr("Best law:"));
    VmaxKnown = new QLabel(QString::fromUtf8(VmaxKnownText), this);
    VmaxKnown->setWordWrap(true);
    VmaxKnown->hide();
    Notice = new QLabel(this);
    Notice->setWordWrap(true);
    Notice->setTextFormat(Qt::PlainText);
    Notice->hide();
    StopButton = new QPushButton(tr("Stop"), this);
    // Enter must not end a run by accident; Space on the focused button does.
    StopButton->setAutoDefault(false);
    connect(StopButton, &QPushButton::clicked, this, &TDataCollectionDlg::StopRequested);
    LayOutBelowStatus();
}

void TDataCollectionDlg::ShowVmaxKnown(bool known) {
    if (VmaxKnown->isVisible() == known)
        return;
    VmaxKnown->setVisible(known);
    LayOutBelowStatus();
}

void TDataCollectionDlg::ShowNotice(const QString& text) {
    Notice->setText(text);
    if (Notice->isHidden()) {
        Notice->show();
        LayOutBelowStatus();
    }
}

// Under the status lines: the shown notes, then the Stop button; the window
// ends below them.
void TDataCollectionDlg::LayOutBelowStatus() {
    int top = StatusTop + StatusLineHeight * statusLines_;
    if (VmaxKnown->isVisibleTo(this)) {
        VmaxKnown->setGeometry(CaptionLeft, top, ClientWidth - 2 * CaptionLeft, KnownHeight);
        top += KnownHeight;
    }
    if (Notice->isVisibleTo(this)) {
        Notice->setGeometry(CaptionLeft, top, ClientWidth - 2 * CaptionLeft, NoticeHeight);
        top += NoticeHeight;
    }
    top += StatusBottomMargin;
    StopButton->setGeometry(ClientWidth - CaptionLeft - ButtonWidth, top, ButtonWidth,
                            ButtonHeight);
    setFixedSize(ClientWidth, top + ButtonHeight + StatusBottomMargin);
}

QLabel* TDataCollectionDlg::AddStatusLine(const QString& caption) {
    const int top = StatusTop + StatusLineHeight * statusLines_;
    MakeLabel(this, caption, CaptionLeft, top);
    auto* value = new QLabel(this);
    value->setGeometry(ValueLeft, top, ValueWidth, 17);
    value->setTextFormat(Qt::PlainText);
    statusLines_ += 1;
    if (StopButton != nullptr)
        LayOutBelowStatus();
    return value;
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

void TDataCollectionDlg::ShowStatus(QLabel* value, const QString& text) {
    const QString shown = value->fontMetrics().elidedText(text, Qt::ElideMiddle, value->width());
    if (value->text() == shown)
        return;
    value->setText(shown);
    value->setToolTip(shown == text ? QString() : text);
}

void TDataCollectionDlg::PlaceOver(const QWidget& wineWindow) {
    const QPoint bottomRight = wineWindow.mapToGlobal(wineWindow.contentsRect().bottomRight());
    // Before it is shown the window has no frame yet: leave room for a title bar.
    const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    QPoint place(bottomRight.x() - width() - PlacementMargin,
                 bottomRight.y() - height() - titleBar - PlacementMargin);
    if (const QScreen* screen = wineWindow.screen()) {
        const QRect area = screen->availableGeometry();
        place.setX(qBound(area.left(), place.x(), area.right() - width()));
        place.setY(qBound(area.top(), place.y(), area.bottom() - height()));
    }
    move(place);
}

void TDataCollectionDlg::CloseForRunEnd() {
    closing_ = true;
    close();
}

void TDataCollectionDlg::keyPressEvent(QKeyEvent* event) {
    IterruptDataCollection(event->text());
}

void TDataCollectionDlg::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->accept();
        return;
    }
    event->ignore();
    emit CloseRequested();
}

void TDataCollectionDlg::reject() {
    // Escape must not close the window while the run goes on.
}

} // namespace zephra
