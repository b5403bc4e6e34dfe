#pragma once

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <stdexcept>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace zephra::serial::test {

/// A pseudo-terminal pair: the test holds the master end and hands the slave
/// path to the port. The slave is not held open by the test.
class PseudoTerminal {
public:
    PseudoTerminal() {
        int slave = -1;
        char name[256] = {};
        if (openpty(&master_, &slave, name, nullptr, nullptr) != 0) {
            throw std::runtime_error("openpty failed");
        }
        ::close(slave);
        slavePath_ = name;
        fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    }
    ~PseudoTerminal() { CloseMaster(); }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    const std::string& SlavePath() const { return slavePath_; }
    int Master() const { return master_; }

    void CloseMaster() {
        if (master_ >= 0) {
            ::close(master_);
            master_ = -1;
        }
    }

    /// Sends bytes to the port's side.
    void Send(const std::string& bytes) const {
        if (::write(master_, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
            throw std::runtime_error("write to the pty master failed");
        }
    }

    /// Receives up to `count` bytes the port sent, waiting at most `limit` for them.
    std::string Receive(std::size_t count,
                        std::chrono::milliseconds limit = std::chrono::milliseconds(2000)) const {
        std::string received;
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (received.size() < count) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) {
                break;
            }
            pollfd entry{master_, POLLIN, 0};
            if (::poll(&entry, 1, static_cast<int>(left.count())) <= 0) {
                continue;
            }
            char buffer[4096];
            const ssize_t n =
                ::read(master_, buffer, std::min(sizeof buffer, count - received.size()));
            if (n > 0) {
                received.append(buffer, static_cast<std::size_t>(n));
            } else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
                break;
            }
        }
        return received;
    }

private:
    int master_ = -1;
    std::string slavePath_;
};

} // namespace zephra::serial::test
