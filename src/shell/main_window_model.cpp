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
    okBtn.caption = "Beenden";
    helpBtn.caption = "Hilfe";
    helpBtn.visible = false;
    hintBtn.toggle = true;
    hintBtn.allowAllUp = true;
    hintBtn.hint = "Kurzinfo Ein/Aus";
    for (Button* b : {&okBtn, &helpBtn, &advisorBtn, &hintBtn}) add(*b);

    okBtn.onClick = [this] { closed_ = true; };
    helpBtn.onClick = [this] { helpKey(); };
    advisorBtn.onClick = [this] {
        if (openAdvisor) openAdvisor(pageIndex());
    };
    hintBtn.onClick = [this] {
        assignHints();
        hintsShown_ = hintBtn.down();
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
    hintBtn.setDown(false);
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
    advisorBtn.enabled = pageIndex() != 4 && pageIndex() != kCalculatorPage;
    if (pageIndex() < kCalculatorPage) s.helpContext = 104 + pageIndex();
}

void MainWindowModel::helpKey() { shell().help.openTopic(shell().state.helpContext); }

void MainWindowModel::assignHints() {
    for (int index : kHintOrder) page(index).assignHints();
    okBtn.hint = "Elektronische Tabelle beenden; Werte in Schnittwertrechner übertragen";
    helpBtn.hint = "Hilfe aufrufen";
    advisorBtn.hint = "Hilfe bei technologischen Problemen";
}

} // namespace zerbo
