#include "app/Application.h"

#include <exception>
#include <iostream>

namespace zephra {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

void TApplication::ReportErrorsThrough(MessageBoxes& boxes) {
    boxes_ = &boxes;
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ReportError(e.what());
    } catch (...) {
        ReportError(QCoreApplication::translate("Application", "An unexpected error occurred.")
                        .toStdString());
    }
    return false;
}

void TApplication::ReportError(const std::string& text) {
    // The box runs an event loop of its own; an error from it must not
    // escape either.
    try {
        if (boxes_ != nullptr) {
            boxes_->Error(text);
            return;
        }
    } catch (...) {
    }
    std::cerr << "ZEPHRA: " << text << '\n';
}

} // namespace zephra
