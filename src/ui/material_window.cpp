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

QDialog* MakeMaterialWindow(QWidget* parent) {
    auto* dialog = new QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint |
                                           Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                           Qt::WindowCloseButtonHint);
    dialog->setObjectName("TBtnRightDlg1");
    auto* outer = new QHBoxLayout(dialog);
    auto* left = new QVBoxLayout;

    auto* material = MakeGroup("Material:", dialog, "GroupBox1");
    auto* grid = new QGridLayout(material);
    grid->addWidget(MakeLabel("Bezeichnung:", material, "Label1"), 0, 0);
    auto* grades = MakeListBox("ListBox1", material);
    grades->setMinimumWidth(180);
    grid->addWidget(grades, 1, 0, 6, 1);
    grid->addWidget(MakeLabel("spezifische Schnittkraft (kc):", material, "Label3"), 0, 1, 1, 3);
    grid->addWidget(MakeField("Edit2", material), 1, 1);
    grid->addWidget(MakeLabel("N/mm²", material, "Label4"), 1, 2);
    grid->addWidget(MakeLabel("Spanungsdickenexponent (mc)", material, "Label2"), 2, 1, 1, 3);
    grid->addWidget(MakeField("Edit1", material), 3, 1);
    grid->addWidget(MakeLabel("Multiplikator", material, "Label5"), 4, 1, 1, 3);
    auto* bar = MakeBar("ScrollBar1", material);
    bar->setMinimumWidth(120);
    grid->addWidget(bar, 5, 1, 1, 2);
    grid->addWidget(MakeField("Edit3", material, 60), 5, 3);
    grid->addWidget(MakeLabel("0", material, "Label6"), 6, 1, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(MakeLabel("1", material, "Label7"), 6, 2, Qt::AlignRight | Qt::AlignTop);
    left->addWidget(material);

    auto* actual = MakeGroup("Tatsächlich verwendete spez. Schnittkraft:", dialog, "GroupBox2");
    auto* row = new QHBoxLayout(actual);
    row->addWidget(MakeField("Edit4", actual, 70));
    row->addWidget(MakeLabel("x", actual));
    row->addWidget(MakeField("Edit5", actual, 50));
    row->addWidget(MakeLabel("=", actual));
    row->addWidget(MakeField("Edit6", actual, 80));
    row->addWidget(MakeLabel("N/mm²", actual));
    row->addStretch(1);
    left->addWidget(actual);
    left->addWidget(MakeCheck("CheckBox1", "Automatische Wertübergabe", dialog));
    outer->addLayout(left, 1);

    auto* buttons = new QVBoxLayout;
    for (const auto& [name, caption] : {std::pair{"OKBtn", "OK"}, std::pair{"CancelBtn", "Abbrechen"},
                                        std::pair{"HelpBtn", "Hilfe"}}) {
        auto* b = new QPushButton(caption, dialog);
        b->setObjectName(name);
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    outer->addLayout(buttons);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    return dialog;
}

} // namespace zerbo::ui
