// The reply parsers of the balance dialects, each with a table of lines as
// the balances print them.

#include "acquisition/AandDReply.h"
#include "acquisition/BalanceConditionText.h"
#include "acquisition/ContinuousReply.h"
#include "acquisition/EscPBalance.h"
#include "acquisition/MtSicsReply.h"
#include "acquisition/OhausReply.h"
#include "acquisition/SmaReply.h"
#include "acquisition/WeightReadingText.h"
#include "acquisition/WeightReply.h"
#include "acquisition/WeightUnit.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

using namespace zephra;

namespace {

using Cond = BalanceCondition;

// One line and what it must give. A weight case has Cond::None and
// `error` false; `grams` is then the value converted to grams.
struct ReplyCase {
    const char* line;
    bool error;
    Cond condition;
    double grams;
    bool stable;
    const char* unit;
    const char* detail;
};

ReplyCase Weight(const char* line, double grams, bool stable, const char* unit) {
    return {line, false, Cond::None, grams, stable, unit, ""};
}
ReplyCase NoWeight(const char* line, Cond condition, const char* detail = "") {
    return {line, true, condition, 0.0, true, "", detail};
}

// The ESC P reply of a balance whose unit is not known yet.
WeightReading EscPReply(std::string_view line) {
    return ParseWeightReply(line);
}

void Check(WeightReading (*parse)(std::string_view), const std::vector<ReplyCase>& cases) {
    for (const ReplyCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(c.line)));
        const WeightReading reading = parse(c.line);
        EXPECT_EQ(reading.Error, c.error);
        EXPECT_EQ(reading.Condition, c.condition);
        if (c.error) {
            if (c.condition == Cond::Refused || c.condition == Cond::UnknownUnit) {
                EXPECT_EQ(reading.Detail, c.detail);
            }
            continue;
        }
        EXPECT_NEAR(reading.WeightVal, c.grams, 1e-9 * std::max(1.0, std::abs(c.grams)));
        EXPECT_EQ(reading.Stable, c.stable);
        EXPECT_EQ(reading.Unit, c.unit);
    }
}

TEST(WeightUnitTest, UnitsConvertToGrams) {
    struct Case {
        const char* unit;
        double grams;
    };
    for (const Case& c :
         {Case{"g", 1.0}, Case{"kg", 1000.0}, Case{"mg", 0.001}, Case{"lb", 453.59237},
          Case{"lbs", 453.59237}, Case{"oz", 28.349523125}, Case{"ozt", 31.1034768},
          Case{"ct", 0.2}, Case{" KG ", 1000.0}, Case{"G", 1.0}}) {
        SCOPED_TRACE(c.unit);
        ASSERT_TRUE(GramsPerUnit(c.unit));
        EXPECT_EQ(*GramsPerUnit(c.unit), c.grams);
    }
    for (const char* unit : {"", "PCS", "%", "dwt", "lb:oz", "N", "gram"})
        EXPECT_FALSE(GramsPerUnit(unit)) << unit;
}

