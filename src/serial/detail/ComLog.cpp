#include "serial/detail/ComLog.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <memory>
#include <system_error>

namespace zephra::serial::detail {

std::string FormatLogData(const void* data, std::size_t count) {
    static const char digits[] = "0123456789ABCDEF";
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) {
            text += ", ";
        }
        text += '$';
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 0x0F];
    }
    return text;
}

void AppendLogLine(const std::string& fileName, const std::string& message) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[128];
    const std::size_t length = std::strftime(stamp, sizeof stamp, "%x %X", &local);

    const auto closeFile = [](std::FILE* f) { std::fclose(f); };
    std::unique_ptr<std::FILE, decltype(closeFile)> file(std::fopen(fileName.c_str(), "a"),
                                                         closeFile);
    if (!file) {
        throw std::system_error(errno, std::generic_category(), fileName);
    }
    const std::string line = std::string(stamp, length) + " " + message + "\n";
    if (std::fwrite(line.data(), 1, line.size(), file.get()) != line.size() ||
        std::fflush(file.get()) != 0) {
        throw std::system_error(errno, std::generic_category(), fileName);
    }
}

} // namespace zephra::serial::detail
