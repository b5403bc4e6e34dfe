// Every balance dialect against zephra-balance-sim, on a pseudo-terminal
// and on the network, and detection of each.

#include "acquisition/BalanceFactory.h"
#include "acquisition/BalanceProbe.h"
#include "acquisition/SerialTransport.h"
#include "acquisition/TcpTransport.h"

#include "support/ChildProcess.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <future>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using namespace zephra;

namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

// A short reply limit keeps the cases of silent balances quick.
constexpr int ShortReplyMs = 400;

std::vector<std::string> With(std::vector<std::string> options, const std::string& key) {
    options.insert(options.end(), {"--protocol", key, "--delay", "0"});
    return options;
}

// A balance of `dialect` at its default line settings on the simulator's
// device or address.
struct Linked {
    Linked(BalanceDialect dialect, const std::string& where, int replyMs = BalanceReplyTimeoutMs) {
        ConfigureBalancePort(port, 1);
        BalanceProfile profile{dialect, DefaultLine(dialect), ""};
        if (IsNetworkAddress(where))
            profile.Address = where;
        else
            port.SetDeviceName(where);
        balance = MakeBalance(profile, port, replyMs);
    }
    serial::TComPort port{nullptr};
    std::unique_ptr<LinkedBalance> balance;
};

std::string Key(BalanceDialect dialect) {
    return DialectKey(dialect);
}

// Each dialect reads the simulated load in grams, whatever unit the balance
// weighs in, tares, and tells stable from moving readings; the serial port
// is closed after every exchange.
TEST(BalanceDialectsTest, WeightsInEveryUnitTareAndStability) {
    struct Case {
        const char* unit;
        double tolerance; // the balance's resolution in that unit, in grams
    };
    for (BalanceDialect dialect : AllDialects()) {
        for (const Case& c :
             {Case{"g", 0.005}, Case{"kg", 0.005}, Case{"mg", 0.001}, Case{"lb", 0.005},
              Case{"oz", 0.003}, Case{"ozt", 0.003}, Case{"ct", 0.001}}) {
            SCOPED_TRACE(Key(dialect) + " in " + c.unit);
            Simulator simulator(
                With({"--weight", "-123.45", "--noise", "0", "--unit", c.unit}, Key(dialect)));
            Linked linked(dialect, simulator.Device());
            WeightReading reading = linked.balance->GetWeight();
            ASSERT_FALSE(reading.Error) << reading.WeightStr;
            EXPECT_NEAR(reading.WeightVal, -123.45, c.tolerance);
            EXPECT_EQ(reading.Unit, c.unit);
            EXPECT_TRUE(reading.Stable);
            EXPECT_FALSE(linked.port.Active());
        }
        SCOPED_TRACE(Key(dialect));
        Simulator simulator(With({"--weight", "50", "--noise", "0"}, Key(dialect)));
        Linked linked(dialect, simulator.Device());
        linked.balance->Tare();
        EXPECT_FALSE(linked.port.Active());
        const double expected = dialect == BalanceDialect::Continuous ? 50.0 : 0.0;
        EXPECT_EQ(linked.balance->GetWeight().WeightVal, expected);

        Simulator moving(With({"--weight", "50", "--unstable", "1"}, Key(dialect)));
        Linked movingLinked(dialect, moving.Device());
        const WeightReading unstable = movingLinked.balance->GetWeight();
        EXPECT_FALSE(unstable.Error);
        EXPECT_FALSE(unstable.Stable);
    }
}

// The standard command set's tare is refused while the load moves; TI then
// tares at once.
TEST(BalanceDialectsTest, MtSicsTaresAMovingLoadWithTI) {
    Simulator simulator(With({"--weight", "50", "--noise", "0", "--unstable", "1"}, "mt-sics"));
    Linked linked(BalanceDialect::MtSics, simulator.Device());
    linked.balance->Tare();
    EXPECT_EQ(linked.balance->GetWeight().WeightVal, 0.0);
}

