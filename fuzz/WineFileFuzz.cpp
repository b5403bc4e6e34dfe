// Any bytes as a wine file: open it with the notes after its record, show
// its stored report (in US and in metric units) and graph as a wine window
// does, recalculate with the messages on, then build the reports and the
// three pictures again and analyse the trial with the readings' times of its
// notes. Notes that were read must come back the same through the trailer's
// writer and reader. Only the arithmetic faults that abandon a picture may
// end a drawing; anything else thrown is a fault.

#include "FuzzInputFile.h"
#include "analysis/Calculate.h"
#include "analysis/FoulingAnalysis.h"
#include "document/Report.h"
#include "document/WineFile.h"
#include "document/WineTrailer.h"
#include "entry/ShownQuantities.h"
#include "graphs/FakeTextMetrics.h"
#include "graphs/FloatingPointFault.h"
#include "graphs/GraphWindowPicture.h"
#include "graphs/WineGraphPicture.h"
#include "support/RecordingBoxes.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

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

// The notes written again and read back are the notes read; notes that
// could not be read are written back as they were, and again not read.
void RoundTripTheNotes(const zephra::WineFileContents& wine) {
    const std::vector<unsigned char> bytes = zephra::EncodeTrailer(wine.Notes);
    const zephra::TrailerRead again = zephra::DecodeTrailer(bytes.data(), bytes.size());
    if (again.Problem.empty() != wine.NotesWarning.empty() || !(again.Notes == wine.Notes)) {
        std::abort();
    }
    (void)zephra::FullWineName(wine.Rec, wine.Notes);
    (void)zephra::FullFilterName(wine.Rec, wine.Notes);
}

void FillBothReports(const zephra::TWineRec& rec) {
    zephra::FillLines(rec);
    for (const auto flow :
         {zephra::MetricFlowUnit::LitresPerHour, zephra::MetricFlowUnit::HectolitresPerHour}) {
        zephra::FillLines(rec, zephra::ShownQuantities(rec, {zephra::UnitSystem::Metric, flow}));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zephra::test::RecordingBoxes boxes;
    zephra::WineFileContents wine;
    const zephra::fuzz::FuzzInputFile file(data, size);
    if (!zephra::ReadWineFile(file.path(), wine, boxes)) {
        return 0;
    }
    RoundTripTheNotes(wine);
    zephra::TWineRec& rec = wine.Rec;
    FillBothReports(rec);
    DrawThePictures(rec);
    zephra::Calculate(rec, true, boxes, ",");
    FillBothReports(rec);
    DrawThePictures(rec);
    (void)zephra::AnalyzeWineFouling(rec, wine.Notes);
    return 0;
}
