#pragma once
// Everything the program holds for one run: the shared shell, the main
// window with its pages and the dialogs, created in start-up order.

#include "shell/main_window_model.h"

#include <memory>
#include <vector>

namespace zerbo {

class Workbench {
  public:
    Workbench(Messages& messages, HelpViewer& help, char decimalSeparator);

    Shell& shell() { return shell_; }
    MainWindowModel& main() { return *main_; }
    // The dialogs, in the order they were created.
    const std::vector<ControlSet*>& dialogs() const { return dialogs_; }

  private:
    Shell shell_;
    std::unique_ptr<MainWindowModel> main_;
    std::vector<std::unique_ptr<ControlSet>> ownedDialogs_;
    std::vector<ControlSet*> dialogs_;
};

// Creates the seven page models in notebook order.
Pages MakePages(Shell& shell);

} // namespace zerbo
