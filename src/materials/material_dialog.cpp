// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "materials/material_dialog.h"

#include "materials/force_table.h"
#include "shell/number_text.h"
#include "shell/rounding.h"

namespace zerbo {

PreciseMaterialDialog::PreciseMaterialDialog(Shell& shell) : ControlSet(shell) {
    for (Control* c : std::initializer_list<Control*>{
             &label1, &listBox1, &label3, &edit2, &label4, &label2, &edit1, &label5, &label6,
             &label7, &scrollBar1, &edit3, &edit4, &edit5, &edit6, &checkBox1, &okButton,
             &cancelButton, &helpButton})
        add(*c);

    label1.caption = "Bezeichnung:";
    label2.caption = "Spanungsdickenexponent (mc)";
    label3.caption = "spezifische Schnittkraft (kc):";
    label4.caption = "N/mm²";
    label5.caption = "Multiplikator";
    label6.caption = "0";
    label7.caption = "1";
    checkBox1.caption = "Automatische Wertübergabe";
    okButton.caption = "OK";
    cancelButton.caption = "Abbrechen";
    cancelButton.visible = false;
    helpButton.caption = "Hilfe";

    // The form's texts until the first refresh.
    edit3.setText("0.8");
    edit4.setText("0");
    edit5.setText("8");
    edit6.setText("0");
    scrollBar1.setup(0, 10, 8);
    scrollBar1.smallStep = 1;
    scrollBar1.largeStep = 10;

    listBox1.onChange = [this] { gradeClicked(); };
    scrollBar1.onChange = [this] { multiplierMoved(); };
    okButton.onClick = [this] { close(); };
    cancelButton.onClick = [this] {
        dialogCancelled_ = 1;
        close();
    };
    helpButton.onClick = [this] { userHelp(); };

    checkBox1.checked = true;
    Shell& s = this->shell();
    s.hooks.refreshMaterialDialog = [this] { RefreshMaterialDialog(); };
    s.hooks.openMaterialDialog = [this] { open(); };
    s.state.preciseMaterialActive = 1;
}

PreciseMaterialDialog::~PreciseMaterialDialog() {
    Shell& s = shell();
    s.hooks.refreshMaterialDialog = nullptr;
    s.hooks.openMaterialDialog = nullptr;
}

int PreciseMaterialDialog::selectedRow() const {
    const int index = listBox1.index();
    return index >= 0 && index < static_cast<int>(rows_.size()) ? rows_[static_cast<size_t>(index)]
                                                                : 0;
}

void PreciseMaterialDialog::FillGradeList() {
    const CalcState& state = shell().state;
    rows_ = GradeRows(state.forceDialogMode, state.activeMaterialGroup);
    std::vector<std::string> items;
    for (int row : rows_)
        items.emplace_back(GradeText(row));
    listBox1.fill(std::move(items));
}

std::string PreciseMaterialDialog::ShowGradeExponent() const {
    return text(MaterialExponent(selectedRow()));
}

void PreciseMaterialDialog::ShowBaseForce() {
    const std::int32_t kc11 = MaterialBaseForce(selectedRow());
    const long double actual = static_cast<long double>(kc11) * num(edit3);
    edit2.setText(WriteWhole(kc11));
    edit4.setText(WriteWhole(kc11));
    edit6.setText(text(actual));
}

void PreciseMaterialDialog::RecomputeActualForce() {
    edit6.setText(text(static_cast<long double>(num(edit4)) * num(edit5)));
    ShowBaseForce();
}

void PreciseMaterialDialog::RefreshMaterialDialog() {
    if (shell().state.preciseMaterialActive == 0) return;
    FillGradeList();
    edit1.setText(ShowGradeExponent());
    edit3.setText(shell().currentPage == 0 ? "0.8" : "1");
    scrollBar1.smallStep = 1;
    scrollBar1.largeStep = 10;
    scrollBar1.setup(0, 10, RoundHalfEven(static_cast<long double>(num(edit3)) * 10));
    edit3.setText(text(scrollBar1.position() / 10.0L));
    edit5.setText(edit3.text());
    RecomputeActualForce();
    if (checkBox1.checked) handOver();
}

void PreciseMaterialDialog::gradeClicked() {
    edit1.setText(ShowGradeExponent());
    ShowBaseForce();
}

void PreciseMaterialDialog::multiplierMoved() {
    edit3.setText(text(scrollBar1.position() / 10.0L));
    edit5.setText(edit3.text());
    RecomputeActualForce();
}

void PreciseMaterialDialog::open() {
    dialogCancelled_ = 0;
    RefreshMaterialDialog();
    visible_ = true;
}

void PreciseMaterialDialog::userClose() {
    guarded([this] { close(); });
}

void PreciseMaterialDialog::userHelp() {
    shell().help.openTopic(kHelpContext);
}

void PreciseMaterialDialog::close() {
    if (!visible_) return;
    visible_ = false;
    if (dialogCancelled_ != 1) handOver();
}

// Writes the actual kc into every page's kc field, then lets each page
// recompute what depends on it.
void PreciseMaterialDialog::handOver() {
    const std::string kc = edit6.text();
    auto& receivers = shell().hooks.kcReceivers;
    for (const Shell::KcReceiver& r : receivers)
        if (r.kcField != nullptr) r.kcField->setText(kc);
    for (const Shell::KcReceiver& r : receivers)
        if (r.afterHandOver) r.afterHandOver();
}

void RefreshMaterialDialog(Shell& shell) {
    if (shell.hooks.refreshMaterialDialog) shell.hooks.refreshMaterialDialog();
}

void OpenMaterialDialog(Shell& shell) {
    if (shell.hooks.openMaterialDialog) shell.hooks.openMaterialDialog();
}

} // namespace zerbo
