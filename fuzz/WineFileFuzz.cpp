// Any bytes as a wine file: open it, show its stored report and graph as a
// wine window does, recalculate with the messages on, then build the report
// and the three pictures again. Only the arithmetic faults that abandon a
// picture may end a drawing; anything else thrown is a fault.

#include "FuzzInputFile.h"
#include "analysis/Calculate.h"
#include "document/Report.h"
#include "document/WineFile.h"
#include "graphs/FakeTextMetrics.h"
#include "graphs/FloatingPointFault.h"
#include "graphs/GraphWindowPicture.h"
#include "graphs/WineGraphPicture.h"
#include "support/RecordingBoxes.h"

#include <cstddef>
#include <cstdint>

namespace {

void DrawThePictures(const zephra::TWineRec& rec) {
    const zephra::test::FakeTextMetrics metrics;
    try {
        zephra::DrawWineGraph(rec, 250, 180, zephra::DesktopColours{}, metrics);
    } catch (const zephra::FloatingPointFault&) {
    }
    for (const auto scale : {zephra::GraphScale::Laboratory, zephra::GraphScale::Production}) {
        try {
            zephra::DrawGraphWindowPicture(rec, scale, zephra::Colour{}, metrics);
        } catch (const zephra::FloatingPointFault&) {
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zephra::test::RecordingBoxes boxes;
    zephra::TWineRec rec{};
    const zephra::fuzz::FuzzInputFile file(data, size);
    if (!zephra::ZephraFileOpen(file.path(), rec, boxes)) {
        return 0;
    }
    zephra::FillLines(rec);
    DrawThePictures(rec);
    zephra::Calculate(rec, true, boxes, ",");
    zephra::FillLines(rec);
    DrawThePictures(rec);
    return 0;
}
