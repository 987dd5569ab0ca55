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
#include <QVBoxLayout>

namespace zerbo::ui {

namespace {

QWidget* Tool(QWidget* page) {
    auto* col = new QWidget(page);
    auto* v = new QVBoxLayout(col);
    v->setContentsMargins(0, 0, 0, 0);

    auto* material = MakeGroup("Schneidstoffgruppe:", col);
    static const char* const materialNames[] = {"SpeedButton17", "SpeedButton18"};
    static const QString materialCaptions[] = {"HSS", "VHM/WP"};
    (new QHBoxLayout(material))
        ->addWidget(MakeButtonRow(materialNames, materialCaptions, 2, material, 64));
    v->addWidget(material);

    auto* grid = new QGridLayout;
    grid->addWidget(MakeLabel("", col, "Label100"), 0, 0);
    grid->addWidget(MakeList("ComboBox21", col, 260), 1, 0);
    grid->addWidget(MakeLabel("", col, "Label101"), 2, 0);
    grid->addWidget(MakeList("ComboBox22", col, 260), 3, 0);
    grid->addWidget(MakeLabel("", col, "Label111"), 4, 0, 1, 2);
    grid->addWidget(MakeList("ComboBox25", col, 340), 5, 0, 1, 2);
    grid->addWidget(MakeLabel("", col, "Label102"), 0, 1);
    grid->addWidget(MakeList("ComboBox23", col, 70), 1, 1);
    v->addLayout(grid);

    auto* info = MakeGroup("Werkzeugkenndaten:", col);
    auto* ig = new QGridLayout(info);
    const std::pair<const char*, const char*> fields[] = {
        {"Label103", "Edit55"}, {"Label146", "Edit54"}, {"Label151", "Edit56"}};
    int c = 0;
    for (const auto& [label, field] : fields) {
        ig->addWidget(MakeLabel("", info, label), 0, c);
        ig->addWidget(MakeField(field, info, 70), 1, c);
        ++c;
    }
    ig->setColumnStretch(3, 1);
    v->addWidget(info);

    v->addWidget(MakeLabel("", col, "Label112"));
    auto* memo = MakeMemo("Memo5", col);
    memo->setMinimumHeight(90);
    v->addWidget(memo, 1);
    return col;
}

QWidget* Cutting(QWidget* page) {
    auto* col = new QWidget(page);
    auto* v = new QVBoxLayout(col);
    v->setContentsMargins(0, 0, 0, 0);

    auto* speed = MakeGroup("Schnittgeschw. VC:", col);
    auto* sv = new QVBoxLayout(speed);
    sv->addWidget(MakeRangeBar(
        {"ScrollBar9", "Edit38", "Label167", "Label107", "Label109", "Label108", "Label110"},
        speed));
    sv->addWidget(MakePercentStepper("SpeedButton55", "Edit65", "SpeedButton56", speed), 0,
                  Qt::AlignLeft);
    v->addWidget(speed);

    auto* feed = MakeGroup("Vorschub pro Umdr. f:", col);
    auto* fv = new QVBoxLayout(feed);
    fv->addWidget(MakeRangeBar(
        {"ScrollBar14", "Edit37", "Label168", "Label153", "Label155", "Label154", "Label156"},
        feed));
    fv->addWidget(MakePercentStepper("SpeedButton53", "Edit64", "SpeedButton54", feed), 0,
                  Qt::AlignLeft);
    v->addWidget(feed);

    v->addWidget(MakeResultBox("Ergebnis:",
                               {{"n in U/Min.:", "Edit39"},
                                {"Vf in mm/Min.:", "Edit40"},
                                {"kc in N/mm²", "Edit41"},
                                {"Q in cm³/Min.", "Edit43"},
                                {"Pe in kW", "Edit42"}},
                               col));
    v->addStretch(1);
    return col;
}

} // namespace

QWidget* MakeDrillingPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* h = new QHBoxLayout(page);
    h->addWidget(Tool(page));
    h->addWidget(Cutting(page));
    h->addWidget(MakeSketch("drilling", page), 1);
    return page;
}

} // namespace zerbo::ui
