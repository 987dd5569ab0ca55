// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/dialog_windows.h"

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
    grid->addWidget(MakeLabel(model.label1, material, "Bezeichnung:"), 0, 0);
    auto* grades = MakeListBox(model.listBox1, material);
    grades->setMinimumWidth(180);
    grid->addWidget(grades, 1, 0, 6, 1);
    grid->addWidget(MakeLabel(model.label3, material, "spezifische Schnittkraft (kc):"), 0, 1, 1,
                    3);
    grid->addWidget(MakeField(model.edit2, material), 1, 1);
    grid->addWidget(MakeLabel(model.label4, material, "N/mm²"), 1, 2);
    grid->addWidget(MakeLabel(model.label2, material, "Spanungsdickenexponent (mc)"), 2, 1, 1, 3);
    grid->addWidget(MakeField(model.edit1, material), 3, 1);
    grid->addWidget(MakeLabel(model.label5, material, "Multiplikator"), 4, 1, 1, 3);
    auto* bar = MakeBar(model.scrollBar1, material);
    bar->setMinimumWidth(120);
    grid->addWidget(bar, 5, 1, 1, 2);
    grid->addWidget(MakeField(model.edit3, material, 60), 5, 3);
    grid->addWidget(MakeLabel(model.label6, material, "0"), 6, 1, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(MakeLabel(model.label7, material, "1"), 6, 2, Qt::AlignRight | Qt::AlignTop);
    left->addWidget(material);

    auto* actual = MakeGroup("Tatsächlich verwendete spez. Schnittkraft:", dialog);
    auto* row = new QHBoxLayout(actual);
    row->addWidget(MakeField(model.edit4, actual, 70));
    row->addWidget(MakeLabel("x", actual));
    row->addWidget(MakeField(model.edit5, actual, 50));
    row->addWidget(MakeLabel("=", actual));
    row->addWidget(MakeField(model.edit6, actual, 80));
    row->addWidget(MakeLabel("N/mm²", actual));
    row->addStretch(1);
    left->addWidget(actual);
    left->addWidget(MakeCheck(model.checkBox1, "Automatische Wertübergabe", dialog));
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
