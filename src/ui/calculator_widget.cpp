// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/page_widgets.h"

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
    const char* name;
    const char* unit;
    bool result;
};

QGroupBox* MakeCalculatorGroup(const QString& title, const Row (&rows)[3], QWidget* parent) {
    auto* group = MakeGroup(title, parent);
    auto* grid = new QGridLayout(group);
    int r = 0;
    for (const Row& row : rows) {
        auto* caption = MakeLabel(QString::fromUtf8(row.caption), group);
        caption->setMinimumWidth(120);
        grid->addWidget(caption, r, 0);
        auto* field = MakeField(row.name, group);
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

QWidget* MakeCalculatorPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* box = new QVBoxLayout(page);
    static const Row speed[3] = {{"Durchmesser:", "Edit68", "mm", false},
                                 {"Schnittgeschw.:", "Edit69", "m/Min.", false},
                                 {"Drehzahl:", "Edit70", "U/Min.", true}};
    static const Row feed[3] = {{"Schneidenzahl:", "Edit71", "", false},
                                {"Spandicke:", "Edit72", "mm", false},
                                {"Vorschub:", "Edit73", "mm/Min.", true}};
    box->addWidget(MakeCalculatorGroup("Drehzahlberechnung", speed, page));
    box->addWidget(MakeCalculatorGroup("Vorschubberechnung", feed, page));
    box->addStretch(1);
    return page;
}

} // namespace zerbo::ui
