// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "countersinking/countersink_data.h"
#include "fingerprint.h"

#include "shell/number_text.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

using namespace zerbo;

namespace {

TEST(CountersinkData, TypesAndTheirSizeLists) {
    EXPECT_EQ(CountersinkTypes[1].item, "Kegelsenker 90°  3 Schn Morsek.");
    EXPECT_EQ(CountersinkCoatings(0)[2], "HSS TiCN-beschichtet");
    struct Case {
        int type, coatings, edges, angle;
        size_t sizes;
        std::string_view first, last;
    };
    const Case cases[] = {
        {0, 3, 3, 90, 18, "4.3", "31"},
        {2, 1, 3, 75, 2, "10.4", "16.5"},
        {5, 1, 1, 90, 7, "6", "31.5"},
        {7, 1, 2, 0, 7, "6 * 3.2    (M3)", "20 * 13    (M12)"},
        {10, 1, 3, 0, 9, "15  (M8)", "40  (M24)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CountersinkCoatings(c.type).size(), static_cast<size_t>(c.coatings)) << c.type;
        EXPECT_EQ(CountersinkTypes[c.type].edges, c.edges) << c.type;
        EXPECT_EQ(CountersinkTypes[c.type].angle, c.angle) << c.type;
        const auto sizes = CountersinkSizes(c.type);
        ASSERT_EQ(sizes.size(), c.sizes) << c.type;
        EXPECT_EQ(sizes.front(), c.first) << c.type;
        EXPECT_EQ(sizes.back(), c.last) << c.type;
    }
}

// Every size has a lower bound below D and a preset (where there is one)
// between the lower bound and D, and the feed table reaches every size.
TEST(CountersinkData, PreDrillTablesCoverEverySizeInsideItsDiameter) {
    for (int t = 0; t < kCoreHoleType; ++t) {
        const auto sizes = CountersinkSizes(t);
        for (int i = 0; i < static_cast<int>(sizes.size()); ++i) {
            const double d = *ReadNumber(TextBefore(sizes[i], " "), '.');
            const auto low = PreDrillLowerBound(t, i);
            ASSERT_TRUE(low) << t << "/" << i;
            EXPECT_LT(*low, d) << t << "/" << i;
            if (const auto preset = PreDrillPreset(t, i)) {
                EXPECT_GE(*preset, *low) << t << "/" << i;
                EXPECT_LT(*preset, d) << t << "/" << i;
            }
            EXPECT_FALSE(CountersinkFeed(14, i).empty());
        }
    }
    EXPECT_FALSE(PreDrillLowerBound(kCoreHoleType, 0));
    EXPECT_FALSE(PreDrillLowerBound(0, 18));
}

TEST(CountersinkData, SampledCells) {
    EXPECT_EQ(PreDrillLowerBound(0, 17), 4.2);
    EXPECT_EQ(PreDrillPreset(0, 17), 17.5);
    EXPECT_EQ(PreDrillPreset(1, 10), 22);
    EXPECT_FALSE(PreDrillPreset(1, 11));
    EXPECT_EQ(PreDrillLowerBound(8, 1), 1.1);
    EXPECT_EQ(PreDrillPreset(8, 1), 1.3);
    using V = std::vector<std::string>;
    EXPECT_EQ(PilotItems(5, 6), V{});
    EXPECT_EQ(PilotItems(8, 10), V{"6.4"});
    EXPECT_EQ(PilotItems(10, 3), (V{"8.5", "12", "15", "15.5"}));
    EXPECT_EQ(PilotItems(10, 8).back(), "26");
    EXPECT_EQ(CountersinkMaterials[14].item, "Messing ab MS63 (zäh)");
    EXPECT_EQ(CountersinkMaterials[7].forceRow, 8);
    struct Feed {
        int material, size;
        std::string_view text;
    };
    const Feed feeds[] = {{0, 0, "0.07"},   {0, 17, "0.16"}, {6, 3, "0.09"}, {9, 16, "0.22"},
                          {12, 17, "0.18"}, {14, 17, "0.2"}, {0, 18, ""},    {15, 0, ""}};
    for (const Feed& f : feeds)
        EXPECT_EQ(CountersinkFeed(f.material, f.size), f.text) << f.material << "/" << f.size;
}

// Every type, material and cell the lookups give. Pinned as they stand:
// after a deliberate change, compare the table with its source again and
// take the new value.
TEST(CountersinkData, EveryCellAsChecked) {
    zerbo::testing::Fingerprint fp;
    for (const CountersinkType& t : CountersinkTypes)
        fp << t.item << t.coatings << t.edges << t.angle;
    fp.all(CountersinkCoatingNames);
    for (const CountersinkMaterial& m : CountersinkMaterials) {
        fp << m.item << m.vcMin << m.vcMax << m.coolant << m.forceRow;
        EXPECT_LT(m.vcMin, m.vcMax) << m.item;
    }
    for (int type = -1; type <= static_cast<int>(CountersinkTypes.size()); ++type) {
        fp.all(CountersinkCoatings(type)) << "\x1d";
        fp.all(CountersinkSizes(type)) << "\x1d";
        for (int size = -1; size <= static_cast<int>(CountersinkSizes(type).size()); ++size) {
            fp << PreDrillLowerBound(type, size) << PreDrillPreset(type, size);
            fp.all(PilotItems(type, size)) << "\x1d";
        }
    }
    for (int material = -1; material <= static_cast<int>(CountersinkMaterials.size()); ++material)
        for (int size = -1; size <= 30; ++size)
            fp << CountersinkFeed(material, size);
    EXPECT_EQ(fp.hex(), "30e4508658e3f561");
}

} // namespace
