#pragma once

// Serial-port component for one serial device on Linux.
//
// `TComPort` holds the line settings, opens a tty device node exclusively,
// pushes the settings into it with termios and offers waited and not-waited
// reads and writes with typed, string and line operations on top.
//
// Threads: every member is meant for the thread that owns the port.
//
// Device names: `DeviceName` "COMn" (n >= 1) is resolved when the port opens
// through the per-user port map: the symbolic link
// $XDG_CONFIG_HOME/zephra/ports/COMn (default ~/.config/zephra/ports/COMn) when
// it exists, otherwise /dev/ttyS{n-1}. A name starting with "/" is a device
// path used as it is (for example /dev/ttyUSB0 or /dev/serial/by-id/...).
//
// Errors: every failure raises `EComError`. Its `ErrorCode` is the Linux errno
// of a failing system call with the C library's text for it, or 0 for the
// component's own errors ("Timeout", "Incorrect parameter", ...). An `OnError`
// handler sees every error first and can turn it into a silent `EAbort`.
//
// What Linux cannot do, and what the port does instead:
// - DTR/DSR handshake (`dcHandshake`, `opOutputDSRFlow`, `opDSRSensitivity`),
//   RTS toggle (`rcToggle`), `opTXContinueOnXOff`, `opUseErrorChar`,
//   `opDiscardNullBytes`, `opAbortOnError`, the error and event characters and
//   the XON/XOFF limits have no termios equivalent: they are stored and ignored.
// - RTS/CTS handshake is one kernel flag for both directions: `rcHandshake` or
//   `opOutputCTSFlow` switches it on.
// - 1.5 stop bits exist only together with 5 data bits; 4, 9 and 16 data bits
//   do not exist. Such settings raise EINVAL when applied.
// - Applied settings are read back: a device that did not keep the data bits,
//   parity, stop bits or flow control raises EINVAL (an opening port stays
//   closed). A pseudo-terminal always runs with 8 data bits and no parity,
//   which is accepted.
// - Buffer sizes cannot be set; `BufferSizes` keeps the values.
// - `PriorityClass` is kept (and refused on an open port) but not applied: an
//   unprivileged process could not restore a lowered priority afterwards.
// - A write is complete when the kernel has accepted its bytes; `Flush` waits
//   until they have been sent.
//
// Line events: while the port is open and a line-event handler (`OnRxChar`,
// `OnTxEmpty`, ...) is assigned, an event thread waits for the events and
// calls the handlers, on the main thread through the installed
// `TMainThreadDispatcher` when `SynchronizeEvents` is True (the default), on
// the event thread otherwise. Linux gives RxChar, TxEmpty, Rx80PercFull and,
// where the driver counts them, CTS/DSR/RLSD changes, ring, break and line
// errors; RxFlag, PrinterError, Event1 and Event2 never occur. A device that
// goes away while open (an unplugged adapter) is reported through `OnError`
// with EIO and the port closes. A `Close` called on the event thread is queued
// to the main thread and returns at once. Stopping the thread (removing the
// last handler, closing) never waits for a handler running on it without
// synchronisation; such a handler must itself be safe against the main thread
// closing the port. A closed port's device is free at once for the next
// `Open`. The handlers of a port run one at a time all the same: after a
// close and an open, the next events wait until a handler of the old thread
// has returned. Handlers may be replaced or removed while one runs; the
// running one finishes as it was. Bytes that `PurgeInput` or `ClearInput`
// discard are forgotten, so the next byte received is an RxChar event again.
// A handler may destroy its own port, itself or through code it calls (a
// nested event loop, another port's handler); the rest of that wake-up's
// events is then dropped, and the handler must not touch the port any more.
// Destroying the port elsewhere waits for a handler running on an event
// thread to return, so that handler must not wait for the main thread then.
// `ThreadPriority` is kept but not applied: ordinary threads have no
// priorities on Linux.
//
// Device arrival and removal: while `OnDeviceArrival` or `OnDeviceRemoved` is
// assigned, the serial device nodes of `DeviceFolder` (/dev) are watched and
// reported by path on the main thread, whether the port is open or not.

#include "serial/Component.h"
#include "serial/DeviceInfo.h"
#include "serial/EnumSet.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

