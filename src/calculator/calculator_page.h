// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The "Rechner" page: a free speed-and-feed calculator. Every field runs its
// change handler whenever its text changes, typed or written by a handler.

#include "shell/control_set.h"

#include <functional>

namespace zerbo {

class CalculatorPage : public PageModel {
  public:
    explicit CalculatorPage(Shell& shell);

    Field diameter{"Edit68"};     // D, mm
    Field cuttingSpeed{"Edit69"}; // Vc, m/min
    Field spindleSpeed{"Edit70"}; // n, 1/min (result, may be typed)
    Field edges{"Edit71"};        // z
    Field chipThickness{"Edit72"}; // fz, mm
    Field feedRate{"Edit73"};     // Vf, mm/min (result)

  private:
    void DiameterChanged();
    void CuttingSpeedChanged();
    void SpindleSpeedChanged();
    // z and fz changed share one body as well.
    void EdgesOrChipChanged(Field& own, double& value);
    void FeedRateChanged();

    // D and Vc changed share one body; `own` is the field that changed and
    // `value` the stored value it is read into.
    void speedInputChanged(Field& own, double& value);
    // Runs a handler body; a failed conversion or a result that is not
    // finite shows the decimal-separator message, puts back the stored value
    // and empties the handler's own field.
    void run(Field& own, double& value, const std::function<void()>& body);
    void writeFeedRate(long double vf);

    CalculatorValues& v_;
};

} // namespace zerbo
