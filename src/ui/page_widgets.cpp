// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/page_widgets.h"

#include <QWidget>

namespace zerbo::ui {

QWidget* MakePageWidget(int index, QWidget* parent) {
    switch (index) {
    case 0:
        return MakeMillingPage(parent);
    case 1:
        return MakeTurningPage(parent);
    case 2:
        return MakeDrillingPage(parent);
    case 3:
        return MakeReamingPage(parent);
    case 4:
        return MakeCountersinkingPage(parent);
    case 5:
        return MakeSawingPage(parent);
    case 6:
        return MakeCalculatorPage(parent);
    default:
        return new QWidget(parent);
    }
}

} // namespace zerbo::ui
