// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A whole percentage shown in a field as the number followed by "%"
// ("15%"), raised and lowered in steps of 1 by a "−" and a "+" button. The
// drilling, reaming and countersinking pages raise their feeds and speeds
// this way; the part holds its three controls.

#include "shell/controls.h"

#include <cstdint>
#include <initializer_list>

namespace zerbo {

class PercentStep {
  public:
    PercentStep(const char* down, const char* field, const char* up, std::int32_t low,
                std::int32_t high)
        : down(down), field(field), up(up), low_(low), high_(high) {}

    Button down; // "−"
    Field field;
    Button up; // "+"

    std::int32_t value() const { return value_; }
    // Sets the percentage (kept inside the bounds) and rewrites the field.
    void set(std::int32_t percent);
    // One step up (+1) or down (-1); false, with nothing changed, when the
    // percentage already stands at that bound.
    bool step(int direction);

    // Shows or hides all three controls.
    void show(bool visible);
    void assignHints(const char* fieldHint, const char* downHint, const char* upHint);

  private:
    std::int32_t low_;
    std::int32_t high_;
    std::int32_t value_ = 0;
};

} // namespace zerbo
