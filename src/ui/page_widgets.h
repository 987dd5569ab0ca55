// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One builder per notebook page: each lays out the page's widgets, named by
// component name; the Binder connects them to the page model.

#include <QSize>

class QWidget;

namespace zerbo {
class PageModel;
class MillingPage;
class TurningPage;
class DrillingPage;
class ReamingPage;
class CountersinkingPage;
class SawingPage;
class CalculatorPage;
} // namespace zerbo

namespace zerbo::ui {

// The widget of notebook page `index`, built for its model.
QWidget* MakePageWidget(const PageModel& page, int index, QWidget* parent);

// The notebook's page area. The window takes its fixed size from it before
// the pages behind other tabs are built, so every page must fit in it.
inline constexpr QSize kPageArea(1000, 564);

QWidget* MakeMillingPage(const MillingPage& page, QWidget* parent);
QWidget* MakeTurningPage(const TurningPage& page, QWidget* parent);
QWidget* MakeDrillingPage(const DrillingPage& page, QWidget* parent);
QWidget* MakeReamingPage(const ReamingPage& page, QWidget* parent);
QWidget* MakeCountersinkingPage(const CountersinkingPage& page, QWidget* parent);
QWidget* MakeSawingPage(const SawingPage& page, QWidget* parent);
QWidget* MakeCalculatorPage(const CalculatorPage& page, QWidget* parent);

} // namespace zerbo::ui
