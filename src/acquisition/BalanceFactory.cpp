#include "acquisition/BalanceFactory.h"

#include "acquisition/AandDBalance.h"
#include "acquisition/ContinuousBalance.h"
#include "acquisition/EscPBalance.h"
#include "acquisition/MtSicsBalance.h"
#include "acquisition/OhausBalance.h"
#include "acquisition/SerialTransport.h"
#include "acquisition/SmaBalance.h"
#include "acquisition/TcpTransport.h"

namespace zephra {

std::unique_ptr<LinkedBalance> MakeBalance(BalanceDialect dialect,
                                           std::unique_ptr<BalanceTransport> transport,
                                           int replyTimeoutMs) {
    switch (dialect) {
    case BalanceDialect::MtSics:
        return std::make_unique<MtSicsBalance>(std::move(transport), replyTimeoutMs);
    case BalanceDialect::AandD:
        return std::make_unique<AandDBalance>(std::move(transport), replyTimeoutMs);
    case BalanceDialect::Ohaus:
        return std::make_unique<OhausBalance>(std::move(transport), replyTimeoutMs);
    case BalanceDialect::Sma:
        return std::make_unique<SmaBalance>(std::move(transport), replyTimeoutMs);
    case BalanceDialect::Continuous:
        return std::make_unique<ContinuousBalance>(std::move(transport), replyTimeoutMs);
    case BalanceDialect::EscP:
        break;
    }
    return std::make_unique<EscPBalance>(std::move(transport), replyTimeoutMs);
}

std::unique_ptr<LinkedBalance> MakeBalance(const BalanceProfile& profile, serial::TComPort& port,
                                           int replyTimeoutMs) {
    if (!profile.Address.empty())
        return MakeBalance(profile.Dialect,
                           std::make_unique<TcpTransport>(profile.Address, replyTimeoutMs),
                           replyTimeoutMs);
    ApplyLineSettings(port, profile.Line);
    return MakeBalance(profile.Dialect, std::make_unique<SerialTransport>(port), replyTimeoutMs);
}

std::string BalanceWhere(const BalanceProfile& profile, const serial::TComPort& port) {
    return profile.Address.empty() ? port.DeviceName() : profile.Address;
}

} // namespace zephra
