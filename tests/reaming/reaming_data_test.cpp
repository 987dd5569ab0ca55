// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fingerprint.h"
#include "reaming/reaming_data.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

using namespace zerbo::reaming;

namespace {

constexpr Group kHss = Group::Hss;
constexpr Group kHm = Group::Hm;

TEST(ReamingData, ListsHoldTheirItemsFirstAndLast) {
    struct Case {
        Texts list;
        size_t size;
        std::string_view first, last;
    };
    const Case cases[] = {
        {ToolTypes(kHss), 6, "Maschinen-Reibahlen zyl.Schaft", "Aufsteck-Reibahlen"},
        {ToolTypes(kHm), 3, "HM-Maschinen-Reibahlen zyl. Schaft", "Hochleistungs-Reibahlen"},
        {CuttingMaterials(kHss, 1), 2, "HSS/E unbeschichtet", "HSS/E TiN-beschichtet"},
        {CuttingMaterials(kHm, 2), 2, "Hartmetall", "Cermet"},
        {Materials(kHss), 17, " Stahl bis 500 N/mm2", " Kunststoffe weich"},
        {Materials(kHm), 13, " Stahl bis 700 N/mm2", " Kunststoffe"},
        {Diameters(kHss, 0), 96, "1.5", "20"},
        {Diameters(kHss, 1), 35, "5", "50"},
        {Diameters(kHss, 2), 60, "1", "12"},
        {Diameters(kHss, 3), 14, "2", "12"},
        {Diameters(kHss, 4), 23, "5", "32"},
        {Diameters(kHss, 5), 21, "25", "50"},
        {Diameters(kHm, 0), 11, "1.5", "12"},
        {Diameters(kHm, 1), 18, "10", "32"},
        {Diameters(kHm, 2), 16, "6.5", "16"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.first));
        ASSERT_EQ(c.list.size(), c.size);
        EXPECT_EQ(c.list.front(), c.first);
        EXPECT_EQ(c.list.back(), c.last);
    }
    EXPECT_EQ(Diameters(kHss, 0)[5], "2"); // whole numbers without decimals
    EXPECT_EQ(Materials(kHss)[6], " Grauguß bis 200 HB ");
    EXPECT_TRUE(Diameters(kHm, 3).empty());
    for (int type = 0; type < 6; ++type)
        EXPECT_EQ(AllowanceIncrease(kHss, type), type == 3 || type == 4 ? 50 : 0) << type;
    EXPECT_EQ(AllowanceIncrease(kHm, 0), 0);
}

// Cells at the ends of the tables and where a diameter class changes.
TEST(ReamingData, SpeedCells) {
    struct Case {
        Group group;
        int type, cuttingMaterial, material;
        double d;
        SpeedRange range;
    };
    const Case cases[] = {
        {kHss, 5, 0, 13, 50, {15, 20}}, {kHss, 1, 1, 16, 10, {6, 10}},
        {kHm, 1, 0, 5, 29.99, {8, 12}}, {kHm, 1, 0, 5, 30, {10, 15}},
        {kHm, 2, 0, 0, 6.5, {60, 120}}, {kHm, 2, 1, 12, 30, {200, 300}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.material) + " at " + std::to_string(c.d));
        EXPECT_EQ(LookUpSpeed(c.group, c.type, c.cuttingMaterial, c.material, c.d), c.range);
    }
    EXPECT_FALSE(LookUpSpeed(kHss, 0, 0, 17, 5));
    EXPECT_FALSE(LookUpSpeed(kHm, 0, 1, 0, 5)); // no cermet for the machine reamers
    EXPECT_FALSE(LookUpSpeed(kHss, -1, 0, 0, 5));
}

