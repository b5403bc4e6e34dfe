// The balance simulator's filtration follows the blocking law it is given.

#include "FiltrationModel.h"
#include "SimOptions.h"
#include "analysis/BlockingLaws.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zephra::balancesim {
namespace {

SimOptions Parse(std::vector<std::string> args) {
    args.insert(args.begin(), "zephra-balance-sim");
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    int exitCode = -1;
    const std::optional<SimOptions> options =
        ParseSimOptions(static_cast<int>(argv.size()), argv.data(), exitCode);
    EXPECT_TRUE(options.has_value());
    return options.value_or(SimOptions{});
}

// With the flow F (g/min) as the initial flux and the constant K per minute,
// each law's mass is the closed form of the analysis with time in minutes:
// Kb = K, Ki = K/F, Vmax = F/K, Kc = K/F².
TEST(SimulatedLaws, EachLawCollectsItsClosedForm) {
    struct Case {
        const char* name;
        BlockingLaw law;
        LawParameters parameters;
    };
    const double F = 40;
    const double K = 0.2;
    const Case cases[] = {
        {"complete", BlockingLaw::Complete, {F, K}},
        {"intermediate", BlockingLaw::Intermediate, {F, K / F}},
        {"standard", BlockingLaw::Standard, {F, F / K}},
        {"cake", BlockingLaw::Cake, {F, K / (F * F)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FiltrationModel model(
            Parse({"--law", c.name, "--flow", "40", "--fouling", "0.2", "--noise", "0"}));
        model.Tare(0);
        for (const double minutes : {0.5, 3.0, 9.0, 36.0}) {
            const double expected = ClosedFormThroughput(c.law, c.parameters, minutes);
            EXPECT_NEAR(model.Reading(minutes * 60), expected, 0.006) << minutes;
        }
    }
}

TEST(SimulatedLaws, IntermediateIsTheDefaultAndOtherNamesAreRefused) {
    EXPECT_EQ(Parse({}).law, FoulingLaw::Intermediate);
    std::string program = "zephra-balance-sim";
    std::string option = "--law";
    std::string value = "sieve";
    char* argv[] = {program.data(), option.data(), value.data()};
    int exitCode = -1;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(ParseSimOptions(3, argv, exitCode).has_value());
    EXPECT_NE(testing::internal::GetCapturedStderr().find("--law needs"), std::string::npos);
    EXPECT_EQ(exitCode, 2);
}

} // namespace
} // namespace zephra::balancesim
