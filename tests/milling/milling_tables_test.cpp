// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The milling tables as a whole: what holds for every cell, and a
// fingerprint of every cell the lookups give.
#include "fingerprint.h"
#include "milling/carbide_data.h"
#include "milling/hss_data.h"

#include <gtest/gtest.h>

#include <charconv>
#include <string>

namespace zerbo {
namespace {

using testing::Fingerprint;

double Number(std::string_view text) {
    double v = -1;
    std::from_chars(text.data(), text.data() + text.size(), v);
    return v;
}

void AddRows(Fingerprint& fp, std::span<const ToolTypeRow> rows) {
    for (const ToolTypeRow& row : rows) {
        fp << row.text << row.maxDepthOfCut << (row.fourTeethInGroup11 ? 1 : 0);
        fp.all(ListItems(row.teeth)) << "\x1d";
        fp.all(ListItems(row.diameters)) << "\x1d";
    }
}

void AddRange(Fingerprint& fp, const std::optional<SpeedRange>& r) {
    if (r)
        fp << r->min << r->max;
    else
        fp << "\x1e";
}

// Every recommended speed lies in its range, and every tool type, group,
// coating and diameter a user can choose finds a feed.
TEST(MillingTables, EveryChoiceFindsItsCuttingData) {
    for (int g = 1; g <= kHssGroupCount; ++g)
        for (int c = 0; c < kHssCoatingCount; ++c) {
            const auto range = HssSpeedRange(g, c);
            ASSERT_TRUE(range);
            EXPECT_LT(range->min, range->max);
            for (int t = 0; t < kHssToolTypeCount; ++t) {
                const double vc = Number(*HssSpeed(t, g, c));
                EXPECT_GE(vc, range->min) << t << "/" << g << "/" << c;
                EXPECT_LE(vc, range->max) << t << "/" << g << "/" << c;
                for (int d = 0; d < ListSize(HssToolTypes()[t].diameters); ++d)
                    EXPECT_GT(Number(*HssFeed(t, g, d)), 0) << t << "/" << g << "/" << d;
            }
        }
    for (int g = 1; g <= kWpGroupCount; ++g)
        for (int c = 0; c < static_cast<int>(WpCoatingList(g).size()); ++c) {
            const auto range = WpSpeedRange(g, c, 50);
            ASSERT_TRUE(range);
            EXPECT_LT(range->min, range->max);
            const double vc = Number(*WpSpeed(g, c, 50));
            EXPECT_GE(vc, range->min) << g << "/" << c;
            EXPECT_LE(vc, range->max) << g << "/" << c;
            for (int t = 0; t < kWpToolTypeCount; ++t)
                for (int d = 0; d < ListSize(WpToolTypes()[t].diameters); ++d)
                    EXPECT_TRUE(WpFeed(t, g, c, d)) << t << "/" << g << "/" << c << "/" << d;
        }
    for (int t = 0; t < 5; ++t)
        for (int g = 1; g <= kVhmGroupCount; ++g) {
            const auto list = VhmCoatingList(t, g);
            for (int c = 0; list && c < static_cast<int>(list->size()); ++c) {
                const auto range = VhmSpeedRange(t, g, c);
                ASSERT_TRUE(range) << t << "/" << g << "/" << c;
                const auto vc = VhmSpeed(t, g, c);
                ASSERT_TRUE(vc);
                if (*vc == kKeep) continue;
                EXPECT_LT(range->min, range->max);
                EXPECT_GE(Number(*vc), range->min) << t << "/" << g << "/" << c;
                EXPECT_LE(Number(*vc), range->max) << t << "/" << g << "/" << c;
            }
        }
}

// Every cell the lookups give, inside the tables and around them. Pinned as
// they stand: after a deliberate change, compare the tables with their
// source again and take the new value.
TEST(MillingTables, EveryCellAsChecked) {
    Fingerprint hss;
    AddRows(hss, HssToolTypes());
    hss.all(HssCoatings());
    for (int g = 0; g <= kHssGroupCount + 1; ++g)
        for (int c = -1; c <= kHssCoatingCount; ++c) {
            AddRange(hss, HssSpeedRange(g, c));
            for (int t = -1; t <= kHssToolTypeCount; ++t)
                hss << HssSpeed(t, g, c);
        }
    for (int t = -1; t <= kHssToolTypeCount; ++t)
        for (int g = 0; g <= kHssGroupCount + 1; ++g)
            for (int d = -1; d <= 12; ++d)
                hss << HssFeed(t, g, d);
    EXPECT_EQ(hss.hex(), "6f1d7a3b207ef268") << "HSS";

    Fingerprint wp;
    AddRows(wp, WpToolTypes());
    for (int g = 0; g <= kWpGroupCount + 1; ++g) {
        wp.all(WpCoatingList(g)) << "\x1d";
        for (int c = -1; c <= 5; ++c) {
            for (int increase : {0, 50, 51, 77, 100}) {
                AddRange(wp, WpSpeedRange(g, c, increase));
                wp << WpSpeed(g, c, increase);
            }
            for (int t = -1; t <= kWpToolTypeCount; ++t)
                for (int d = -1; d <= 12; ++d)
                    wp << WpFeed(t, g, c, d);
        }
    }
    EXPECT_EQ(wp.hex(), "039166666fb682bb") << "WP";

    Fingerprint vhm;
    AddRows(vhm, VhmToolTypes());
    for (int t = -1; t <= kVhmToolTypeCount; ++t)
        for (int g = 0; g <= kVhmGroupCount + 1; ++g) {
            const auto list = VhmCoatingList(t, g);
            if (list) vhm.all(*list);
            vhm << "\x1d";
            for (int c = -1; c <= 3; ++c) {
                AddRange(vhm, VhmSpeedRange(t, g, c));
                vhm << VhmSpeed(t, g, c);
                for (int d = -1; d <= 12; ++d)
                    vhm << VhmFeed(t, g, c, d);
            }
        }
    EXPECT_EQ(vhm.hex(), "80fee44487c18cd3") << "VHM";
}

} // namespace
} // namespace zerbo
