// Any text through the number reader and the entry-field routine in each of
// its three variants, with the limits of the real boxes. A text the routine
// accepts must read back as a number (or be empty where blanks are allowed).
//
// Input: one byte choosing the box, one byte giving a repeat count (1..64),
// then a piece of text that is repeated that many times: very long digit
// runs, which break number readers, are then only a few mutations away.

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
    if (size < 2) {
        return 0;
    }
    const BoxLimits& box = Boxes[data[0] % std::size(Boxes)];
    const int repeats = 1 + data[1] % 64;
    const std::string piece(reinterpret_cast<const char*>(data + 2), size - 2);
    std::string text;
    for (int i = 0; i < repeats; ++i) {
        text += piece;
    }

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
