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
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QScrollBar>
#include <QStringList>
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

// Where the widget under `root` disagrees with its control, or is missing;
// empty if nowhere.
inline QStringList Disagreements(const zerbo::ControlSet& set, QWidget* root) {
    QStringList out;
    for (const zerbo::Control* c : set.controls()) {
        const QString name = QString::fromStdString(c->name());
        auto* w = root->objectName() == name ? root : root->findChild<QWidget*>(name);
        if (w == nullptr) {
            out << name + " missing";
            continue;
        }
        bool same = w->isHidden() != c->visible && w->isEnabled() == c->enabled;
        if (auto* e = qobject_cast<QLineEdit*>(w); e && c->kind() == zerbo::ControlKind::Field)
            same &= e->text().toStdString() == static_cast<const zerbo::Field*>(c)->text();
        if (auto* s = qobject_cast<QScrollBar*>(w)) {
            const auto* bar = static_cast<const zerbo::Bar*>(c);
            same &= s->value() == bar->position() && s->minimum() == bar->min() &&
                    s->maximum() == bar->max();
        }
        // A label the model leaves empty keeps the caption its builder gave.
        if (auto* l = qobject_cast<QLabel*>(w); l && c->kind() == zerbo::ControlKind::Label) {
            const std::string& caption = static_cast<const zerbo::Label*>(c)->caption;
            same &= caption.empty() || l->text().toStdString() == caption;
        }
        if (auto* b = qobject_cast<QComboBox*>(w))
            same &= b->currentIndex() == static_cast<const zerbo::List*>(c)->index();
        if (auto* l = qobject_cast<QListWidget*>(w))
            same &= l->currentRow() == static_cast<const zerbo::List*>(c)->index();
        if (auto* b = qobject_cast<QAbstractButton*>(w); b && b->isCheckable()) {
            if (c->kind() == zerbo::ControlKind::Button)
                same &= b->isChecked() == static_cast<const zerbo::Button*>(c)->down();
            if (c->kind() == zerbo::ControlKind::Check)
                same &= b->isChecked() == static_cast<const zerbo::Check*>(c)->checked;
        }
        if (!same) out << name;
    }
    return out;
}

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
