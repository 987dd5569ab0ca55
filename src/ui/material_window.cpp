// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/dialog_windows.h"

#include "ui/accessibility.h"
#include "ui/form.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <tuple>

namespace zerbo::ui {

QDialog* MakeMaterialWindow(const PreciseMaterialDialog& model, QWidget* parent) {
    auto* dialog = new QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint |
                                           Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                           Qt::WindowCloseButtonHint);
    dialog->setObjectName(QString::fromUtf8(PreciseMaterialDialog::kFormName));
    auto* outer = new QHBoxLayout(dialog);
    auto* left = new QVBoxLayout;

    auto* material = MakeGroup("Material:", dialog);
    auto* grid = new QGridLayout(material);
    auto* grades = MakeListBox(model.gradeList, material);
    grades->setMinimumWidth(180);
    grid->addWidget(Captions(MakeLabel(model.nameCaption, material, "Bezeichnung:"), grades), 0, 0);
    grid->addWidget(grades, 1, 0, 6, 1);
    auto* kc = MakeField(model.baseForce, material);
    grid->addWidget(
        Captions(MakeLabel(model.forceCaption, material, "spezifische Schnittkraft (kc):"), kc), 0, 1, 1,
        3);
    grid->addWidget(kc, 1, 1);
    grid->addWidget(MakeLabel(model.forceUnit, material, "N/mm²"), 1, 2);
    auto* mc = MakeField(model.exponent, material);
    grid->addWidget(
        Captions(MakeLabel(model.exponentCaption, material, "Spanungsdickenexponent (mc)"), mc), 2, 1, 1, 3);
    grid->addWidget(mc, 3, 1);
    auto* bar = MakeBar(model.multiplierBar, material);
    bar->setMinimumWidth(120);
    auto* factor = MakeField(model.multiplier, material, 60);
    NameBarAndField(bar, factor, "Multiplikator");
    grid->addWidget(MakeLabel(model.multiplierCaption, material, "Multiplikator"), 4, 1, 1, 3);
    grid->addWidget(bar, 5, 1, 1, 2);
    grid->addWidget(factor, 5, 3);
    grid->addWidget(MakeLabel(model.multiplierMin, material, "0"), 6, 1, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(MakeLabel(model.multiplierMax, material, "1"), 6, 2, Qt::AlignRight | Qt::AlignTop);
    left->addWidget(material);

    auto* actual = MakeGroup("Tatsächlich verwendete spez. Schnittkraft:", dialog);
    auto* row = new QHBoxLayout(actual);
    // Each field named as the term of the product it shows.
    const std::tuple<const Field*, int, const char*, const char*> terms[] = {
        {&model.baseForceCopy, 70, "x", "kc1.1"},
        {&model.multiplierCopy, 50, "=", "Multiplikator"},
        {&model.actualForce, 80, "N/mm²", "Ergebnis in N/mm²"}};
    for (const auto& [term, width, sign, name] : terms) {
        auto* field = MakeField(*term, actual, width);
        field->setAccessibleName(actual->title() + " " + QString::fromUtf8(name));
        row->addWidget(field);
        row->addWidget(MakeLabel(QString::fromUtf8(sign), actual));
    }
    row->addStretch(1);
    left->addWidget(actual);
    left->addWidget(MakeCheck(model.autoHandOver, "Automatische Wertübergabe", dialog));
    outer->addLayout(left, 1);

    auto* buttons = new QVBoxLayout;
    for (const auto& [button, caption] :
         {std::pair{&model.okButton, "OK"}, std::pair{&model.cancelButton, "Abbrechen"},
          std::pair{&model.helpButton, "Hilfe"}}) {
        auto* b = MakePushButton(*button, caption, dialog);
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    outer->addLayout(buttons);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    return dialog;
}

} // namespace zerbo::ui
