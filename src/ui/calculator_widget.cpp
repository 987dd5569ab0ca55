// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/page_widgets.h"

#include "calculator/calculator_page.h"

#include "ui/accessibility.h"
#include "ui/field_width.h"
#include "ui/form.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zerbo::ui {

namespace {

struct Row {
    const char* caption;
    const Field& field;
    const char* unit;
    bool result;
};

QGroupBox* MakeCalculatorGroup(const QString& title, const Row (&rows)[3], QWidget* parent) {
    auto* group = MakeGroup(title, parent);
    auto* grid = new QGridLayout(group);
    int r = 0;
    for (const Row& row : rows) {
        auto* field = MakeField(row.field, group);
        auto* caption = Captions(MakeLabel(QString::fromUtf8(row.caption), group), field);
        caption->setMinimumWidth(120);
        grid->addWidget(caption, r, 0);
        field->setReadOnly(false);
        FitWidestNumber(field);
        Colour(field, row.result ? kYellow : kLime);
        grid->addWidget(field, r, 1);
        grid->addWidget(MakeLabel(QString::fromUtf8(row.unit), group), r, 2);
        ++r;
    }
    grid->setColumnStretch(3, 1);
    return group;
}

} // namespace

QWidget* MakeCalculatorPage(const CalculatorPage& page, QWidget* parent) {
    auto* widget = new QWidget(parent);
    auto* box = new QVBoxLayout(widget);
    const Row speed[3] = {{"Durchmesser:", page.diameter, "mm", false},
                          {"Schnittgeschw.:", page.cuttingSpeed, "m/Min.", false},
                          {"Drehzahl:", page.spindleSpeed, "U/Min.", true}};
    const Row feed[3] = {{"Schneidenzahl:", page.edges, "", false},
                         {"Spandicke:", page.chipThickness, "mm", false},
                         {"Vorschub:", page.feedRate, "mm/Min.", true}};
    box->addWidget(MakeCalculatorGroup("Drehzahlberechnung", speed, widget));
    box->addWidget(MakeCalculatorGroup("Vorschubberechnung", feed, widget));
    box->addStretch(1);
    return widget;
}

} // namespace zerbo::ui