// Overload, a balance that never answers, garbage and a line at the wrong
// rate, in every dialect.
TEST(BalanceDialectsTest, FaultsInEveryDialect) {
    for (BalanceDialect dialect : AllDialects()) {
        SCOPED_TRACE(Key(dialect));
        {
            // A continuous balance counts every line it prints as a reading.
            const bool continuous = dialect == BalanceDialect::Continuous;
            Simulator simulator(
                With({"--weight", "10", "--overload-after", continuous ? "0" : "1"}, Key(dialect)));
            Linked linked(dialect, simulator.Device());
            if (!continuous) {
                EXPECT_FALSE(linked.balance->GetWeight().Error);
            }
            const WeightReading over = linked.balance->GetWeight();
            EXPECT_TRUE(over.Error);
            if (dialect != BalanceDialect::EscP) {
                EXPECT_EQ(over.Condition, BalanceCondition::Overload);
            }
        }
        {
            Simulator simulator(With({"--silent"}, Key(dialect)));
            Linked linked(dialect, simulator.Device(), ShortReplyMs);
            try {
                linked.balance->GetWeight();
                ADD_FAILURE() << "no error";
            } catch (const BalanceError& e) {
                EXPECT_EQ(e.what(), simulator.Device() + ": Timeout");
            }
            linked.balance->Close();
            EXPECT_FALSE(linked.port.Active());
        }
        for (const char* fault : {"--garbage", "--babble"}) {
            Simulator simulator(With({fault}, Key(dialect)));
            Linked linked(dialect, simulator.Device(), ShortReplyMs);
            EXPECT_TRUE(linked.balance->GetWeight().Error) << fault;
        }
        {
            Simulator simulator(With({"--weight", "10"}, Key(dialect)));
            Linked linked(dialect, simulator.Device(), ShortReplyMs);
            linked.port.SetBaudRate(dialect == BalanceDialect::EscP ? serial::TBaudRate::br9600
                                                                    : serial::TBaudRate::br1200);
            try {
                EXPECT_TRUE(linked.balance->GetWeight().Error);
            } catch (const BalanceError&) {
                // garbage without a line end within the limit
            }
        }
    }
}

// The same dialects on the network.
TEST(BalanceDialectsTest, EveryDialectOverTcp) {
    for (BalanceDialect dialect : AllDialects()) {
        SCOPED_TRACE(Key(dialect));
        Simulator simulator(With({"--tcp", "0", "--weight", "75.5", "--noise", "0"}, Key(dialect)));
        ASSERT_EQ(simulator.Device().rfind("tcp://127.0.0.1:", 0), 0u) << simulator.Device();
        Linked linked(dialect, simulator.Device());
        EXPECT_EQ(linked.balance->LinkName(), simulator.Device());
        const WeightReading reading = linked.balance->GetWeight();
        ASSERT_FALSE(reading.Error);
        EXPECT_EQ(reading.WeightVal, 75.5);
        linked.balance->Tare();
        EXPECT_EQ(linked.balance->GetWeight().WeightVal,
                  dialect == BalanceDialect::Continuous ? 75.5 : 0.0);
    }
}

// A peer that accepts one connection and then does `act` with it.
class OnePeer {
public:
    template <typename Act> explicit OnePeer(Act act) {
        listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        bind(listener_, reinterpret_cast<sockaddr*>(&address), length);
        listen(listener_, 1);
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        address_ = "tcp://127.0.0.1:" + std::to_string(ntohs(address.sin_port));
        thread_ = std::thread([this, act] {
            const int client = accept(listener_, nullptr, nullptr);
            if (client >= 0)
                act(client);
        });
    }
    ~OnePeer() {
        shutdown(listener_, SHUT_RDWR);
        thread_.join();
        close(listener_);
    }
    const std::string& Address() const { return address_; }

private:
    int listener_ = -1;
    std::string address_;
    std::thread thread_;
};

