#include "acquisition/DataCollapse.h"

namespace zephra {

void DataCollapse(TData& data) {
    for (int k = 1; k <= 18; ++k)
        data.V[k - 1].assign(data.V[2 * k - 1].text());
    for (int k = 1; k <= 18; ++k)
        data.T[k - 1].M.assign(data.T[2 * k - 1].M.text());
    for (int k = 1; k <= 18; ++k)
        data.T[k - 1].Sc.assign(data.T[2 * k - 1].Sc.text());
    for (int i = 19; i <= 36; ++i) {
        data.V[i - 1].clear();
        data.T[i - 1].M.clear();
        data.T[i - 1].Sc.clear();
    }
}

void DataCollapse(TData& data, WineNotes& notes) {
    DataCollapse(data);
    const std::vector<std::optional<int>> times = notes.ReadingTimesDs;
    notes.ReadingTimesDs.clear();
    for (std::size_t k = 1; k <= 18; ++k)
        SetReadingTime(notes, k - 1, 2 * k - 1 < times.size() ? times[2 * k - 1] : std::nullopt);
}

} // namespace zephra
