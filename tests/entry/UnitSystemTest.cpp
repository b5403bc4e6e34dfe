#include "entry/UnitSystem.h"

#include "document/Quantities.h"

#include <gtest/gtest.h>

namespace zephra {
namespace {

constexpr DisplayUnits MetricLitres{UnitSystem::Metric, MetricFlowUnit::LitresPerHour};
constexpr DisplayUnits MetricHectolitres{UnitSystem::Metric, MetricFlowUnit::HectolitresPerHour};

TEST(UnitSystemTest, FactorsFollowTheExactDefinitions) {
    EXPECT_NEAR(BarPerPsi, 0.0689475729, 5e-11);
    EXPECT_NEAR(1 / BarPerPsi, 14.503773773, 1e-8); // psi per bar
    struct Case {
        const char* quantity;
        double us;
        double litres;
        double hectolitres;
    };
    const Case cases[] = {
        {"pressure", PressureFactor(UsUnits), PressureFactor(MetricLitres),
         PressureFactor(MetricHectolitres)},
        {"volume", VolumeFactor(UsUnits), VolumeFactor(MetricLitres),
         VolumeFactor(MetricHectolitres)},
        {"flow", FlowFactor(UsUnits), FlowFactor(MetricLitres), FlowFactor(MetricHectolitres)},
        {"face velocity", FaceVelocityFactor(UsUnits), FaceVelocityFactor(MetricLitres),
         FaceVelocityFactor(MetricHectolitres)},
    };
    const double expected[][2] = {
        {BarPerPsi, BarPerPsi},
        {0.03785411784, 0.03785411784},
        {227.12470704, 2.2712470704}, // 3.785411784 L × 60 min per h
        {227.12470704, 227.12470704},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(cases[i].us, 1.0) << cases[i].quantity;
        EXPECT_NEAR(cases[i].litres, expected[i][0], expected[i][0] * 1e-15) << cases[i].quantity;
        EXPECT_NEAR(cases[i].hectolitres, expected[i][1], expected[i][1] * 1e-15)
            << cases[i].quantity;
    }
}

TEST(UnitSystemTest, UnitLabels) {
    EXPECT_EQ(PressureUnit(UsUnits), "psi");
    EXPECT_EQ(PressureUnit(MetricLitres), "bar");
    EXPECT_EQ(VolumeUnit(UsUnits), "gal");
    EXPECT_EQ(VolumeUnit(MetricLitres), "hL");
    EXPECT_EQ(FlowUnit(UsUnits), "gpm");
    EXPECT_EQ(FlowUnit(MetricLitres), "L/h");
    EXPECT_EQ(FlowUnit(MetricHectolitres), "hL/h");
    EXPECT_EQ(FaceVelocityUnit(UsUnits), "gpm/m2");
    EXPECT_EQ(FaceVelocityUnit(MetricLitres), "L/(m²·h)");
}

TEST(UnitSystemTest, NamesReadBackAndNothingElseIsAName) {
    for (const UnitSystem system : {UnitSystem::Us, UnitSystem::Metric}) {
        EXPECT_EQ(UnitSystemNamed(UnitSystemName(system)), system);
    }
    for (const MetricFlowUnit unit :
         {MetricFlowUnit::LitresPerHour, MetricFlowUnit::HectolitresPerHour}) {
        EXPECT_EQ(MetricFlowUnitNamed(MetricFlowUnitName(unit)), unit);
    }
    EXPECT_EQ(UnitSystemName(UnitSystem::Metric), "metric");
    EXPECT_EQ(MetricFlowUnitName(MetricFlowUnit::HectolitresPerHour), "hL/h");
    for (const char* name : {"", "US", "Metric", "si", "metric "}) {
        EXPECT_FALSE(UnitSystemNamed(name)) << name;
    }
    for (const char* name : {"", "l/h", "HL/h", "gpm"}) {
        EXPECT_FALSE(MetricFlowUnitNamed(name)) << name;
    }
}

} // namespace
} // namespace zephra
