#pragma once

#include "acquisition/BalanceTransport.h"
#include "acquisition/InterruptibleWait.h"
#include "serial/ComPort.h"

#include <chrono>

namespace zephra {

// A balance on a serial port, as the port is set up (device name, line
// settings). Each exchange opens the port, which empties its buffers, and
// closes it again; an exchange that follows the previous one within
// BalanceSettleMs first waits for the rest of that time, so that the line
// end the balance sends after its reply cannot reach the next exchange.
// Port failures leave the port as it was at the failure; `Close` closes it.
class SerialTransport : public BalanceTransport {
public:
    explicit SerialTransport(serial::TComPort& port);

    std::string Name() const override;
    void Open() override;
    void Write(std::string_view bytes) override;
    char ReadChar(int timeoutMs) override;
    int LineTimeMs(std::size_t characters) const override;
    void EndExchange() override;
    void Close() noexcept override;
    void Interrupt() noexcept override;

private:
    // Runs `step` on the port; a port error becomes a BalanceError.
    template <typename Step> auto OnPort(Step step);
    void Exchanged();

    serial::TComPort& port_;
    InterruptibleWait wait_;
    std::chrono::steady_clock::time_point lastExchange_{};
};

} // namespace zephra