TEST(BalanceRepliesTest, MtSics) {
    Check(ParseMtSicsReply, {
                                Weight("S S     123.45 g\r\n", 123.45, true, "g"),
                                Weight("S D     123.47 g\r\n", 123.47, false, "g"),
                                Weight("S S    -12.34 g\r\n", -12.34, true, "g"),
                                Weight("S S   - 12.34 g\r\n", -12.34, true, "g"),
                                Weight("S S 123.45 g", 123.45, true, "g"),
                                Weight("S S      0.12345 kg\r", 123.45, true, "kg"),
                                Weight("S S     123450 mg\n", 123.45, true, "mg"),
                                Weight("S S     0.27216 lb\r\n", 0.27216 * 453.59237, true, "lb"),
                                Weight("S D     4.3543 oz\r\n", 4.3543 * 28.349523125, false, "oz"),
                                Weight("S S     3.9689 ozt\r\n", 3.9689 * 31.1034768, true, "ozt"),
                                Weight("S S     617.25 ct\r\n", 123.45, true, "ct"),
                                Weight("SI S     123.45 g\r\n", 123.45, true, "g"),
                                Weight("S\tS\t123.45\tg\r\n", 123.45, true, "g"),
                                NoWeight("S I\r\n", Cond::Busy),
                                NoWeight("S +\r\n", Cond::Overload),
                                NoWeight("S -\r\n", Cond::Underload),
                                NoWeight("ES\r\n", Cond::Refused, "ES"),
                                NoWeight("ET\r\n", Cond::Refused, "ET"),
                                NoWeight("EL\r\n", Cond::Refused, "EL"),
                                NoWeight("S S     123.45 PCS\r\n", Cond::UnknownUnit, "PCS"),
                                NoWeight("S S     123.45\r\n", Cond::None),
                                NoWeight("S X     123.45 g\r\n", Cond::None),
                                NoWeight("T S     123.45 g\r\n", Cond::None),
                                NoWeight("S S     12a.45 g\r\n", Cond::None),
                                NoWeight("S S  1e999 g\r\n", Cond::None),
                                NoWeight("", Cond::None),
                                NoWeight("\r\n", Cond::None),
                            });
    EXPECT_TRUE(MtSicsTared("T S      0.00 g\r\n"));
    for (const char* refused : {"T I\r\n", "T +\r\n", "T -\r\n", "EL\r\n", "", "TI D 1.00 g"})
        EXPECT_FALSE(MtSicsTared(refused)) << refused;
    EXPECT_EQ(MtSicsSerialNumber("I4 A \"B021002593\"\r\n"), "B021002593");
    EXPECT_FALSE(MtSicsSerialNumber("ES\r\n"));
    EXPECT_FALSE(MtSicsSerialNumber("I4 A \"unclosed\r\n"));
}

TEST(BalanceRepliesTest, AandD) {
    Check(ParseAandDReply, {
                               Weight("ST,+00123.45  g\r\n", 123.45, true, "g"),
                               Weight("US,+00123.47  g\r\n", 123.47, false, "g"),
                               Weight("ST,-00012.34  g\r\n", -12.34, true, "g"),
                               Weight("WT,+00123.45  g\r\n", 123.45, true, "g"),
                               Weight("ST,+0.123450 kg\r\n", 123.45, true, "kg"),
                               Weight("ST,+000.2722 lb\r\n", 0.2722 * 453.59237, true, "lb"),
                               Weight("ST,+004.3543 oz\r\n", 4.3543 * 28.349523125, true, "oz"),
                               Weight("ST,+003.9689ozt\r\n", 3.9689 * 31.1034768, true, "ozt"),
                               Weight("ST,+00617.25 ct\r\n", 123.45, true, "ct"),
                               Weight("ST,+00123.45,g\r\n", 123.45, true, "g"),
                               Weight("ST;+00123,45;g\r\n", 123.45, true, "g"),
                               Weight("ST,OK,+00123.45  g\r\n", 123.45, true, "g"),
                               Weight("US,HI,+00123.45  g\r", 123.45, false, "g"),
                               Weight("ST,+00123.45  g", 123.45, true, "g"),
                               Weight("ST,+00123.45  g\n", 123.45, true, "g"),
                               NoWeight("QT,+00001234 PC\r\n", Cond::UnknownUnit, "PC"),
                               NoWeight("ST,+00012.34  %\r\n", Cond::UnknownUnit, "%"),
                               NoWeight("OL,+9999999  g\r\n", Cond::Overload),
                               NoWeight("OL,+9999999E+19  g\r\n", Cond::Overload),
                               NoWeight("OL,-9999999  g\r\n", Cond::Underload),
                               NoWeight("EC,E11\r\n", Cond::Refused, "E11"),
                               NoWeight("EC,E01\r\n", Cond::Refused, "E01"),
                               NoWeight("ST,+00123.45\r\n", Cond::None),
                               NoWeight("XX,+00123.45  g\r\n", Cond::None),
                               NoWeight("ST +00123.45  g\r\n", Cond::None),
                               NoWeight("ST,+00123.4x  g\r\n", Cond::None),
                               NoWeight("", Cond::None),
                           });
    EXPECT_EQ(AandDIdentifier("ID,LAB-0123\r\n"), "LAB-0123");
    EXPECT_FALSE(AandDIdentifier("ST,+00123.45  g\r\n"));
}

