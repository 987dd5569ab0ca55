#include "countersinking/countersink_data.h"

#include "shell/number_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace zerbo;

namespace {

double D(std::string_view sizeItem) {
    return *ReadNumber(TextBefore(sizeItem, " "), '.');
}

TEST(CountersinkData, TypesKeepTheirTextsEdgesAndAngles) {
    ASSERT_EQ(CountersinkTypes.size(), 11u);
    EXPECT_EQ(CountersinkTypes[0].item, "Kegelsenker 90°  3 Schn. Zylindersch.");
    EXPECT_EQ(CountersinkTypes[1].item, "Kegelsenker 90°  3 Schn Morsek.");
    EXPECT_EQ(CountersinkTypes[10].item, "Flachsenker");
    const int coatings[] = {3, 2, 1, 2, 1, 1, 1, 1, 1, 1, 1};
    const int edges[] = {3, 3, 3, 3, 3, 1, 2, 2, 3, 3, 3};
    const int angles[] = {90, 90, 75, 60, 60, 90, 90, 0, 90, 0, 0};
    for (int t = 0; t < 11; ++t) {
        EXPECT_EQ(CountersinkCoatings(t).size(), static_cast<size_t>(coatings[t])) << t;
        EXPECT_EQ(CountersinkTypes[t].edges, edges[t]) << t;
        EXPECT_EQ(CountersinkTypes[t].angle, angles[t]) << t;
    }
    EXPECT_EQ(CountersinkCoatings(0)[2], "HSS TiCN-beschichtet");
    EXPECT_EQ(CountersinkCoatings(3)[1], "HSS TiN-beschichtet");
    EXPECT_TRUE(CountersinkCoatings(11).empty());
    EXPECT_TRUE(CountersinkCoatings(-1).empty());
}

TEST(CountersinkData, SizeListsFirstAndLastItems) {
    struct Case {
        int type;
        size_t count;
        std::string_view first, last;
    };
    const Case cases[] = {
        {0, 18, "4.3", "31"},
        {1, 16, "16.5", "100"},
        {2, 2, "10.4", "16.5"},
        {3, 7, "6.3", "25"},
        {4, 7, "16", "80"},
        {5, 7, "6", "31.5"},
        {6, 7, "6 * 3.2    (M3)", "23 * 13    (M12)"},
        {7, 7, "6 * 3.2    (M3)", "20 * 13    (M12)"},
        {8, 11, "2    (M1)", "11.5 (M6)"},
        {9, 7, "2.2  (M1)", "5    (M2.5)"},
        {10, 9, "15  (M8)", "40  (M24)"},
    };
    for (const Case& c : cases) {
        const auto sizes = CountersinkSizes(c.type);
        ASSERT_EQ(sizes.size(), c.count) << c.type;
        EXPECT_EQ(sizes.front(), c.first) << c.type;
        EXPECT_EQ(sizes.back(), c.last) << c.type;
    }
    EXPECT_EQ(CountersinkSizes(6)[3], "11.5 * 6.4 (M6)");
    EXPECT_EQ(CountersinkSizes(7)[3], "11 * 6.4   (M6)");
    EXPECT_TRUE(CountersinkSizes(11).empty());
}

// Every size has a lower bound below D and a preset (where there is one)
// between the lower bound and D; the feed table reaches every size.
TEST(CountersinkData, PreDrillTablesCoverEverySizeInsideItsDiameter) {
    for (int t = 0; t < 10; ++t) {
        const auto sizes = CountersinkSizes(t);
        for (int i = 0; i < static_cast<int>(sizes.size()); ++i) {
            const auto low = PreDrillLowerBound(t, i);
            ASSERT_TRUE(low) << t << "/" << i;
            EXPECT_LT(*low, D(sizes[i])) << t << "/" << i;
            if (const auto preset = PreDrillPreset(t, i)) {
                EXPECT_GE(*preset, *low) << t << "/" << i;
                EXPECT_LT(*preset, D(sizes[i])) << t << "/" << i;
            }
            EXPECT_FALSE(CountersinkFeed(14, i).empty());
        }
        EXPECT_FALSE(PreDrillLowerBound(t, 18));
    }
    EXPECT_FALSE(PreDrillLowerBound(kCoreHoleType, 0));
}

TEST(CountersinkData, PreDrillSamples) {
    struct Case {
        int type, size;
        double low;
        std::optional<double> preset;
    };
    const Case cases[] = {
        {0, 0, 1.3, 2.4}, {0, 3, 1.5, 3.4},  {0, 17, 4.2, 17.5}, {1, 0, 3.2, 9},  {1, 10, 4.8, 22},
        {1, 11, 10, {}},  {1, 15, 28, {}},   {2, 0, 2.5, {}},    {3, 6, 6.3, {}}, {4, 0, 4, {}},
        {5, 0, 1.5, 3.4}, {5, 6, 4.2, 17.5}, {6, 0, 3.2, 3.2},   {7, 6, 13, 13},  {8, 0, 1.1, 1.1},
        {8, 1, 1.1, 1.3}, {8, 10, 5.3, 6.4}, {9, 6, 2.4, 2.7},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PreDrillLowerBound(c.type, c.size), c.low) << c.type << "/" << c.size;
        EXPECT_EQ(PreDrillPreset(c.type, c.size), c.preset) << c.type << "/" << c.size;
    }
}

