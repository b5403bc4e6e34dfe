#include "document/NewFileMode.h"

#include "document/ExtendedAttributes.h"

#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <sys/stat.h>

namespace zephra {

namespace {

// Read from /proc, as umask() cannot tell the mask without changing it for
// every thread for a moment.
mode_t CurrentUmask() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("Umask:")) {
            return static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
        }
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

// The mode bits a default list allows a new file, as the kernel takes them:
// the owner's entry, the mask (or the owning group's entry without one) and
// the others' entry. Nothing for a list that is not in the known form.
std::optional<mode_t> ModeOfDefaultList(const std::string& list) {
    constexpr std::size_t Header = 4, Entry = 8;
    if (list.size() < Header || (list.size() - Header) % Entry != 0) {
        return std::nullopt;
    }
    const auto at = [&list](std::size_t i) {
        return static_cast<unsigned>(static_cast<unsigned char>(list[i]));
    };
    std::optional<mode_t> owner, group, mask, others;
    for (std::size_t i = Header; i < list.size(); i += Entry) {
        const unsigned tag = at(i) | at(i + 1) << 8;
        const mode_t permissions = (at(i + 2) | at(i + 3) << 8) & 07;
        switch (tag) {
        case 0x01:
            owner = permissions;
            break;
        case 0x04:
            group = permissions;
            break;
        case 0x10:
            mask = permissions;
            break;
        case 0x20:
            others = permissions;
            break;
        default:
            break;
        }
    }
    if (!owner || !group || !others) {
        return std::nullopt;
    }
    return *owner << 6 | mask.value_or(*group) << 3 | *others;
}

} // namespace

mode_t NewFileMode(int folder) {
    if (const std::optional<std::string> list =
            ExtendedAttribute(folder, "system.posix_acl_default")) {
        if (const std::optional<mode_t> allowed = ModeOfDefaultList(*list)) {
            return 0666 & *allowed;
        }
    }
    return 0666 & ~CurrentUmask();
}

} // namespace zephra