namespace zephra::serial {

class TCustomComPort;

namespace detail {
class TComThread;
class DeviceWatcher;
class ComDevice;
class DispatchGate;
struct CommProperties;
struct DeviceState;
struct Transfer;
void DeviceStateToSettings(const DeviceState& state, TCustomComPort& port);
} // namespace detail

/// Line rate. `brDefault` leaves the device's rate as it is; `brCustom` uses `CustomBaudRate`.
enum class TBaudRate {
    brDefault,
    br50,
    br75,
    br110,
    br134_5,
    br150,
    br300,
    br600,
    br1200,
    br1800,
    br2000,
    br2400,
    br3600,
    br4800,
    br7200,
    br9600,
    br10400,
    br14400,
    br15625,
    br19200,
    br28800,
    br38400,
    br56000,
    br57600,
    br115200,
    br128000,
    br256000,
    brCustom
};
enum class TDataBits { dbDefault, db4, db5, db6, db7, db8, db9, db16, db16x };
enum class TParity { paDefault, paNone, paOdd, paEven, paMark, paSpace };
enum class TStopBits { sbDefault, sb1, sb1_5, sb2 };
enum class TDTRControl { dcDefault, dcDisable, dcEnable, dcHandshake };
enum class TRTSControl { rcDefault, rcDisable, rcEnable, rcHandshake, rcToggle };
enum class TXOnXOffControl { xcDefault, xcDisable, xcInput, xcOutput, xcInputOutput };
enum class TOption {
    opCheckParity,
    opOutputCTSFlow,
    opOutputDSRFlow,
    opDSRSensitivity,
    opTXContinueOnXOff,
    opUseErrorChar,
    opDiscardNullBytes,
    opAbortOnError
};
using TOptions = EnumSet<TOption>;
enum class TPriorityClass { pcDefault, pcIdle, pcNormal, pcHigh, pcRealTime };
enum class TModemStatusValue { msCTS, msDSR, msRing, msRLSD };
using TModemStatus = EnumSet<TModemStatusValue>;
enum class TLineError {
    leBreak,
    leDeviceNotSelected,
    leFrame,
    leIO,
    leMode,
    leOutOfPaper,
    leOverrun,
    leDeviceTimeOut,
    leRxOverflow,
    leParity,
    leTxFull
};
using TLineErrors = EnumSet<TLineError>;
/// Answer of an `OnError` handler: let the error propagate, or replace it by a silent `EAbort`.
enum class TComAction { caFail, caAbort };
/// Priority of the event thread.
enum class TThreadPriority {
    tpIdle,
    tpLowest,
    tpLower,
    tpNormal,
    tpHigher,
    tpHighest,
    tpTimeCritical
};

/// What a device supports (`Capabilities`).
enum class TCapability {
    caDtrDsr,
    caRtsCts,
    caRLSD,
    caParityCheck,
    caXOnXOff,
    caSettableXChar,
    caTotalTimeouts,
    caIntervalTimeouts,
    caSpecialChars,
    ca16BitMode
};
using TCapabilities = EnumSet<TCapability>;
/// Which settings a device lets change (`SettableParameters`).
enum class TSettableParameter {
    spParity,
    spParityCheck,
    spBaudRate,
    spDataBits,
    spStopBits,
    spHandShaking,
    spRLSD
};
using TSettableParameters = EnumSet<TSettableParameter>;
using TBaudRates = EnumSet<TBaudRate>;
using TSettableDataBits = EnumSet<TDataBits>;
using TSettableParity = EnumSet<TParity>;
using TSettableStopBits = EnumSet<TStopBits>;

/// Error raised by the component: `ErrorCode` is an errno value, or 0 for the component's own
/// errors.
class EComError : public std::runtime_error {
public:
    EComError(int ErrorCode, const std::string& Msg) : std::runtime_error(Msg), code_(ErrorCode) {}
    int ErrorCode() const { return code_; }

private:
    int code_;
};

/// The silent abort: raised instead of an `EComError` when `OnError` answers `caAbort`.
/// The program's general error display ignores it.
class EAbort : public std::exception {
public:
    const char* what() const noexcept override { return "Operation aborted"; }
};

using TNotifyEvent = std::function<void(TCustomComPort* Sender)>;
using TOpenCloseEvent = std::function<void(TCustomComPort* ComPort)>;
/// `Buffer` is the caller's buffer of the read or write, `Length` its byte count.
using TReadWriteEvent = std::function<void(TCustomComPort* Sender, const void* Buffer, int Length,
                                           bool WaitOnCompletion)>;
using TComErrorEvent =
    std::function<void(TCustomComPort* ComPort, EComError& E, TComAction& Action)>;
using TLineErrorEvent = std::function<void(TCustomComPort* Sender, TLineErrors LineErrors)>;
using TDeviceArrivalEvent =
    std::function<void(TCustomComPort* Sender, const std::string& DeviceName)>;
using TDeviceRemovedEvent =
    std::function<void(TCustomComPort* Sender, const std::string& DeviceName)>;

/// Converts between text and bytes for the encoded reads and writes.
class TEncoding {
public:
    virtual ~TEncoding() = default;
    virtual std::u16string GetString(const std::vector<std::uint8_t>& Bytes) const = 0;
    virtual std::vector<std::uint8_t> GetBytes(const std::u16string& Text) const = 0;

