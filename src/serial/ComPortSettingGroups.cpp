#include "serial/ComPort.h"

namespace zephra::serial {

template <typename T> void TFlowControl::Change(T& field, T value) {
    if (field == value) {
        return;
    }
    field = value;
    FComPort->ApplyDeviceState();
}

void TFlowControl::Assign(const TFlowControl& Source) {
    FDTR = Source.FDTR;
    FRTS = Source.FRTS;
    FXOnXOff = Source.FXOnXOff;
    FXOnLimit = Source.FXOnLimit;
    FXOffLimit = Source.FXOffLimit;
    FComPort->ApplyDeviceState();
}

void TFlowControl::SetDTR(TDTRControl Value) {
    Change(FDTR, Value);
}
void TFlowControl::SetRTS(TRTSControl Value) {
    Change(FRTS, Value);
}
void TFlowControl::SetXOnXOff(TXOnXOffControl Value) {
    Change(FXOnXOff, Value);
}
void TFlowControl::SetXOnLimit(std::uint16_t Value) {
    Change(FXOnLimit, Value);
}
void TFlowControl::SetXOffLimit(std::uint16_t Value) {
    Change(FXOffLimit, Value);
}

void TCharacters::Change(char16_t& field, char16_t value) {
    if (field == value) {
        return;
    }
    field = value;
    FComPort->ApplyDeviceState();
}

void TCharacters::Assign(const TCharacters& Source) {
    FXOn = Source.FXOn;
    FXOff = Source.FXOff;
    FError = Source.FError;
    FEof = Source.FEof;
    FEvent = Source.FEvent;
    FComPort->ApplyDeviceState();
}

void TCharacters::SetXOn(char16_t Value) {
    Change(FXOn, Value);
}
void TCharacters::SetXOff(char16_t Value) {
    Change(FXOff, Value);
}
void TCharacters::SetError(char16_t Value) {
    Change(FError, Value);
}
void TCharacters::SetEof(char16_t Value) {
    Change(FEof, Value);
}
void TCharacters::SetEvent(char16_t Value) {
    Change(FEvent, Value);
}

void TBufferSizes::Assign(const TBufferSizes& Source) {
    FInput = Source.FInput;
    FOutput = Source.FOutput;
}

void TTimeouts::Assign(const TTimeouts& Source) {
    FReadInterval = Source.FReadInterval;
    FReadMultiplier = Source.FReadMultiplier;
    FReadConstant = Source.FReadConstant;
    FWriteMultiplier = Source.FWriteMultiplier;
    FWriteConstant = Source.FWriteConstant;
}

} // namespace zephra::serial
