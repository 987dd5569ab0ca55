// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sawing/sawing_data.h"

#include "fingerprint.h"

#include <gtest/gtest.h>

namespace zerbo {
namespace {

TEST(SawingData, RangesAreOrderedAndEveryMaterialHasCoolant) {
    for (const SawMaterial& m : kSawMaterials) {
        SCOPED_TRACE(std::string(m.item));
        EXPECT_LT(m.vc.min, m.vc.max);
        EXPECT_LT(m.area.min, m.area.max);
        for (const SawRange& f : m.feedRate)
            EXPECT_LE(f.min, f.max);
        EXPECT_FALSE(m.coolant[0].empty());
    }
    for (size_t i = 1; i < kSawDepthClasses.size(); ++i)
        EXPECT_LT(kSawDepthClasses[i].depth, kSawDepthClasses[i - 1].depth);
}

// Every cell of the sawing tables. Pinned as they stand: after a deliberate
// change, compare the table with its source again and take the new value.
TEST(SawingData, EveryCellAsChecked) {
    testing::Fingerprint fp;
    for (const SawBlade& b : kSawBlades)
        fp << b.diameter << b.teeth << b.thickness;
    fp.all(kSawTeeth).all(kSawThicknesses);
    for (const SawDepthClass& d : kSawDepthClasses)
        fp << d.item << d.depth;
    for (const SawMaterial& m : kSawMaterials) {
        fp << m.item << m.vc.min << m.vc.max << m.area.min << m.area.max << m.forceRow;
        fp.all(m.coolant);
        for (const SawRange& f : m.feedRate)
            fp << f.min << f.max;
    }
    EXPECT_EQ(fp.hex(), "232cc2bf67bad63c");
}

} // namespace
} // namespace zerbo
