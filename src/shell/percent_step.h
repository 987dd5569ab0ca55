// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A whole percentage raised and lowered in steps of 1 by two buttons and
// shown in a field as the number followed by "%" ("15%"). The drilling,
// reaming and countersinking pages raise their feeds and speeds this way.

#include "shell/controls.h"

#include <cstdint>

namespace zerbo {

class PercentStep {
  public:
    PercentStep(Field& field, std::int32_t low, std::int32_t high)
        : field_(field), low_(low), high_(high) {}

    std::int32_t value() const { return value_; }
    // Sets the percentage (kept inside the bounds) and rewrites the field.
    void set(std::int32_t percent);
    // One step up (+1) or down (-1); false, with nothing changed, when the
    // percentage already stands at that bound.
    bool step(int direction);

  private:
    Field& field_;
    std::int32_t low_;
    std::int32_t high_;
    std::int32_t value_ = 0;
};

} // namespace zerbo
