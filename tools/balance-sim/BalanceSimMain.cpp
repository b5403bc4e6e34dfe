// zephra-balance-sim: a laboratory balance on a pseudo-terminal, for trying
// and testing the program's balance link without hardware.

#include "FiltrationModel.h"
#include "PortLink.h"
#include "ReplyLine.h"
#include "SimOptions.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <pty.h>
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

// One character at 1200 bit/s with 7 data bits, parity and one stop bit:
// ten bit times.
constexpr auto CharacterTime = std::chrono::microseconds(10 * 1000000 / 1200);

// Sends `line` to the program at the pace of the real line.
void SendPaced(int master, const std::string& line) {
    for (char c : line) {
        while (write(master, &c, 1) < 0 && (errno == EINTR || errno == EAGAIN))
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        std::this_thread::sleep_for(CharacterTime);
    }
}

// The rate the program set on the line. A pseudo-terminal keeps the rate but
// not the data bits and parity, so the rate is all that can be checked.
bool LineRateIs1200(int master) {
    termios settings{};
    return tcgetattr(master, &settings) == 0 && cfgetospeed(&settings) == B1200;
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

// Splits the byte stream from the program into ESC <letter> CR commands.
class CommandReader {
public:
    // Returns the command letter once a command is complete, else 0.
    char Feed(char c) {
        if (c == '\x1b') {
            letter_ = 0;
            state_ = 1;
        } else if (state_ == 1) {
            letter_ = c;
            state_ = 2;
        } else if (state_ == 2) {
            state_ = 0;
            if (c == '\r')
                return letter_;
        }
        return 0;
    }

private:
    int state_ = 0;
    char letter_ = 0;
};

} // namespace

int main(int argc, char** argv) {
    int exitCode = 0;
    const std::optional<SimOptions> parsed = ParseSimOptions(argc, argv, exitCode);
    if (!parsed)
        return exitCode;
    const SimOptions& options = *parsed;

    int master = -1;
    int slave = -1;
    char name[256] = {};
    if (openpty(&master, &slave, name, nullptr, nullptr) != 0) {
        std::fprintf(stderr, "zephra-balance-sim: openpty: %s\n", std::strerror(errno));
        return 1;
    }
    // The simulator keeps the device end open itself, so the program may open
    // and close it for every exchange without the line hanging up. The line
    // starts raw at the pseudo-terminal's own rate, which is not 1200 bit/s:
    // a program that does not set the rate gets garbage.
    termios raw{};
    tcgetattr(slave, &raw);
    cfmakeraw(&raw);
    tcsetattr(slave, TCSANOW, &raw);

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
    std::printf("%s\n", name);
    std::fflush(stdout);
    if (link)
        std::fprintf(stderr, "linked as %s\n", link->Path().c_str());

    FiltrationModel model(options);
    std::mt19937 garbageRandom(options.seed);
    CommandReader reader;
    int readings = 0;
    const auto started = std::chrono::steady_clock::now();
    auto now = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    };

    if (options.babble) {
        // A full queue drops bytes instead of stopping the simulator.
        fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    }
    std::uniform_int_distribution<int> babbleByte(0x80, 0xFE);
    while (!interrupted) {
        pollfd wait{master, POLLIN, 0};
        if (options.babble) {
            const char c = static_cast<char>(babbleByte(garbageRandom));
            (void)write(master, &c, 1);
        }
        const int timeoutMs = options.babble ? 1 + CharacterTime.count() / 1000 : 500;
        if (poll(&wait, 1, timeoutMs) <= 0)
            continue;
        char buffer[64];
        const ssize_t n = read(master, buffer, sizeof buffer);
        if (n <= 0)
            continue;
        for (ssize_t i = 0; i < n && !interrupted; ++i) {
            const char command = reader.Feed(buffer[i]);
            if (command == 0)
                continue;
            const bool rateRight = LineRateIs1200(master);
            if (command == 'T') {
                if (rateRight && !options.silent) {
                    model.Tare(now());
                    std::fprintf(stderr, "%8.1f s  tare\n", now());
                } else {
                    std::fprintf(stderr, "%8.1f s  tare ignored\n", now());
                }
                continue;
            }
            if (command != 'P' || options.silent || options.babble) {
                std::fprintf(stderr, "%8.1f s  request not answered\n", now());
                continue;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(options.replyDelayMs));
            std::string line;
            if (!rateRight || options.garbage) {
                line = GarbageLine(garbageRandom);
                std::fprintf(stderr, "%8.1f s  %s\n", now(),
                             rateRight ? "garbage (fault mode)"
                                       : "garbage: the line is not set to 1200 bit/s");
            } else {
                const bool stable = !model.Unstable();
                if (!stable && options.printAtStability) {
                    std::fprintf(stderr, "%8.1f s  unstable, nothing sent\n", now());
                    continue;
                }
                line = ReplyLine(model.Reading(now()), stable, options.longReply);
                std::fprintf(stderr, "%8.1f s  %s\n", now(), Printable(line).c_str());
            }
            SendPaced(master, line);
            if (++readings == options.unplugAfter) {
                std::fprintf(stderr, "unplugged after %d readings\n", readings);
                close(master);
                close(slave);
                return 0;
            }
        }
    }
    close(master);
    close(slave);
    return 0;
}
