#include "acquisition/ui/CollectionSession.h"

#include "acquisition/RunStatusText.h"
#include "acquisition/ui/DataCollectionDlg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>

namespace zephra {

const char* const CollectionSession::RunInProgressText = QT_TRANSLATE_NOOP(
    "zephra::CollectionSession",
    "Data collection is in progress. Strike 'X' key to stop data collection first.");

std::string CollectionSession::RunInProgressMessage() {
    return tr(RunInProgressText).toStdString();
}

CollectionSession::CollectionSession(QWidget& mainWindow, QWidget& wineWindow,
                                     CollectionTarget& target, BalanceExchanges& exchanges,
                                     RunClock& clock, MessageBoxes& boxes, RunSettings settings,
                                     std::string portText, std::function<void()> saveAs,
                                     QObject* parent)
    : QObject(parent), mainWindow_(mainWindow), wineWindow_(wineWindow), exchanges_(exchanges),
      boxes_(boxes), portText_(std::move(portText)), saveAs_(std::move(saveAs)),
      run_(target, exchanges, clock, boxes, settings, this) {
    timer_.setInterval(PassIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &CollectionSession::Pass);
}

CollectionSession::~CollectionSession() {
    RemoveGuards();
    delete progress_;
}

// The windows may be gone already when the main window is torn down.
void CollectionSession::RemoveGuards() {
    for (QWidget* window : {guardedMain_.data(), guardedWine_.data()}) {
        if (window)
            window->removeEventFilter(this);
    }
}

void CollectionSession::Begin() {
    run_.ClearRecord();
    progress_ = new TDataCollectionDlg(&mainWindow_);
    connect(progress_, &TDataCollectionDlg::StopRequested, this, [this] {
        run_.RequestStop();
        Pass();
    });
    // Asked once the close event is over: the question runs an event loop.
    connect(progress_, &TDataCollectionDlg::CloseRequested, this, &CollectionSession::AskToStop,
            Qt::QueuedConnection);
    progress_->ShowStatus(progress_->Port, QString::fromStdString(portText_));
    progress_->ShowStatus(progress_->Elapsed, QString::fromStdString(ElapsedText(0)));
    ShowPoints(run_.PointsInRecord());
    progress_->ShowStatus(progress_->Interval,
                          QString::fromStdString(IntervalText(run_.IntervalSeconds())));
    progress_->PlaceOver(wineWindow_);
    progress_->show();
    progress_->raise();
    progress_->activateWindow();
    progress_->repaint();
    guardedMain_ = &mainWindow_;
    guardedWine_ = &wineWindow_;
    mainWindow_.installEventFilter(this);
    wineWindow_.installEventFilter(this);

    run_.Start();
    timer_.start();
    Pass();
}

void CollectionSession::Pass() {
    // A message box of the run runs an event loop, in which the timer goes on.
    if (inPass_ || finished_)
        return;
    inPass_ = true;
    run_.Pass();
    inPass_ = false;
    if (!run_.Running()) {
        if (exchanges_.Released() && !BoxOverProgressWindow())
            Finish();
        return;
    }
    if (progress_)
        progress_->ShowStatus(progress_->Elapsed,
                              QString::fromStdString(ElapsedText(run_.ElapsedMs())));
}

// Whether a box the user has not answered yet belongs to the progress
// window (the stop question): the window stays until it is answered.
bool CollectionSession::BoxOverProgressWindow() const {
    for (const QWidget* widget = QApplication::activeModalWidget(); widget != nullptr;
         widget = widget->parentWidget()) {
        if (widget == progress_)
            return true;
    }
    return false;
}

void CollectionSession::AskToStop() {
    if (!run_.Running())
        return;
    if (boxes_.Show(BoxKind::Question, StopQuestionText, BoxButtons::YesNo, BoxAnswer::No) ==
        BoxAnswer::Yes) {
        run_.RequestStop();
        Pass();
    }
}

void CollectionSession::Finish() {
    finished_ = true;
    timer_.stop();
    RemoveGuards();
    if (progress_) {
        progress_->CloseForRunEnd();
        delete progress_;
    }
    // A run that stored nothing has put the wine back as it was: nothing to save.
    if (run_.StoredAny() && boxes_.Show(BoxKind::Question, SaveQuestion(run_.End()),
                                        BoxButtons::YesNo, BoxAnswer::Yes) == BoxAnswer::Yes)
        saveAs_();
    if (QWidget* window = closeAfterEnd_)
        QTimer::singleShot(0, window, [window] { window->close(); });
    emit Finished();
}

void CollectionSession::CountdownChanged(const std::string& text) {
    if (progress_)
        progress_->ShowCountdown(QString::fromStdString(text));
}

void CollectionSession::PointStored(const StoredPoint& point) {
    if (!progress_)
        return;
    ShowPoints(point.pointsInRecord);
    progress_->ShowStatus(progress_->LastReading, QString::fromStdString(point.lastReading));
    if (point.vmax.Shown) {
        progress_->ShowStatus(progress_->Vmax, QString::fromStdString(point.vmaxText));
        progress_->ShowStatus(progress_->BestLaw, QString::fromStdString(point.bestLawText));
    }
    progress_->ShowVmaxKnown(point.vmax.Known);
    if (!point.keepProblem.empty())
        progress_->ShowNotice(QString::fromStdString(point.keepProblem));
}

void CollectionSession::Collapsed(double intervalSeconds, int pointsInRecord) {
    if (!progress_)
        return;
    ShowPoints(pointsInRecord);
    progress_->ShowStatus(progress_->Interval,
                          QString::fromStdString(IntervalText(intervalSeconds)));
}

void CollectionSession::Resumed(std::int64_t stalledMs) {
    if (!progress_)
        return;
    QString text = QString::fromStdString(StallText(stalledMs));
    text[0] = text[0].toUpper();
    progress_->ShowNotice(text);
}

// The countdown stops where the run ends, before any message about it.
void CollectionSession::Ended(RunEnd) {
    if (progress_)
        progress_->ShowCountdown(QString());
}

void CollectionSession::ShowPoints(int pointsInRecord) {
    progress_->ShowStatus(progress_->Points, QString::number(pointsInRecord));
}

bool CollectionSession::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close && !finished_ &&
        (watched == &mainWindow_ || watched == &wineWindow_)) {
        event->ignore();
        if (run_.Running())
            boxes_.Information(RunInProgressMessage());
        else
            closeAfterEnd_ = static_cast<QWidget*>(watched);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zephra
