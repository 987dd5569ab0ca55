// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/page_widgets.h"

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

QWidget* Tool(QWidget* page) {
    auto* col = new QWidget(page);
    auto* v = new QVBoxLayout(col);
    v->setContentsMargins(0, 0, 0, 0);

    auto* material = MakeGroup("Schneidstoffgruppe:", col);
    static const char* const materialNames[] = {"SpeedButton20", "SpeedButton21",
                                                "SpeedButton25"};
    static const QString materialCaptions[] = {"HSS", "WP", "VHM"};
    (new QHBoxLayout(material))
        ->addWidget(MakeButtonRow(materialNames, materialCaptions, 3, material, 48));
    v->addWidget(material);

    auto* grid = new QGridLayout;
    grid->addWidget(MakeLabel("Werkzeugtyp:", col), 0, 0, 1, 2);
    grid->addWidget(MakeList("ComboBox5", col, 300), 1, 0, 1, 2);
    grid->addWidget(MakeLabel("Schneidst. bzw. Beschichtung:", col), 2, 0, 1, 2);
    grid->addWidget(MakeList("ComboBox7", col, 300), 3, 0, 1, 2);
    grid->addWidget(MakeLabel("Zähne:", col), 4, 0);
    grid->addWidget(MakeLabel("D:", col), 4, 1);
    grid->addWidget(MakeList("ComboBox6", col, 60), 5, 0);
    grid->addWidget(MakeList("ComboBox8", col, 70), 5, 1);
    v->addLayout(grid);

    auto* length = MakeGroup("Fräserlänge:", col);
    length->setProperty(kHideWhenEmpty, true);
    static const char* const lengthNames[] = {"SpeedButton1", "SpeedButton2", "SpeedButton3"};
    static const QString lengthCaptions[] = {"Normal", "Lang", "Überlang"};
    (new QHBoxLayout(length))->addWidget(MakeButtonRow(lengthNames, lengthCaptions, 3, length));
    v->addWidget(length);

    static const char* const groupNames[] = {
        "SpeedButton5",  "SpeedButton6",  "SpeedButton7",  "SpeedButton8",
        "SpeedButton9",  "SpeedButton10", "SpeedButton16", "SpeedButton47",
        "SpeedButton48", "SpeedButton49", "SpeedButton50"};
    v->addWidget(MakeMaterialGroupBox(groupNames, "Memo2", col), 1);
    return col;
}

// "ae=" [field] "mm" over the bar with its end labels.
QWidget* Engagement(const char* caption, const char* field, const char* bar, const char* low,
                    const char* high, QWidget* parent) {
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
    g->addWidget(b, 1, 0, 1, 4);
    g->addWidget(MakeLabel("", block, low), 2, 0);
    g->addWidget(MakeLabel("", block, high), 2, 3, Qt::AlignRight);
    g->setColumnStretch(3, 1);
    return block;
}

QWidget* Cutting(QWidget* page) {
    auto* col = new QWidget(page);
    auto* v = new QVBoxLayout(col);
    v->setContentsMargins(0, 0, 0, 0);

    auto* feed = MakeGroup("Vorschub pro Zahn", col);
    auto* fh = new QHBoxLayout(feed);
    fh->addWidget(MakeField("Edit8", feed, 80));
    fh->addWidget(MakeLabel("mm/Zahn", feed));
    fh->addStretch(1);
    v->addWidget(feed);

    auto* speed = MakeGroup("Schnittgeschw. Vc:", col);
    auto* sg = new QGridLayout(speed);
    sg->addWidget(MakeField("Edit9", speed, 80), 0, 0, 1, 2);
    sg->addWidget(MakeLabel("m/min.", speed), 0, 2);
    auto* bar = MakeBar("ScrollBar2", speed);
    bar->setMinimumWidth(190);
    sg->addWidget(bar, 1, 0, 1, 4);
    sg->addWidget(MakeLabel("min.", speed), 2, 0);
    sg->addWidget(MakeLabel("", speed, "Label29"), 2, 1);
    auto* max = new QHBoxLayout;
    max->addStretch(1);
    max->addWidget(MakeLabel("max.", speed));
    max->addWidget(MakeLabel("", speed, "Label30"));
    sg->addLayout(max, 2, 2, 1, 2);
    auto* inc = new QHBoxLayout;
    inc->addWidget(MakeLabel("Steigerung", speed, "Label35"));
    inc->addWidget(MakeField("Edit7", speed, 50));
    auto* lower = MakeGlyphButton("SpeedButton14", "▼", speed);
    SetGlyph(lower, "down");
    auto* raise = MakeGlyphButton("SpeedButton15", "▲", speed);
    SetGlyph(raise, "up");
    inc->addWidget(lower);
    inc->addWidget(raise);
    inc->addStretch(1);
    sg->addLayout(inc, 3, 0, 1, 4);
    v->addWidget(speed);

    auto* engagement = new QGroupBox(col);
    auto* eg = new QGridLayout(engagement);
    eg->addWidget(Engagement("ae=", "Edit14", "ScrollBar1", "Label1", "Label2", engagement), 0, 0);
    eg->addWidget(Engagement("hm=", "Edit4", "ScrollBar4", "Label10", "Label11", engagement), 1,
                  0);
    auto* depth = new QGridLayout;
    depth->addWidget(MakeLabel("", engagement, "Label39"), 0, 0, Qt::AlignHCenter);
    auto* ap = MakeBar("ScrollBar3", engagement, true);
    ap->setMinimumHeight(120);
    depth->addWidget(ap, 1, 0, 3, 1, Qt::AlignHCenter);
    depth->addWidget(MakeLabel("", engagement, "Label40"), 4, 0, Qt::AlignHCenter);
    depth->addWidget(MakeLabel("ap=", engagement), 2, 1);
    depth->addWidget(MakeField("Edit12", engagement, 60), 2, 2);
    depth->addWidget(MakeLabel("mm", engagement), 2, 3);
    eg->addLayout(depth, 0, 1, 2, 1);
    v->addWidget(engagement);
    v->addStretch(1);
    return col;
}

QWidget* Results(QWidget* page) {
    auto* result = MakeGroup("Ergebnis:", page);
    auto* g = new QGridLayout(result);
    const std::pair<const char*, const char*> rows[] = {{"n in U/Min.", "Edit6"},
                                                        {"Vf in mm/min", "Edit5"},
                                                        {"kc in N/mm²", "Edit13"},
                                                        {"Q in cm³/Min.", "Edit11"},
                                                        {"Pe in kW", "Edit10"}};
    int r = 0;
    for (const auto& [caption, field] : rows) {
        g->addWidget(MakeLabel(caption, result), r++, 0);
        auto* value = MakeField(field, result);
        FitWidestNumber(value);
        g->addWidget(value, r++, 0);
    }
    auto* werkstoff = new QPushButton("Werkstoff", result);
    werkstoff->setObjectName("SpeedButton19");
    g->addWidget(werkstoff, 5, 1);
    // Working values the page keeps out of sight.
    const std::pair<const char*, const char*> hidden[] = {
        {"Eingr.Winkel", "Edit3"}, {"Plattenwinkel", "Edit1"}, {"Mittl. Spd. (hm)", "Edit2"}};
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

QWidget* MakeMillingPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* h = new QHBoxLayout(page);
    h->addWidget(Tool(page));
    h->addWidget(Cutting(page));
    h->addWidget(Results(page));
    return page;
}

} // namespace zerbo::ui
