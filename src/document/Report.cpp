#include "document/Report.h"

#include "document/Quantities.h"
#include "document/TextCatalog.h"
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

std::string Blanks(std::size_t count) {
    return std::string(count, ' ');
}

// A label of the panels in the program's language, right-aligned in `width`
// characters, so that the value after it keeps its column in every language.
std::string RightAligned(const std::string& label, std::size_t width) {
    const std::size_t length = Utf8Characters(label);
    return Blanks(length < width ? width - length : 0) + label;
}

// A label left-aligned in `width` characters, for what follows it to keep its
// column.
std::string LeftAligned(const std::string& label, std::size_t width) {
    const std::size_t length = Utf8Characters(label);
    return label + Blanks(length < width ? width - length : 0);
}

// `unit` after a blank, then `label` ending `width` characters after the
// value before them (at least one blank between unit and label), so that the
// right column keeps its place whatever the unit and the language.
std::string UnitAndLabel(const std::string& unit, const std::string& label, std::size_t width) {
    const std::size_t used = 1 + Utf8Characters(unit) + Utf8Characters(label);
    return " " + unit + Blanks(used < width ? width - used : 1) + label;
}

// A heading and its rule of dashes as long as the heading.
void AddHeading(std::vector<std::string>& lines, const std::string& heading) {
    lines.push_back(" " + heading);
    lines.push_back(" " + Dashes(static_cast<int>(Utf8Characters(heading))));
}

std::vector<std::string> TableLines(const TWineRec& rec, const ReportQuantities& q) {
    const TConditions& c = rec.Conditions;
    std::vector<std::string> lines;
    AddEmptyLines(lines, 2);
    lines.push_back(Blanks(11) + LeftAligned(CoreText("ReportPanel", "Laboratory Conditions"), 39) +
                    CoreText("ReportPanel", "Full Scale Conditions"));
    lines.push_back("   " + Dashes(37) + "   " + Dashes(32));
    lines.push_back(RightAligned(CoreText("ReportPanel", "pressure"), 27) + ": " + q.LabPressure +
                    UnitAndLabel(q.PressureUnit, CoreText("ReportPanel", "maximum pressure"), 29) +
                    ": " + q.MaxPressure + " " + q.PressureUnit);
    lines.push_back(RightAligned(CoreText("ReportPanel", "area"), 27) + ":" + Text(rec.LabA) +
                    " cm2" + RightAligned(CoreText("ReportPanel", "area"), 25) + ": " +
                    Text(c.ProdA) + " m2");
    lines.push_back(RightAligned(CoreText("ReportPanel", "equivalent volume passed"), 27) + ": " +
                    q.LabEquivVolume +
                    UnitAndLabel(q.VolumeUnit, CoreText("ReportPanel", "rate"), 29) + ": " +
                    q.Rate + " " + q.RateUnit);
    lines.push_back(RightAligned(CoreText("ReportPanel", "average face velocity"), 27) + ": " +
                    q.LabFaceVelocity +
                    UnitAndLabel(q.FaceVelocityUnit, CoreText("ReportPanel", "face velocity"), 29) +
                    ": " + q.ProdFaceVelocity + " " + q.FaceVelocityUnit);
    AddEmptyLines(lines, 2);
    lines.push_back("             V" + RightAligned(CoreText("ReportPanel", "Time"), 10) +
                    "     V/A        R       Rexp     Rpower    Rmax");
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
    lines.push_back(" " + LeftAligned(CoreText("ReportPanel", "Wine:"), 6) +
                    Text(rec.Conditions.WineName));
    lines.push_back(" " + LeftAligned(CoreText("ReportPanel", "Filter:"), 8) +
                    Text(rec.Conditions.FilterName));
    AddEmptyLines(lines, 1);
    AddHeading(lines, CoreText("ReportPanel", "Power Fouling Constants"));
    lines.push_back(" Rm:" + Text(rec.RmP));
    lines.push_back(" a:" + Text(rec.a));
    lines.push_back(" b:" + Text(rec.bP));
    lines.push_back(" r:" + Text(rec.rP));
    AddEmptyLines(lines, 1);
    AddHeading(lines, CoreText("ReportPanel", "Estimated full-scale volume"));
    lines.push_back(" " + q.ExpectedVolP + " " + CoreText("ReportPanel", q.EstimateUnit.c_str()));
    AddEmptyLines(lines, 1);
    AddHeading(lines, CoreText("ReportPanel", "Exponential Fouling Constants"));
    lines.push_back(" Rm:" + Text(rec.RmE));
    lines.push_back(" b:" + Text(rec.bE));
    lines.push_back(" r:" + Text(rec.rE));
    AddEmptyLines(lines, 1);
    AddHeading(lines, CoreText("ReportPanel", "Estimated full-scale volume"));
    lines.push_back(" " + q.ExpectedVolE + " " + CoreText("ReportPanel", q.EstimateUnit.c_str()));
    AddEmptyLines(lines, 6);
    return lines;
}

} // namespace

ReportQuantities StoredQuantities(const TWineRec& rec) {
    const TConditions& c = rec.Conditions;
    return {Text(c.LabP),
            Text(c.ProdP),
            std::string(PsiUnit.Name),
            Text(rec.LabEquivVol),
            std::string(GallonUnit.Name),
            Text(c.ProdRate),
            std::string((c.ProdRateUnits.get() == 0 ? BpmUnit : GpmUnit).Name),
            Text(rec.LabFaceVel),
            Text(rec.ProdFaceVel),
            std::string(GpmPerSquareMetreUnit.Name),
            Text(rec.ExpectedVolP),
            Text(rec.ExpectedVolE),
            ShownText("ReportPanel", "gallons")};
}

ReportLines FillLines(const TWineRec& rec) {
    return FillLines(rec, StoredQuantities(rec));
}

ReportLines FillLines(const TWineRec& rec, const ReportQuantities& quantities) {
    return {TableLines(rec, quantities), SummaryLines(rec, quantities)};
}

} // namespace zephra
