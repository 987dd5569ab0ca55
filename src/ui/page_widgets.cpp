// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/page_widgets.h"

#include "calculator/calculator_page.h"
#include "countersinking/countersinking_page.h"
#include "drilling/drilling_page.h"
#include "milling/milling_page.h"
#include "reaming/reaming_page.h"
#include "sawing/sawing_page.h"
#include "turning/turning_page.h"

#include <QWidget>

namespace zerbo::ui {

QWidget* MakePageWidget(const PageModel& page, int index, QWidget* parent) {
    switch (index) {
    case 0:
        return MakeMillingPage(dynamic_cast<const MillingPage&>(page), parent);
    case 1:
        return MakeTurningPage(dynamic_cast<const TurningPage&>(page), parent);
    case 2:
        return MakeDrillingPage(dynamic_cast<const DrillingPage&>(page), parent);
    case 3:
        return MakeReamingPage(dynamic_cast<const ReamingPage&>(page), parent);
    case 4:
        return MakeCountersinkingPage(dynamic_cast<const CountersinkingPage&>(page), parent);
    case 5:
        return MakeSawingPage(dynamic_cast<const SawingPage&>(page), parent);
    case 6:
        return MakeCalculatorPage(dynamic_cast<const CalculatorPage&>(page), parent);
    default:
        return new QWidget(parent);
    }
}

} // namespace zerbo::ui
