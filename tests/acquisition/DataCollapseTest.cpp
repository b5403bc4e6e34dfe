#include "acquisition/DataCollapse.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

void Fill(zephra::TData& data, int count) {
    for (int i = 1; i <= count; ++i) {
        data.V[i - 1].assign("V" + std::to_string(i));
        data.T[i - 1].M.assign(std::to_string(i));
        data.T[i - 1].Sc.assign(std::to_string(i % 60));
    }
}

TEST(DataCollapseTest, KeepsEvenPointsAsPoints1To18AndEmptiesTheRest) {
    zephra::TData data{};
    Fill(data, 36);
    data.MinSkip.set(4);
    zephra::DataCollapse(data);
    for (int k = 1; k <= 18; ++k) {
        EXPECT_EQ(data.V[k - 1].text(), "V" + std::to_string(2 * k)) << k;
        EXPECT_EQ(data.T[k - 1].M.text(), std::to_string(2 * k)) << k;
        EXPECT_EQ(data.T[k - 1].Sc.text(), std::to_string(2 * k % 60)) << k;
    }
    for (int i = 19; i <= 36; ++i) {
        EXPECT_TRUE(data.V[i - 1].empty()) << i;
        EXPECT_TRUE(data.T[i - 1].M.empty()) << i;
        EXPECT_TRUE(data.T[i - 1].Sc.empty()) << i;
    }
    EXPECT_EQ(data.MinSkip.get(), 4);
}

// The readings' times follow their points; a point without one stays without.
TEST(DataCollapseTest, ReadingTimesFollowTheirPoints) {
    zephra::TData data{};
    Fill(data, 36);
    zephra::WineNotes notes;
    for (int i = 1; i <= 36; ++i)
        notes.ReadingTimesDs.emplace_back(150 * i + 1);
    notes.ReadingTimesDs[3].reset(); // point 4, edited by hand
    zephra::DataCollapse(data, notes);
    ASSERT_EQ(notes.ReadingTimesDs.size(), 18u);
    for (int k = 1; k <= 18; ++k) {
        if (k == 2)
            EXPECT_FALSE(notes.ReadingTimesDs[k - 1]);
        else
            EXPECT_EQ(notes.ReadingTimesDs[k - 1], 300 * k + 1) << k;
    }
    EXPECT_EQ(data.V[0].text(), "V2");

    // Times of fewer points than were stored: the list ends at its last time.
    zephra::WineNotes few;
    few.ReadingTimesDs = {151, 302, 449};
    zephra::DataCollapse(data, few);
    EXPECT_EQ(few.ReadingTimesDs, (std::vector<std::optional<int>>{302}));
}

TEST(DataCollapseTest, FewerPointsCopyEmptyTexts) {
    zephra::TData data{};
    Fill(data, 5);
    zephra::DataCollapse(data);
    EXPECT_EQ(data.V[0].text(), "V2");
    EXPECT_EQ(data.V[1].text(), "V4");
    EXPECT_TRUE(data.V[2].empty());
    EXPECT_TRUE(data.T[2].M.empty());
}

} // namespace
