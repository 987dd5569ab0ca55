// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/page_widgets.h"

#include "ui/form.h"
#include "ui/sketch.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

namespace zerbo::ui {

namespace {

QWidget* Tool(QWidget* page) {
    auto* box = new QGroupBox(page);
    auto* v = new QVBoxLayout(box);

    auto* grid = new QGridLayout;
    grid->addWidget(MakeLabel("Werkzeugtyp:", box), 0, 0, 1, 2);
    grid->addWidget(MakeList("ComboBox11", box, 300), 1, 0, 1, 2);
    grid->addWidget(MakeLabel("Beschichtung:", box), 2, 0, 1, 2);
    grid->addWidget(MakeList("ComboBox12", box, 300), 3, 0, 1, 2);
    grid->addWidget(MakeLabel("Senkerdurchm/Größe:", box), 4, 0);
    grid->addWidget(MakeLabel("Schneidenz.:", box), 4, 1);
    grid->addWidget(MakeList("ComboBox13", box, 170), 5, 0);
    grid->addWidget(MakeList("ComboBox14", box, 60), 5, 1);
    grid->addWidget(MakeLabel("Werkstoff:", box), 6, 0, 1, 2);
    grid->addWidget(MakeList("ComboBox15", box, 300), 7, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    v->addLayout(grid);

    // The pre-drilled diameter; countersinks with a pilot show the pilot
    // (or core-hole) list instead of the bar.
    auto* hole = MakeGroup("Vorgebohrt auf Durchmesser..:", box);
    auto* hv = new QVBoxLayout(hole);
    auto* bar = new QHBoxLayout;
    bar->addWidget(MakeRangeBar(
        {"ScrollBar12", "Edit50", nullptr, nullptr, "Label143", nullptr, "Label144"}, hole, 60));
    bar->addWidget(MakeLabel("mm", hole), 0, Qt::AlignTop);
    bar->addStretch(1);
    hv->addLayout(bar);
    auto* pilot = new QHBoxLayout;
    pilot->addWidget(MakeLabel("", hole, "Label145"));
    pilot->addWidget(MakeList("ComboBox31", hole, 80));
    pilot->addStretch(1);
    hv->addLayout(pilot);
    v->addWidget(hole);

    auto* coolant = MakeGroup("Kühl- und Schmiermittel:", box);
    auto* memo = MakeMemo("Memo3", coolant);
    memo->setFixedHeight(52);
    (new QVBoxLayout(coolant))->addWidget(memo);
    v->addWidget(coolant);
    v->addStretch(1);
    return box;
}

// The speed bar with its field and unit, the bounds under "min." and
// "max.", and the raise for coated countersinks at the right.
QGroupBox* Speed(QWidget* parent) {
    auto* box = MakeGroup("Schnittgeschw. Vc:", parent);
    auto* g = new QGridLayout(box);
    g->setVerticalSpacing(0);
    auto* bar = MakeBar("ScrollBar7", box);
    bar->setMinimumWidth(130);
    g->addWidget(bar, 0, 0, 1, 2);
    g->addWidget(MakeField("Edit24", box, 70), 0, 2);
    g->addWidget(MakeLabel("m/Min.", box), 0, 3);
    g->addWidget(MakePercentStepper("SpeedButton59", "Edit67", "SpeedButton60", box), 0, 4);
    g->addWidget(MakeLabel("min.", box), 1, 0);
    g->addWidget(MakeLabel("max.", box), 1, 1, Qt::AlignRight);
    g->addWidget(MakeLabel("", box, "Label73"), 2, 0);
    g->addWidget(MakeLabel("", box, "Label74"), 2, 1, Qt::AlignRight);
    g->setColumnStretch(5, 1);
    return box;
}

QGroupBox* Feed(QWidget* parent) {
    auto* box = MakeGroup("Vorsch. pro Umdr. f:", parent);
    auto* h = new QHBoxLayout(box);
    h->addWidget(MakeField("Edit23", box, 70));
    h->addWidget(MakeLabel("mm/U", box));
    h->addSpacing(12);
    h->addWidget(MakePercentStepper("SpeedButton57", "Edit66", "SpeedButton58", box));
    h->addStretch(1);
    return box;
}

QGroupBox* Results(QWidget* parent) {
    return MakeResultBox("",
                         {{"n in U/Min.", "Edit25"},
                          {"Vf in mm/min.", "Edit26"},
                          {"kc in N/mm²", "Edit27"},
                          {"Q in cm³/Min.", "Edit28"},
                          {"Pe in kW", "Edit29"}},
                         parent);
}

QWidget* Values(QWidget* page) {
    auto* col = new QWidget(page);
    auto* v = new QVBoxLayout(col);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(Speed(col));
    v->addWidget(Feed(col));
    v->addWidget(Results(col));
    v->addStretch(1);
    return col;
}

} // namespace

QWidget* MakeCountersinkingPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* h = new QHBoxLayout(page);
    h->addWidget(Tool(page));
    // The sketch keeps its width whether or not the raises are shown.
    QWidget* sketch = MakeSketch("countersinking", page);
    sketch->setFixedWidth(240);
    h->addWidget(sketch);
    h->addWidget(Values(page), 1);
    return page;
}

} // namespace zerbo::ui
