// Any text through the number reader and the entry-field routine in each of
// its three variants, with the limits of the real boxes. A text the routine
// accepts must read back as a number (or be empty where blanks are allowed).

#include "entry/EntryFormat.h"
#include "entry/NumberText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

struct BoxLimits {
    double Hi;
    double Lo;
    int Width;
    int Decimals;
};

// Pressure, diameter, area, flow rate, volume, minutes, seconds, density.
constexpr BoxLimits Boxes[] = {
    {50, 1, 4, 1},       {100, 10, 4, 1}, {99.99, 0.01, 4, 2}, {9999, 0.1, 4, 1},
    {100000, 0.1, 6, 1}, {999, 0, 3, 0},  {59, 0, 2, 0},       {2, 0.1, 4, 2},
};

void CheckAccepted(const std::string& stored, bool blankAllowed) {
    if (stored.empty() && blankAllowed) {
        return;
    }
    if (!zephra::ParseEntryNumber(stored).has_value()) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const BoxLimits& box = Boxes[data[0] % std::size(Boxes)];
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    zephra::ParseEntryNumber(text);
    zephra::ReadStoredNumber(text);

    double temp = 0;
    bool error = false;
    std::string strict = text;
    zephra::Format(strict, error, temp, box.Hi, box.Lo, box.Width, box.Decimals);
    if (!error) {
        CheckAccepted(strict, false);
    }
    std::string tolerant = text;
    zephra::FormatBlankTolerant(tolerant, error, temp, box.Hi, box.Lo, box.Width, box.Decimals);
    if (!error) {
        CheckAccepted(tolerant, true);
    }
    std::string seconds = text;
    zephra::FormatSec(seconds, error, temp, box.Hi, box.Lo, box.Width, box.Decimals);
    if (!error) {
        CheckAccepted(seconds, true);
    }
    return 0;
}
