// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/page_widgets.h"

#include "drilling/drilling_page.h"

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
#include <QVBoxLayout>

namespace zerbo::ui {

namespace {

QWidget* Tool(const DrillingPage& page, QWidget* parent) {
    auto* col = new QWidget(parent);
    auto* v = new QVBoxLayout(col);
    v->setContentsMargins(0, 0, 0, 0);

    auto* cutting = MakeGroup("Schneidstoffgruppe:", col);
    static const QString materialCaptions[] = {"HSS", "VHM/WP"};
    (new QHBoxLayout(cutting))
        ->addWidget(
            MakeButtonRow({&page.hssButton, &page.carbideButton}, materialCaptions, cutting, 64));
    v->addWidget(cutting);

    auto* grid = new QGridLayout;
    auto* tool = MakeList(page.toolList, col, 260);
    auto* coating = MakeList(page.coatingList, col, 260);
    auto* material = MakeList(page.materialList, col, 340);
    auto* diameter = MakeList(page.diameterList, col, 70);
    grid->addWidget(Captions(MakeLabel(page.toolCaption, col), tool), 0, 0);
    grid->addWidget(tool, 1, 0);
    grid->addWidget(Captions(MakeLabel(page.coatingCaption, col), coating), 2, 0);
    grid->addWidget(coating, 3, 0);
    grid->addWidget(Captions(MakeLabel(page.materialCaption, col), material), 4, 0, 1, 2);
    grid->addWidget(material, 5, 0, 1, 2);
    grid->addWidget(Captions(MakeLabel(page.diameterCaption, col), diameter), 0, 1);
    grid->addWidget(diameter, 1, 1);
    v->addLayout(grid);

    auto* info = MakeGroup("Werkzeugkenndaten:", col);
    auto* ig = new QGridLayout(info);
    const std::pair<const Label*, const Field*> fields[] = {{&page.edgesCaption, &page.edges},
                                                            {&page.info1Caption, &page.info1},
                                                            {&page.info2Caption, &page.info2}};
    int c = 0;
    for (const auto& [label, field] : fields) {
        auto* value = MakeField(*field, info, 70);
        ig->addWidget(Captions(MakeLabel(*label, info), value), 0, c);
        ig->addWidget(value, 1, c);
        ++c;
    }
    ig->setColumnStretch(3, 1);
    v->addWidget(info);

    auto* memo = MakeMemo(page.coolant, col);
    FitLines(memo, 7); // the longest coolant text
    v->addWidget(Captions(MakeLabel(page.coolantCaption, col), memo));
    v->addWidget(memo);
    v->addStretch(1);
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
                      &page.speedMin, &page.speedMaxCaption, &page.speedMax, speed->title()},
                     speed));
    sv->addWidget(MakePercentStepper(page.speedStep, speed), 0, Qt::AlignLeft);
    v->addWidget(speed);

    auto* feed = MakeGroup("Vorschub pro Umdr. f:", col);
    auto* fv = new QVBoxLayout(feed);
    fv->addWidget(MakeRangeBar({page.feedBar, page.feed, &page.feedUnit, &page.feedMinCaption,
                                &page.feedMin, &page.feedMaxCaption, &page.feedMax,
                                feed->title()},
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
