// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/page_widgets.h"

#include "reaming/reaming_page.h"

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
#include <QToolButton>
#include <QVBoxLayout>

#include <initializer_list>
#include <utility>

namespace zerbo::ui {

namespace {

QWidget* Inputs(const ReamingPage& page, QWidget* parent) {
    auto* box = new QGroupBox(parent);
    auto* v = new QVBoxLayout(box);

    auto* group = MakeGroup("Schneidstoffgruppe:", box);
    static const QString groupCaptions[] = {"HSS", "HM"};
    (new QHBoxLayout(group))
        ->addWidget(MakeButtonRow({&page.hssButton, &page.hmButton}, groupCaptions, group, 48));
    v->addWidget(group);

    auto* grid = new QGridLayout;
    auto* tool = MakeList(page.toolList, box, 280);
    auto* cutting = MakeList(page.cuttingMaterialList, box, 200);
    auto* diameter = MakeList(page.diameterList, box, 70);
    auto* material = MakeList(page.materialList, box, 280);
    grid->addWidget(Captions(MakeLabel("Werkzeugtyp:", box), tool), 0, 0, 1, 2);
    grid->addWidget(tool, 1, 0, 1, 2);
    grid->addWidget(Captions(MakeLabel("Schneidstoff bzw.Beschichtung:", box), cutting), 2, 0);
    grid->addWidget(cutting, 3, 0);
    grid->addWidget(Captions(MakeLabel("Durchm.:", box), diameter), 2, 1);
    grid->addWidget(diameter, 3, 1);
    grid->addWidget(Captions(MakeLabel("Werkstoff:", box), material), 4, 0, 1, 2);
    grid->addWidget(material, 5, 0, 1, 2);
    v->addLayout(grid);

    auto* coolant = MakeGroup("Kühl- und Schmiermittel:", box);
    auto* memo = MakeMemo(page.coolant, coolant);
    FitLines(memo, 14); // the longest coolant text, for steel
    (new QVBoxLayout(coolant))->addWidget(memo);
    v->addWidget(coolant);
    v->addStretch(1);
    return box;
}

// A group with a bar, its field and unit on one row and the labels of the
// bar's two ends under it; returns the grid for more rows.
QGridLayout* BarGroup(QGroupBox* box, const Bar& bar, const Field& field, const char* unit,
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
    auto* value = MakeField(field, box, 70);
    NameBarAndField(b, value, box->title());
    g->addWidget(value, 0, 4);
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
QGroupBox* Speed(const ReamingPage& page, QWidget* parent) {
    auto* speed = MakeGroup("Schnittgeschw. Vc:", parent);
    QGridLayout* g = BarGroup(speed, page.speedBar, page.cuttingSpeed, "m/Min.",
                              {MakeLabel("min", speed), MakeLabel(page.speedMin, speed)},
                              {MakeLabel("max", speed), MakeLabel(page.speedMax, speed)});
    g->addWidget(MakePercentStepper(page.speedStep, speed), 1, 4, 1, 2, Qt::AlignLeft);
    return speed;
}

// "Vorschub f:": the feed with the bar that raises it by 0..100 %.
QGroupBox* Feed(const ReamingPage& page, QWidget* parent) {
    auto* feed = MakeGroup("Vorschub f:", parent);
    BarGroup(feed, page.feedBar, page.feed, "mm/U",
             {MakeLabel(page.feedMinCaption, feed), MakeLabel(page.feedMin, feed)},
             {MakeLabel(page.feedMaxCaption, feed), MakeLabel(page.feedMax, feed),
              MakeLabel(page.feedPercentUnit, feed)});
    return feed;
}

QGroupBox* Allowance(const ReamingPage& page, QWidget* parent) {
    auto* allowance = MakeGroup("Reibaufmaß:", parent);
    auto* h = new QHBoxLayout(allowance);
    h->addWidget(MakeField(page.allowance, allowance, 100));
    h->addWidget(MakeLabel("mm", allowance));
    h->addSpacing(24);
    h->addWidget(MakeLabel(page.allowanceIncreaseCaption, allowance));
    h->addWidget(MakePercentStepper(page.allowanceStep, allowance));
    h->addStretch(1);
    return allowance;
}

QGroupBox* Results(const ReamingPage& page, QWidget* parent) {
    return MakeResultBox(
        "Ergebnis:", page.results,
        {"n in U/Min.:", "Vf in mm/Min.:", "kc in N/mm²", "Q in cm³/Min.:", "Pe in kW:"}, parent);
}

QWidget* Values(const ReamingPage& page, QWidget* parent) {
    auto* col = new QWidget(parent);
    auto* v = new QVBoxLayout(col);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(Speed(page, col));
    v->addWidget(Feed(page, col));
    v->addWidget(Allowance(page, col));
    v->addWidget(Results(page, col));
    v->addStretch(1);
    return col;
}

} // namespace

QWidget* MakeReamingPage(const ReamingPage& page, QWidget* parent) {
    auto* widget = new QWidget(parent);
    auto* h = new QHBoxLayout(widget);
    h->addWidget(Inputs(page, widget));
    h->addWidget(MakeSketch("reaming", widget));
    h->addWidget(Values(page, widget), 1);
    return widget;
}

} // namespace zerbo::ui