    /// UTF-8; a malformed byte sequence decodes as U+FFFD.
    static const TEncoding& UTF8();
};

/// Hardware and software flow control. A change is applied to an open port at once.
class TFlowControl {
public:
    explicit TFlowControl(TCustomComPort* ComPort) : FComPort(ComPort) {}
    TFlowControl(const TFlowControl&) = delete;
    TFlowControl& operator=(const TFlowControl&) = delete;

    /// Copies all values, then applies them once.
    void Assign(const TFlowControl& Source);

    TDTRControl DTR() const { return FDTR; }
    void SetDTR(TDTRControl Value);
    TRTSControl RTS() const { return FRTS; }
    void SetRTS(TRTSControl Value);
    TXOnXOffControl XOnXOff() const { return FXOnXOff; }
    void SetXOnXOff(TXOnXOffControl Value);
    /// Stored only: the Linux line discipline uses fixed thresholds.
    std::uint16_t XOnLimit() const { return FXOnLimit; }
    void SetXOnLimit(std::uint16_t Value);
    std::uint16_t XOffLimit() const { return FXOffLimit; }
    void SetXOffLimit(std::uint16_t Value);

private:
    friend void detail::DeviceStateToSettings(const detail::DeviceState&, TCustomComPort&);
    template <typename T> void Change(T& field, T value);

    TCustomComPort* FComPort;
    TDTRControl FDTR = TDTRControl::dcDefault;
    TRTSControl FRTS = TRTSControl::rcDefault;
    TXOnXOffControl FXOnXOff = TXOnXOffControl::xcDefault;
    std::uint16_t FXOnLimit = 0;
    std::uint16_t FXOffLimit = 0;
};

/// The special characters; the low 8 bits of each reach the device. XOn and XOff
/// are the flow-control characters; Error and Event are stored only; Eof has no
/// effect in the raw mode the port always uses.
class TCharacters {
public:
    explicit TCharacters(TCustomComPort* ComPort) : FComPort(ComPort) {}
    TCharacters(const TCharacters&) = delete;
    TCharacters& operator=(const TCharacters&) = delete;

    void Assign(const TCharacters& Source);

    char16_t XOn() const { return FXOn; }
    void SetXOn(char16_t Value);
    char16_t XOff() const { return FXOff; }
    void SetXOff(char16_t Value);
    char16_t Error() const { return FError; }
    void SetError(char16_t Value);
    char16_t Eof() const { return FEof; }
    void SetEof(char16_t Value);
    char16_t Event() const { return FEvent; }
    void SetEvent(char16_t Value);

private:
    friend void detail::DeviceStateToSettings(const detail::DeviceState&, TCustomComPort&);
    void Change(char16_t& field, char16_t value);

    TCustomComPort* FComPort;
    char16_t FXOn = 17;
    char16_t FXOff = 19;
    char16_t FError = 0;
    char16_t FEof = 0;
    char16_t FEvent = 0;
};

/// Requested queue sizes. Linux has no call to size a tty's queues, so the
/// values are kept and nothing is applied.
class TBufferSizes {
public:
    explicit TBufferSizes(TCustomComPort* ComPort) : FComPort(ComPort) {}
    TBufferSizes(const TBufferSizes&) = delete;
    TBufferSizes& operator=(const TBufferSizes&) = delete;

    void Assign(const TBufferSizes& Source);

    int Input() const { return FInput; }
    void SetInput(int Value) { FInput = Value; }
    int Output() const { return FOutput; }
    void SetOutput(int Value) { FOutput = Value; }
    TCustomComPort* ComPort() const { return FComPort; }

    /// Queue sizes of the open device; "closed port" error while closed. The
    /// line discipline's buffers are fixed: the maxima are 0 (none settable)
    /// and the current sizes the nominal 4096 bytes.
    int MaxInput() const;
    int MaxOutput() const;
    int CurrentInput() const;
    int CurrentOutput() const;

private:
    TCustomComPort* FComPort;
    int FInput = 4096;
    int FOutput = 2048;
};

/// Read and write timeouts in milliseconds, with the meaning they have on
/// Windows; -1 stands for the largest value (MAXDWORD).
/// - All zero: a read or write waits until every requested byte is transferred.
/// - Read total = ReadMultiplier * count + ReadConstant, counted from the
///   request; ReadInterval > 0 limits the gap between bytes after the first.
/// - ReadInterval -1 with both read totals 0: a read returns at once with what is queued.
/// - ReadInterval -1, ReadMultiplier -1, ReadConstant between: returns as soon as
///   any byte is there, waiting at most ReadConstant for the first.
/// - Write total = WriteMultiplier * count + WriteConstant (0 and 0: no limit).
/// A waited transfer that ends short raises "Timeout".
/// Values are read when a transfer starts, so a change affects the next one.
class TTimeouts {
public:
    explicit TTimeouts(TCustomComPort* ComPort) : FComPort(ComPort) {}
    TTimeouts(const TTimeouts&) = delete;
    TTimeouts& operator=(const TTimeouts&) = delete;

