// Runs one fuzz target over its seed corpus and over every input that ever
// made it fail, as an ordinary test of the normal build. A fault that comes
// back ends this test the way it ended the fuzzer.

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

int ReplayFolder(const std::filesystem::path& folder) {
    int replayed = 0;
    if (!std::filesystem::is_directory(folder)) {
        return replayed;
    }
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        SCOPED_TRACE(entry.path().string());
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                              std::istreambuf_iterator<char>()};
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
        ++replayed;
    }
    return replayed;
}

TEST(FuzzReplay, SeedCorpusRunsCleanly) {
    EXPECT_GT(ReplayFolder(ZEPHRA_FUZZ_CORPUS), 0) << "no seed inputs in " << ZEPHRA_FUZZ_CORPUS;
}

TEST(FuzzReplay, EveryInputThatOnceFailedRunsCleanly) {
    ReplayFolder(ZEPHRA_FUZZ_REGRESSIONS);
}

} // namespace
