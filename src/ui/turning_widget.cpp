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

QGroupBox* Inputs(QWidget* page) {
    auto* box = new QGroupBox(page);
    auto* v = new QVBoxLayout(box);

    auto* material = MakeGroup("Schneidstoffgruppe:", box);
    auto* mrow = new QHBoxLayout(material);
    mrow->addWidget(MakeSpeedButton("SpeedButton22", "HSS", material));
    mrow->addWidget(MakeSpeedButton("SpeedButton23", "WP", material));
    mrow->addStretch(1);
    v->addWidget(material);

    auto* grid = new QGridLayout;
    grid->addWidget(MakeLabel("Bearbeitungsart:", box), 0, 0);
    grid->addWidget(MakeList("ComboBox26", box, 160), 1, 0);
    grid->addWidget(MakeLabel("", box, "Label158"), 0, 1);
    grid->addWidget(MakeList("ComboBox19", box, 70), 1, 1);
    v->addLayout(grid);

    auto* overhang = new QHBoxLayout;
    overhang->addWidget(MakeLabel("", box, "Label159"));
    overhang->addWidget(MakeRangeBar({"ScrollBar16", "Edit60", "Label160", nullptr, "Label161",
                                      nullptr, "Label162"},
                                     box, 50),
                        1);
    v->addLayout(overhang);

    // Machining classes, finest first; the glyphs are surface marks.
    static const char* const classNames[] = {"SpeedButton26", "SpeedButton27", "SpeedButton28",
                                             "SpeedButton29", "SpeedButton30"};
    static const QString classGlyphs[] = {"▽▽▽▽", "▽▽▽", "▽▽", "▽", "∼"};
    QWidget* classes = MakeButtonRow(classNames, classGlyphs, 5, box, 52);
    static const char* const classIcons[] = {"class1", "class2", "class3", "class4", "class5"};
    for (int i = 0; i < 5; ++i)
        SetGlyph(classes->findChild<QToolButton*>(classNames[i]), classIcons[i], 44, 11);
    v->addWidget(classes);

    static const char* const groupNames[] = {
        "SpeedButton31", "SpeedButton32", "SpeedButton38", "SpeedButton39",
        "SpeedButton40", "SpeedButton41", "SpeedButton42", "SpeedButton43",
        "SpeedButton44", "SpeedButton45", "SpeedButton46"};
    v->addWidget(MakeMaterialGroupBox(groupNames, "Memo6", box), 1);
    return box;
}

QWidget* Values(QWidget* page) {
    auto* col = new QWidget(page);
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
    dv->addWidget(MakeLabel("", diameter, "Label165"));
    dv->addWidget(MakeRangeBar({"ScrollBar17", "Edit61", "Label166", nullptr, "Label163",
                                nullptr, "Label164"},
                               diameter));
    v->addWidget(diameter);

    auto* speed = MakeGroup("Schnittgeschw. Vc:", col);
    (new QVBoxLayout(speed))
        ->addWidget(MakeRangeBar({"ScrollBar11", "Edit45", "Label125", "Label132", "Label134",
                                  "Label133", "Label135"},
                                 speed));
    v->addWidget(speed);

    auto* feed = MakeGroup("Vorschub Vf:", col);
    (new QVBoxLayout(feed))
        ->addWidget(MakeRangeBar({"ScrollBar10", "Edit44", "Label124", "Label127", "Label129",
                                  "Label128", "Label130"},
                                 feed));
    v->addWidget(feed);

    auto* bottom = new QHBoxLayout;
    auto* depth = MakeGroup("Schnittiefe/Werkstückdurchm.:", col);
    auto* dg = new QGridLayout(depth);
    dg->addWidget(MakeLabel("", depth, "Label120"), 0, 0);
    auto* bar = MakeBar("ScrollBar15", depth, true);
    bar->setMinimumHeight(110);
    dg->addWidget(bar, 1, 0, 2, 1, Qt::AlignHCenter);
    dg->addWidget(MakeLabel("", depth, "Label121"), 3, 0);
    dg->addWidget(MakeLabel("", depth, "Label157"), 1, 1);
    dg->addWidget(MakeField("Edit59", depth, 60), 2, 1);
    bottom->addWidget(depth);

    auto* result = MakeGroup("Ergebnis:", col);
    auto* rg = new QGridLayout(result);
    const std::pair<const char*, const char*> rows[] = {
        {"Label137", "Edit46"}, {"Label138", "Edit47"}, {"Label139", "Edit48"},
        {"Label140", "Edit49"}, {"Label136", "Edit57"}, {"Label119", "Edit58"}};
    int r = 0;
    for (const auto& [label, field] : rows) {
        rg->addWidget(MakeLabel("", result, label), r, 0);
        auto* value = MakeField(field, result);
        FitWidestNumber(value);
        rg->addWidget(value, r, 1);
        ++r;
    }
    auto* werkstoff = new QPushButton("Werkstoff", result);
    werkstoff->setObjectName("SpeedButton24");
    rg->addWidget(werkstoff, 1, 2);
    bottom->addWidget(result, 1);
    outer->addLayout(bottom);
    outer->addStretch(1);
    return col;
}

} // namespace

QWidget* MakeTurningPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* h = new QHBoxLayout(page);
    h->addWidget(Inputs(page));
    h->addWidget(Values(page), 1);
    return page;
}

} // namespace zerbo::ui
