// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calculator/calculator_page.h"

#include "shell/formulas.h"
#include "shell/messages.h"

#include <cmath>
#include <functional>

namespace zerbo {

namespace {

// A result that would not be finite counts as a failed conversion.
struct NotFinite {};

long double Finite(long double x) {
    if (!std::isfinite(static_cast<double>(x))) throw NotFinite{};
    return x;
}

} // namespace

CalculatorPage::CalculatorPage(Shell& shell)
    : PageModel(shell, "Rechner", 0), v_(shell.state.calculator) {
    for (Field* f : {&diameter, &cuttingSpeed, &spindleSpeed, &edges, &chipThickness, &feedRate}) {
        f->editable = true;
        f->setText("0");
        add(*f);
    }
    diameter.onChange = [this] { DiameterChanged(); };
    cuttingSpeed.onChange = [this] { CuttingSpeedChanged(); };
    spindleSpeed.onChange = [this] { SpindleSpeedChanged(); };
    edges.onChange = [this] { EdgesOrChipChanged(edges, v_.z); };
    chipThickness.onChange = [this] { EdgesOrChipChanged(chipThickness, v_.fz); };
    feedRate.onChange = [this] { FeedRateChanged(); };
}

void CalculatorPage::run(Field& own, double& value, const std::function<void()>& body) {
    const double before = value;
    try {
        body();
        return;
    } catch (const ConversionError&) {
    } catch (const NotFinite&) {
    }
    ShowDecimalError(shell().messages);
    value = before;
    own.setText("");
}

void CalculatorPage::writeFeedRate(long double vf) {
    v_.vf = static_cast<double>(Finite(vf));
    feedRate.setText(text(v_.vf));
}

void CalculatorPage::speedInputChanged(Field& own, double& value) {
    run(own, value, [&] {
        if (!own.empty()) value = num(own);
        if (v_.d <= 0) return;
        if (cuttingSpeed.empty() || diameter.empty()) {
            spindleSpeed.setText("");
            feedRate.setText("");
            return;
        }
        v_.n = static_cast<double>(Finite(SpindleSpeed(v_.d, v_.vc)));
        // Writing n runs its handler, which reads n back from its text.
        spindleSpeed.setText(text(v_.n));
        if (!edges.empty() && !chipThickness.empty()) {
            v_.z = num(edges);
            v_.fz = num(chipThickness);
            writeFeedRate(static_cast<long double>(v_.z) * v_.fz * v_.n);
        }
    });
}

void CalculatorPage::DiameterChanged() {
    speedInputChanged(diameter, v_.d);
}
void CalculatorPage::CuttingSpeedChanged() {
    speedInputChanged(cuttingSpeed, v_.vc);
}

void CalculatorPage::SpindleSpeedChanged() {
    run(spindleSpeed, v_.n, [&] {
        if (spindleSpeed.empty()) return;
        v_.n = num(spindleSpeed);
        v_.z = numOr(edges, 0);
        v_.fz = numOr(chipThickness, 0);
        if (!edges.empty() && !chipThickness.empty())
            writeFeedRate(static_cast<long double>(v_.z) * v_.fz * v_.n);
    });
}

void CalculatorPage::EdgesOrChipChanged(Field& own, double& value) {
    run(own, value, [&] {
        v_.z = numOr(edges, 0);
        v_.fz = numOr(chipThickness, 0);
        if (!edges.empty() && !chipThickness.empty() && !spindleSpeed.empty())
            writeFeedRate(static_cast<long double>(v_.z) * v_.fz * v_.n);
        else
            feedRate.setText("");
    });
}

void CalculatorPage::FeedRateChanged() {
    run(feedRate, v_.vf, [&] {
        if (!edges.empty() && !chipThickness.empty() && !spindleSpeed.empty())
            writeFeedRate(static_cast<long double>(v_.z) * v_.fz * v_.n);
    });
}

} // namespace zerbo
