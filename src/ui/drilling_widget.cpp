// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/page_widgets.h"

#include "drilling/drilling_page.h"

#include "ui/form.h"
#include "ui/sketch.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace zerbo::ui {

namespace {

QWidget* Tool(const DrillingPage& page, QWidget* parent) {
    auto* col = new QWidget(parent);
    auto* v = new QVBoxLayout(col);
    v->setContentsMargins(0, 0, 0, 0);

    auto* material = MakeGroup("Schneidstoffgruppe:", col);
    static const QString materialCaptions[] = {"HSS", "VHM/WP"};
    (new QHBoxLayout(material))
        ->addWidget(
            MakeButtonRow({&page.hssButton, &page.carbideButton}, materialCaptions, material, 64));
    v->addWidget(material);

    auto* grid = new QGridLayout;
    grid->addWidget(MakeLabel(page.toolCaption, col), 0, 0);
    grid->addWidget(MakeList(page.toolList, col, 260), 1, 0);
    grid->addWidget(MakeLabel(page.coatingCaption, col), 2, 0);
    grid->addWidget(MakeList(page.coatingList, col, 260), 3, 0);
    grid->addWidget(MakeLabel(page.materialCaption, col), 4, 0, 1, 2);
    grid->addWidget(MakeList(page.materialList, col, 340), 5, 0, 1, 2);
    grid->addWidget(MakeLabel(page.diameterCaption, col), 0, 1);
    grid->addWidget(MakeList(page.diameterList, col, 70), 1, 1);
    v->addLayout(grid);

    auto* info = MakeGroup("Werkzeugkenndaten:", col);
    auto* ig = new QGridLayout(info);
    const std::pair<const Label*, const Field*> fields[] = {{&page.edgesCaption, &page.edges},
                                                            {&page.info1Caption, &page.info1},
                                                            {&page.info2Caption, &page.info2}};
    int c = 0;
    for (const auto& [label, field] : fields) {
        ig->addWidget(MakeLabel(*label, info), 0, c);
        ig->addWidget(MakeField(*field, info, 70), 1, c);
        ++c;
    }
    ig->setColumnStretch(3, 1);
    v->addWidget(info);

    v->addWidget(MakeLabel(page.coolantCaption, col));
    auto* memo = MakeMemo(page.coolant, col);
    memo->setMinimumHeight(90);
    v->addWidget(memo, 1);
    return col;
}

QWidget* Cutting(const DrillingPage& page, QWidget* parent) {
    auto* col = new QWidget(parent);
    auto* v = new QVBoxLayout(col);
    v->setContentsMargins(0, 0, 0, 0);

    auto* speed = MakeGroup("Schnittgeschw. VC:", col);
    auto* sv = new QVBoxLayout(speed);
    sv->addWidget(
        MakeRangeBar({page.speedBar, page.cuttingSpeed, &page.speedUnit, &page.speedMinCaption,
                      &page.speedMin, &page.speedMaxCaption, &page.speedMax},
                     speed));
    sv->addWidget(MakePercentStepper(page.speedStep, speed), 0, Qt::AlignLeft);
    v->addWidget(speed);

    auto* feed = MakeGroup("Vorschub pro Umdr. f:", col);
    auto* fv = new QVBoxLayout(feed);
    fv->addWidget(MakeRangeBar({page.feedBar, page.feed, &page.feedUnit, &page.feedMinCaption,
                                &page.feedMin, &page.feedMaxCaption, &page.feedMax},
                               feed));
    fv->addWidget(MakePercentStepper(page.feedStep, feed), 0, Qt::AlignLeft);
    v->addWidget(feed);

    v->addWidget(MakeResultBox(
        "Ergebnis:", page.results,
        {"n in U/Min.:", "Vf in mm/Min.:", "kc in N/mm²", "Q in cm³/Min.", "Pe in kW"}, col));
    v->addStretch(1);
    return col;
}

} // namespace

QWidget* MakeDrillingPage(const DrillingPage& page, QWidget* parent) {
    auto* widget = new QWidget(parent);
    auto* h = new QHBoxLayout(widget);
    h->addWidget(Tool(page, widget));
    h->addWidget(Cutting(page, widget));
    h->addWidget(MakeSketch("drilling", widget), 1);
    return widget;
}

} // namespace zerbo::ui
