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
#include <QToolButton>
#include <QVBoxLayout>

#include <initializer_list>
#include <utility>

namespace zerbo::ui {

namespace {

QWidget* Inputs(QWidget* page) {
    auto* box = new QGroupBox(page);
    auto* v = new QVBoxLayout(box);

    auto* group = MakeGroup("Schneidstoffgruppe:", box);
    static const char* const groupNames[] = {"SpeedButton12", "SpeedButton13"};
    static const QString groupCaptions[] = {"HSS", "HM"};
    (new QHBoxLayout(group))->addWidget(MakeButtonRow(groupNames, groupCaptions, 2, group, 48));
    v->addWidget(group);

    auto* grid = new QGridLayout;
    grid->addWidget(MakeLabel("Werkzeugtyp:", box), 0, 0, 1, 2);
    grid->addWidget(MakeList("ComboBox16", box, 280), 1, 0, 1, 2);
    grid->addWidget(MakeLabel("Schneidstoff bzw.Beschichtung:", box), 2, 0);
    grid->addWidget(MakeList("ComboBox17", box, 200), 3, 0);
    grid->addWidget(MakeLabel("Durchm.:", box), 2, 1);
    grid->addWidget(MakeList("ComboBox18", box, 70), 3, 1);
    grid->addWidget(MakeLabel("Werkstoff:", box), 4, 0, 1, 2);
    grid->addWidget(MakeList("ComboBox20", box, 280), 5, 0, 1, 2);
    v->addLayout(grid);

    auto* coolant = MakeGroup("Kühl- und Schmiermittel:", box);
    (new QVBoxLayout(coolant))->addWidget(MakeMemo("Memo4", coolant));
    v->addWidget(coolant, 1);
    return box;
}

// A group with a bar, its field and unit on one row and the labels of the
// bar's two ends under it; returns the grid for more rows.
QGridLayout* BarGroup(QGroupBox* box, const char* bar, const char* field, const char* unit,
                      std::initializer_list<QLabel*> low, std::initializer_list<QLabel*> high) {
    auto* g = new QGridLayout(box);
    g->setVerticalSpacing(2);
    auto* b = MakeBar(bar, box);
    b->setMinimumWidth(190);
    // The field stays in its place while the bar is hidden.
    QSizePolicy keep = b->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    b->setSizePolicy(keep);
    g->addWidget(b, 0, 0, 1, 4);
    g->addWidget(MakeField(field, box, 70), 0, 4);
    g->addWidget(MakeLabel(unit, box), 0, 5);
    auto* lowRow = new QHBoxLayout;
    auto* highRow = new QHBoxLayout;
    highRow->addStretch(1);
    for (auto [row, labels] : {std::pair{lowRow, low}, std::pair{highRow, high}}) {
        row->setSpacing(4);
        for (QLabel* l : labels)
            row->addWidget(l);
    }
    lowRow->addStretch(1);
    g->addLayout(lowRow, 1, 0, 1, 2);
    g->addLayout(highRow, 1, 2, 1, 2);
    g->setColumnStretch(6, 1);
    return g;
}

// "Schnittgeschw. Vc:": the bar in tenths with its field, the effective
// range under it and the percentage it is raised by.
QGroupBox* Speed(QWidget* parent) {
    auto* speed = MakeGroup("Schnittgeschw. Vc:", parent);
    QGridLayout* g = BarGroup(speed, "ScrollBar8", "Edit31", "m/Min.",
                              {MakeLabel("min", speed), MakeLabel("", speed, "Label90")},
                              {MakeLabel("max", speed), MakeLabel("", speed, "Label91")});
    g->addWidget(MakePercentStepper("SpeedButton34", "Edit52", "SpeedButton33", speed), 1, 4, 1, 2,
                 Qt::AlignLeft);
    return speed;
}

// "Vorschub f:": the feed with the bar that raises it by 0..100 %.
QGroupBox* Feed(QWidget* parent) {
    auto* feed = MakeGroup("Vorschub f:", parent);
    BarGroup(feed, "ScrollBar13", "Edit30", "mm/U",
             {MakeLabel("", feed, "Label95"), MakeLabel("", feed, "Label92")},
             {MakeLabel("", feed, "Label96"), MakeLabel("", feed, "Label93"),
              MakeLabel("", feed, "Label94")});
    return feed;
}

QGroupBox* Allowance(QWidget* parent) {
    auto* allowance = MakeGroup("Reibaufmaß:", parent);
    auto* h = new QHBoxLayout(allowance);
    h->addWidget(MakeField("Edit51", allowance, 100));
    h->addWidget(MakeLabel("mm", allowance));
    h->addSpacing(24);
    h->addWidget(MakeLabel("", allowance, "Label97"));
    h->addWidget(MakePercentStepper("SpeedButton35", "Edit53", "SpeedButton36", allowance));
    h->addStretch(1);
    return allowance;
}

QGroupBox* Results(QWidget* parent) {
    return MakeResultBox("Ergebnis:",
                         {{"n in U/Min.:", "Edit32"},
                          {"Vf in mm/Min.:", "Edit33"},
                          {"kc in N/mm²", "Edit34"},
                          {"Q in cm³/Min.:", "Edit35"},
                          {"Pe in kW:", "Edit36"}},
                         parent);
}

QWidget* Values(QWidget* page) {
    auto* col = new QWidget(page);
    auto* v = new QVBoxLayout(col);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(Speed(col));
    v->addWidget(Feed(col));
    v->addWidget(Allowance(col));
    v->addWidget(Results(col));
    v->addStretch(1);
    return col;
}

} // namespace

QWidget* MakeReamingPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* h = new QHBoxLayout(page);
    h->addWidget(Inputs(page));
    h->addWidget(MakeSketch("reaming", page));
    h->addWidget(Values(page), 1);
    return page;
}

} // namespace zerbo::ui
