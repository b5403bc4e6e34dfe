#include "acquisition/BalanceProbe.h"

#include "acquisition/BalanceFactory.h"
#include "acquisition/TcpTransport.h"
#include "document/TextCatalog.h"

namespace zephra {

std::string PortUnopenedText(const std::string& linkError) {
    return FilledIn(CoreText("Balance", "The balance's port could not be opened (%1)."),
                    {linkError});
}

BalanceProbe::BalanceProbe(std::string where) : where_(std::move(where)) {}

template <typename Exchange>
auto BalanceProbe::WithBalance(const BalanceProfile& profile, int replyTimeoutMs,
                               Exchange exchange) {
    serial::TComPort port(nullptr);
    ConfigureBalancePort(port, 1);
    BalanceProfile used = profile;
    used.Address.clear();
    if (IsNetworkAddress(where_))
        used.Address = where_;
    else
        port.SetDeviceName(where_);
    const std::unique_ptr<LinkedBalance> balance = MakeBalance(used, port, replyTimeoutMs);
    {
        std::lock_guard lock(mutex_);
        if (interrupted_)
            throw BalanceInterrupted();
        current_ = balance.get();
    }
    struct Release {
        BalanceProbe& probe;
        LinkedBalance& balance;
        ~Release() {
            balance.Close();
            std::lock_guard lock(probe.mutex_);
            probe.current_ = nullptr;
        }
    } release{*this, *balance};
    return exchange(*balance);
}

std::optional<DetectedBalance> BalanceProbe::Detect() {
    static const BalanceDialect order[] = {BalanceDialect::Continuous, BalanceDialect::EscP,
                                           BalanceDialect::MtSics,     BalanceDialect::AandD,
                                           BalanceDialect::Ohaus,      BalanceDialect::Sma};
    {
        BalanceProfile profile;
        profile.Line = DefaultLine(profile.Dialect);
        try {
            WithBalance(profile, ProbeReplyTimeoutMs,
                        [](LinkedBalance& balance) { balance.OpenAndClose(); });
        } catch (const BalanceError& e) {
            throw BalanceError(PortUnopenedText(e.what()));
        }
    }
    for (const BalanceDialect dialect : order) {
        BalanceProfile profile;
        profile.Dialect = dialect;
        profile.Line = DefaultLine(dialect);
        std::optional<DetectedBalance> found =
            WithBalance(profile, ProbeReplyTimeoutMs,
                        [&](LinkedBalance& balance) -> std::optional<DetectedBalance> {
                            DetectedBalance detected;
                            detected.dialect = dialect;
                            detected.identity = balance.Identify().value_or("");
                            try {
                                detected.reading = balance.GetWeight();
                            } catch (const BalanceError&) {
                                return std::nullopt;
                            }
                            if (detected.reading.Error)
                                return std::nullopt;
                            return detected;
                        });
        if (found)
            return found;
    }
    return std::nullopt;
}

WeightReading BalanceProbe::Read(const BalanceProfile& profile) {
    return WithBalance(profile, BalanceReplyTimeoutMs,
                       [](LinkedBalance& balance) { return balance.GetWeight(); });
}

void BalanceProbe::Interrupt() noexcept {
    std::lock_guard lock(mutex_);
    interrupted_ = true;
    if (current_)
        current_->Interrupt();
}

} // namespace zephra