// A refused connection, a reset, a peer that hangs up or stays silent: each
// ends the exchange with its message within the reply limit.
TEST(TcpTransportTest, NetworkFailuresAreLinkErrors) {
    auto failure = [](const std::string& address, int replyMs = ShortReplyMs) {
        TcpTransport transport(address, replyMs);
        EscPBalance balance(std::make_unique<TcpTransport>(address, replyMs), replyMs);
        try {
            balance.GetWeight();
        } catch (const BalanceError& e) {
            balance.Close();
            return std::string(e.what());
        }
        return std::string("no error");
    };
    std::string closedAddress;
    {
        OnePeer gone([](int client) {
            char request[3];
            (void)read(client, request, sizeof request);
            close(client);
        });
        closedAddress = gone.Address();
        EXPECT_EQ(failure(gone.Address()), gone.Address() + ": Connection closed by the balance");
    }
    EXPECT_EQ(failure(closedAddress), closedAddress + ": Connection refused");
    {
        OnePeer reset([](int client) {
            char request[3];
            (void)read(client, request, sizeof request);
            const linger abort{1, 0};
            setsockopt(client, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
            close(client);
        });
        EXPECT_EQ(failure(reset.Address()), reset.Address() + ": Connection reset by peer");
    }
    {
        std::promise<void> done;
        OnePeer silent([&](int client) {
            done.get_future().wait();
            close(client);
        });
        const auto begin = steady_clock::now();
        EXPECT_EQ(failure(silent.Address()), silent.Address() + ": Timeout");
        EXPECT_GE(steady_clock::now() - begin, milliseconds(ShortReplyMs - 50));
        done.set_value();
    }
    EXPECT_EQ(
        failure("tcp://no-such-host.invalid:4001").rfind("tcp://no-such-host.invalid:4001: ", 0),
        0u);
}

// A balance that sends its reply one byte at a time, each within the reply
// limit: the exchange as a whole still ends at that limit.
TEST(TcpTransportTest, TricklingReplyEndsAtTheExchangesDeadline) {
    for (const BalanceDialect dialect : {BalanceDialect::EscP, BalanceDialect::MtSics}) {
        SCOPED_TRACE(Key(dialect));
        std::promise<void> done;
        std::shared_future<void> over = done.get_future().share();
        OnePeer trickling([over](int client) {
            char request[16];
            (void)read(client, request, sizeof request);
            for (const char c : std::string("+    12.34  g  \r\n")) {
                if (over.wait_for(milliseconds(ShortReplyMs / 3)) == std::future_status::ready)
                    break;
                (void)write(client, &c, 1);
            }
            over.wait();
            close(client);
        });
        Linked linked(dialect, trickling.Address(), ShortReplyMs);
        const auto begin = steady_clock::now();
        try {
            linked.balance->GetWeight();
            ADD_FAILURE() << "a weight";
        } catch (const BalanceError& e) {
            EXPECT_EQ(std::string(e.what()), trickling.Address() + ": Timeout");
        }
        EXPECT_LT(steady_clock::now() - begin, milliseconds(ShortReplyMs + 300));
        linked.balance->Close();
        done.set_value();
    }
}

// A host name may give several addresses: each is tried in turn, and the
// first that accepts is the balance.
TEST(TcpTransportTest, EachAddressIsTriedUntilOneAccepts) {
    const int refusing = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in refused{};
    refused.sin_family = AF_INET;
    refused.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof refused;
    ASSERT_EQ(bind(refusing, reinterpret_cast<sockaddr*>(&refused), length), 0);
    getsockname(refusing, reinterpret_cast<sockaddr*>(&refused), &length);
    OnePeer peer([](int client) {
        char request[3];
        (void)read(client, request, sizeof request);
        const std::string reply = "+    12.34  g\r\n";
        (void)write(client, reply.data(), reply.size());
        close(client);
    });
    sockaddr_in accepting = refused;
    accepting.sin_port = htons(static_cast<std::uint16_t>(
        std::stoi(peer.Address().substr(peer.Address().rfind(':') + 1))));
    addrinfo second{};
    second.ai_family = AF_INET;
    second.ai_socktype = SOCK_STREAM;
    second.ai_addrlen = sizeof accepting;
    second.ai_addr = reinterpret_cast<sockaddr*>(&accepting);
    addrinfo first = second;
    first.ai_addr = reinterpret_cast<sockaddr*>(&refused);
    first.ai_next = &second;

    TcpTransport transport("tcp://balance.example:4001", ShortReplyMs);
    transport.OpenFirstOf(&first);
    transport.Write("\x1bP\r");
    EXPECT_EQ(transport.ReadChar(ShortReplyMs), '+');
    transport.EndExchange();

    addrinfo alone = first;
    alone.ai_next = nullptr;
    try {
        transport.OpenFirstOf(&alone);
        ADD_FAILURE() << "connected";
    } catch (const BalanceError& e) {
        EXPECT_EQ(std::string(e.what()), "tcp://balance.example:4001: Connection refused");
    }
    close(refusing);
}

TEST(TcpTransportTest, InterruptEndsAPendingWaitAtOnce) {
    Simulator simulator({"--tcp", "0", "--silent"});
    Linked linked(BalanceDialect::MtSics, simulator.Device());
    auto pending = std::async(std::launch::async, [&] {
        try {
            linked.balance->GetWeight();
        } catch (const BalanceInterrupted&) {
            return true;
        }
        return false;
    });
    std::this_thread::sleep_for(milliseconds(200));
    const auto interrupted = steady_clock::now();
    linked.balance->Interrupt();
    EXPECT_TRUE(pending.get());
    EXPECT_LT(steady_clock::now() - interrupted, milliseconds(300));
}

// Detection finds each dialect on a pseudo-terminal and on the network; the
// detections run side by side.
TEST(BalanceProbeTest, DetectionFindsEveryDialect) {
    struct Running {
        BalanceDialect dialect;
        std::unique_ptr<Simulator> simulator;
        std::future<std::optional<DetectedBalance>> found;
    };
    std::vector<Running> runs;
    for (BalanceDialect dialect : AllDialects()) {
        for (bool network : {false, true}) {
            std::vector<std::string> options{"--weight", "42", "--noise", "0"};
            if (network)
                options.insert(options.end(), {"--tcp", "0"});
            auto simulator = std::make_unique<Simulator>(With(options, Key(dialect)));
            const std::string where = simulator->Device();
            runs.push_back({dialect, std::move(simulator), std::async(std::launch::async, [where] {
                                return BalanceProbe(where).Detect();
                            })});
        }
    }
    for (Running& run : runs) {
        SCOPED_TRACE(Key(run.dialect) + " on " + run.simulator->Device());
        const std::optional<DetectedBalance> found = run.found.get();
        ASSERT_TRUE(found);
        EXPECT_EQ(found->dialect, run.dialect);
        EXPECT_EQ(found->reading.WeightVal, 42.0);
    }
    Simulator silent({"--silent"});
    EXPECT_FALSE(BalanceProbe(silent.Device()).Detect());
}

TEST(BalanceProbeTest, ReadGivesOneWeightAndInterruptStopsDetection) {
    Simulator simulator(With({"--weight", "12.5", "--noise", "0", "--unit", "kg"}, "sma"));
    BalanceProbe probe(simulator.Device());
    const WeightReading reading =
        probe.Read({BalanceDialect::Sma, DefaultLine(BalanceDialect::Sma), ""});
    EXPECT_EQ(reading.WeightVal, 12.5);
    EXPECT_EQ(reading.Unit, "kg");

    Simulator silent({"--silent"});
    BalanceProbe detecting(silent.Device());
    auto pending = std::async(std::launch::async, [&] {
        try {
            detecting.Detect();
        } catch (const BalanceInterrupted&) {
            return true;
        }
        return false;
    });
    std::this_thread::sleep_for(milliseconds(300));
    detecting.Interrupt();
    EXPECT_EQ(pending.wait_for(std::chrono::seconds(1)), std::future_status::ready);
    EXPECT_TRUE(pending.get());
}

} // namespace
