#pragma once

#include <string>

namespace zephra::balancesim {

// A symbolic link COMn -> device in the per-user port map
// ($XDG_CONFIG_HOME/zephra/ports, default ~/.config/zephra/ports). An
// existing link of that name is replaced; anything else there is left alone
// and reported. The link is removed again on destruction if it still points
// to the device.
class PortLink {
public:
    PortLink(const std::string& portName, const std::string& device);
    ~PortLink();
    PortLink(const PortLink&) = delete;
    PortLink& operator=(const PortLink&) = delete;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
    std::string device_;
};

} // namespace zephra::balancesim
