#include "document/Report.h"

#include "document/Utf8Characters.h"
#include "document/Windows1252.h"

#include <string_view>

namespace zephra {

namespace {

// U+2014 EM DASH, the character of the rule lines.
constexpr std::string_view EmDash = "\xE2\x80\x94";

std::string Dashes(int count) {
    std::string out;
    for (int i = 0; i < count; ++i) {
        out += EmDash;
    }
    return out;
}

template <std::size_t N> std::string Text(const ShortString<N>& field) {
    return Win1252ToUtf8(field.text());
}

void AddEmptyLines(std::vector<std::string>& lines, int count) {
    lines.insert(lines.end(), static_cast<std::size_t>(count), std::string());
}

// `unit` after a blank, then blanks up to `width` characters (at least one).
std::string UnitColumn(const std::string& unit, std::size_t width) {
    const std::size_t length = Utf8Characters(unit);
    return " " + unit + std::string(length < width ? width - length : 1, ' ');
}

std::vector<std::string> TableLines(const TWineRec& rec, const ReportQuantities& q) {
    const TConditions& c = rec.Conditions;
    std::vector<std::string> lines;
    AddEmptyLines(lines, 2);
    lines.push_back("           Laboratory Conditions                  Full Scale Conditions");
    lines.push_back("   " + Dashes(37) + "   " + Dashes(32));
    lines.push_back("                   pressure: " + q.LabPressure +
                    UnitColumn(q.PressureUnit, 12) + "maximum pressure: " + q.MaxPressure + " " +
                    q.PressureUnit);
    lines.push_back("                       area:" + Text(rec.LabA) +
                    " cm2                     area: " + Text(c.ProdA) + " m2");
    lines.push_back("   equivalent volume passed: " + q.LabEquivVolume +
                    UnitColumn(q.VolumeUnit, 24) + "rate: " + q.Rate + " " + q.RateUnit);
    lines.push_back("      average face velocity: " + q.LabFaceVelocity +
                    UnitColumn(q.FaceVelocityUnit, 15) + "face velocity: " + q.ProdFaceVelocity +
                    " " + q.FaceVelocityUnit);
    AddEmptyLines(lines, 2);
    lines.push_back("             V      Time     V/A        R       Rexp     Rpower    Rmax");
    lines.push_back("            ml    min sec     m        1/m       1/m       1/m");

    std::string rule = "        ";
    const int runs[] = {8, 7, 7, 8, 8, 8, 8};
    for (std::size_t i = 0; i < std::size(runs); ++i) {
        rule += (i == 0 ? "" : "  ") + Dashes(runs[i]);
    }
    lines.push_back(rule);

    if (!rec.TableData[0].V.empty()) {
        lines.push_back("     0      na        00    0.000       na     " + Text(rec.RmE) + "    " +
                        Text(rec.RmP) + "    " + Text(rec.MaxProdR));
    } else {
        lines.push_back("     0");
    }
    for (int i = 0; i < 36; ++i) {
        const TTableRow& row = rec.TableData[i];
        const int number = i + 1;
        lines.push_back("    " + std::string(number < 10 ? " " : "") + std::to_string(number) +
                        "   " + Text(row.V) + "   " + Text(row.Min) + " " + Text(row.Sec) + "    " +
                        Text(row.VA) + "    " + Text(row.R) + "    " + Text(row.Rexp) + "    " +
                        Text(row.Rpower));
    }
    AddEmptyLines(lines, 6);
    return lines;
}

std::vector<std::string> SummaryLines(const TWineRec& rec, const ReportQuantities& q) {
    std::vector<std::string> lines;
    AddEmptyLines(lines, 1);
    lines.push_back(" Wine: " + Text(rec.Conditions.WineName));
    lines.push_back(" Filter: " + Text(rec.Conditions.FilterName));
    AddEmptyLines(lines, 1);
    lines.push_back(" Power Fouling Constants");
    lines.push_back(" " + Dashes(23));
    lines.push_back(" Rm:" + Text(rec.RmP));
    lines.push_back(" a:" + Text(rec.a));
    lines.push_back(" b:" + Text(rec.bP));
    lines.push_back(" r:" + Text(rec.rP));
    AddEmptyLines(lines, 1);
    lines.push_back(" Estimated full-scale volume");
    lines.push_back(" " + Dashes(27));
    lines.push_back(" " + q.ExpectedVolP + " " + q.EstimateUnit);
    AddEmptyLines(lines, 1);
    lines.push_back(" Exponential Fouling Constants");
    lines.push_back(" " + Dashes(29));
    lines.push_back(" Rm:" + Text(rec.RmE));
    lines.push_back(" b:" + Text(rec.bE));
    lines.push_back(" r:" + Text(rec.rE));
    AddEmptyLines(lines, 1);
    lines.push_back(" Estimated full-scale volume");
    lines.push_back(" " + Dashes(27));
    lines.push_back(" " + q.ExpectedVolE + " " + q.EstimateUnit);
    AddEmptyLines(lines, 6);
    return lines;
}

} // namespace

ReportQuantities StoredQuantities(const TWineRec& rec) {
    const TConditions& c = rec.Conditions;
    return {Text(c.LabP),
            Text(c.ProdP),
            "psi",
            Text(rec.LabEquivVol),
            "gal",
            Text(c.ProdRate),
            c.ProdRateUnits.get() == 0 ? "bpm" : "gpm",
            Text(rec.LabFaceVel),
            Text(rec.ProdFaceVel),
            "gpm/m2",
            Text(rec.ExpectedVolP),
            Text(rec.ExpectedVolE),
            "gallons"};
}

ReportLines FillLines(const TWineRec& rec) {
    return FillLines(rec, StoredQuantities(rec));
}

ReportLines FillLines(const TWineRec& rec, const ReportQuantities& quantities) {
    return {TableLines(rec, quantities), SummaryLines(rec, quantities)};
}

} // namespace zephra
