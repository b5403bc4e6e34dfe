#pragma once

#include "serial/ComPort.h"

#include <gtest/gtest.h>

namespace zephra::serial::test {

/// Runs `call` and returns the EComError it raised; records a test failure
/// (and returns an error with code -1) when it raised none.
template <typename Call> EComError CaptureError(Call call) {
    try {
        call();
    } catch (const EComError& error) {
        return error;
    }
    ADD_FAILURE() << "no EComError raised";
    return EComError(-1, "");
}

} // namespace zephra::serial::test
