// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/main_window_model.h"

#include <cstdint>

namespace zerbo {

namespace {

// The order in which the start-up initialises the pages: sawing,
// countersinking, reaming, drilling, turning, milling.
constexpr std::array<int, 6> kStartUpOrder = {5, 4, 3, 2, 1, 0};
// The order in which hints are assigned: milling, turning, drilling,
// reaming, countersinking, sawing.
constexpr std::array<int, 6> kHintOrder = {0, 1, 2, 3, 4, 5};

} // namespace

MainWindowModel::MainWindowModel(Shell& shell, Pages pages)
    : ControlSet(shell), pages_(std::move(pages)) {
    okButton.caption = "Beenden";
    helpButton.caption = "Hilfe";
    helpButton.visible = false;
    hintButton.toggle = true;
    hintButton.allowAllUp = true;
    hintButton.hint = "Kurzinfo Ein/Aus";
    for (Button* b : {&okButton, &helpButton, &advisorButton, &hintButton, &printButton}) add(*b);

    okButton.onClick = [this] { closed_ = true; };
    helpButton.onClick = [this] { helpKey(); };
    advisorButton.onClick = [this] {
        if (openAdvisor) openAdvisor(pageIndex());
    };
    hintButton.onClick = [this] {
        assignHints();
        hintsShown_ = hintButton.down();
    };
    shell.hooks.assignHints = [this] { assignHints(); };
}

void MainWindowModel::setForceDialogMode() {
    auto& s = shell().state;
    s.forceDialogMode = pageIndex() == 0 && s.millingCuttingMaterial != 3 ? 1 : 2;
}

void MainWindowModel::startUp() {
    auto& s = shell().state;
    setForceDialogMode();
    assignHints();
    s.preciseMaterialActive = 0;
    for (int index : kStartUpOrder) guarded([&] { page(index).startUp(); });
    s.helpContext = 104;
    hintButton.setDown(false);
    hintsShown_ = false;
}

void MainWindowModel::selectPage(int index) {
    if (index < 0 || index >= kPageCount) return;
    shell().currentPage = index;
    guarded([this] { pageChanged(); });
}

void MainWindowModel::pageChanged() {
    auto& s = shell().state;
    PageModel& p = page(pageIndex());
    setForceDialogMode();
    if (pageIndex() <= 1 && p.materialGroup() > 0)
        s.activeMaterialGroup = static_cast<std::uint8_t>(p.materialGroup());
    if (pageIndex() <= 1) {
        if (shell().hooks.refreshMaterialDialog) shell().hooks.refreshMaterialDialog();
        for (const auto& step : shell().hooks.millingOrTurningEntered) step();
    }
    p.entered();
    advisorButton.enabled = pageIndex() != 4 && pageIndex() != kCalculatorPage;
    if (pageIndex() < kCalculatorPage) s.helpContext = 104 + pageIndex();
}

void MainWindowModel::helpKey() { shell().help.openTopic(shell().state.helpContext); }

void MainWindowModel::assignHints() {
    for (int index : kHintOrder) page(index).assignHints();
    okButton.hint = "Elektronische Tabelle beenden; Werte in Schnittwertrechner übertragen";
    helpButton.hint = "Hilfe aufrufen";
    advisorButton.hint = "Hilfe bei technologischen Problemen";
    printButton.hint = "Einrichteblatt drucken oder als PDF speichern";
}

} // namespace zerbo