    void Assign(const TTimeouts& Source);

    int ReadInterval() const { return FReadInterval; }
    void SetReadInterval(int Value) { FReadInterval = Value; }
    int ReadMultiplier() const { return FReadMultiplier; }
    void SetReadMultiplier(int Value) { FReadMultiplier = Value; }
    int ReadConstant() const { return FReadConstant; }
    void SetReadConstant(int Value) { FReadConstant = Value; }
    int WriteMultiplier() const { return FWriteMultiplier; }
    void SetWriteMultiplier(int Value) { FWriteMultiplier = Value; }
    int WriteConstant() const { return FWriteConstant; }
    void SetWriteConstant(int Value) { FWriteConstant = Value; }
    TCustomComPort* ComPort() const { return FComPort; }

private:
    TCustomComPort* FComPort;
    int FReadInterval = 0;
    int FReadMultiplier = 0;
    int FReadConstant = 0;
    int FWriteMultiplier = 0;
    int FWriteConstant = 0;
};

/// The serial-port component. See the top of this header for names, errors
/// and what Linux cannot do.
class TCustomComPort : public TComponent {
public:
    explicit TCustomComPort(TComponent* AOwner);
    /// Uses `Device` instead of the Linux device layer (for substituting the system in tests).
    TCustomComPort(TComponent* AOwner, std::unique_ptr<detail::ComDevice> Device);
    /// Closes the port (draining its output, see `Close`).
    ~TCustomComPort() override;

    void Loaded() override;

    // ---- Settings -------------------------------------------------------

    std::string About() const;
    void SetAbout(const std::string&) {}

    /// In design state the stored value; otherwise whether the device is open.
    bool Active() const;
    /// Opens (True) or closes (False) the port; while loading or designing only stores.
    void SetActive(bool Value);

    TBaudRate BaudRate() const { return FBaudRate; }
    void SetBaudRate(TBaudRate Value);
    /// The custom rate when `BaudRate` is `brCustom`, else the rate of `BaudRate` (0 for
    /// brDefault).
    int CustomBaudRate() const;
    /// A value different from the stored custom rate is stored and selects `brCustom`.
    void SetCustomBaudRate(int Value);
    TDataBits DataBits() const { return FDataBits; }
    void SetDataBits(TDataBits Value);
    TParity Parity() const { return FParity; }
    void SetParity(TParity Value);
    TStopBits StopBits() const { return FStopBits; }
    void SetStopBits(TStopBits Value);
    TOptions Options() const { return FOptions; }
    void SetOptions(TOptions Value);

    const std::string& DeviceName() const { return FDeviceName; }
    /// Refused with "Can't perform this operation on an open port" while open.
    void SetDeviceName(const std::string& Value);
    TPriorityClass PriorityClass() const { return FPriorityClass; }
    /// Refused while open. Kept only (see the top of this header).
    void SetPriorityClass(TPriorityClass Value);
    bool SynchronizeEvents() const { return FSynchronizeEvents; }
    /// Refused while open.
    void SetSynchronizeEvents(bool Value);
    TThreadPriority ThreadPriority() const { return FThreadPriority; }
    void SetThreadPriority(TThreadPriority Value);

    /// File that receives one line per open, close, request and completion; empty: no log.
    const std::string& LogFile() const { return FLogFile; }
    void SetLogFile(const std::string& Value) { FLogFile = Value; }

    TFlowControl& FlowControl() { return FFlowControl; }
    void SetFlowControl(const TFlowControl& Value) { FFlowControl.Assign(Value); }
    TCharacters& Characters() { return FCharacters; }
    void SetCharacters(const TCharacters& Value) { FCharacters.Assign(Value); }
    TBufferSizes& BufferSizes() { return FBufferSizes; }
    void SetBufferSizes(const TBufferSizes& Value) { FBufferSizes.Assign(Value); }
    TTimeouts& Timeouts() { return FTimeouts; }
    void SetTimeouts(const TTimeouts& Value) { FTimeouts.Assign(Value); }

    /// The open device's file descriptor; -1 while the port is closed.
    ///
    /// It belongs to the thread that owns the port and stays valid only
    /// until that thread closes the port. It is there to be waited on:
    /// poll() or select() it for readability (for instance together with a
    /// descriptor that signals an interruption) and then read through the
    /// port, which keeps its own count of the bytes taken and its line
    /// settings. Never read(), write(), close() or reconfigure the
    /// descriptor itself, and never hand it to another thread. A device that
    /// goes away makes it readable as well; the port's read then raises the
    /// error.
    int Handle() const;

