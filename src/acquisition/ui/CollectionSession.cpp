#include "acquisition/ui/CollectionSession.h"

#include "acquisition/ui/DataCollectionDlg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QWidget>

namespace zephra {

const char* const CollectionSession::RunInProgressText =
    "Data collection is in progress. Strike 'X' key to stop data collection first.";

CollectionSession::CollectionSession(QWidget& mainWindow, QWidget& wineWindow,
                                     CollectionTarget& target, Balance& balance, RunClock& clock,
                                     MessageBoxes& boxes, RunSettings settings,
                                     std::function<void()> saveAs, QObject* parent)
    : QObject(parent), mainWindow_(mainWindow), wineWindow_(wineWindow), boxes_(boxes),
      saveAs_(std::move(saveAs)), run_(target, balance, clock, boxes, settings, this) {
    timer_.setInterval(PassIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &CollectionSession::Pass);
}

CollectionSession::~CollectionSession() {
    mainWindow_.removeEventFilter(this);
    wineWindow_.removeEventFilter(this);
    delete progress_;
}

void CollectionSession::Begin() {
    run_.ClearRecord();
    progress_ = new TDataCollectionDlg(&mainWindow_);
    connect(progress_, &TDataCollectionDlg::StopRequested, this, [this] { run_.RequestStop(); });
    progress_->show();
    progress_->activateWindow();
    progress_->repaint();
    mainWindow_.installEventFilter(this);
    wineWindow_.installEventFilter(this);

    run_.Start();
    if (run_.Running())
        timer_.start();
    else
        Finish();
}

void CollectionSession::Pass() {
    run_.Pass();
    if (!run_.Running()) {
        Finish();
        return;
    }
    // The X key reaches the progress window only while it has the focus; take
    // it back unless the user is busy in a dialog of their own.
    if (progress_ && !progress_->isActiveWindow() && !QApplication::activeModalWidget())
        progress_->activateWindow();
}

void CollectionSession::Finish() {
    timer_.stop();
    mainWindow_.removeEventFilter(this);
    wineWindow_.removeEventFilter(this);
    if (progress_) {
        progress_->CloseForRunEnd();
        delete progress_;
    }
    if (boxes_.Show(BoxKind::Question, SaveQuestionText, BoxButtons::YesNo, BoxAnswer::Yes) ==
        BoxAnswer::Yes)
        saveAs_();
    emit Finished();
}

void CollectionSession::CountdownChanged(const std::string& text) {
    if (progress_)
        progress_->ShowCountdown(QString::fromStdString(text));
}

bool CollectionSession::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close && run_.Running() &&
        (watched == &mainWindow_ || watched == &wineWindow_)) {
        event->ignore();
        boxes_.Information(RunInProgressText);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zephra
