#pragma once

#include "acquisition/BalanceProfile.h"
#include "acquisition/ComPortBalance.h"
#include "acquisition/LinkedBalance.h"
#include "serial/ComPort.h"

#include <memory>
#include <string>

namespace zephra {

// A balance of `dialect` over `transport`.
std::unique_ptr<LinkedBalance> MakeBalance(BalanceDialect dialect,
                                           std::unique_ptr<BalanceTransport> transport,
                                           int replyTimeoutMs = BalanceReplyTimeoutMs);

// The balance of `profile`: on the network when its address is set, else on
// `port` (with its device name as it is), whose line settings become the
// profile's. `port` must outlive the balance.
std::unique_ptr<LinkedBalance> MakeBalance(const BalanceProfile& profile, serial::TComPort& port,
                                           int replyTimeoutMs = BalanceReplyTimeoutMs);

// The balance's link as the user names it: the profile's network address,
// or the port's device name.
std::string BalanceWhere(const BalanceProfile& profile, const serial::TComPort& port);

} // namespace zephra
