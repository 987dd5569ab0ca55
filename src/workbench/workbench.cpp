// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "workbench/workbench.h"

#include "calculator/calculator_page.h"
#include "countersinking/countersinking_page.h"
#include "drilling/drilling_page.h"
#include "milling/milling_page.h"
#include "reaming/reaming_page.h"
#include "sawing/sawing_page.h"
#include "turning/turning_page.h"

namespace zerbo {

Pages MakePages(Shell& shell) {
    Pages pages;
    pages[0] = std::make_unique<MillingPage>(shell);
    pages[1] = std::make_unique<TurningPage>(shell);
    pages[2] = std::make_unique<DrillingPage>(shell);
    pages[3] = std::make_unique<ReamingPage>(shell);
    pages[4] = std::make_unique<CountersinkingPage>(shell);
    pages[5] = std::make_unique<SawingPage>(shell);
    pages[6] = std::make_unique<CalculatorPage>(shell);
    return pages;
}

Workbench::Workbench(Messages& messages, HelpViewer& help, char decimalSeparator)
    : shell_(messages, help, decimalSeparator) {
    main_ = std::make_unique<MainWindowModel>(shell_, MakePages(shell_));
    main_->startUp();
    // The dialogs come right after the main window.
    materialDialog_ = std::make_unique<PreciseMaterialDialog>(shell_);
    advisor_ = std::make_unique<advisor::AdvisorDialog>(shell_);
    main_->openAdvisor = [this](int page) { advisor_->openFor(page); };
}

std::vector<ControlSet*> Workbench::controlSets() {
    std::vector<ControlSet*> sets;
    for (int i = 0; i < kPageCount; ++i) sets.push_back(&main_->page(i));
    sets.push_back(main_.get());
    sets.push_back(materialDialog_.get());
    sets.push_back(advisor_.get());
    return sets;
}

} // namespace zerbo
