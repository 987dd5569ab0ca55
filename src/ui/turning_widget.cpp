// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/page_widgets.h"

#include "turning/turning_page.h"

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

QGroupBox* Inputs(const TurningPage& page, QWidget* parent) {
    auto* box = new QGroupBox(parent);
    auto* v = new QVBoxLayout(box);

    auto* material = MakeGroup("Schneidstoffgruppe:", box);
    auto* mrow = new QHBoxLayout(material);
    mrow->addWidget(MakeSpeedButton(page.hssButton, "HSS", material));
    mrow->addWidget(MakeSpeedButton(page.wpButton, "WP", material));
    mrow->addStretch(1);
    v->addWidget(material);

    auto* grid = new QGridLayout;
    auto* operation = MakeList(page.operationList, box, 160);
    auto* shank = MakeList(page.shankList, box, 70);
    grid->addWidget(Captions(MakeLabel("Bearbeitungsart:", box), operation), 0, 0);
    grid->addWidget(operation, 1, 0);
    grid->addWidget(Captions(MakeLabel(page.shankLabel, box), shank), 0, 1);
    grid->addWidget(shank, 1, 1);
    v->addLayout(grid);

    auto* overhang = new QHBoxLayout;
    overhang->addWidget(MakeLabel(page.overhangCaption, box));
    overhang->addWidget(MakeRangeBar({page.overhangBar, page.overhang, &page.overhangUnit, nullptr,
                                      &page.overhangMin, nullptr, &page.overhangMax,
                                      QString::fromStdString(page.overhangCaption.caption)},
                                     box, 50),
                        1);
    v->addLayout(overhang);

    // Machining classes, finest first; the glyphs are surface marks.
    static const QString classGlyphs[] = {"▽▽▽▽", "▽▽▽", "▽▽", "▽", "∼"};
    std::vector<const Button*> classButtons;
    for (const Button& b : page.classButtons)
        classButtons.push_back(&b);
    QWidget* classes = MakeButtonRow(classButtons, classGlyphs, box, 52);
    classes->setAccessibleName("Bearbeitungsklasse");
    static const char* const classIcons[] = {"class1", "class2", "class3", "class4", "class5"};
    const QList<QToolButton*> glyphButtons = classes->findChildren<QToolButton*>();
    for (int i = 0; i < 5; ++i)
        SetGlyph(glyphButtons[i], classIcons[i], 44, 11);
    v->addWidget(classes);

    v->addWidget(MakeMaterialGroupBox(page.groupButtons, page.groupText, box), 1);
    return box;
}

QWidget* Values(const TurningPage& page, QWidget* parent) {
    auto* col = new QWidget(parent);
    auto* outer = new QVBoxLayout(col);
    outer->setContentsMargins(0, 0, 0, 0);
    // The three range bars on the left, the tool sketch beside them.
    auto* top = new QHBoxLayout;
    auto* v = new QVBoxLayout;
    top->addLayout(v, 1);
    auto* sketch = MakeSketch("turning", col);
    sketch->setFixedSize(172, 230);
    top->addWidget(sketch, 0, Qt::AlignTop);
    outer->addLayout(top);

    auto* diameter = MakeGroup("", col);
    auto* dv = new QVBoxLayout(diameter);
    dv->addWidget(MakeLabel(page.diameterCaption, diameter));
    dv->addWidget(MakeRangeBar({page.diameterBar, page.diameter, &page.diameterUnit, nullptr,
                                &page.diameterMin, nullptr, &page.diameterMax,
                                QString::fromStdString(page.diameterCaption.caption)},
                               diameter));
    v->addWidget(diameter);

    auto* speed = MakeGroup("Schnittgeschw. Vc:", col);
    (new QVBoxLayout(speed))
        ->addWidget(
            MakeRangeBar({page.speedBar, page.cuttingSpeed, &page.speedUnit, &page.speedMinCaption,
                          &page.speedMin, &page.speedMaxCaption, &page.speedMax,
                          speed->title()},
                         speed));
    v->addWidget(speed);

    auto* feed = MakeGroup("Vorschub Vf:", col);
    (new QVBoxLayout(feed))
        ->addWidget(MakeRangeBar({page.feedBar, page.feed, &page.feedUnit, &page.feedMinCaption,
                                  &page.feedMin, &page.feedMaxCaption, &page.feedMax,
                                  feed->title()},
                                 feed));
    v->addWidget(feed);

    auto* bottom = new QHBoxLayout;
    auto* depth = MakeGroup("Schnittiefe/Werkstückdurchm.:", col);
    auto* dg = new QGridLayout(depth);
    dg->addWidget(MakeLabel(page.depthMin, depth), 0, 0);
    auto* bar = MakeBar(page.depthBar, depth);
    bar->setMinimumHeight(110);
    dg->addWidget(bar, 1, 0, 2, 1, Qt::AlignHCenter);
    dg->addWidget(MakeLabel(page.depthMax, depth), 3, 0);
    // The bar is named by its group, the field by its caption.
    auto* depthField = MakeField(page.depth, depth, 60);
    dg->addWidget(Captions(MakeLabel(page.depthCaption, depth), depthField), 1, 1);
    dg->addWidget(depthField, 2, 1);
    bottom->addWidget(depth);

    auto* result = MakeGroup("Ergebnis:", col);
    auto* rg = new QGridLayout(result);
    const std::pair<const Label*, const Field*> rows[] = {
        {&page.spindleSpeedCaption, &page.spindleSpeed},
        {&page.kcCaption, &page.kc},
        {&page.powerCaption, &page.power},
        {&page.removalRateCaption, &page.removalRate},
        {&page.coolantCaption, &page.coolant},
        {&page.cuttingMaterialCaption, &page.cuttingMaterial}};
    int r = 0;
    for (const auto& [label, field] : rows) {
        auto* value = MakeField(*field, result);
        rg->addWidget(Captions(MakeLabel(*label, result), value), r, 0);
        FitWidestNumber(value);
        rg->addWidget(value, r, 1);
        ++r;
    }
    rg->addWidget(MakePushButton(page.materialButton, "Werkstoff", result), 1, 2);
    bottom->addWidget(result, 1);
    outer->addLayout(bottom);
    outer->addStretch(1);
    return col;
}

} // namespace

QWidget* MakeTurningPage(const TurningPage& page, QWidget* parent) {
    auto* widget = new QWidget(parent);
    auto* h = new QHBoxLayout(widget);
    h->addWidget(Inputs(page, widget));
    h->addWidget(Values(page, widget), 1);
    return widget;
}

} // namespace zerbo::ui