TEST(CountersinkData, PilotAndCoreHoleLists) {
    using V = std::vector<std::string>;
    EXPECT_EQ(PilotItems(0, 0), V{});
    EXPECT_EQ(PilotItems(5, 6), V{});
    EXPECT_EQ(PilotItems(6, 0), V{"3.2"});
    EXPECT_EQ(PilotItems(7, 6), V{"13"});
    EXPECT_EQ(PilotItems(9, 0), V{"1.1"});
    EXPECT_EQ(PilotItems(8, 10), V{"6.4"});
    EXPECT_EQ(PilotItems(10, 0), (V{"6.8", "8.4", "9"}));
    EXPECT_EQ(PilotItems(10, 2), PilotItems(10, 1));
    EXPECT_EQ(PilotItems(10, 1).size(), 9u);
    EXPECT_EQ(PilotItems(10, 3), (V{"8.5", "12", "15", "15.5"}));
    EXPECT_EQ(PilotItems(10, 5).back(), "20");
    EXPECT_EQ(PilotItems(10, 8).front(), "14");
    EXPECT_EQ(PilotItems(10, 8).back(), "26");
    EXPECT_EQ(PilotItems(10, 9), V{});
}

TEST(CountersinkData, MaterialsAndFeeds) {
    const auto& m = CountersinkMaterials;
    EXPECT_EQ(m[0].item, "Stahl bis 500 N/mm2");
    EXPECT_EQ(m[5].item, "Rost- und warmfester Stahl bis 1000 N/mm2");
    EXPECT_EQ(m[14].item, "Messing ab MS63 (zäh)");
    struct Case {
        int material, vcMin, vcMax, forceRow;
        std::string_view coolant;
    };
    const Case cases[] = {
        {0, 26, 30, 1, "Hochleistungskühlschmier-Konzentrat"},
        {4, 2, 5, 0, "Schneidöl"},
        {7, 9, 13, 8, "Trocken"},
        {12, 10, 30, 0, "Hochleistungskühlschmier-Konzentrat"},
        {14, 30, 50, 0, "Schneidöl"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(m[c.material].vcMin, c.vcMin) << c.material;
        EXPECT_EQ(m[c.material].vcMax, c.vcMax) << c.material;
        EXPECT_EQ(m[c.material].forceRow, c.forceRow) << c.material;
        EXPECT_EQ(m[c.material].coolant, c.coolant) << c.material;
    }
    struct Feed {
        int material, size;
        std::string_view text;
    };
    const Feed feeds[] = {{0, 0, "0.07"},   {0, 17, "0.16"}, {3, 15, "0.08"}, {6, 2, "0.1"},
                          {6, 3, "0.09"},   {9, 16, "0.22"}, {10, 0, "0.08"}, {12, 17, "0.18"},
                          {13, 14, "0.18"}, {14, 17, "0.2"}, {8, 10, "0.1"},  {7, 10, "0.09"}};
    for (const Feed& f : feeds)
        EXPECT_EQ(CountersinkFeed(f.material, f.size), f.text) << f.material << "/" << f.size;
    EXPECT_EQ(CountersinkFeed(0, 18), "");
    EXPECT_EQ(CountersinkFeed(15, 0), "");
}

} // namespace
