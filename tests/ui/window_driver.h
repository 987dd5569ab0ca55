// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Helpers for window tests: find the widget of a model's control and act on
// it as a user would.

#include "ui/main_window.h"

#include "calculator/calculator_page.h"
#include "countersinking/countersinking_page.h"
#include "drilling/drilling_page.h"
#include "milling/milling_page.h"
#include "reaming/reaming_page.h"
#include "sawing/sawing_page.h"
#include "turning/turning_page.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <functional>

namespace zerbo::ui::testing {

template <class W> W* Find(QWidget* root, const char* name) {
    auto* w = root->findChild<W*>(name);
    if (w == nullptr) qFatal("no widget %s", name);
    return w;
}
template <class W> W* Find(QWidget* root, const Control& control) {
    return Find<W>(root, control.name().c_str());
}

// The model of notebook page `index` of the window.
template <class P> const P& Model(MainWindow& window, int index) {
    return dynamic_cast<const P&>(window.workbench().main().page(index));
}

// Every model of a window, for finding the widgets of their controls.
struct Models {
    explicit Models(MainWindow& w)
        : milling(Model<MillingPage>(w, 0)), turning(Model<TurningPage>(w, 1)),
          drilling(Model<DrillingPage>(w, 2)), reaming(Model<ReamingPage>(w, 3)),
          countersinking(Model<CountersinkingPage>(w, 4)), sawing(Model<SawingPage>(w, 5)),
          calculator(Model<CalculatorPage>(w, kCalculatorPage)), main(w.workbench().main()),
          material(w.workbench().materialDialog()), advisor(w.workbench().advisor()) {}
    const MillingPage& milling;
    const TurningPage& turning;
    const DrillingPage& drilling;
    const ReamingPage& reaming;
    const CountersinkingPage& countersinking;
    const SawingPage& sawing;
    const CalculatorPage& calculator;
    const MainWindowModel& main;
    const PreciseMaterialDialog& material;
    const advisor::AdvisorDialog& advisor;
};

// Replaces the field's text by typing, one key at a time.
inline void Type(QLineEdit* field, const QString& text) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

inline void ClickTab(QTabBar* tabs, int index) {
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
}

struct SeenMessage {
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int count = 0;
};

// Runs `action`; every modal message box it opens is recorded and closed
// with its OK button.
inline SeenMessage WithMessages(const std::function<void()>& action) {
    SeenMessage seen;
    QTimer timer;
    timer.setInterval(20);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen.text = box->text();
            seen.icon = box->icon();
            ++seen.count;
            box->button(QMessageBox::Ok)->click();
        }
    });
    timer.start();
    action();
    return seen;
}

} // namespace zerbo::ui::testing
