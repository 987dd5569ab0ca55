#pragma once
// One builder per notebook page: each lays out the page's widgets, named by
// component name; the Binder connects them to the page model.

class QWidget;

namespace zerbo::ui {

// The widget of notebook page `index`; pages not built yet are empty.
QWidget* MakePageWidget(int index, QWidget* parent);

QWidget* MakeMillingPage(QWidget* parent);
QWidget* MakeTurningPage(QWidget* parent);
QWidget* MakeDrillingPage(QWidget* parent);
QWidget* MakeReamingPage(QWidget* parent);
QWidget* MakeCountersinkingPage(QWidget* parent);
QWidget* MakeSawingPage(QWidget* parent);
QWidget* MakeCalculatorPage(QWidget* parent);

} // namespace zerbo::ui