TEST(BalanceRepliesTest, Ohaus) {
    Check(ParseOhausReply, {
                               Weight("     123.45 g    \r\n", 123.45, true, "g"),
                               Weight("     123.47 g    ?\r\n", 123.47, false, "g"),
                               Weight("     123.47 g  ?  \r\n", 123.47, false, "g"),
                               Weight("     -12.34 g    \r\n", -12.34, true, "g"),
                               Weight("-    12.34 g  NET\r\n", -12.34, true, "g"),
                               Weight("     123.45 g    G\r\n", 123.45, true, "g"),
                               Weight("     192.08 g   00:00:30\r\n", 192.08, true, "g"),
                               Weight("     176.30 g ? 00:00:15\r\n", 176.30, false, "g"),
                               Weight("   0.12345 kg     \r\n", 123.45, true, "kg"),
                               Weight("    0.2722 lb ?\r\n", 0.2722 * 453.59237, false, "lb"),
                               Weight("    4.3543 oz     \r\n", 4.3543 * 28.349523125, true, "oz"),
                               Weight("    3.9689 ozt    \r\n", 3.9689 * 31.1034768, true, "ozt"),
                               Weight("    617.25 ct\n", 123.45, true, "ct"),
                               Weight("123.45 g", 123.45, true, "g"),
                               Weight("+   123.45 g  \r", 123.45, true, "g"),
                               NoWeight("          3 PCS  ?\r\n", Cond::UnknownUnit, "PCS"),
                               NoWeight("         OL g\r\n", Cond::Overload),
                               NoWeight("       -OL- g\r\n", Cond::Overload),
                               NoWeight("         UL g\r\n", Cond::Underload),
                               NoWeight("ES\r\n", Cond::Refused, "ES"),
                               NoWeight("     123.45\r\n", Cond::None),
                               NoWeight("     123.45 ?\r\n", Cond::None),
                               NoWeight("     abc g\r\n", Cond::None),
                               NoWeight("", Cond::None),
                           });
}

TEST(BalanceRepliesTest, Sma) {
    Check(ParseSmaReply, {
                             Weight("\n 1G     123.45g  \r", 123.45, true, "g"),
                             Weight("\n 1GM    123.47g  \r", 123.47, false, "g"),
                             Weight("\n 1N     -12.34g  \r", -12.34, true, "g"),
                             Weight("\nZ1G       0.00g  \r", 0.0, true, "g"),
                             Weight("\n 1G      5.025lb \r", 5.025 * 453.59237, true, "lb"),
                             Weight("\n 1G      7.650kg \r", 7650.0, true, "kg"),
                             Weight("\n 1GM     4.354oz \r", 4.354 * 28.349523125, false, "oz"),
                             Weight("\n 1g     5.0025lb \r", 5.0025 * 453.59237, true, "lb"),
                             Weight(" 1G     123.45g  \r\n", 123.45, true, "g"),
                             Weight("\n 1G      123.45 g \r", 123.45, true, "g"),
                             Weight("\n 1G     123.45g", 123.45, true, "g"),
                             NoWeight("\nO1G    9999.99g  \r", Cond::Overload),
                             NoWeight("\nU1G    -999.99g  \r", Cond::Underload),
                             NoWeight("\nE1G ----------g  \r", Cond::Refused, "E"),
                             NoWeight("\nT1N ----------g  \r", Cond::Refused, "T"),
                             NoWeight("\nI1G ----------g  \r", Cond::Refused, "I"),
                             NoWeight("\ne1G     123.45g  \r", Cond::Busy),
                             NoWeight("\n?\r", Cond::Refused, "?"),
                             NoWeight("\n 1G     123.45pcs\r", Cond::UnknownUnit, "pcs"),
                             NoWeight("\n 1G     123.45   \r", Cond::None),
                             NoWeight("\n 1X     123.45g  \r", Cond::None),
                             NoWeight("\n 1GX    123.45g  \r", Cond::None),
                             NoWeight("\n 1G\r", Cond::None),
                             NoWeight("", Cond::None),
                         });
    EXPECT_EQ(SmaAbout("\nSMA:2/1.0\r"), "SMA:2/1.0");
    EXPECT_FALSE(SmaAbout("\n?\r"));
}

