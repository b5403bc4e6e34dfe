#include "document/WineRec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace zephra {
namespace {

TEST(ShortStringTest, StoringWritesTheLengthAndTheTextOnly) {
    ShortString<6> s;
    std::memset(&s, 'x', sizeof s);
    s.assign("12.5");
    EXPECT_EQ(s.len, 4);
    EXPECT_EQ(s.text(), "12.5");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(s.chars), 6), "12.5xx");
    s.clear();
    EXPECT_TRUE(s.empty());
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(s.chars), 6), "12.5xx");
}

TEST(ShortStringTest, LongerTextKeepsItsFirstCharactersWhenCutOnPurpose) {
    TWineRec rec{};
    rec.Conditions.WineName.assignTruncated("Cabernet Sauvignon 2024"); // 23 characters
    EXPECT_EQ(rec.Conditions.WineName.text(), "Cabernet Sauvign");
    // The neighbouring field is not touched.
    EXPECT_TRUE(rec.Conditions.FilterName.empty());
    EXPECT_EQ(rec.Conditions.FilterName.chars[0], 0);
}

// A text that does not fit its field, stored without saying it may be
// cut, is a fault of the program: it stops there in every build of the
// tests rather than store another value.
TEST(ShortStringDeathTest, SilentCutStops) {
    setenv("ZEPHRA_FIELD_CHECKS", "1", 1);
    TWineRec rec{};
    EXPECT_DEATH(rec.Data.V[0].assign("2000050.0"), "\"2000050.0\" cut to 6 characters");
    EXPECT_DEATH(rec.Conditions.WineName.assign("Cabernet Sauvignon 2024"), "cut to 16");
    rec.Data.V[0].assign("   7.5");
    EXPECT_EQ(rec.Data.V[0].text(), "   7.5");
}

TEST(ShortStringTest, BlankResultsFillTheCapacity) {
    ShortString<7> a{};
    a.fillBlanks();
    EXPECT_EQ(a.text(), "       ");
    ShortString<25> volume{};
    volume.fillBlanks();
    EXPECT_EQ(volume.text(), std::string(25, ' '));
}

TEST(ShortStringTest, LengthByteAboveTheCapacityReadsAsTheWholeField) {
    ShortString<2> s;
    s.len = 200;
    s.chars[0] = '4';
    s.chars[1] = '2';
    EXPECT_EQ(s.text(), "42");
}

TEST(ShortStringTest, NewWineClassIsAllZero) {
    const TWineClass wine;
    EXPECT_FALSE(wine.Modified);
    const auto* bytes = reinterpret_cast<const unsigned char*>(&wine.WineRec);
    EXPECT_TRUE(
        std::all_of(bytes, bytes + sizeof wine.WineRec, [](unsigned char b) { return b == 0; }));
}

} // namespace
} // namespace zephra