    // ---- Events -----------------------------------------------------------

    TOpenCloseEvent BeforeOpen, AfterOpen, BeforeClose, AfterClose;
    TReadWriteEvent BeforeRead, AfterRead, BeforeWrite, AfterWrite;
    TComErrorEvent OnError;

    /// Line-event handlers. They are kept here; the event thread that calls
    /// them watches the mask built from the assigned ones.
    void SetOnBreak(TNotifyEvent Value) { SetLineEventHandler(FOnBreak, std::move(Value)); }
    void SetOnCTSChange(TNotifyEvent Value) { SetLineEventHandler(FOnCTSChange, std::move(Value)); }
    void SetOnDSRChange(TNotifyEvent Value) { SetLineEventHandler(FOnDSRChange, std::move(Value)); }
    void SetOnEvent1(TNotifyEvent Value) { SetLineEventHandler(FOnEvent1, std::move(Value)); }
    void SetOnEvent2(TNotifyEvent Value) { SetLineEventHandler(FOnEvent2, std::move(Value)); }
    void SetOnPrinterError(TNotifyEvent Value) {
        SetLineEventHandler(FOnPrinterError, std::move(Value));
    }
    void SetOnRing(TNotifyEvent Value) { SetLineEventHandler(FOnRing, std::move(Value)); }
    void SetOnRLSDChange(TNotifyEvent Value) {
        SetLineEventHandler(FOnRLSDChange, std::move(Value));
    }
    void SetOnRx80PercFull(TNotifyEvent Value) {
        SetLineEventHandler(FOnRx80PercFull, std::move(Value));
    }
    void SetOnRxChar(TNotifyEvent Value) { SetLineEventHandler(FOnRxChar, std::move(Value)); }
    void SetOnRxFlag(TNotifyEvent Value) { SetLineEventHandler(FOnRxFlag, std::move(Value)); }
    void SetOnTxEmpty(TNotifyEvent Value) { SetLineEventHandler(FOnTxEmpty, std::move(Value)); }
    /// Called by `CheckLineErrors` and by `InputCount`/`OutputCount` when the device reports
    /// errors.
    void SetOnLineError(TLineErrorEvent Value) {
        SetLineEventHandler(FOnLineError, std::move(Value));
    }
    const TNotifyEvent& OnBreak() const { return FOnBreak; }
    const TNotifyEvent& OnCTSChange() const { return FOnCTSChange; }
    const TNotifyEvent& OnDSRChange() const { return FOnDSRChange; }
    const TNotifyEvent& OnEvent1() const { return FOnEvent1; }
    const TNotifyEvent& OnEvent2() const { return FOnEvent2; }
    const TNotifyEvent& OnPrinterError() const { return FOnPrinterError; }
    const TNotifyEvent& OnRing() const { return FOnRing; }
    const TNotifyEvent& OnRLSDChange() const { return FOnRLSDChange; }
    const TNotifyEvent& OnRx80PercFull() const { return FOnRx80PercFull; }
    const TNotifyEvent& OnRxChar() const { return FOnRxChar; }
    const TNotifyEvent& OnRxFlag() const { return FOnRxFlag; }
    const TNotifyEvent& OnTxEmpty() const { return FOnTxEmpty; }
    const TLineErrorEvent& OnLineError() const { return FOnLineError; }

    /// Device arrival and removal handlers: while one is assigned the device
    /// folder is watched (see the top of this header).
    void SetOnDeviceArrival(TDeviceArrivalEvent Value);
    void SetOnDeviceRemoved(TDeviceRemovedEvent Value);
    const TDeviceArrivalEvent& OnDeviceArrival() const { return FOnDeviceArrival; }
    const TDeviceRemovedEvent& OnDeviceRemoved() const { return FOnDeviceRemoved; }
    /// The folder whose serial device nodes are watched; /dev unless changed.
    /// A change takes effect when the watch starts again.
    const std::string& DeviceFolder() const { return FDeviceFolder; }
    void SetDeviceFolder(const std::string& Value) { FDeviceFolder = Value; }

    // ---- Devices of the machine (read from /sys and /dev; nothing is opened, never raise) --

    /// Appends every device name: COMn names of the port map, all tty nodes,
    /// the /dev/serial/by-id links.
    void EnumDevices(TStrings& List);
    /// Appends the COMn names of the port map and the serial device paths.
    void EnumComDevices(TStrings& List);
    /// Appends the serial device paths that a driver serves.
    void EnumComDevicesFromRegistry(TStrings& List);
    /// Appends a readable name for each serial device.
    void EnumComFriendlyNames(TStrings& List);
    TDeviceInfos DeviceInfos();
    /// The serial device whose `DeviceName` is exactly `DeviceName` (case-sensitive).
    bool DeviceInfo(const std::string& DeviceName, TDeviceInfo& DeviceInfo);

