// Any bytes as the settings file: read it, set the balance's port up from
// it as start-up does, and find the device its port number names.

#include "FuzzInputFile.h"
#include "acquisition/ComPortBalance.h"
#include "acquisition/PortDevice.h"
#include "acquisition/SettingsFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const zephra::fuzz::FuzzInputFile file(data, size);
    zephra::TEnvironmentRec env{};
    if (zephra::ReadDataFile(file.path(), env) != 0) {
        return 0;
    }
    zephra::serial::TComPort port{nullptr};
    zephra::ConfigureBalancePort(port, env.ScalePortNumber());
    zephra::ComPortDevice(env.ScalePortNumber());
    return 0;
}