// A continuous balance prints in any of the families' forms, or as a plain
// value and unit.
TEST(BalanceRepliesTest, Continuous) {
    Check(ParseContinuousLine, {
                                   Weight("S D     123.47 g\r\n", 123.47, false, "g"),
                                   Weight("ST,+00123.45  g\r\n", 123.45, true, "g"),
                                   Weight("US,+0.123470 kg\r\n", 123.47, false, "kg"),
                                   Weight(" 1GM    123.47g  \r", 123.47, false, "g"),
                                   Weight("     123.45 g  ?\r\n", 123.45, false, "g"),
                                   Weight("+   123.45 g  \r\n", 123.45, true, "g"),
                                   Weight("-    12.34 g  \r\n", -12.34, true, "g"),
                                   Weight("   +123.45 g\r\n", 123.45, true, "g"),
                                   Weight("0.12345 kg", 123.45, true, "kg"),
                                   NoWeight("S +\r\n", Cond::Overload),
                                   NoWeight("OL,+9999999  g\r\n", Cond::Overload),
                                   NoWeight("O1G    9999.99g  \r", Cond::Overload),
                                   NoWeight("        OL g\r\n", Cond::Overload),
                                   NoWeight("   123.45 lb:oz\r\n", Cond::UnknownUnit, "lb:oz"),
                                   NoWeight("   123.45\r\n", Cond::None),
                                   NoWeight("+   123.45    \r\n", Cond::None),
                                   NoWeight("\x80\x91\xa3\xfe\r\n", Cond::None),
                                   NoWeight("", Cond::None),
                               });
}

// The ESC P reply: sign, magnitude in characters 2 to 10, then the unit,
// which converts the value to grams as in every other dialect; a reply
// without a unit is a reading in grams, in motion.
TEST(BalanceRepliesTest, EscP) {
    Check(EscPReply, {
                         Weight("+   212.40 g  \r", 212.4, true, "g"),
                         Weight("+   212.40    \r", 212.4, false, ""),
                         Weight("+   212.40\r", 212.4, false, ""),
                         Weight("+  0.21240 kg \r", 212.4, true, "kg"),
                         Weight("-  0.21240 kg \r", -212.4, true, "kg"),
                         Weight("+   212400 mg \r", 212.4, true, "mg"),
                         Weight("+  0.46826 lb \r", 0.46826 * 453.59237, true, "lb"),
                         Weight("+   7.4921 oz \r", 7.4921 * 28.349523125, true, "oz"),
                         Weight("+   6.8288 ozt\r", 6.8288 * 31.1034768, true, "ozt"),
                         Weight("+  1062.00 ct \r", 212.4, true, "ct"),
                         Weight("+  0.21240 KG \r", 212.4, true, "KG"),
                         Weight("+   212.40 G\r", 212.4, true, "G"),
                         NoWeight("+   212.40 PCS\r", Cond::UnknownUnit, "PCS"),
                         NoWeight("+   212.40 %  \r", Cond::UnknownUnit, "%"),
                         NoWeight("+  Overload     \r", Cond::None),
                         NoWeight("+   12.34  g\r", Cond::None),
                     });
}

