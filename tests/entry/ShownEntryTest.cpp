#include "entry/ShownEntry.h"

#include "document/Quantities.h"
#include "entry/ConditionsCheck.h"
#include "entry/FixedText.h"
#include "entry/NumberText.h"
#include "entry/UnitSystem.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace zephra {
namespace {

constexpr DisplayUnits MetricLitres{UnitSystem::Metric, MetricFlowUnit::LitresPerHour};
constexpr DisplayUnits MetricHectolitres{UnitSystem::Metric, MetricFlowUnit::HectolitresPerHour};

struct Field {
    const char* name;
    ConditionsField field;
    double factor;
};

const Field LabPressureBar{"lab pressure (bar)", ConditionsField::LabPressure,
                           PressureFactor(MetricLitres)};
const Field MaxPressureBar{"max pressure (bar)", ConditionsField::MaxPressure,
                           PressureFactor(MetricLitres)};
const Field RateLitres{"rate (L/h)", ConditionsField::Rate, FlowFactor(MetricLitres)};
const Field RateHectolitres{"rate (hL/h)", ConditionsField::Rate, FlowFactor(MetricHectolitres)};

std::optional<std::string> Stored(const Field& f, std::string_view typed) {
    return StoredEntryText(typed, f.factor, StoredFormatOf(f.field));
}

std::string Shown(const Field& f, std::string_view stored) {
    return ShownEntryText(stored, f.factor, StoredFormatOf(f.field));
}

// What is typed in the dialog, what the record keeps and what the dialog
// shows when it opens again.
TEST(ShownEntryTest, RoundTripsThroughTheDialogTexts) {
    struct Case {
        const Field& field;
        const char* typed;
        const char* stored;
        const char* shown;
    };
    const Case cases[] = {
        {LabPressureBar, "2", "29.0", "2"},
        {LabPressureBar, "2.00", "29.0", "2"},
        {LabPressureBar, "1.5", "21.8", "1.5"},
        {LabPressureBar, "0.05", " 0.7", "0.05"},
        {LabPressureBar, "2.07", "30.0", "2.07"},
        {LabPressureBar, "6.9", " 100", "6.9"}, // from 100 psi on without decimals
        {LabPressureBar, "68.9", " 999", "68.9"},
        {LabPressureBar, "0.0069", " 0.1", "0.01"},
        {LabPressureBar, "2.004", "29.1", "2.006"}, // finer than the record keeps
        {MaxPressureBar, "3.5", "  51", "3.5"},
        {MaxPressureBar, "2", "  29", "2"},
        {MaxPressureBar, "0.1", "   1", "0.1"},
        {RateLitres, "5000", "22.0", "5000"},
        {RateLitres, "1200", " 5.3", "1200"},
        {RateLitres, "454000", "1998", "454000"}, // the record cuts, it does not round
        {RateHectolitres, "50", "22.0", "50"},
        {RateHectolitres, "12.5", " 5.5", "12.5"},
    };
    for (const Case& c : cases) {
        const std::optional<std::string> stored = Stored(c.field, c.typed);
        ASSERT_TRUE(stored) << c.field.name << " " << c.typed;
        EXPECT_EQ(*stored, c.stored) << c.field.name << " " << c.typed;
        EXPECT_EQ(Shown(c.field, *stored), c.shown) << c.field.name << " " << c.typed;
    }
}

TEST(ShownEntryTest, OutOfRangeOrNotANumberStoresNothing) {
    for (const char* typed : {"69", "0.0068", "", "2,5", "abc", "2 "}) {
        EXPECT_FALSE(Stored(LabPressureBar, typed)) << typed;
    }
    EXPECT_FALSE(Stored(RateLitres, "454100"));
    EXPECT_FALSE(Stored(RateLitres, "22"));
    EXPECT_NEAR(*ParseEntryNumber(ConvertedEntryText("2", BarPerPsi)), 29.00754754604, 1e-11);
    EXPECT_EQ(ConvertedEntryText("2,5", BarPerPsi), "2,5");
}

// Every text a field can store shows as a value that stores that text
// again: opening the dialog and pressing OK never changes a wine.
TEST(ShownEntryTest, EveryStoredTextComesBackFromWhatItShows) {
    for (const Field* f : {&LabPressureBar, &MaxPressureBar, &RateLitres, &RateHectolitres}) {
        const StoredFormat format = StoredFormatOf(f->field);
        for (int tenths = static_cast<int>(format.Lo * 10); tenths <= format.Hi * 10; ++tenths) {
            std::string stored = FixedText(tenths / 10.0, 0, 1);
            bool error = false;
            double value = 0;
            Format(stored, error, value, format.Hi, format.Lo, format.Width, format.Decimals);
            ASSERT_FALSE(error) << stored;
            const std::string shown = Shown(*f, stored);
            EXPECT_EQ(Stored(*f, shown), stored) << f->name << ": " << stored << " shows " << shown;
        }
    }
}

// A value typed no finer than the record can tell apart comes back as typed.
TEST(ShownEntryTest, ValuesTypedAtTheShownPrecisionComeBackAsTyped) {
    struct Range {
        const Field& field;
        double from;
        double to;
        int decimals;
    };
    const Range ranges[] = {
        {LabPressureBar, 0.01, 6.89, 2}, // kept to 0.1 psi
        {LabPressureBar, 6.9, 68.9, 1},  // kept to 1 psi
        {MaxPressureBar, 0.1, 68.9, 1},
        {RateHectolitres, 1, 227, 0}, // kept to 0.1 gpm below 100 gpm
        {RateLitres, 100, 22700, -2}, // hundreds of litres
    };
    for (const Range& r : ranges) {
        const double step = std::pow(10.0, -r.decimals);
        for (double v = r.from; v <= r.to + step / 2; v += step) {
            const std::string typed = FixedText(v, 0, std::max(0, r.decimals));
            const std::optional<std::string> stored = Stored(r.field, typed);
            ASSERT_TRUE(stored) << r.field.name << " " << typed;
            EXPECT_EQ(ParseEntryNumber(Shown(r.field, *stored)), ParseEntryNumber(typed))
                << r.field.name << " " << typed << " stored as " << *stored;
        }
    }
}

TEST(ShownEntryTest, TextsThatAreNotStoredFormsStillShow) {
    EXPECT_EQ(Shown(LabPressureBar, ""), "");
    EXPECT_EQ(Shown(LabPressureBar, "abc"), "abc");
    EXPECT_EQ(Shown(LabPressureBar, "29"), "2");       // stored as "29.0"
    EXPECT_EQ(Shown(LabPressureBar, "5000"), "344.7"); // beyond the range
}

TEST(ShownEntryTest, RangeLimitsInTheShownUnit) {
    struct Case {
        const Field& field;
        const char* lo;
        const char* hi;
    };
    const Case cases[] = {
        {LabPressureBar, "0.0069", "68.9"},
        {MaxPressureBar, "0.069", "68.9"},
        {RateLitres, "22.8", "454000"},
        {RateHectolitres, "0.228", "4540"},
    };
    for (const Case& c : cases) {
        const StoredFormat format = StoredFormatOf(c.field.field);
        EXPECT_EQ(ShownBoundText(format.Lo, c.field.factor, true), c.lo) << c.field.name;
        EXPECT_EQ(ShownBoundText(format.Hi, c.field.factor, false), c.hi) << c.field.name;
        // Both lie inside the range the record takes.
        EXPECT_TRUE(Stored(c.field, c.lo)) << c.field.name;
        EXPECT_TRUE(Stored(c.field, c.hi)) << c.field.name;
    }
}

TEST(ShownEntryTest, SignificantDigits) {
    EXPECT_EQ(SignificantFixedText(0.0068947, 4), "0.006895");
    EXPECT_EQ(SignificantFixedText(344.73786, 4), "344.7");
    EXPECT_EQ(SignificantFixedText(454034.2, 4), "454034");
    EXPECT_EQ(SignificantFixedText(0, 4), "0");
}

} // namespace
} // namespace zephra
