// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Everything the program holds for one run: the shared shell, the main
// window with its pages and the dialogs, created in start-up order.

#include "advisor/advisor_dialog.h"
#include "materials/material_dialog.h"
#include "shell/main_window_model.h"

#include <memory>
#include <vector>

namespace zerbo {

class Workbench {
  public:
    Workbench(Messages& messages, HelpViewer& help, char decimalSeparator);

    Shell& shell() { return shell_; }
    MainWindowModel& main() { return *main_; }
    PreciseMaterialDialog& materialDialog() { return *materialDialog_; }
    advisor::AdvisorDialog& advisor() { return *advisor_; }

    // Every control set the window binds, in binding order: the seven
    // pages, the main window's button panel, the precise-material dialog
    // and the advisor.
    std::vector<ControlSet*> controlSets();

  private:
    Shell shell_;
    std::unique_ptr<MainWindowModel> main_;
    std::unique_ptr<PreciseMaterialDialog> materialDialog_;
    std::unique_ptr<advisor::AdvisorDialog> advisor_;
};

// Creates the seven page models in notebook order.
Pages MakePages(Shell& shell);

} // namespace zerbo
