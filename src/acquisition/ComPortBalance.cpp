#include "acquisition/ComPortBalance.h"

#include "acquisition/WeightReply.h"

#include <thread>

namespace zephra {

using serial::EComError;

std::string BalanceDeviceName(std::int32_t ScalePortNumber) {
    return "COM" + std::to_string(ScalePortNumber);
}

void ConfigureBalancePort(serial::TComPort& ComPort, std::int32_t ScalePortNumber) {
    ComPort.SetDataBits(serial::TDataBits::db7);
    ComPort.SetBaudRate(serial::TBaudRate::br1200);
    ComPort.SetParity(serial::TParity::paOdd);
    ComPort.SetStopBits(serial::TStopBits::sb1);
    ComPort.SetDeviceName(BalanceDeviceName(ScalePortNumber));
    ComPort.Timeouts().SetReadConstant(BalanceReplyTimeoutMs);
}

void ComPortBalance::SendCommand(char letter) {
    std::this_thread::sleep_until(lastExchange_ + std::chrono::milliseconds(BalanceSettleMs));
    ComPort_.SetActive(true);
    ComPort_.WriteAnsiChar('\x1b');
    ComPort_.WriteAnsiChar(letter);
    ComPort_.WriteAnsiChar('\r');
}

void ComPortBalance::Tare() {
    try {
        SendCommand('T');
        ComPort_.SetActive(false);
        Exchanged();
    } catch (const EComError& e) {
        Exchanged();
        throw BalanceError(ComPort_.DeviceName() + ": " + e.what());
    }
}

WeightReading ComPortBalance::GetWeight() {
    std::string line;
    try {
        SendCommand('P');
        while (line.size() < BalanceMaxReplyLength && (line.empty() || line.back() != '\r'))
            line += ComPort_.ReadAnsiChar();
        ComPort_.SetActive(false);
        Exchanged();
    } catch (const EComError& e) {
        Exchanged();
        throw BalanceError(ComPort_.DeviceName() + ": " + e.what());
    }
    WeightReading reading = ParseWeightReply(line);
    reading.Error = reading.Error || line.back() != '\r';
    return reading;
}

void ComPortBalance::Exchanged() {
    lastExchange_ = std::chrono::steady_clock::now();
}

void ComPortBalance::Close() noexcept {
    try {
        ComPort_.SetActive(false);
    } catch (const std::exception&) {
        // Closing releases the device even when a close handler fails; nothing to report.
    }
}

} // namespace zephra
