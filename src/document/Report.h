#pragma once

#include "document/WineRec.h"

#include <string>
#include <vector>

namespace zephra {

// The two report panels of a wine window, as UTF-8 lines.
struct ReportLines {
    std::vector<std::string> Table;   // the data table panel
    std::vector<std::string> Summary; // the conditions and results panel
};

// The values of the panels that carry a unit, as texts (UTF-8) with their
// units' labels. The panels place them where the stored texts stand, each
// label padded so that whatever follows it on its line keeps its column.
struct ReportQuantities {
    std::string LabPressure, MaxPressure, PressureUnit;
    std::string LabEquivVolume, VolumeUnit;
    std::string Rate, RateUnit;
    std::string LabFaceVelocity, ProdFaceVelocity, FaceVelocityUnit;
    std::string ExpectedVolP, ExpectedVolE, EstimateUnit;
};

// The record's own texts and units: psi, gal, bpm or gpm, gpm/m2, gallons.
ReportQuantities StoredQuantities(const TWineRec& rec);

// The panels with the record's own texts and units.
ReportLines FillLines(const TWineRec& rec);

// The panels with `quantities` in place of the record's texts that carry a
// unit; every other value is the record's text.
ReportLines FillLines(const TWineRec& rec, const ReportQuantities& quantities);

// Where the table panel holds row 1 of the table; row i follows at
// FirstTableRowLine + i - 1. The lines before it are the conditions, the
// column heads and the starting row.
inline constexpr std::size_t FirstTableRowLine = 14;

} // namespace zephra