TEST(ReamingData, FeedAndAllowanceCellsAtTheirClassBounds) {
    struct Case {
        Group group;
        int material;
        double d;
        std::string_view feed, allowance;
    };
    const Case cases[] = {
        {kHss, 0, 4.99, "0.1", "0.1-0.2"}, {kHss, 0, 5, "0.1", "0.2"},
        {kHss, 0, 5.01, "0.13", "0.2"},    {kHss, 16, 50, "0.6", "0.3-0.4"},
        {kHm, 0, 1.5, "0.15", "0.1"},      {kHm, 12, 30, "0.55", "0.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.material) + " at " + std::to_string(c.d));
        EXPECT_EQ(LookUpFeed(c.group, c.material, c.d).value_or("none"), c.feed);
        EXPECT_EQ(LookUpAllowance(c.group, c.material, c.d).value_or("none"), c.allowance);
    }
    EXPECT_FALSE(LookUpFeed(kHss, 0, 50.01));
    EXPECT_FALSE(LookUpFeed(kHm, 13, 5));
    EXPECT_FALSE(LookUpAllowance(kHss, -1, 5));
}

TEST(ReamingData, ForceRowsAndCoolant) {
    EXPECT_EQ(ForceRow(kHss, 0), 1);
    EXPECT_EQ(ForceRow(kHss, 7), 8);
    EXPECT_EQ(ForceRow(kHm, 0), 2);
    EXPECT_EQ(ForceRow(kHm, 13), 0);
    ASSERT_EQ(CoolantLines(kHss, 3).size(), 15u);
    EXPECT_EQ(CoolantLines(kHss, 3)[4], std::string(21, '-'));
    const std::pair<Texts, std::vector<std::string_view>> cases[] = {
        {CoolantLines(kHss, 5), {"Rüböl"}},
        {CoolantLines(kHm, 10), {"Trocken", "Rüböl", "Bohrölemulsion"}},
        {CoolantLines(kHm, 12), {"Trocken", "Preßluft", "Kein Wasser"}}};
    for (const auto& [lines, expected] : cases)
        EXPECT_EQ(std::vector<std::string_view>(lines.begin(), lines.end()), expected);
    EXPECT_TRUE(CoolantLines(kHss, 17).empty());
}

// Every list and every cell the lookups give for every diameter a list
// offers; speed ranges run from low to high. Pinned as they stand: after a deliberate change,
// compare the tables with their source again and take the new value.
TEST(ReamingData, EveryCellAsChecked) {
    for (Group group : {kHss, kHm}) {
        zerbo::testing::Fingerprint fp;
        fp.all(ToolTypes(group)).all(Materials(group)) << "\x1d";
        for (int material = -1; material <= static_cast<int>(Materials(group).size()); ++material)
            fp << ForceRow(group, material) << "\x1d" << CoolantLines(group, material).size()
               << "\x1d";
        for (int material = 0; material < static_cast<int>(Materials(group).size()); ++material)
            fp.all(CoolantLines(group, material)) << "\x1d";
        for (int type = -1; type <= static_cast<int>(ToolTypes(group).size()); ++type) {
            fp.all(CuttingMaterials(group, type)) << "\x1d";
            fp.all(Diameters(group, type)) << AllowanceIncrease(group, type) << "\x1d";
            for (std::string_view item : Diameters(group, type)) {
                const double d = std::stod(std::string(item));
                for (int material = -1; material <= static_cast<int>(Materials(group).size());
                     ++material) {
                    fp << LookUpFeed(group, material, d) << LookUpAllowance(group, material, d);
                    for (int cm = -1; cm <= static_cast<int>(CuttingMaterials(group, type).size());
                         ++cm) {
                        const auto s = LookUpSpeed(group, type, cm, material, d);
                        if (s) {
                            fp << s->min << s->max;
                            EXPECT_LE(s->min, s->max);
                        } else {
                            fp << "\x1e";
                        }
                    }
                }
            }
        }
        EXPECT_EQ(fp.hex(), group == kHss ? "3f8696243b3a80c7" : "8e5086c01e9a4e46");
    }
}

} // namespace
