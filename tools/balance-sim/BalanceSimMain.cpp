// zephra-balance-sim: a laboratory balance on a pseudo-terminal or on the
// network, for trying and testing the program's balance link without
// hardware.

#include "FiltrationModel.h"
#include "PortLink.h"
#include "ReplyLine.h"
#include "SimOptions.h"
#include "SimProtocol.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <netinet/in.h>
#include <poll.h>
#include <pty.h>
#include <sys/socket.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

using namespace zephra::balancesim;

namespace {

volatile std::sig_atomic_t interrupted = 0;

void OnSignal(int) {
    interrupted = 1;
}

void InstallSignalHandlers() {
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: the wait in poll() must end on the signal.
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

// Time between two lines of a continuous balance.
constexpr auto StreamInterval = std::chrono::milliseconds(100);

speed_t SpeedOf(int rate) {
    switch (rate) {
    case 300:
        return B300;
    case 600:
        return B600;
    case 2400:
        return B2400;
    case 4800:
        return B4800;
    case 9600:
        return B9600;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    case 57600:
        return B57600;
    case 115200:
        return B115200;
    default:
        return B1200;
    }
}

std::string Printable(const std::string& line) {
    std::string text;
    for (unsigned char c : line) {
        if (c == '\r')
            text += "\\r";
        else if (c == '\n')
            text += "\\n";
        else if (c < 0x20 || c >= 0x7F)
            text += "?";
        else
            text += static_cast<char>(c);
    }
    return text;
}

// Where the balance talks: the master side of a pseudo-terminal, or one
// network connection at a time.
class Endpoint {
public:
    explicit Endpoint(const SimOptions& options) : options_(options) {
        const int baud = options.baud ? options.baud : DefaultBaud(options.protocol);
        speed_ = SpeedOf(baud);
        // One character with a start bit, 7 or 8 data bits, parity or a
        // second stop bit, and a stop bit: ten bit times.
        characterTime_ = std::chrono::microseconds(10 * 1000000 / baud);
    }
    ~Endpoint() {
        for (int fd : {client_, listener_, master_, slave_}) {
            if (fd >= 0)
                close(fd);
        }
    }

    // Opens the pseudo-terminal or the listening socket; the name to print,
    // or empty after printing the failure.
    std::string Open() {
        if (options_.tcpPort >= 0)
            return Listen();
        char name[256] = {};
        if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0) {
            std::fprintf(stderr, "zephra-balance-sim: openpty: %s\n", std::strerror(errno));
            return {};
        }
        // The simulator keeps the device end open itself, so the program may
        // open and close it for every exchange without the line hanging up.
        // The line starts raw at the pseudo-terminal's own rate, which is not
        // the balance's: a program that does not set the rate gets garbage.
        termios raw{};
        tcgetattr(slave_, &raw);
        cfmakeraw(&raw);
        tcsetattr(slave_, TCSANOW, &raw);
        // A full queue (a continuous balance nobody reads, babble) drops
        // bytes instead of stopping the simulator.
        fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
        return name;
    }

    // The descriptors to wait on for input.
    int Fds(pollfd* fds) const {
        int n = 0;
        if (master_ >= 0)
            fds[n++] = {master_, POLLIN, 0};
        // One connection at a time: the next waits until this one ends.
        if (listener_ >= 0 && client_ < 0)
            fds[n++] = {listener_, POLLIN, 0};
        if (client_ >= 0)
            fds[n++] = {client_, POLLIN, 0};
        return n;
    }

    // Reads what arrived after a poll, or takes a waiting connection.
    std::string Receive(const pollfd* fds, int count) {
        std::string bytes;
        for (int i = 0; i < count; ++i) {
            if (!(fds[i].revents & (POLLIN | POLLHUP | POLLERR)))
                continue;
            if (fds[i].fd == listener_) {
                const int accepted = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
                if (accepted >= 0) {
                    client_ = accepted;
                    std::fprintf(stderr, "connected\n");
                }
                continue;
            }
            char buffer[64];
            const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                bytes.append(buffer, static_cast<std::size_t>(n));
            } else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
                if (fds[i].fd == client_) {
                    close(client_);
                    client_ = -1;
                    std::fprintf(stderr, "disconnected\n");
                }
            }
        }
        return bytes;
    }

    // Whether the program set the line to the balance's rate. A
    // pseudo-terminal keeps the rate but not the data bits and parity, so
    // the rate is all that can be checked; the network has no rate.
    bool RateRight() const {
        termios settings{};
        return master_ < 0 ||
               (tcgetattr(master_, &settings) == 0 && cfgetospeed(&settings) == speed_);
    }

    bool Connected() const { return master_ >= 0 || client_ >= 0; }

    // Sends `bytes` at the pace of the real line. With `dropWhenFull`
    // whatever does not fit is dropped, else the simulator waits for room.
    void SendPaced(const std::string& bytes, bool dropWhenFull) {
        const int fd = master_ >= 0 ? master_ : client_;
        if (fd < 0)
            return;
        for (char c : bytes) {
            for (;;) {
                const ssize_t n = fd == client_ ? send(fd, &c, 1, MSG_NOSIGNAL) : write(fd, &c, 1);
                if (n == 1)
                    break;
                if (n < 0 && errno != EINTR && errno != EAGAIN)
                    return; // the connection is gone
                if (n < 0 && errno == EAGAIN && dropWhenFull)
                    return;
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            std::this_thread::sleep_for(characterTime_);
        }
    }

    // A garbage byte, as a balance printing at another rate sends.
    void SendByte(char c) {
        if (master_ >= 0)
            (void)write(master_, &c, 1);
        else if (client_ >= 0)
            (void)send(client_, &c, 1, MSG_NOSIGNAL | MSG_DONTWAIT);
    }

    std::chrono::microseconds CharacterTime() const { return characterTime_; }

private:
    std::string Listen() {
        listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const int yes = 1;
        setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(static_cast<std::uint16_t>(options_.tcpPort));
        socklen_t length = sizeof address;
        if (listener_ < 0 || bind(listener_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
            listen(listener_, 4) != 0 ||
            getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
            std::fprintf(stderr, "zephra-balance-sim: port %d: %s\n", options_.tcpPort,
                         std::strerror(errno));
            return {};
        }
        return "tcp://127.0.0.1:" + std::to_string(ntohs(address.sin_port));
    }

    const SimOptions& options_;
    speed_t speed_ = B1200;
    std::chrono::microseconds characterTime_;
    int master_ = -1;
    int slave_ = -1;
    int listener_ = -1;
    int client_ = -1;
};

} // namespace

