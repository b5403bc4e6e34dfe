#pragma once

#include <optional>
#include <string>

namespace zephra::balancesim {

// How the filter fouls: the four blocking laws of constant-pressure
// filtration, each with a constant K per minute (see FiltrationModel).
enum class FoulingLaw { Complete, Intermediate, Standard, Cake };

// The languages the simulated balance speaks (see SimProtocol.h).
enum class SimProtocol { EscP, MtSics, AandD, Ohaus, Sma, Continuous };

// What the simulated balance does, as chosen on the command line.
struct SimOptions {
    double flowGramsPerMinute = 30.0; // filtrate flow at the start of the filtration
    double foulingPerMinute = 0.1;    // the law's constant K, per minute
    FoulingLaw law = FoulingLaw::Intermediate;
    double noiseGrams = 0.01;         // standard deviation of the reading noise
    std::optional<double> fixedGrams; // a constant load instead of a filtration
    unsigned seed = 1;
    std::string link;              // "COMn": link the device into the port map
    bool longReply = false;        // 22-character reply with an identifier prefix
    bool printAtStability = false; // send nothing while the reading is unstable
    double unstableFraction = 0.0; // share of requests that meet an unstable reading
    bool silent = false;           // never answer
    bool garbage = false;          // always answer with garbage
    bool babble = false;           // send garbage without pause and without line ends
    int unplugAfter = -1;          // hang up after this many answered readings
    int replyDelayMs = 30;         // time the balance takes before it starts to answer
    SimProtocol protocol = SimProtocol::EscP;
    std::string unit = "g"; // the unit the balance weighs in
    int baud = 0;           // the balance's line rate; 0: the protocol's own
    int tcpPort = -1;       // serve on 127.0.0.1 at this port (0: any free one)
    int overloadAfter = -1; // report an overload from this many answered readings on
};

// Parses the command line. Prints the usage (on stdout for --help, else on
// stderr with the problem) and returns nothing when the program should exit;
// `exitCode` then holds the status to exit with.
std::optional<SimOptions> ParseSimOptions(int argc, char** argv, int& exitCode);

} // namespace zephra::balancesim
