// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A milling page on a recording shell, for the milling tests.

#include "milling/carbide_data.h"
#include "milling/hss_data.h"
#include "milling/milling_page.h"
#include "shell/messages.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace zerbo::testing {

class MillingFixture : public ::testing::Test {
  protected:
    MessageRecorder messages;
    HelpRecorder help;
    Shell shell{messages, help};
    CalcState& state = shell.state;

    // Puts the lists in the state of a cutting material (1 HSS, 2 WP, 3 VHM),
    // tool type, group, coating and diameter position, without looking
    // anything up.
    void Select(int material, int type, int group, int coating, int diameter) {
        state.millingCuttingMaterial = static_cast<std::uint8_t>(material);
        state.activeMaterialGroup = static_cast<std::uint8_t>(group);
        auto& p = page();
        if (material == 1) FillHssToolTypes(p);
        if (material == 2) FillWpToolTypes(p);
        if (material == 3) FillVhmToolTypes(p);
        p.toolList.select(type);
        if (material == 1) FillHssCoatings(p), FillHssSizes(p);
        if (material == 2) FillWpCoatings(p), FillWpSizes(p);
        if (material == 3) FillVhmCoatings(p), FillVhmSizes(p);
        p.coatingList.select(coating);
        p.diameterList.select(diameter);
    }

    void LookUp() {
        auto& p = page();
        if (state.millingCuttingMaterial == 1) HssCuttingData(p);
        if (state.millingCuttingMaterial == 2) WpCuttingData(p);
        if (state.millingCuttingMaterial == 3) VhmCuttingData(p);
    }

    // Marks the fields and the range so that a lookup that leaves them
    // alone shows.
    void Mark() {
        page().cuttingSpeed.setText("vc before");
        page().toothFeed.setText("fz before");
        state.vcMin = -7;
        state.vcMax = -8;
    }

    virtual MillingPage& page() { return page_; }

  private:
    MillingPage page_{shell};
};

} // namespace zerbo::testing
