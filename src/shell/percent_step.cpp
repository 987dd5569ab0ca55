// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/percent_step.h"

#include "shell/number_text.h"

#include <algorithm>

namespace zerbo {

void PercentStep::set(std::int32_t percent) {
    value_ = std::clamp(percent, low_, std::max(low_, high_));
    field.setText(WriteWhole(value_) + "%");
}

bool PercentStep::step(int direction) {
    const std::int32_t next = value_ + (direction < 0 ? -1 : 1);
    if (next < low_ || next > high_) return false;
    set(next);
    return true;
}

void PercentStep::show(bool visible) {
    Show({&down, &field, &up}, visible);
}

void PercentStep::assignHints(const char* fieldHint, const char* downHint, const char* upHint) {
    field.hint = fieldHint;
    down.hint = downHint;
    up.hint = upHint;
}

} // namespace zerbo
