#include "document/Quantities.h"

#include <gtest/gtest.h>

#include <cmath>

#include <set>
#include <span>
#include <string>

namespace zephra {
namespace {

// Each conversion against its value worked out by hand from the
// definitions: a US gallon is 231 in³ (231 × 2.54³ cm³), a psi is
// 0.45359237 kg × 9.80665 m/s² on 0.0254² m².
TEST(QuantitiesTest, ConversionsFollowTheDefinitions) {
    struct Case {
        const char* what;
        double got;
        double expected;
    };
    const Case cases[] = {
        {"1 gal in L", Volume::Gallons(1).InLitres(), 231 * 2.54 * 2.54 * 2.54 / 1000},
        {"1 gal in hL", Volume::Gallons(1).InHectolitres(), 0.03785411784},
        {"1 hL in gal", Volume::Hectolitres(1).InGallons(), 26.417205235814842},
        {"1250 ml in L", Volume::Ml(1250).InLitres(), 1.25},
        {"2.5 L in ml", Volume::Litres(2.5).InMl(), 2500},
        {"1 psi in bar", Pressure::Psi(1).InBar(), 0.0689475729316836},
        {"1 bar in psi", Pressure::Bar(1).InPsi(), 14.503773773020923},
        {"2 psi in Pa", Pressure::Psi(2).InPa(), 13789.514586336727},
        {"17.3 cm² in m²", Area::SquareCentimetres(17.3).InSquareMetres(), 0.00173},
        {"1 gpm in L/h", Flow::Gpm(1).InLitresPerHour(), 227.12470704},
        {"1 gpm in hL/h", Flow::Gpm(1).InHectolitresPerHour(), 2.2712470704},
        {"1 bpm in L/h", Flow::Bpm(1).InLitresPerHour(), 45},
        {"2 L/min in L/h", Flow::LitresPerMinute(2).InLitresPerHour(), 120},
        {"30 hL/h in gpm", Flow::HectolitresPerHour(30).InGpm(), 13.208602617907421},
        {"30 hL/h on 4.2 m² in L/(m²·h)",
         Flow::HectolitresPerHour(30).Through(Area::SquareMetres(4.2)).InLitresPerSquareMetreHour(),
         714.28571428571429},
        {"1 gpm/m² in L/(m²·h)", Flux::GpmPerSquareMetre(1).InLitresPerSquareMetreHour(),
         227.12470704},
        {"90 s in min", Duration::Seconds(90).InMinutes(), 1.5},
        {"90 min in h", Duration::Minutes(90).InHours(), 1.5},
        {"0.25 h in s", Duration::Hours(0.25).InSeconds(), 900},
        {"99.6 g of density 0.996 in ml", Mass::Grams(99.6).AtDensity(0.996).InMl(), 100},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(c.got, c.expected, std::abs(c.expected) * 1e-14) << c.what;
    }
}

// The calculation's constants are part of every stored result: exactly
// these numbers, never the exact definitions.
TEST(QuantitiesTest, TheCalculationKeepsItsOwnConstants) {
    EXPECT_EQ(calc::LitresPerGallon, 3.7854);
    EXPECT_EQ(calc::PaPerPsi, 6894.8);
    EXPECT_EQ(calc::Pi, 3.14159);
    EXPECT_EQ(LitresPerBottle, 0.75);
    EXPECT_NE(calc::LitresPerGallon, LitresPerGallon);
}

TEST(QuantitiesTest, UnitTablesNameEachUnitOnceWithItsSize) {
    std::set<std::string> names;
    for (const auto& table :
         {std::span<const NamedUnit>(VolumeUnits), std::span<const NamedUnit>(FlowUnits)}) {
        for (const NamedUnit& unit : table) {
            EXPECT_TRUE(names.insert(std::string(unit.Name)).second) << unit.Name;
        }
    }
    EXPECT_EQ(VolumeUnits.front().Name, "gal");
    EXPECT_EQ(VolumeUnits.front().Size, 3.785411784);
    EXPECT_EQ(FlowUnits.front().Name, "gpm");
    EXPECT_NEAR(FlowUnits.front().Size, 227.12470704, 1e-12);
    EXPECT_EQ(BpmUnit.Size, 45);
    EXPECT_EQ(HectolitresPerHourUnit.Size, 100);
    EXPECT_NEAR(BarUnit.Size, 14.503773773020923, 1e-12);
}

} // namespace
} // namespace zephra
