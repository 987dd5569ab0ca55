// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drilling/drill_data.h"
#include "fingerprint.h"
#include "materials/force_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <tuple>

using namespace zerbo;

namespace {

constexpr auto kHss = DrillGroup::Hss;
constexpr auto kVhm = DrillGroup::Carbide;

// Keys with the diameter given as its list item (its first occurrence).
DrillKeys Keys(DrillGroup group, int tool, int coating, int material, std::string_view d) {
    const auto list = DrillDiameters(group, tool);
    const auto it = std::find(list.begin(), list.end(), d);
    EXPECT_NE(it, list.end()) << d;
    return {group, tool, coating, material, static_cast<int>(it - list.begin())};
}

std::string Feed(const DrillKeys& k) {
    const auto f = LookUpDrillFeedText(k);
    return f ? "[" + std::string(*f) + "]" : "none";
}

std::string Speed(const DrillKeys& k) {
    const auto s = LookUpDrillSpeedRange(k);
    return s ? std::to_string(s->min) + ".." + std::to_string(s->max) : "none";
}

TEST(DrillData, DiameterListsHaveTheirCountsAndEnds) {
    struct Case {
        DrillGroup group;
        int tool;
        std::size_t count;
        std::string_view first, last;
    };
    const Case cases[] = {
        {kHss, kHssTwistDrill, 232, "0.2", "75"},
        {kHss, kHssShellBoringTool, 45, "29.7", "62"},
        {kVhm, kCarbideTwistDrill, 108, "1", "20"},
        {kVhm, kInsertDrill, 36, "14", "44"},
        {kVhm, kCarbideShellBoringTool, 45, "29.7", "62"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tool);
        const auto list = DrillDiameters(c.group, c.tool);
        ASSERT_EQ(list.size(), c.count);
        EXPECT_EQ(list.front(), c.first);
        EXPECT_EQ(list.back(), c.last);
    }
    // 3.3 twice, around 3.25
    const auto twist = DrillDiameters(kHss, kHssTwistDrill);
    EXPECT_EQ(twist[48], "3.3");
    EXPECT_EQ(twist[49], "3.25");
    EXPECT_EQ(twist[50], "3.3");
    EXPECT_TRUE(DrillDiameters(kVhm, 7).empty());
    EXPECT_TRUE(DrillDiameters(kHss, -1).empty());
}

TEST(DrillData, ToolAndCoatingLists) {
    EXPECT_EQ(DrillTools(kHss).size(), 3u);
    ASSERT_EQ(DrillTools(kVhm).size(), 7u);
    EXPECT_EQ(DrillTools(kVhm)[1], "VHM-Spiralbohrer DIN 6537 kurz");
    EXPECT_EQ(DrillTools(kVhm)[6], "Aufsteck-Aufbohrer");
    EXPECT_EQ(DrillCoatings(kHss, 2)[1], "TiN-beschichtet");
    EXPECT_EQ(DrillCoatings(kVhm, 1)[0], "TiAIN-beschichtet");
    EXPECT_EQ(DrillCoatings(kVhm, 4).size(), 3u);
    EXPECT_EQ(DrillCoatings(kVhm, 4)[2], "TiC-beschichtet");
    for (int tool : {0, 3, 5, 6}) {
        ASSERT_EQ(DrillCoatings(kVhm, tool).size(), 1u);
        EXPECT_EQ(DrillCoatings(kVhm, tool)[0], "HM unbeschichtet");
    }
}

// The first and last materials of a list, and the data the page shows.
TEST(DrillData, MaterialListsAndTheirData) {
    struct Case {
        DrillGroup group;
        int tool, coating;
        std::size_t count;
        int material;
        std::string_view item;
        int gradeRow;
        std::size_t coolantLines;
        std::string_view firstCoolant, type, angle;
    };
    const Case cases[] = {
        {kHss, 0, 0, 40, 0, " Autom.Stahl bis 500 N/mm2", 1, 1, "Bohrölemulsion", "N", "118°"},
        {kHss, 0, 0, 40, 39, " HARDOX 500", 0, 1, "Bohrölemulsion", "Spezial", "130°"},
        {kHss, 1, 0, 17, 0, " Stahl bis 500 N/mm2", 1, 17, "Flußstahl:", "", ""},
        {kVhm, 0, 0, 23, 22, " Glasfaserverstärkte Epoxydharze", 0, 1, "Trocken", "K10", ""},
        {kVhm, 4, 2, 18, 16, " Exote", 14, 0, "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.item));
        EXPECT_EQ(DrillMaterials(c.group, c.tool, c.coating).size(), c.count);
        const DrillMaterial* m = FindDrillMaterial({c.group, c.tool, c.coating, c.material, 0});
        ASSERT_NE(m, nullptr);
        EXPECT_EQ(m->item, c.item);
        EXPECT_EQ(m->gradeRow, c.gradeRow);
        const auto lines = CoolantLines(*m);
        ASSERT_EQ(lines.size(), c.coolantLines);
        if (!lines.empty()) EXPECT_EQ(lines.front(), c.firstCoolant);
        EXPECT_EQ(m->type, c.type);
        EXPECT_EQ(m->pointAngle, c.angle);
    }
    // the grade rows name kc1.1 values of the force table
    EXPECT_EQ(MaterialBaseForce(FindDrillMaterial({kVhm, 4, 0, 16, 0})->gradeRow), 1975);
    // a position outside the list, or a coating the DIN 6537 tools do not have
    EXPECT_EQ(FindDrillMaterial({kHss, 0, 0, 40, 0}), nullptr);
    EXPECT_EQ(FindDrillMaterial({kHss, 0, 0, -1, 0}), nullptr);
    EXPECT_EQ(FindDrillMaterial({kVhm, 1, 2, 0, 0}), nullptr);
}

// Pre-drill limits at the ends of their tables and past them; insert-drill
// limits follow the diameter whatever the coating.
TEST(DrillData, PreDrillAndInsertLimits) {
    struct Case {
        DrillGroup group;
        int tool;
        std::string_view d;
        std::string_view expected; // "keep": no entry
    };
    const Case cases[] = {
        {kHss, 1, "7.8", "5.6"},   {kHss, 1, "40", "27"},   {kVhm, 5, "42", "28"},
        {kVhm, 5, "43.6", "keep"}, {kHss, 2, "29.7", "26"}, {kVhm, 6, "62", "55"},
        {kHss, 0, "10", "keep"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.d));
        const auto text = MinimumPreDrill(Keys(c.group, c.tool, 0, 0, c.d));
        EXPECT_EQ(text ? std::string(*text) : "keep", c.expected);
    }
    for (auto [coating, d, depth, offset] :
         {std::tuple{0, "14", "42", "0.5"}, {1, "28.5", "84", "1.5"}, {2, "44", "132", "0.5"}}) {
        const auto limit = InsertDrillLimit(Keys(kVhm, 4, coating, 0, d));
        ASSERT_TRUE(limit) << d;
        EXPECT_EQ(std::string(limit->maxDepth) + " " + std::string(limit->maxOffset),
                  std::string(depth) + " " + offset);
    }
    EXPECT_FALSE(InsertDrillLimit({kVhm, 4, 0, 0, 36}));
    EXPECT_FALSE(InsertDrillLimit(Keys(kVhm, 3, 0, 0, "14")));
}

// First and last cells of the tables and the cells a rule of their own
// shapes: "Hand", the rising epoxy feed, ranges, no recommendation.
TEST(DrillData, FeedAndSpeedCells) {
    struct Case {
        DrillKeys keys;
        std::string feed, speed;
    };
    const Case cases[] = {
        {Keys(kHss, 0, 0, 0, "0.2"), "[0.05]", "30..50"},
        {Keys(kHss, 0, 0, 39, "75"), "[0.5]", "4..6"},
        {Keys(kHss, 0, 1, 37, "0.2"), "[Hand]", "3..6"},
        {Keys(kHss, 1, 0, 0, "7.8"), "[0.07]", "30..35"},
        {Keys(kHss, 2, 0, 16, "62"), "[0.15]", "30..50"},
        {Keys(kVhm, 0, 0, 0, "1"), "[0.02]", "40..47"},
        {Keys(kVhm, 0, 0, 22, "2.9"), "[0.198]", "70..150"},
        {Keys(kVhm, 0, 0, 22, "3"), "[0.2]", "70..150"},
        {Keys(kVhm, 1, 0, 0, "5"), "[0.25-0.45]", "60..80"},
        {Keys(kVhm, 1, 1, 0, "2.5"), "[]", "30..50"},
        {Keys(kVhm, 4, 2, 17, "44"), "[0.16]", "150..300"},
        {Keys(kVhm, 5, 0, 0, "61.5"), "[0.18]", "none"},
        {Keys(kVhm, 6, 0, 0, "29.7"), "[0.14]", "25..30"},
        {Keys(kVhm, 0, 1, 0, "5"), "none", "none"},
        {{kHss, 0, 0, 0, 232}, "none", "none"},
        {{kVhm, 7, 0, 0, 0}, "none", "none"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.keys.tool) + "/" + std::to_string(c.keys.material) + "/" +
                     std::to_string(c.keys.diameter));
        EXPECT_EQ(Feed(c.keys), c.feed);
        EXPECT_EQ(Speed(c.keys), c.speed);
    }
}

