// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/page_widgets.h"

#include "countersinking/countersinking_page.h"

#include "ui/accessibility.h"
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

QWidget* Tool(const CountersinkingPage& page, QWidget* parent) {
    auto* box = new QGroupBox(parent);
    auto* v = new QVBoxLayout(box);

    auto* grid = new QGridLayout;
    auto* tool = MakeList(page.toolList, box, 300);
    auto* coating = MakeList(page.coatingList, box, 300);
    auto* size = MakeList(page.sizeList, box, 170);
    auto* edges = MakeList(page.edgesList, box, 60);
    auto* material = MakeList(page.materialList, box, 300);
    grid->addWidget(Captions(MakeLabel("Werkzeugtyp:", box), tool), 0, 0, 1, 2);
    grid->addWidget(tool, 1, 0, 1, 2);
    grid->addWidget(Captions(MakeLabel("Beschichtung:", box), coating), 2, 0, 1, 2);
    grid->addWidget(coating, 3, 0, 1, 2);
    grid->addWidget(Captions(MakeLabel("Senkerdurchm/Größe:", box), size), 4, 0);
    grid->addWidget(Captions(MakeLabel("Schneidenz.:", box), edges), 4, 1);
    grid->addWidget(size, 5, 0);
    grid->addWidget(edges, 5, 1);
    grid->addWidget(Captions(MakeLabel("Werkstoff:", box), material), 6, 0, 1, 2);
    grid->addWidget(material, 7, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    v->addLayout(grid);

    // The pre-drilled diameter; countersinks with a pilot show the pilot
    // (or core-hole) list instead of the bar.
    auto* hole = MakeGroup("Vorgebohrt auf Durchmesser..:", box);
    auto* hv = new QVBoxLayout(hole);
    auto* bar = new QHBoxLayout;
    bar->addWidget(MakeRangeBar({page.preDrillBar, page.preDrill, nullptr, nullptr,
                                 &page.preDrillMin, nullptr, &page.preDrillMax, hole->title()},
                                hole, 60));
    bar->addWidget(MakeLabel("mm", hole), 0, Qt::AlignTop);
    bar->addStretch(1);
    hv->addLayout(bar);
    auto* pilot = new QHBoxLayout;
    auto* pilotList = MakeList(page.pilotList, hole, 80);
    pilot->addWidget(Captions(MakeLabel(page.pilotCaption, hole), pilotList));
    pilot->addWidget(pilotList);
    pilot->addStretch(1);
    hv->addLayout(pilot);
    v->addWidget(hole);

    auto* coolant = MakeGroup("Kühl- und Schmiermittel:", box);
    auto* memo = MakeMemo(page.coolant, coolant);
    FitLines(memo, 2);
    (new QVBoxLayout(coolant))->addWidget(memo);
    v->addWidget(coolant);
    v->addStretch(1);
    return box;
}

// The speed bar with its field and unit, the bounds under "min." and
// "max.", and the raise for coated countersinks at the right.
QGroupBox* Speed(const CountersinkingPage& page, QWidget* parent) {
    auto* box = MakeGroup("Schnittgeschw. Vc:", parent);
    auto* g = new QGridLayout(box);
    g->setVerticalSpacing(0);
    auto* bar = MakeBar(page.speedBar, box);
    bar->setMinimumWidth(130);
    g->addWidget(bar, 0, 0, 1, 2);
    auto* speed = MakeField(page.cuttingSpeed, box, 70);
    NameBarAndField(bar, speed, box->title());
    g->addWidget(speed, 0, 2);
    g->addWidget(MakeLabel("m/Min.", box), 0, 3);
    g->addWidget(MakePercentStepper(page.speedStep, box), 0, 4);
    g->addWidget(MakeLabel("min.", box), 1, 0);
    g->addWidget(MakeLabel("max.", box), 1, 1, Qt::AlignRight);
    g->addWidget(MakeLabel(page.speedMin, box), 2, 0);
    g->addWidget(MakeLabel(page.speedMax, box), 2, 1, Qt::AlignRight);
    g->setColumnStretch(5, 1);
    return box;
}

QGroupBox* Feed(const CountersinkingPage& page, QWidget* parent) {
    auto* box = MakeGroup("Vorsch. pro Umdr. f:", parent);
    auto* h = new QHBoxLayout(box);
    h->addWidget(MakeField(page.feed, box, 70));
    h->addWidget(MakeLabel("mm/U", box));
    h->addSpacing(12);
    h->addWidget(MakePercentStepper(page.feedStep, box));
    h->addStretch(1);
    return box;
}

QGroupBox* Results(const CountersinkingPage& page, QWidget* parent) {
    return MakeResultBox(
        "Ergebnis:", page.results,
        {"n in U/Min.", "Vf in mm/min.", "kc in N/mm²", "Q in cm³/Min.", "Pe in kW"}, parent);
}

QWidget* Values(const CountersinkingPage& page, QWidget* parent) {
    auto* col = new QWidget(parent);
    auto* v = new QVBoxLayout(col);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(Speed(page, col));
    v->addWidget(Feed(page, col));
    v->addWidget(Results(page, col));
    v->addStretch(1);
    return col;
}

} // namespace

QWidget* MakeCountersinkingPage(const CountersinkingPage& page, QWidget* parent) {
    auto* widget = new QWidget(parent);
    auto* h = new QHBoxLayout(widget);
    h->addWidget(Tool(page, widget));
    // The sketch keeps its width whether or not the raises are shown.
    QWidget* sketch = MakeSketch("countersinking", widget);
    sketch->setFixedWidth(240);
    h->addWidget(sketch);
    h->addWidget(Values(page, widget), 1);
    return widget;
}

} // namespace zerbo::ui
