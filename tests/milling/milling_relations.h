// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a machinist can check on the milling page with a pocket calculator:
// every result shown follows from the inputs shown beside it. Used by the
// milling tests and by the random user after every event.

#include "milling/milling_page.h"
#include "shell/formulas.h"

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace zerbo::testing {

// One line per relation the page breaks; empty when all hold. A chip
// thickness that has no value (ae 0 or n 0: hm and fz keep their values)
// is not checked.
inline std::vector<std::string> MillingRelationFaults(const MillingPage& page) {
    std::vector<std::string> faults;
    const NumberText& numbers = page.shell().numbers;
    auto value = [&](const Field& f, double fallback) {
        return f.text().empty() || f.text().front() == '*'
                   ? fallback
                   : numbers.tryParse(f.text()).value_or(NAN);
    };
    auto listValue = [&](const List& l, double fallback) {
        return l.text().empty() ? fallback : numbers.tryParse(l.text()).value_or(NAN);
    };
    auto expect = [&](const char* what, double shown, double expected) {
        const double tolerance = 1e-9 * std::max(std::fabs(expected), 1e-6);
        if (!(std::fabs(shown - expected) <= tolerance)) {
            std::ostringstream line;
            line.precision(17);
            line << what << " shows " << shown << ", its inputs give " << expected;
            faults.push_back(line.str());
        }
    };

    const double d = listValue(page.diameterList, 0);
    const double z = listValue(page.teethList, 1);
    const double vc = value(page.cuttingSpeed, 0);
    const double fz = value(page.toothFeed, 0);
    const double n = value(page.results.spindleSpeed, NAN);
    const double vf = value(page.results.feedRate, NAN);
    expect("n", n, SpindleSpeed(d, vc));
    expect("Vf", vf, z * fz * n);

    if (page.speedBar.enabled) {
        const double low = numbers.tryParse(page.speedMin.caption).value_or(NAN);
        const double high = numbers.tryParse(page.speedMax.caption).value_or(NAN);
        if (!(vc >= low && vc <= high)) {
            faults.push_back("Vc " + page.cuttingSpeed.text() + " outside " +
                             page.speedMin.caption + ".." + page.speedMax.caption);
        }
    }

    if (page.width.empty()) return faults;
    const double ae = value(page.width, NAN);
    const double ap = value(page.depth, NAN);
    if (!(ae >= 0 && ae <= d)) faults.push_back("ae " + page.width.text() + " outside 0..D");
    expect("Q", value(page.results.removalRate, NAN), ap * ae * vf / 1000);
    if (!page.results.kc.empty())
        expect("Pe", value(page.results.power, NAN),
               value(page.results.removalRate, NAN) * value(page.results.kc, NAN) / 42000);

    const double phi = value(page.engagementAngle, NAN);
    expect("engagement angle", phi, ae > 0 && d > 0 ? EngagementAngle(d, ae) : 0);
    if (ae > 0 && n > 0 && phi > 0) {
        const double kappa = value(page.settingAngle, NAN);
        expect("hm", value(page.chipThickness, NAN), MeanChipThickness(d, ae, fz, phi, kappa));
    }
    return faults;
}

} // namespace zerbo::testing