// Every list and every cell the lookups give, for every tool, coating,
// material and diameter position and one past each; speed ranges run from
// low to high. Pinned as they stand:
// after a deliberate change, compare the table with its source again and
// take the new value.
TEST(DrillData, EveryCellAsChecked) {
    for (DrillGroup group : {kHss, kVhm}) {
        zerbo::testing::Fingerprint fp;
        fp.all(DrillTools(group)) << "\x1d";
        for (int tool = -1; tool <= static_cast<int>(DrillTools(group).size()); ++tool) {
            fp.all(DrillCoatings(group, tool)) << "\x1d";
            fp.all(DrillDiameters(group, tool)) << "\x1d";
            const int diameters = static_cast<int>(DrillDiameters(group, tool).size());
            for (int coating = -1; coating <= 3; ++coating) {
                const auto materials = DrillMaterials(group, tool, coating);
                for (const DrillMaterial& m : materials)
                    fp << m.item << m.gradeRow << m.coolant << m.type << m.pointAngle;
                fp << "\x1d";
                for (int material = -1; material <= static_cast<int>(materials.size()); ++material)
                    for (int d = -1; d <= diameters; ++d) {
                        const DrillKeys k{group, tool, coating, material, d};
                        fp << DrillDiameter(k) << MinimumPreDrill(k) << LookUpDrillFeedText(k);
                        const auto limit = InsertDrillLimit(k);
                        if (limit)
                            fp << limit->maxDepth << limit->maxOffset;
                        else
                            fp << "\x1e";
                        const auto speed = LookUpDrillSpeedRange(k);
                        if (speed) {
                            fp << speed->min << speed->max;
                            EXPECT_LE(speed->min, speed->max);
                        } else {
                            fp << "\x1e";
                        }
                    }
            }
        }
        EXPECT_EQ(fp.hex(), group == kHss ? "e27687d6f0c59674" : "85984136f993d472");
    }
}

} // namespace
