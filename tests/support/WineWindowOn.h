#pragma once

#include "UiScript.h"
#include "app/wine/WineWindow.h"

#include <QList>

namespace zephra::test {

// A real wine window holding a copy of `wine`, whose message boxes are
// `boxes`, for running a command that acts on a wine window; when it goes,
// the window's wine is copied back into `wine`. Used as a temporary around
// one command: EditData(nullptr, WineWindowOn(boxes, wine).Window()). The
// window shows its wine in `units`.
class WineWindowOn {
public:
    WineWindowOn(MessageBoxes& boxes, TWineClass& wine, const DisplayUnits& units = UsUnits)
        : wine_(wine), window_(UiServices{boxes, script_, script_}, none_, units) {
        window_.WineClass = wine;
    }
    ~WineWindowOn() { wine_ = window_.WineClass; }
    WineWindowOn(const WineWindowOn&) = delete;
    WineWindowOn& operator=(const WineWindowOn&) = delete;

    TMDIChild& Window() { return window_; }

private:
    TWineClass& wine_;
    testing::UiScript script_;
    QList<TMDIChild*> none_;
    TMDIChild window_;
};

} // namespace zephra::test
