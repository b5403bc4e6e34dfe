#include "acquisition/ComPortBalance.h"

#include "acquisition/SerialTransport.h"

namespace zephra {

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

ComPortBalance::ComPortBalance(serial::TComPort& ComPort)
    : EscPBalance(std::make_unique<SerialTransport>(ComPort), BalanceReplyTimeoutMs) {}

} // namespace zephra
