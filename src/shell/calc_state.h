// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The calculation state shared by all pages: one instance for the whole run.

#include <cstdint>

namespace zerbo {

struct CalculatorValues {
    double d = 0, vc = 0, n = 0, z = 0, fz = 0, vf = 0;
};

struct CalcState {
    // Recommended cutting-speed range in m/min, written by every data routine.
    std::int32_t vcMin = 0;
    std::int32_t vcMax = 0;
    std::uint8_t activeMaterialGroup = 0;
    std::uint8_t millingMaterialGroup = 1;
    std::uint8_t turningMaterialGroup = 1;
    // 1 = HSS, 2 = WP, 3 = VHM
    std::uint8_t millingCuttingMaterial = 1;
    // 1 = milling groups 8..11 unavailable, 2 = available
    std::uint8_t millingGroupSet = 1;
    // 1 or 2: the default of the precise-material dialog
    std::uint8_t forceDialogMode = 1;
    // Cutting-speed reduction for the milling cutter length: 0, 2/3 or 3/4
    double lengthReduction = 0;
    // The milling "Steigerung" value, 50..100
    std::int32_t speedIncreasePercent = 50;
    // Upper end of the milling depth-of-cut bar, mm
    std::uint8_t maxDepthOfCut = 125;
    // 1 while the precise-material dialog governs kc
    std::uint8_t preciseMaterialActive = 0;
    // Turning machining class 1..5
    std::uint8_t machiningClass = 3;
    // Help topic shown by F1
    std::int32_t helpContext = 104;
    CalculatorValues calculator;
};

} // namespace zerbo
