#pragma once

#include "document/MessageBoxes.h"

#include <QApplication>

namespace zephra {

// The program's application object. An exception thrown while an event is
// handled (a click, a key, a timer, a queued call) never unwinds through Qt:
// it is caught where that one event is delivered, shown in an error box, and
// the program goes on, so a dialog that was open stays open and is closed and
// destroyed normally later.
class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);

    // Where caught errors are shown; until set they go to standard error.
    void ReportErrorsThrough(MessageBoxes& boxes);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    void ReportError(const std::string& text);

    MessageBoxes* boxes_ = nullptr;
};

} // namespace zephra
