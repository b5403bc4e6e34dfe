#pragma once

#include <cstdint>
#include <string>

namespace zephra::serial {

/// Flow control as a port-settings dialog offers it.
enum class TDialogFlowControl {
    None,     ///< no flow control
    XOnXOff,  ///< XON/XOFF in both directions
    Hardware, ///< RTS/CTS
};

/// The line settings that a port-settings dialog shows and edits.
struct TPortDialogValues {
    std::uint32_t BaudRate = 9600; ///< bit/s
    std::uint8_t DataBits = 8;     ///< 5 to 8
    std::uint8_t Parity = 0;       ///< 0 none, 1 odd, 2 even, 3 mark, 4 space
    std::uint8_t StopBits = 0;     ///< 0 one, 1 one and a half, 2 two
    TDialogFlowControl FlowControl = TDialogFlowControl::None;

    friend bool operator==(const TPortDialogValues&, const TPortDialogValues&) = default;
};

/// The port-settings dialog that `ConfigDialog` and `DefaultConfigDialog`
/// show. The program provides it; the component has no user interface.
class TPortConfigDialog {
public:
    virtual ~TPortConfigDialog() = default;
    /// Shows `Values` for the port `PortName` modally; on confirmation stores
    /// the user's choice in `Values` and returns True. Called on the main thread.
    virtual bool Execute(const std::string& PortName, TPortDialogValues& Values) = 0;
};

/// Installs the dialog for every port (nullptr: none, and the configuration
/// dialogs return False). Not owned; it must outlive its use.
void SetPortConfigDialog(TPortConfigDialog* Dialog);
TPortConfigDialog* PortConfigDialog();

} // namespace zephra::serial
