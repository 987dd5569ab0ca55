// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The result block the drilling, reaming and countersinking pages show
// alike: n, Vf, kc, Q and Pe, each a read-only field.

#include "shell/controls.h"
#include "shell/hint_texts.h"

namespace zerbo {

struct ResultBlock {
    ResultBlock(const char* spindleSpeed, const char* feedRate, const char* kc,
                const char* removalRate, const char* power)
        : spindleSpeed(spindleSpeed), feedRate(feedRate), kc(kc), removalRate(removalRate),
          power(power) {}

    Field spindleSpeed; // n
    Field feedRate;     // Vf
    Field kc;
    Field removalRate; // Q
    Field power;       // Pe

    void assignHints() {
        spindleSpeed.hint = kHintSpindleSpeed;
        feedRate.hint = kHintFeedRate;
        kc.hint = kHintSpecificForce;
        removalRate.hint = kHintRemovalRate;
        power.hint = kHintPower;
    }
};

} // namespace zerbo
