// The lab settings read from the [lab] section of zephra.conf.

#include "analysis/LabSettings.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace zephra {
namespace {

TEST(LabSettingsTest, ComeFromTheLabSectionOrTheDefaultsAsAWhole) {
    struct Case {
        std::string Text;
        LabSettings Expected;
        bool Problem;
    };
    const Case cases[] = {
        {"", {}, false},
        {"[bands]\ngood = 40\n", {}, false},
        {"[lab]\nterminal_flux_share = 0.2\nsafety_factor = 2\n", {0.2, 2}, false},
        {"[Lab]\nSafety_Factor = 1\n", {0.10, 1}, false},
        {"[lab]\nterminal_flux_share = 1\nsafety_factor = 2\n", {}, true},
        {"[lab]\nterminal_flux_share = 0\n", {}, true},
        {"[lab]\nsafety_factor = 0.9\n", {}, true},
        {"[lab]\nsafety_factor = two\n", {}, true},
        {"[lab]\nsafety_factor = 2\nterminal_flux_share 0.2\n", {}, false}, // the file's problem
    };
    const test::TempFolder folder;
    const std::string path = folder.file("zephra.conf");
    for (const Case& c : cases) {
        std::ofstream(path, std::ios::trunc) << c.Text;
        std::string problem;
        EXPECT_EQ(LabSettingsIn(ProgramConf::Read(path), problem), c.Expected) << c.Text;
        EXPECT_EQ(!problem.empty(), c.Problem) << c.Text << problem;
    }
}

} // namespace
} // namespace zephra