    // ---- Capabilities of the open device ("closed port" error while closed) --

    /// What the Linux tty interface offers: RTS/CTS, RLSD, parity check,
    /// XON/XOFF with settable characters, total and interval timeouts; no
    /// DTR/DSR flow control, no special characters, no 16-bit mode.
    TCapabilities Capabilities();
    /// All seven parameters.
    TSettableParameters SettableParameters();
    /// Every rate of the Windows list and `brCustom` (any other rate).
    TBaudRates SettableBaudRates();
    /// `brCustom`: the interface takes any rate.
    TBaudRate MaxBaudRate();
    /// 5 to 8 data bits.
    TSettableDataBits SettableDataBits();
    /// All five parities.
    TSettableParity SettableParity();
    /// 1, 1.5 (with 5 data bits only) and 2 stop bits.
    TSettableStopBits SettableStopBits();

    // ---- Configuration dialogs (see PortConfigDialog.h) ----------------------

    /// Shows the installed port-settings dialog with the port's settings laid
    /// over the device's default configuration; on confirmation takes the
    /// dialog's values into the settings (Default members where the value is
    /// 0) and applies them to an open port. Raises ENOENT or ENOTTY when
    /// `DeviceName` is no character device. False when cancelled or when no
    /// dialog is installed.
    bool ConfigDialog();
    /// Shows the device's default configuration and stores the confirmed
    /// values as its new default in the user's configuration folder. The
    /// port's settings do not change.
    bool DefaultConfigDialog();

    // ---- Opening and closing ----------------------------------------------

    /// Opens the device if the port is not active: BeforeOpen, `OpenDevice`,
    /// log "Open <name>", AfterOpen. A failure, a log file that cannot be
    /// written included, leaves the port fully closed.
    void Open();
    /// Closes an active port: BeforeClose, `CloseDevice`, log "Close <name>", AfterClose.
    /// Output still queued is sent first; after a bound (the time the queued
    /// bytes need at the line rate plus one second, at most two seconds) what
    /// remains is dropped so a stopped line cannot hang the program.
    void Close();

    // ---- Device control (raise the "closed port" error while closed) -------

    void SetDTR();
    void ClearDTR();
    void SetRTS();
    void ClearRTS();
    /// Resumes output as if XON had been received.
    void SetXOn();
    /// Suspends output as if XOFF had been received.
    void SetXOff();
    /// Starts a break; the kernel first lets queued output drain.
    void SetBreak();
    void ClearBreak();
    /// Linux has no reset for serial devices: checks the port only.
    void ResetDevice();
    /// Writes one byte straight to the device, ahead of a not-yet-accepted write
    /// but after bytes the kernel already holds. On a line whose output is
    /// stopped it waits as long as the write timeouts allow (without limit
    /// when both are 0) and then raises "Timeout".
    void TransmitChar(char Value);
    /// The modem input lines; raises ENOTTY on a device without them (a pseudo-terminal).
    /// Empty in design state.
    TModemStatus ModemStatus();

    // ---- Queue control (do nothing while closed) ---------------------------

    /// Discards received bytes and ends a pending read with what it has.
    void PurgeInput();
    /// Discards unsent bytes and ends a pending write with what was accepted.
    void PurgeOutput();
    void ClearInput();
    void ClearOutput();
    /// End a pending read (write) with the bytes transferred so far.
    void AbortInput();
    void AbortOutput();
    /// Waits until all output has been sent.
    void Flush();

    // ---- Reading and writing ----------------------------------------------

    /// Starts a read of `Count` bytes into `Buf` after finishing the previous
    /// read. Without `WaitForCompletion` `Buf` must stay valid until the read
    /// completes (collected by `WaitForReadCompletion` or the next read).
    void Read(void* Buf, int Count, bool WaitForCompletion);
    /// Starts a write after finishing the previous write. Without
    /// `WaitForCompletion` the data are copied first, so `Buf` is free at once.
    void Write(const void* Buf, int Count, bool WaitForCompletion);
    /// Finishes a pending read; raises "Timeout" when it ended short. A read
    /// that completed before the wait is not checked for its length.
    void WaitForReadCompletion();
    void WaitForWriteCompletion();
    bool ReadPending();
    bool WritePending();
    /// Bytes received and not read. Raises EBADF on a closed port.
    std::uint32_t InputCount();
    /// Bytes waiting to be sent (kernel queue plus a pending write). Raises EBADF on a closed port.
    std::uint32_t OutputCount();
    /// Reads and clears the device's line errors and passes them to `OnLineError`.
    /// Linux reports frame, parity, overrun, overflow and break where the driver counts them.
    void CheckLineErrors();
    void ClearLineErrors();

