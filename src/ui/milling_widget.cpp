// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/page_widgets.h"

#include "milling/milling_page.h"

#include "ui/accessibility.h"
#include "ui/field_width.h"
#include "ui/form.h"
#include "ui/glyph.h"
#include "ui/sketch.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace zerbo::ui {

namespace {

QWidget* Tool(const MillingPage& page, QWidget* parent) {
    auto* col = new QWidget(parent);
    auto* v = new QVBoxLayout(col);
    v->setContentsMargins(0, 0, 0, 0);

    auto* material = MakeGroup("Schneidstoffgruppe:", col);
    static const QString materialCaptions[] = {"HSS", "WP", "VHM"};
    (new QHBoxLayout(material))
        ->addWidget(MakeButtonRow({&page.hssButton, &page.wpButton, &page.vhmButton},
                                  materialCaptions, material, 48));
    v->addWidget(material);

    auto* grid = new QGridLayout;
    auto* toolType = MakeList(page.toolList, col, 300);
    auto* coating = MakeList(page.coatingList, col, 300);
    auto* teeth = MakeList(page.teethList, col, 60);
    auto* diameter = MakeList(page.diameterList, col, 70);
    grid->addWidget(Captions(MakeLabel("Werkzeugtyp:", col), toolType), 0, 0, 1, 2);
    grid->addWidget(toolType, 1, 0, 1, 2);
    grid->addWidget(Captions(MakeLabel("Schneidst. bzw. Beschichtung:", col), coating), 2, 0, 1,
                    2);
    grid->addWidget(coating, 3, 0, 1, 2);
    grid->addWidget(Captions(MakeLabel("Zähne:", col), teeth), 4, 0);
    grid->addWidget(Captions(MakeLabel("D:", col), diameter), 4, 1);
    grid->addWidget(teeth, 5, 0);
    grid->addWidget(diameter, 5, 1);
    v->addLayout(grid);

    auto* length = MakeGroup("Fräserlänge:", col);
    length->setProperty(kHideWhenEmpty, true);
    static const QString lengthCaptions[] = {"Normal", "Lang", "Überlang"};
    (new QHBoxLayout(length))
        ->addWidget(MakeButtonRow({&page.normalButton, &page.longButton, &page.extraLongButton},
                                  lengthCaptions, length));
    v->addWidget(length);

    v->addWidget(MakeMaterialGroupBox(page.groupButtons, page.groupText, col), 1);
    return col;
}

// "ae=" [field] "mm" over the bar with its end labels.
QWidget* Engagement(const char* caption, const Field& field, const Bar& bar, const Label& low,
                    const Label& high, QWidget* parent) {
    auto* block = new QWidget(parent);
    auto* g = new QGridLayout(block);
    g->setContentsMargins(0, 0, 0, 0);
    g->setVerticalSpacing(0);
    g->addWidget(MakeLabel(caption, block), 0, 0);
    auto* value = MakeField(field, block);
    FitWidestNumber(value); // hm shows fifteen digits
    g->addWidget(value, 0, 1);
    g->addWidget(MakeLabel("mm", block), 0, 2);
    auto* b = MakeBar(bar, block);
    b->setMinimumWidth(190);
    NameBarAndField(b, value, caption);
    g->addWidget(b, 1, 0, 1, 4);
    g->addWidget(MakeLabel(low, block), 2, 0);
    g->addWidget(MakeLabel(high, block), 2, 3, Qt::AlignRight);
    g->setColumnStretch(3, 1);
    return block;
}

QWidget* Cutting(const MillingPage& page, QWidget* parent) {
    auto* col = new QWidget(parent);
    auto* v = new QVBoxLayout(col);
    v->setContentsMargins(0, 0, 0, 0);

    auto* feed = MakeGroup("Vorschub pro Zahn", col);
    auto* fh = new QHBoxLayout(feed);
    fh->addWidget(MakeField(page.toothFeed, feed, 80));
    fh->addWidget(MakeLabel("mm/Zahn", feed));
    fh->addStretch(1);
    v->addWidget(feed);

    auto* speed = MakeGroup("Schnittgeschw. Vc:", col);
    auto* sg = new QGridLayout(speed);
    auto* vc = MakeField(page.cuttingSpeed, speed, 80);
    sg->addWidget(vc, 0, 0, 1, 2);
    sg->addWidget(MakeLabel("m/min.", speed), 0, 2);
    auto* bar = MakeBar(page.speedBar, speed);
    bar->setMinimumWidth(190);
    NameBarAndField(bar, vc, speed->title());
    sg->addWidget(bar, 1, 0, 1, 4);
    sg->addWidget(MakeLabel("min.", speed), 2, 0);
    sg->addWidget(MakeLabel(page.speedMin, speed), 2, 1);
    auto* max = new QHBoxLayout;
    max->addStretch(1);
    max->addWidget(MakeLabel("max.", speed));
    max->addWidget(MakeLabel(page.speedMax, speed));
    sg->addLayout(max, 2, 2, 1, 2);
    auto* inc = new QHBoxLayout;
    auto* percent = MakeField(page.speedIncrease, speed, 50);
    auto* lower = MakeGlyphButton(page.speedIncreaseDown, "▼", speed);
    SetGlyph(lower, "down");
    auto* raise = MakeGlyphButton(page.speedIncreaseUp, "▲", speed);
    SetGlyph(raise, "up");
    auto* increase = Captions(MakeLabel(page.speedIncreaseCaption, speed, "Steigerung"), percent);
    // The row keeps its room while hidden, so the page does not move when
    // it appears.
    for (QWidget* w : std::initializer_list<QWidget*>{increase, percent, lower, raise}) {
        QSizePolicy keep = w->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        w->setSizePolicy(keep);
        inc->addWidget(w);
    }
    inc->addStretch(1);
    sg->addLayout(inc, 3, 0, 1, 4);
    v->addWidget(speed);

    auto* engagement = new QGroupBox(col);
    auto* eg = new QGridLayout(engagement);
    eg->addWidget(
        Engagement("ae=", page.width, page.widthBar, page.widthMin, page.widthMax, engagement), 0,
        0);
    eg->addWidget(Engagement("hm=", page.chipThickness, page.chipThicknessBar,
                             page.chipThicknessMin, page.chipThicknessMax, engagement),
                  1, 0);
    auto* depth = new QGridLayout;
    depth->addWidget(MakeLabel(page.depthMin, engagement), 0, 0, Qt::AlignHCenter);
    auto* ap = MakeBar(page.depthBar, engagement);
    ap->setMinimumHeight(120);
    depth->addWidget(ap, 1, 0, 3, 1, Qt::AlignHCenter);
    depth->addWidget(MakeLabel(page.depthMax, engagement), 4, 0, Qt::AlignHCenter);
    // The bounds change with the tool; their column keeps the width of three
    // digits so the bars beside it keep theirs.
    depth->setColumnMinimumWidth(0, engagement->fontMetrics().horizontalAdvance("000"));
    depth->addWidget(MakeLabel("ap=", engagement), 2, 1);
    auto* apField = MakeField(page.depth, engagement, 60);
    NameBarAndField(ap, apField, "ap=");
    depth->addWidget(apField, 2, 2);
    depth->addWidget(MakeLabel("mm", engagement), 2, 3);
    eg->addLayout(depth, 0, 1, 2, 1);
    v->addWidget(engagement);
    v->addStretch(1);
    return col;
}

QWidget* Results(const MillingPage& page, QWidget* parent) {
    auto* result = MakeGroup("Ergebnis:", parent);
    auto* g = new QGridLayout(result);
    const std::pair<const char*, const Field&> rows[] = {
        {"n in U/Min.", page.results.spindleSpeed},
        {"Vf in mm/min", page.results.feedRate},
        {"kc in N/mm²", page.results.kc},
        {"Q in cm³/Min.", page.results.removalRate},
        {"Pe in kW", page.results.power}};
    int r = 0;
    for (const auto& [caption, field] : rows) {
        auto* value = MakeField(field, result);
        g->addWidget(Captions(MakeLabel(caption, result), value), r++, 0);
        FitWidestNumber(value);
        g->addWidget(value, r++, 0);
    }
    g->addWidget(MakePushButton(page.materialButton, "Werkstoff", result), 5, 1);
    // Working values the page keeps out of sight.
    const std::pair<const char*, const Field&> hidden[] = {
        {"Eingr.Winkel", page.engagementAngle},
        {"Plattenwinkel", page.settingAngle},
        {"Mittl. Spd. (hm)", page.chipThicknessCopy}};
    for (const auto& [caption, field] : hidden) {
        MakeLabel(caption, result)->hide();
        MakeField(field, result)->hide();
    }
    auto* sketch = MakeSketch("milling", result);
    sketch->setFixedSize(195, 260);
    g->addWidget(sketch, r, 0, 1, 2, Qt::AlignCenter);
    g->setRowStretch(r, 1);
    return result;
}

} // namespace

QWidget* MakeMillingPage(const MillingPage& page, QWidget* parent) {
    auto* widget = new QWidget(parent);
    auto* h = new QHBoxLayout(widget);
    h->addWidget(Tool(page, widget));
    // The middle column takes the room left over, so the columns keep their
    // places whichever controls the page shows.
    h->addWidget(Cutting(page, widget), 1);
    h->addWidget(Results(page, widget));
    return widget;
}

} // namespace zerbo::ui