int main(int argc, char** argv) {
    int exitCode = 0;
    const std::optional<SimOptions> parsed = ParseSimOptions(argc, argv, exitCode);
    if (!parsed)
        return exitCode;
    const SimOptions& options = *parsed;

    Endpoint endpoint(options);
    const std::string name = endpoint.Open();
    if (name.empty())
        return 1;
    std::unique_ptr<PortLink> link;
    if (!options.link.empty()) {
        try {
            link = std::make_unique<PortLink>(options.link, name);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "zephra-balance-sim: %s\n", e.what());
            return 1;
        }
    }
    InstallSignalHandlers();
    std::printf("%s\n", name.c_str());
    std::fflush(stdout);
    if (link)
        std::fprintf(stderr, "linked as %s\n", link->Path().c_str());

    FiltrationModel model(options);
    std::mt19937 garbageRandom(options.seed);
    CommandSplitter splitter(options.protocol);
    int readings = 0;
    const auto started = std::chrono::steady_clock::now();
    auto now = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    };
    // The reading shown now; nothing while it is unstable and the balance
    // prints only stable readings.
    auto reading = [&]() -> std::optional<SimReading> {
        SimReading shown;
        shown.stable = !model.Unstable();
        shown.grams = model.Reading(now());
        shown.overload = options.overloadAfter >= 0 && readings >= options.overloadAfter;
        if (!shown.stable && options.printAtStability)
            return std::nullopt;
        return shown;
    };
    // Counts an answered reading; false once the balance is to hang up.
    auto answered = [&] {
        if (++readings != options.unplugAfter)
            return true;
        std::fprintf(stderr, "unplugged after %d readings\n", readings);
        return false;
    };

    const bool continuous = options.protocol == SimProtocol::Continuous;
    auto nextLine = std::chrono::steady_clock::now();
    std::uniform_int_distribution<int> babbleByte(0x80, 0xFE);
    while (!interrupted) {
        if (options.babble)
            endpoint.SendByte(static_cast<char>(babbleByte(garbageRandom)));
        if (continuous && !options.silent && !options.babble &&
            std::chrono::steady_clock::now() >= nextLine) {
            nextLine += StreamInterval;
            if (endpoint.Connected()) {
                if (!endpoint.RateRight() || options.garbage) {
                    endpoint.SendPaced(GarbageLine(garbageRandom), true);
                } else if (const std::optional<SimReading> shown = reading()) {
                    endpoint.SendPaced(StreamLine(*shown, options.unit), true);
                    if (!answered())
                        return 0;
                }
            }
        }
        int timeoutMs = 500;
        if (options.babble)
            timeoutMs = 1 + static_cast<int>(endpoint.CharacterTime().count() / 1000);
        else if (continuous)
            timeoutMs = 10;
        pollfd fds[3];
        const int count = endpoint.Fds(fds);
        if (poll(fds, count, timeoutMs) <= 0)
            continue;
        const std::string bytes = endpoint.Receive(fds, count);
        for (std::size_t i = 0; i < bytes.size() && !interrupted; ++i) {
            const std::optional<std::string> command = splitter.Feed(bytes[i]);
            if (!command)
                continue;
            const bool rateRight = endpoint.RateRight();
            const CommandKind kind = KindOf(options.protocol, *command);
            std::optional<SimReading> shown = SimReading{};
            if (kind == CommandKind::Weight || kind == CommandKind::Tare)
                shown = reading();
            if (kind == CommandKind::Tare) {
                // The standard command set's T waits for a stable load and
                // is refused ("T I") when it does not settle; TI tares at once.
                const bool refused = options.protocol == SimProtocol::MtSics && *command == "T" &&
                                     shown && !shown->stable;
                if (rateRight && !options.silent && !refused) {
                    model.Tare(now());
                    shown = SimReading{0.0, shown ? shown->stable : true, false};
                    std::fprintf(stderr, "%8.1f s  tare\n", now());
                } else if (!refused) {
                    std::fprintf(stderr, "%8.1f s  tare ignored\n", now());
                    continue;
                }
            }
            if (options.silent || options.babble) {
                std::fprintf(stderr, "%8.1f s  request not answered\n", now());
                continue;
            }
            if (!shown) {
                std::fprintf(stderr, "%8.1f s  unstable, nothing sent\n", now());
                continue;
            }
            std::optional<std::string> line =
                ReplyTo(options.protocol, *command, *shown, options.unit, options.longReply);
            if (!line)
                continue;
            std::this_thread::sleep_for(std::chrono::milliseconds(options.replyDelayMs));
            if (!rateRight || options.garbage) {
                line = GarbageLine(garbageRandom);
                std::fprintf(stderr, "%8.1f s  %s\n", now(),
                             rateRight ? "garbage (fault mode)"
                                       : "garbage: the line is not set to the balance's rate");
            } else {
                std::fprintf(stderr, "%8.1f s  %s\n", now(), Printable(*line).c_str());
            }
            endpoint.SendPaced(*line, false);
            if (kind == CommandKind::Weight && !answered())
                return 0;
        }
    }
    return 0;
}