    char ReadAnsiChar();
    std::uint8_t ReadByte();
    char16_t ReadChar();
    std::uint16_t ReadWord();
    std::uint32_t ReadDWord();
    void WriteAnsiChar(char Value);
    void WriteByte(std::uint8_t Value);
    void WriteChar(char16_t Value);
    void WriteWord(std::uint16_t Value);
    void WriteDWord(std::uint32_t Value);

    /// After the previous read, reads exactly the bytes queued now (possibly none).
    std::string ReadAnsiString();
    /// As `ReadAnsiString` with half as many UTF-16 units; an odd last byte stays queued.
    std::u16string ReadString();
    void WriteAnsiString(const std::string& Value);
    void WriteString(const std::u16string& Value);
    std::vector<std::uint8_t> ReadBytes();
    /// Reads `Count` bytes into `Value` from index `From`; "Incorrect parameter" when out of range.
    void ReadBytes(std::vector<std::uint8_t>& Value, int From, int Count);
    void WriteBytes(const std::vector<std::uint8_t>& Value);
    /// Writes `Count` bytes of `Value` from index `From`; "Incorrect parameter" when out of range.
    void WriteBytes(const std::vector<std::uint8_t>& Value, int From, int Count);
    std::u16string Read(const TEncoding& Encoding);
    std::u16string ReadUtf8();
    void Write(const std::u16string& Value, const TEncoding& Encoding);
    void WriteUtf8(const std::u16string& Value);

    /// Terminated reads: one waited read per unit, nothing after the terminator
    /// is consumed; the result includes the terminator. An empty terminator
    /// returns an empty result without reading. Where the timeouts let a read
    /// return at once with what is queued (ReadInterval -1), a unit read that
    /// comes back short ends the terminated read with the bytes read so far,
    /// without the terminator.
    std::string ReadAnsiUntil(char Terminator);
    std::string ReadAnsiUntil(const std::string& Terminator);
    std::u16string ReadUntil(char16_t Terminator);
    std::u16string ReadUntil(const std::u16string& Terminator);
    std::vector<std::uint8_t> ReadUntilBytes(std::uint8_t Terminator);
    std::vector<std::uint8_t> ReadUntilBytes(const std::vector<std::uint8_t>& Terminator);
    std::u16string ReadUntil(std::uint8_t Terminator, const TEncoding& Encoding);
    std::u16string ReadUntilUtf8(std::uint8_t Terminator);

    /// Lines end in CR (13), which is returned and never stripped.
    std::string ReadAnsiLine();
    void WriteAnsiLine(const std::string& Value);
    std::u16string ReadLine();
    void WriteLine(const std::u16string& Value);
    std::vector<std::uint8_t> ReadLineBytes();
    std::u16string ReadLine(const TEncoding& Encoding);
    std::u16string ReadLineUtf8();
    void WriteLine(const std::u16string& Value, const TEncoding& Encoding);
    void WriteLineUtf8(const std::u16string& Value);
    void WriteLineBytes(const std::vector<std::uint8_t>& Value);

    // ---- Errors ------------------------------------------------------------

    /// Raises the system error `ErrorCode` unless it is 0 or means "try again"
    /// (EAGAIN, EWOULDBLOCK, EINTR).
    void CheckSystemResult(int ErrorCode);
    /// Raises `EComError(ErrorCode, Msg)` through `OnError`.
    [[noreturn]] void RaiseComError(int ErrorCode, const std::string& Msg);

protected:
    /// The device-opening step of `Open`: resolves the name, opens the device
    /// exclusively, empties both queues and applies the settings.
    virtual void OpenDevice();
    void CloseDevice();

private:
    friend class TFlowControl;
    friend class TCharacters;
    friend class TBufferSizes;
    friend class detail::TComThread;
    friend void detail::DeviceStateToSettings(const detail::DeviceState&, TCustomComPort&);

    void ApplyDeviceState();
    bool Applicable() const;
    void RequireOpen();
    void RequireClosed();
    void Log(const std::string& Message);
    void Log(const std::string& Message, const void* Data, std::size_t Count);
    /// Every line-event handler is assigned here; the event mask follows these fields.
    template <typename Handler> void SetLineEventHandler(Handler& field, Handler value) {
        {
            std::lock_guard lock(FHandlersLock);
            field.swap(value);
        }
        ApplyEventMask();
    }
    /// A copy of a line-event handler to call: an event thread's call keeps
    /// its copy while the main thread replaces the handler.
    template <typename Handler> Handler LineEventHandler(const Handler& field) const {
        std::lock_guard lock(FHandlersLock);
        return field;
    }

