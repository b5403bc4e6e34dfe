#include "acquisition/BalanceDialect.h"

namespace zephra {

namespace {

struct DialectInfo {
    BalanceDialect dialect;
    const char* key;
    const char* description;
    LineSettings line;
};

const DialectInfo Dialects[] = {
    {BalanceDialect::EscP,
     "esc-p",
     "ESC P print command, 16-character reply",
     {1200, 7, 'O', 1, Handshake::None}},
    {BalanceDialect::MtSics,
     "mt-sics",
     "standard interface command set (SICS)",
     {9600, 8, 'N', 1, Handshake::None}},
    {BalanceDialect::AandD,
     "a-and-d",
     "A&D standard format, Q command",
     {2400, 7, 'E', 1, Handshake::None}},
    {BalanceDialect::Ohaus, "ohaus", "OHAUS IP command", {9600, 8, 'N', 1, Handshake::None}},
    {BalanceDialect::Sma, "sma", "SMA standard scale protocol", {9600, 8, 'N', 1, Handshake::None}},
    {BalanceDialect::Continuous,
     "continuous",
     "continuous printing of every reading",
     {9600, 8, 'N', 1, Handshake::None}},
};

const DialectInfo& Info(BalanceDialect dialect) {
    for (const DialectInfo& info : Dialects) {
        if (info.dialect == dialect)
            return info;
    }
    return Dialects[0];
}

} // namespace

const std::vector<BalanceDialect>& AllDialects() {
    static const std::vector<BalanceDialect> all = [] {
        std::vector<BalanceDialect> dialects;
        for (const DialectInfo& info : Dialects)
            dialects.push_back(info.dialect);
        return dialects;
    }();
    return all;
}

std::string DialectKey(BalanceDialect dialect) {
    return Info(dialect).key;
}

std::optional<BalanceDialect> DialectFromKey(std::string_view key) {
    for (const DialectInfo& info : Dialects) {
        if (key == info.key)
            return info.dialect;
    }
    return std::nullopt;
}

std::string DialectDescription(BalanceDialect dialect) {
    return Info(dialect).description;
}

LineSettings DefaultLine(BalanceDialect dialect) {
    return Info(dialect).line;
}

} // namespace zephra
