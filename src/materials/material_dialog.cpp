// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "materials/material_dialog.h"

#include "materials/force_table.h"
#include "shell/number_text.h"
#include "shell/rounding.h"

namespace zerbo {

PreciseMaterialDialog::PreciseMaterialDialog(Shell& shell) : ControlSet(shell) {
    for (Control* c : std::initializer_list<Control*>{
             &nameCaption, &gradeList, &forceCaption, &baseForce, &forceUnit, &exponentCaption,
             &exponent, &multiplierCaption, &multiplierMin, &multiplierMax, &multiplierBar,
             &multiplier, &baseForceCopy, &multiplierCopy, &actualForce, &autoHandOver, &okButton,
             &cancelButton, &helpButton})
        add(*c);

    nameCaption.caption = "Bezeichnung:";
    exponentCaption.caption = "Spanungsdickenexponent (mc)";
    forceCaption.caption = "spezifische Schnittkraft (kc):";
    forceUnit.caption = "N/mm²";
    multiplierCaption.caption = "Multiplikator";
    multiplierMin.caption = "0";
    multiplierMax.caption = "1";
    autoHandOver.caption = "Automatische Wertübergabe";
    okButton.caption = "OK";
    cancelButton.caption = "Abbrechen";
    cancelButton.visible = false;
    helpButton.caption = "Hilfe";

    // The form's texts until the first refresh.
    multiplier.setText("0.8");
    baseForceCopy.setText("0");
    multiplierCopy.setText("8");
    actualForce.setText("0");
    multiplierBar.setup(0, 10, 8);
    multiplierBar.smallStep = 1;
    multiplierBar.largeStep = 10;

    gradeList.onChange = [this] { gradeClicked(); };
    multiplierBar.onChange = [this] { multiplierMoved(); };
    okButton.onClick = [this] { close(); };
    cancelButton.onClick = [this] {
        dialogCancelled_ = 1;
        close();
    };
    helpButton.onClick = [this] { userHelp(); };

    autoHandOver.checked = true;
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
    const int index = gradeList.index();
    return index >= 0 && index < static_cast<int>(rows_.size()) ? rows_[static_cast<size_t>(index)]
                                                                : 0;
}

void PreciseMaterialDialog::FillGradeList() {
    const CalcState& state = shell().state;
    rows_ = GradeRows(state.forceDialogMode, state.activeMaterialGroup);
    std::vector<std::string> items;
    for (int row : rows_)
        items.emplace_back(GradeText(row));
    gradeList.fill(std::move(items));
}

std::string PreciseMaterialDialog::ShowGradeExponent() const {
    return text(MaterialExponent(selectedRow()));
}

void PreciseMaterialDialog::ShowBaseForce() {
    const std::int32_t kc11 = MaterialBaseForce(selectedRow());
    const long double actual = static_cast<long double>(kc11) * num(multiplier);
    baseForce.setText(WriteWhole(kc11));
    baseForceCopy.setText(WriteWhole(kc11));
    actualForce.setText(text(actual));
}

void PreciseMaterialDialog::RecomputeActualForce() {
    actualForce.setText(text(static_cast<long double>(num(baseForceCopy)) * num(multiplierCopy)));
    ShowBaseForce();
}

void PreciseMaterialDialog::RefreshMaterialDialog() {
    if (shell().state.preciseMaterialActive == 0) return;
    FillGradeList();
    exponent.setText(ShowGradeExponent());
    multiplier.setText(shell().currentPage == 0 ? "0.8" : "1");
    multiplierBar.smallStep = 1;
    multiplierBar.largeStep = 10;
    multiplierBar.setup(0, 10, RoundHalfEven(static_cast<long double>(num(multiplier)) * 10));
    multiplier.setText(text(multiplierBar.position() / 10.0L));
    multiplierCopy.setText(multiplier.text());
    RecomputeActualForce();
    if (autoHandOver.checked) handOver();
}

void PreciseMaterialDialog::gradeClicked() {
    exponent.setText(ShowGradeExponent());
    ShowBaseForce();
}

void PreciseMaterialDialog::multiplierMoved() {
    multiplier.setText(text(multiplierBar.position() / 10.0L));
    multiplierCopy.setText(multiplier.text());
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
    const std::string kc = actualForce.text();
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