// A value no laboratory balance weighs (beyond 100 kg either way) is no
// weight in any dialect: the reading names it as the balance sent it.
TEST(BalanceRepliesTest, ValuesBeyondAnyBalanceAreNoWeight) {
    const std::string nines(50, '9');
    struct Case {
        WeightReading (*parse)(std::string_view);
        std::string line;
        const char* detail;
    };
    const Case cases[] = {
        {ParseMtSicsReply, "S S " + nines + " kg\r\n", "1e+50 kg"},
        {ParseMtSicsReply, "S S     100.01 kg\r\n", "100.01 kg"},
        {ParseMtSicsReply, "S S    -100001 g\r\n", "-100001 g"},
        {ParseAandDReply, "ST,+2000060  g\r\n", "2000060 g"},
        {ParseOhausReply, "   2000060 g    \r\n", "2000060 g"},
        {ParseSmaReply, "\n 1G    2000060g  \r", "2000060 g"},
        {ParseContinuousLine, "2000060 g\r\n", "2000060 g"},
        {ParseContinuousLine, nines + " kg\r\n", "1e+50 kg"},
        {EscPReply, "+999999999 kg \r", "999999999 kg"},
        {EscPReply, "-   200000    \r", "-200000 g"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const WeightReading reading = c.parse(c.line);
        EXPECT_TRUE(reading.Error);
        EXPECT_EQ(reading.Condition, Cond::OutOfRange);
        EXPECT_EQ(reading.Detail, c.detail);
        EXPECT_NE(BalanceConditionText(reading).find(c.detail), std::string::npos)
            << BalanceConditionText(reading);
    }
    // 100 kg itself is a weight.
    EXPECT_FALSE(ParseMtSicsReply("S S    100.000 kg\r\n").Error);
}

// A reply in motion carries no unit: its value is in the unit the caller
// knows from an earlier reply.
TEST(BalanceRepliesTest, EscPInMotionTakesTheKnownUnit) {
    const WeightReading kilograms = ParseWeightReply("+  0.21240    \r", "kg");
    EXPECT_FALSE(kilograms.Error);
    EXPECT_DOUBLE_EQ(kilograms.WeightVal, 212.4);
    EXPECT_FALSE(kilograms.Stable);
    EXPECT_EQ(kilograms.Unit, "");
    EXPECT_DOUBLE_EQ(ParseWeightReply("+   7.4921 oz \r", "kg").WeightVal, 7.4921 * 28.349523125);
}

// One reply line per exchange, written in advance.
class ScriptedTransport : public BalanceTransport {
public:
    explicit ScriptedTransport(std::vector<std::string> replies) : replies_(std::move(replies)) {}
    std::string Name() const override { return "scripted"; }
    void Open() override {
        reply_ = replies_.at(next_++);
        read_ = 0;
    }
    void Write(std::string_view) override {}
    char ReadChar(int) override { return reply_.at(read_++); }
    void EndExchange() override {}
    void Close() noexcept override {}
    void Interrupt() noexcept override {}

private:
    std::vector<std::string> replies_;
    std::size_t next_ = 0;
    std::string reply_;
    std::size_t read_ = 0;
};

// The ESC P link takes a reply in motion in the unit of its latest reply
// that had one: grams until then.
TEST(EscPBalanceTest, ReplyInMotionTakesTheLatestUnit) {
    EscPBalance balance(std::make_unique<ScriptedTransport>(std::vector<std::string>{
                            "+  0.21240    \r", "+  0.21240 kg \r", "+  0.21300    \r",
                            "+   7.4921 oz \r", "+   7.5000    \r"}),
                        100);
    struct Expected {
        double grams;
        bool stable;
    };
    for (const Expected& e :
         {Expected{0.2124, false}, Expected{212.4, true}, Expected{213.0, false},
          Expected{7.4921 * 28.349523125, true}, Expected{7.5 * 28.349523125, false}}) {
        const WeightReading reading = balance.GetWeight();
        EXPECT_FALSE(reading.Error);
        EXPECT_NEAR(reading.WeightVal, e.grams, 1e-9);
        EXPECT_EQ(reading.Stable, e.stable);
    }
}

// The ESC P reply keeps its value and its checks; its unit is kept, and a
// reply without one is a reading in motion.
TEST(BalanceRepliesTest, EscPUnitAndStability) {
    const WeightReading stable = ParseWeightReply("+   123.45 g  \r");
    EXPECT_FALSE(stable.Error);
    EXPECT_EQ(stable.WeightVal, 123.45);
    EXPECT_EQ(stable.Unit, "g");
    EXPECT_TRUE(stable.Stable);
    const WeightReading moving = ParseWeightReply("+   123.45    \r");
    EXPECT_EQ(moving.WeightVal, 123.45);
    EXPECT_EQ(moving.Unit, "");
    EXPECT_FALSE(moving.Stable);
    EXPECT_EQ(moving.Condition, Cond::None);
}

TEST(BalanceRepliesTest, ConditionsInTheLabsWords) {
    struct Case {
        WeightReading reading;
        const char* text;
    };
    auto with = [](Cond condition, const char* detail) {
        WeightReading reading;
        reading.Error = true;
        reading.Condition = condition;
        reading.Detail = detail;
        return reading;
    };
    for (const Case& c : {
             Case{with(Cond::Overload, ""), "The balance reports an overload."},
             Case{with(Cond::Underload, ""), "The balance reports an underload."},
             Case{with(Cond::Busy, ""), "The balance is busy and gives no weight."},
             Case{with(Cond::Refused, "ES"), "The balance reports an error (ES)."},
             Case{with(Cond::UnknownUnit, "PCS"),
                  "The balance weighs in \"PCS\", which cannot be converted to grams. Set the "
                  "balance to grams."},
             Case{with(Cond::OutOfRange, "1e+50 kg"),
                  "The balance reads 1e+50 kg, beyond the range of a laboratory balance "
                  "(100 kg)."},
             Case{with(Cond::None, ""), ""},
         }) {
        EXPECT_EQ(BalanceConditionText(c.reading), c.text);
    }
    EXPECT_EQ(WeightReadingText(ParseMtSicsReply("S D   0.12347 kg\r\n")),
              "0.12347 kg = 123.47 g, in motion");
    EXPECT_EQ(WeightReadingText(ParseMtSicsReply("S S   123.45 g\r\n")), "123.45 g, stable");
    EXPECT_EQ(WeightReadingText(ParseMtSicsReply("S +\r\n")), "The balance reports an overload.");
    EXPECT_EQ(WeightReadingText(ParseMtSicsReply("garbage")), "The reply was not a weight.");
}

// A reply's own texts reach the terminal and the windows with their control
// characters as escapes: a peer's reply can hold anything.
TEST(BalanceRepliesTest, ControlCharactersOfAReplyAreShownAsEscapes) {
    WeightReading refused;
    refused.Error = true;
    refused.Condition = Cond::Refused;
    refused.Detail = "E\x1B]0;title\x07";
    WeightReading unit = refused;
    unit.Condition = Cond::UnknownUnit;
    unit.Detail = "\x1B[2J";
    WeightReading weight;
    weight.WeightStr = "12\x1B[2J";
    weight.Unit = "g\xC2\x9B";
    weight.Stable = true;
    const std::pair<WeightReading, const char*> cases[] = {
        {refused, "The balance reports an error (E\\x1B]0;title\\x07)."},
        {unit, "The balance weighs in \"\\x1B[2J\", which cannot be converted to grams. Set the "
               "balance to grams."},
        {weight, "12\\x1B[2J g\\u009B = 0.00 g, stable"},
    };
    for (const auto& [reading, text] : cases) {
        EXPECT_EQ(WeightReadingText(reading), text);
    }
    EXPECT_EQ(BalanceConditionText(refused), "The balance reports an error (E\\x1B]0;title\\x07).");
}

} // namespace
