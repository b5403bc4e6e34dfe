#pragma once

#include "FakeComDevice.h"
#include "serial/ComPort.h"

#include <memory>

namespace zephra::serial::test {

/// A port named /dev/fake0 that owns a FakeComDevice; `device` stays valid as
/// long as the port does.
struct FakePort {
    FakePort() {
        auto owned = std::make_unique<FakeComDevice>();
        device = owned.get();
        port = std::make_unique<TComPort>(nullptr, std::move(owned));
        port->SetDeviceName("/dev/fake0");
    }

    FakeComDevice* device;
    std::unique_ptr<TComPort> port;
};

} // namespace zephra::serial::test
