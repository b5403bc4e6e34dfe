#include "acquisition/BalanceProfile.h"

#include "acquisition/SettingsFile.h"
#include "acquisition/TcpTransport.h"
#include "document/IniFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace zephra {

namespace {

constexpr const char* Section = "balance";

} // namespace

std::string BalanceProfilePath() {
    return (std::filesystem::path(SettingsFilePath()).parent_path() / "balance.conf").string();
}

BalanceProfileRead ReadBalanceProfile(const std::string& path) {
    BalanceProfileRead result;
    const IniReadResult ini = ReadIniFile(path);
    if (ini.error == ENOENT)
        return result;
    auto fail = [&](const std::string& problem) {
        result.problem = path + ": " + problem;
        return result;
    };
    if (ini.error)
        return fail(std::strerror(ini.error));
    if (!ini.badLines.empty())
        return fail("line " + std::to_string(ini.badLines.front().number) +
                    " is not \"key = value\"");
    const IniFile& file = ini.file;
    const std::optional<std::string> key = file.Value(Section, "dialect");
    if (!key)
        return fail("no dialect in [balance]");
    const std::optional<BalanceDialect> dialect = DialectFromKey(*key);
    if (!dialect)
        return fail("unknown dialect \"" + *key + "\"");
    BalanceProfile profile;
    profile.Dialect = *dialect;
    profile.Line = DefaultLine(*dialect);
    if (const std::optional<std::string> baud = file.Value(Section, "baud")) {
        const std::optional<int> rate = ParseBaudRate(*baud);
        if (!rate)
            return fail("baud \"" + *baud + "\" is no line rate");
        profile.Line.BaudRate = *rate;
    }
    if (const std::optional<std::string> framing = file.Value(Section, "framing")) {
        if (!ParseFraming(*framing, profile.Line))
            return fail("framing \"" + *framing + "\" is not like 8N1");
    }
    if (const std::optional<std::string> handshake = file.Value(Section, "handshake")) {
        const std::optional<Handshake> flow = HandshakeFromKey(*handshake);
        if (!flow)
            return fail("handshake \"" + *handshake + "\" is not none, rtscts or xonxoff");
        profile.Line.Flow = *flow;
    }
    if (const std::optional<std::string> address = file.Value(Section, "address")) {
        if (!address->empty() && !ParseTcpAddress(*address))
            return fail("address \"" + *address + "\" is not tcp://HOST:PORT");
        profile.Address = *address;
    }
    result.profile = profile;
    return result;
}

BalanceSetup LoadBalanceSetup(const std::string& path) {
    return {ReadBalanceProfile(path).profile, path};
}

int WriteBalanceProfile(const std::string& path, const BalanceProfile& profile) {
    IniFile file;
    file.Set(Section, "dialect", DialectKey(profile.Dialect));
    file.Set(Section, "baud", std::to_string(profile.Line.BaudRate));
    file.Set(Section, "framing", FramingText(profile.Line));
    file.Set(Section, "handshake", HandshakeKey(profile.Line.Flow));
    if (!profile.Address.empty())
        file.Set(Section, "address", profile.Address);
    return WriteIniFile(path, file);
}

} // namespace zephra
