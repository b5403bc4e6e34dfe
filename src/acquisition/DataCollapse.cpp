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

} // namespace zephra
