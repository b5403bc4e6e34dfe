#include "document/Report.h"

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

// A heading and its rule of dashes as long as the heading.
void AddHeading(std::vector<std::string>& lines, const std::string& heading) {
    lines.push_back(" " + heading);
    lines.push_back(" " + Dashes(static_cast<int>(Utf8Characters(heading))));
}

std::vector<std::string> TableLines(const TWineRec& rec) {
    const TConditions& c = rec.Conditions;
    std::vector<std::string> lines;
    AddEmptyLines(lines, 2);
    lines.push_back(Blanks(11) + LeftAligned(CoreText("ReportPanel", "Laboratory Conditions"), 39) +
                    CoreText("ReportPanel", "Full Scale Conditions"));
    lines.push_back("   " + Dashes(37) + "   " + Dashes(32));
    lines.push_back(RightAligned(CoreText("ReportPanel", "pressure"), 27) + ": " + Text(c.LabP) +
                    " psi" + RightAligned(CoreText("ReportPanel", "maximum pressure"), 25) + ": " +
                    Text(c.ProdP) + " psi");
    lines.push_back(RightAligned(CoreText("ReportPanel", "area"), 27) + ":" + Text(rec.LabA) +
                    " cm2" + RightAligned(CoreText("ReportPanel", "area"), 25) + ": " +
                    Text(c.ProdA) + " m2");
    lines.push_back(RightAligned(CoreText("ReportPanel", "equivalent volume passed"), 27) + ": " +
                    Text(rec.LabEquivVol) + " gal" +
                    RightAligned(CoreText("ReportPanel", "rate"), 25) + ": " + Text(c.ProdRate) +
                    " " + (c.ProdRateUnits.get() == 0 ? "bpm" : "gpm"));
    lines.push_back(RightAligned(CoreText("ReportPanel", "average face velocity"), 27) + ": " +
                    Text(rec.LabFaceVel) + " gpm/m2" +
                    RightAligned(CoreText("ReportPanel", "face velocity"), 22) + ": " +
                    Text(rec.ProdFaceVel) + " gpm/m2");
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

std::vector<std::string> SummaryLines(const TWineRec& rec) {
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
    lines.push_back(" " + Text(rec.ExpectedVolP) + " " + CoreText("ReportPanel", "gallons"));
    AddEmptyLines(lines, 1);
    AddHeading(lines, CoreText("ReportPanel", "Exponential Fouling Constants"));
    lines.push_back(" Rm:" + Text(rec.RmE));
    lines.push_back(" b:" + Text(rec.bE));
    lines.push_back(" r:" + Text(rec.rE));
    AddEmptyLines(lines, 1);
    AddHeading(lines, CoreText("ReportPanel", "Estimated full-scale volume"));
    lines.push_back(" " + Text(rec.ExpectedVolE) + " " + CoreText("ReportPanel", "gallons"));
    AddEmptyLines(lines, 6);
    return lines;
}

} // namespace

ReportLines FillLines(const TWineRec& rec) {
    return {TableLines(rec), SummaryLines(rec)};
}

} // namespace zephra