    /// Builds the event mask of the assigned handlers, hands it to the event
    /// thread and starts or stops the thread. Does nothing while closed.
    void ApplyEventMask();
    std::uint32_t HandlersEventMask() const;
    void SetCommMask(std::uint32_t Mask);
    void StartEventThread();
    void StopEventThread();
    /// Calls the handlers of the events in `FEventMask`, in their fixed order.
    void DispatchEvents();
    /// Raises the event thread's error `FThreadError` through `OnError`.
    [[noreturn]] void RaiseThreadError();
    void DeviceHandlersChanged();
    void RegisterDeviceChange();
    void UnregisterDeviceChange();
    void HandleDeviceChange(bool Arrived, const std::string& DeviceName);
    detail::CommProperties Properties();

    void StartTransfer(detail::Transfer& transfer, std::uint32_t count);
    void Progress(detail::Transfer& transfer, bool block);
    void Collect(detail::Transfer& transfer, const char* completeMessage);
    void Abandon(detail::Transfer& transfer);
    void DrainBeforeClose();
    /// The device's line errors since the last call, as line-error bits.
    std::uint32_t TakeLineErrors();
    void ReportLineErrors(std::uint32_t errorBits);
    /// Empties the device's input queue; the bytes discarded count as taken.
    void DiscardInput();
    std::vector<std::uint8_t> ReadUnitsUntil(const std::vector<std::uint8_t>& Terminator,
                                             int UnitSize);

    std::unique_ptr<detail::ComDevice> FDevice;
    std::unique_ptr<detail::Transfer> FReadTransfer;
    std::unique_ptr<detail::Transfer> FWriteTransfer;

    bool FActive = false;
    TThreadPriority FThreadPriority = TThreadPriority::tpTimeCritical;
    int FCustomBaudRate = 0;
    TBaudRate FBaudRate = TBaudRate::brDefault;
    std::vector<std::uint8_t> FBuffer;
    TBufferSizes FBufferSizes{this};
    TCharacters FCharacters{this};
    TDataBits FDataBits = TDataBits::dbDefault;
    std::string FDeviceName = "COM1";
    TFlowControl FFlowControl{this};
    std::string FLogFile;
    TOptions FOptions;
    TParity FParity = TParity::paDefault;
    TPriorityClass FPriorityClass = TPriorityClass::pcDefault;
    TStopBits FStopBits = TStopBits::sbDefault;
    bool FSynchronizeEvents = true;
    TTimeouts FTimeouts{this};

    TNotifyEvent FOnBreak, FOnCTSChange, FOnDSRChange, FOnEvent1, FOnEvent2, FOnPrinterError,
        FOnRing, FOnRLSDChange, FOnRx80PercFull, FOnRxChar, FOnRxFlag, FOnTxEmpty;
    TLineErrorEvent FOnLineError;
    /// Held while a line-event handler is assigned or copied.
    mutable std::mutex FHandlersLock;
    TDeviceArrivalEvent FOnDeviceArrival;
    TDeviceRemovedEvent FOnDeviceRemoved;

    std::shared_ptr<detail::TComThread> FComThread;
    /// Shared with the event threads: one dispatches at a time, and
    /// destroying the port waits for their handler runs.
    std::shared_ptr<detail::DispatchGate> FDispatchGate;
    /// Bytes taken from the device's input so far, read or discarded; the
    /// event thread tells new input by it.
    std::atomic<std::uint64_t> FInputTaken{0};
    /// Held while input is discarded and while the event thread reads the
    /// count above with the input queue.
    std::mutex FInputLock;
    /// The device's line-error baseline is taken by the main thread and by an
    /// event thread that dispatches without synchronisation; opening and
    /// closing the device reset it.
    std::mutex FLineErrorLock;
    std::uint32_t FCommMask = 0;  ///< events the device is asked to report
    std::uint32_t FEventMask = 0; ///< events of the event thread's last wake-up
    int FThreadError = 0;
    std::string FDeviceFolder = "/dev";
    std::unique_ptr<detail::DeviceWatcher> FDeviceWatcher;
    /// Lets device reports queued for the main thread find out whether the
    /// watch that made them (and so the port) still exists.
    std::shared_ptr<TCustomComPort*> FDeviceWatchToken;
};

/// The component as placed on a form; adds nothing to `TCustomComPort`.
class TComPort : public TCustomComPort {
public:
    using TCustomComPort::TCustomComPort;
};

/// The device path that a port of `DeviceName` opens now, by the rule of the
/// opening comment: for "COMn" the port map's link COMn (the link's own
/// path) when it exists, otherwise /dev/ttyS{n-1}; any other name unchanged.
/// Nothing is opened or checked; any thread may call it.
std::string ResolvedDevicePath(const std::string& DeviceName);

} // namespace zephra::serial
