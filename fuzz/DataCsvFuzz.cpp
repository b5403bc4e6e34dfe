// Any standard input of "edit-data --csv": read it as a data set, check it
// as the data dialog does and, when it passes, store it into the sample wine
// and recalculate.

#include "analysis/Calculate.h"
#include "document/WineFile.h"
#include "entry/DataCheck.h"
#include "reports/DataCsv.h"
#include "support/RecordingBoxes.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

// The conditions of the shipped sample, so that a data set that passes the
// checks goes through the whole calculation.
const zephra::TWineRec& SampleWine() {
    static const zephra::TWineRec sample = [] {
        zephra::TWineRec rec{};
        zephra::test::RecordingBoxes boxes;
        zephra::ZephraFileOpen(ZEPHRA_SAMPLE_WINE, rec, boxes);
        return rec;
    }();
    return sample;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zephra::DataForm form;
    if (zephra::ReadDataCsv(std::string_view(reinterpret_cast<const char*>(data), size), form)
            .Error) {
        return 0;
    }
    if (zephra::DataRangeCheck(form)) {
        return 0;
    }
    zephra::TWineRec rec = SampleWine();
    zephra::WineNotes notes;
    zephra::StoreDataForm(rec, form, notes);
    zephra::test::RecordingBoxes boxes;
    zephra::Calculate(rec, true, boxes, ",");
    return 0;
}
