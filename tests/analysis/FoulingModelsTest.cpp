#include "analysis/FoulingModels.h"
#include "analysis/ExponentialModel.h"
#include "analysis/PowerModel.h"
#include "analysis/PowerModelSearch.h"

#include "AnalysisTestSupport.h"
#include "document/Real48.h"
#include "support/RecordingBoxes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace zephra {
namespace {

using test::RecordingBoxes;
using test::Text;

const std::string PowerFailedMessage =
    "The Power Model cannot be fitted to these data. Its results are left blank.";

// Points v = 0.01, 0.02, ... on the exponential model R = Rm·e^(m·v).
ExponentialFit ExactExponential(double Rm, double m, std::uint16_t n) {
    TRegressionData v{};
    TRegressionData L{};
    for (std::uint16_t i = 0; i < n; ++i) {
        v[i] = 0.01 * (i + 1);
        L[i] = std::log(Rm) + m * v[i];
    }
    return FitExponentialModel(v, L, n);
}

TEST(ExponentialModel, PointsOnTheModelGiveItsConstants) {
    const ExponentialFit fit = ExactExponential(1e11, 2, 10);
    ASSERT_EQ(fit.Status, ExponentialFitStatus::Fitted);
    TWineRec rec{};
    RecordingBoxes boxes;
    AnalysisWarnings warnings(true, boxes);
    // ln(10¹³ / 10¹¹) / 2 · 10 m² · 1000 / 3.7854 = 6082.8 gallons.
    StoreExponentialResults(rec, fit, 10, 1e13, ",", warnings);
    EXPECT_EQ(Text(rec.bE), "2.000");
    EXPECT_EQ(Text(rec.RmE), "100.00");
    EXPECT_EQ(Text(rec.rE), "1.000");
    EXPECT_EQ(Text(rec.ExpectedVolE), "6,083");
    EXPECT_TRUE(rec.ExpectedVolP.empty());
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST(ExponentialModel, ExpectedVolumeSpecialCases) {
    const struct {
        const char* name;
        double Rm, m, R_max;
        const char* volumeE;
        const char* volumeP;
        std::size_t messages;
    } cases[] = {
        {"Rm at R_max", 1e11, 2, 1e11, "  0", "  0", 1},
        {"Rm above R_max", 1e12, 2, 1e11, "  0", "  0", 1},
        {"no fouling", 1e11, -2, 1e13, "      ", "      ", 1},
        {"hardly any fouling", 1e11, 1e-9, 1e13, "over 1,000,000,000,000", "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TWineRec rec{};
        RecordingBoxes boxes;
        AnalysisWarnings warnings(true, boxes);
        StoreExponentialResults(rec, ExactExponential(c.Rm, c.m, 6), 10, c.R_max, ",", warnings);
        EXPECT_EQ(Text(rec.ExpectedVolE), c.volumeE);
        EXPECT_EQ(Text(rec.ExpectedVolP), c.volumeP);
        EXPECT_EQ(boxes.Texts().size(), c.messages);
    }
}

TEST(ExponentialModel, FillsTheColumnFromTheStoredVAUpToTheFirstEmptyRow) {
    TWineRec rec{};
    const char* VA[] = {"0.000", "0.500", "12.50"};
    for (int i = 0; i < 3; ++i) {
        rec.TableData[i].V.assign("  10.0");
        rec.TableData[i].VA.assign(VA[i]);
    }
    rec.TableData[4].V.assign("  10.0"); // after the empty row 4: not reached
    rec.TableData[4].VA.assign("0.100");
    FillExponentialColumn(rec, ExactExponential(1e11, 2, 6));
    EXPECT_EQ(Text(rec.TableData[0].Rexp), "100.00");
    EXPECT_EQ(Text(rec.TableData[1].Rexp), "271.83");
    EXPECT_EQ(Text(rec.TableData[2].Rexp), "> 1E15");
    EXPECT_TRUE(rec.TableData[3].Rexp.empty());
    EXPECT_TRUE(rec.TableData[4].Rexp.empty());
}

TEST(ExponentialModel, EqualOrUnboundedPointsAreNotFitted) {
    TRegressionData v{0.01, 0.02, 0.03, 0.04};
    TRegressionData equal{26.5, 26.5, 26.5, 26.5};
    EXPECT_EQ(FitExponentialModel(v, equal, 4).Status, ExponentialFitStatus::EqualResistances);

    TRegressionData huge{1e160, 2e160, 3e160, 4e160}; // their squares overflow
    TRegressionData L{26.5, 26.6, 26.8, 26.9};
    EXPECT_EQ(FitExponentialModel(huge, L, 4).Status, ExponentialFitStatus::OutOfRange);

    TRegressionData steep{0.001, 0.002, 0.003, 0.004};
    TRegressionData falling{700, 200, -300, -800}; // intercept e^1200 overflows
    EXPECT_EQ(FitExponentialModel(steep, falling, 4).Status, ExponentialFitStatus::OutOfRange);
}

TEST(PowerModelSearch, FindsTheCleanFilterResistanceOfAPowerLaw) {
    std::vector<double> v, R;
    for (int i = 1; i <= 10; ++i) {
        v.push_back(0.01 * i);
        R.push_back(2e11 + 5e13 * std::pow(0.01 * i, 1.5));
    }
    const PowerSearchResult fit = SearchPowerModel(v, R);
    ASSERT_EQ(fit.End, PowerSearchEnd::Fitted);
    EXPECT_EQ(fit.Rm, 199999600000.0);
    EXPECT_NEAR(fit.m, 1.5, 1e-5);
    EXPECT_NEAR(std::exp(fit.b), 5e13, 5e13 * 1e-4);
    EXPECT_GT(fit.r, 0.999999);
}

TEST(PowerModelSearch, ACoarseClimbEndingAtTheSmallestResistanceStillEndsBelowIt) {
    // The correlation rises all the way to R(1) = 4.9996·10⁹, so the coarse
    // stage ends by reaching it at 5·10⁹.
    std::vector<double> v, R;
    for (int i = 1; i <= 8; ++i) {
        v.push_back(0.0001 * i * i);
        R.push_back(4.9995e9 + 1e11 * std::pow(0.0001 * i * i, 1.5));
    }
    const PowerSearchResult fit = SearchPowerModel(v, R);
    ASSERT_EQ(fit.End, PowerSearchEnd::Fitted);
    EXPECT_EQ(fit.Rm, 4999500000.0);
    EXPECT_LT(fit.Rm, R[0]);
    EXPECT_NEAR(fit.m, 1.5, 1e-9);
}

TEST(PowerModelSearch, APointAtZeroResistanceFailsTheModel) {
    const std::vector<double> v{0.01, 0.02, 0.03, 0.04};
    const std::vector<double> R{5e11, 0, 6e11, 7e11};
    EXPECT_EQ(SearchPowerModel(v, R).End, PowerSearchEnd::Overshoot);
}

TEST(PowerModel, ResistancesTooHighForTheSearchFailTheModelWithAWarning) {
    // At 10⁴⁰ m⁻¹ no trial resistance the steps can reach changes R − Rm, so
    // the correlation never falls and the coarse climb would take 10³¹ steps.
    const std::vector<double> v{0.01, 0.02, 0.03, 0.04, 0.05};
    const std::vector<double> R{1e40, 2e40, 3e40, 4e40, 5e40};
    EXPECT_EQ(SearchPowerModel(v, R).End, PowerSearchEnd::TooManySteps);

    TWineRec rec{};
    rec.aReal = DoubleToReal48(7);
    RecordingBoxes boxes;
    AnalysisWarnings warnings(true, boxes);
    EXPECT_FALSE(FitPowerModel(rec, v, R, 10, 1e13, ",", warnings));
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"The resistances are too high for the Power "
                                                      "Model. Its results are left blank."});
    EXPECT_EQ(Text(rec.RmP), "      ");
    EXPECT_EQ(Text(rec.ExpectedVolP), "      ");
    EXPECT_EQ(Real48ToDouble(rec.aReal), 7);
}

TEST(PowerModel, AFailedSearchBlanksThePowerResultsSilently) {
    TWineRec rec{};
    rec.aReal = DoubleToReal48(1234.5);
    for (int i = 0; i < 3; ++i) {
        rec.TableData[i].V.assign("  10.0");
        rec.TableData[i].Rpower.assign("123.45");
    }
    RecordingBoxes boxes;
    AnalysisWarnings warnings(true, boxes);
    const std::vector<double> v{0.01, 0.02, 0.03, 0.04};
    const std::vector<double> R{5e11, 0, 6e11, 7e11};

    EXPECT_FALSE(FitPowerModel(rec, v, R, 10, 1e13, ",", warnings));

    EXPECT_TRUE(boxes.Texts().empty());
    EXPECT_EQ(Text(rec.RmP), "      ");
    EXPECT_EQ(Text(rec.a), "       ");
    EXPECT_EQ(Text(rec.bP), "     ");
    EXPECT_EQ(Text(rec.rP), "     ");
    EXPECT_EQ(Text(rec.ExpectedVolP), "      ");
    for (const TTableRow& row : rec.TableData) {
        EXPECT_EQ(Text(row.Rpower), "      ");
    }
    EXPECT_EQ(Real48ToDouble(rec.aReal), 1234.5);
}

TEST(PowerModel, ACoefficientBeyondTheSixByteRealFailsTheModelWithAWarning) {
    // R = 10¹¹ + 10⁴⁰·v⁵ on tiny volumes: a = 10⁴⁰ does not fit a Real48.
    std::vector<double> v, R;
    for (int i = 1; i <= 6; ++i) {
        v.push_back(1e-6 * i);
        R.push_back(1e11 + 1e40 * std::pow(1e-6 * i, 5));
    }
    TWineRec rec{};
    rec.aReal = DoubleToReal48(99);
    RecordingBoxes boxes;
    AnalysisWarnings warnings(true, boxes);
    EXPECT_FALSE(FitPowerModel(rec, v, R, 10, 1e13, ",", warnings));
    EXPECT_EQ(boxes.Texts(), std::vector{PowerFailedMessage});
    EXPECT_EQ(Text(rec.a), "       ");
    EXPECT_EQ(Real48ToDouble(rec.aReal), 99);
}

TEST(PowerModel, ExpectedVolumeCases) {
    const std::string RmMessage = "Expected volume cannot be calculated from Power Model. Rm is "
                                  "greater than maximum allowable production resistance.";
    const std::string ExponentMessage = "Expected volume cannot be calculated from Power Model. "
                                        "Its exponent b is zero or too close to zero.";
    const struct {
        const char* name;
        double m, b, Rm, R_max;
        const char* volume;
        std::vector<std::string> messages;
    } cases[] = {
        // (ln(10¹³ − 10¹¹) − ln 10¹³) / 1.5 = −0.0067: e^E · 10 · 1000 / 3.7854 = 2624.
        {"ordinary", 1.5, std::log(1e13), 1e11, 1e13, "2,624", {}},
        {"Rm at R_max", 1.5, std::log(1e13), 1e13, 1e13, "  0", {RmMessage}},
        {"exponent above 46", 0.05, std::log(1e11), 1e11, 1e13, " incalculably high", {}},
        {"exponent 45", 0.1, std::log(1e13 - 1e11) - 4.5, 1e11, 1e13, "over 1,000,000,000,000", {}},
        {"exponent b of 0", 0, std::log(1e11), 1e11, 1e13, "      ", {ExponentMessage}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TWineRec rec{};
        RecordingBoxes boxes;
        AnalysisWarnings warnings(true, boxes);
        StorePowerExpectedVolume(rec, {PowerSearchEnd::Fitted, c.m, c.b, 0.99, c.Rm}, 10, c.R_max,
                                 ",", warnings);
        EXPECT_EQ(Text(rec.ExpectedVolP), c.volume);
        EXPECT_EQ(boxes.Texts(), c.messages);
    }
}

TEST(PowerModel, ARowWhoseVAReadsZeroHasNoPowerValue) {
    std::vector<double> v, R;
    for (int i = 1; i <= 10; ++i) {
        v.push_back(0.01 * i);
        R.push_back(2e11 + 5e13 * std::pow(0.01 * i, 1.5));
    }
    TWineRec rec{};
    const char* VA[] = {"0.000", "0.010", "0.020"};
    for (int i = 0; i < 3; ++i) {
        rec.TableData[i].V.assign("  10.0");
        rec.TableData[i].VA.assign(VA[i]);
    }
    RecordingBoxes boxes;
    AnalysisWarnings warnings(true, boxes);
    ASSERT_TRUE(FitPowerModel(rec, v, R, 10, 1e13, ",", warnings));
    EXPECT_EQ(Text(rec.TableData[0].Rpower), "      ");
    EXPECT_EQ(Text(rec.TableData[1].Rpower), "250.00");
    EXPECT_EQ(Text(rec.TableData[2].Rpower), "341.42");
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"The Power Model has no value at a V/A of "
                                                      "0.000. Those rows show no Power Model "
                                                      "resistance."});
}

TEST(FoulingModels, ModelIsZeroWhenThePowerModelFails) {
    FoulingFitInput in;
    in.n = 6;
    for (int i = 0; i < 6; ++i) {
        in.v[i] = 1e-6 * (i + 1);
        in.R[i] = 1e11 + 1e40 * std::pow(in.v[i], 5);
        in.L[i] = std::log(in.R[i]);
    }
    in.A_prod = 10;
    in.R_max = 1e13;
    TWineRec rec{};
    rec.Model.set(1);
    RecordingBoxes boxes;
    AnalysisWarnings warnings(false, boxes);
    FitFoulingModels(rec, in, ",", warnings);
    EXPECT_EQ(rec.Model.get(), 0);
    EXPECT_EQ(Text(rec.RmP), "      ");
    EXPECT_FALSE(Text(rec.RmE).find_first_not_of(' ') == std::string::npos);
}

} // namespace
} // namespace zephra
