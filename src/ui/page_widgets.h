// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One builder per notebook page: each lays out the page's widgets, named by
// component name; the Binder connects them to the page model.

#include <QSize>

class QWidget;

namespace zerbo::ui {

// The widget of notebook page `index`; pages not built yet are empty.
QWidget* MakePageWidget(int index, QWidget* parent);

// The notebook's page area. The window takes its fixed size from it before
// the pages behind other tabs are built, so every page must fit in it.
inline constexpr QSize kPageArea(1000, 564);

QWidget* MakeMillingPage(QWidget* parent);
QWidget* MakeTurningPage(QWidget* parent);
QWidget* MakeDrillingPage(QWidget* parent);
QWidget* MakeReamingPage(QWidget* parent);
QWidget* MakeCountersinkingPage(QWidget* parent);
QWidget* MakeSawingPage(QWidget* parent);
QWidget* MakeCalculatorPage(QWidget* parent);

} // namespace zerbo::ui
