// Any bytes as balance.conf: read the profile, and write back what was read.

#include "FuzzInputFile.h"
#include "acquisition/BalanceProfile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const zephra::fuzz::FuzzInputFile file(data, size);
    const zephra::BalanceProfileRead read = zephra::ReadBalanceProfile(file.path());
    if (!read.profile) {
        return 0;
    }
    // A profile that was read is written and reads back the same (in memory
    // where the machine has it: the write is flushed to its disk).
    const std::string folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    const std::string copy = folder + "/zephra-fuzz-balance-" + std::to_string(getpid()) + ".conf";
    if (zephra::WriteBalanceProfile(copy, *read.profile) != 0) {
        std::abort();
    }
    const zephra::BalanceProfileRead back = zephra::ReadBalanceProfile(copy);
    unlink(copy.c_str());
    if (!back.profile || !(*back.profile == *read.profile)) {
        std::abort();
    }
    return 0;
}
