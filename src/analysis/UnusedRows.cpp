#include "analysis/UnusedRows.h"

namespace zephra {

namespace {

constexpr int Rows = 36;

bool HoldsAValue(const TData& data, int i) {
    return !data.V[i].empty() || !data.T[i].M.empty() || !data.T[i].Sc.empty();
}

// What row i lacks first, in the order of the boxes.
const char* MissingBox(const TData& data, int i) {
    if (data.V[i].empty()) {
        return "volume";
    }
    return data.T[i].M.empty() ? "minutes" : "seconds";
}

} // namespace

std::optional<std::string> UnusedRowsWarning(const TData& data) {
    int stop = 0;
    while (stop < Rows && !data.V[stop].empty() && !data.T[stop].M.empty() &&
           !data.T[stop].Sc.empty()) {
        ++stop;
    }
    if (stop == Rows) {
        return std::nullopt;
    }
    const std::string why = std::string(" has no ") + MissingBox(data, stop) + ".";
    int first = stop + 1;
    while (first < Rows && !HoldsAValue(data, first)) {
        ++first;
    }
    if (first == Rows) {
        // Nothing after it: only the incomplete row itself may be lost.
        return HoldsAValue(data, stop)
                   ? std::optional("Row " + std::to_string(stop + 1) + " is not used: it" + why)
                   : std::nullopt;
    }
    int last = Rows - 1;
    while (!HoldsAValue(data, last)) {
        --last;
    }
    const std::string rows = first == last ? "Row " + std::to_string(first + 1) + " is"
                                           : "Rows " + std::to_string(first + 1) + " to " +
                                                 std::to_string(last + 1) + " are";
    return rows + " not used: row " + std::to_string(stop + 1) + why;
}

} // namespace zephra
