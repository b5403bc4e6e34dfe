// Any bytes as a recovery journal left behind: read it as the start-up check
// does, and write what it held again as a journal of its own.

#include "acquisition/RecoveryJournal.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using zephra::JournalContents;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const JournalContents read = zephra::ReadJournal(bytes);
    if (read.state != JournalContents::State::Intact)
        return 0;
    if (read.readings < 0 || read.readings > 36)
        std::abort();
    // A restored wine is kept again: its journal must give it back unchanged.
    const JournalContents again = zephra::ReadJournal(zephra::JournalStart(read.wine));
    if (again.state != JournalContents::State::Intact || again.tornTail ||
        again.wine.fileName != read.wine.fileName || again.wine.caption != read.wine.caption ||
        std::memcmp(&again.wine.rec, &read.wine.rec, sizeof read.wine.rec) != 0)
        std::abort();
    return 0;
}
