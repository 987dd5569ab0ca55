// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main window: seven notebook pages behind a tab strip and the button
// panel. It runs the start-up initialisation and the page-changed steps.

#include "shell/control_set.h"

#include <array>
#include <functional>
#include <memory>
#include <string>

namespace zerbo {

inline constexpr int kPageCount = 7;
inline constexpr int kCalculatorPage = 6;
using Pages = std::array<std::unique_ptr<PageModel>, kPageCount>;

class MainWindowModel : public ControlSet {
  public:
    MainWindowModel(Shell& shell, Pages pages);

    static constexpr std::string_view kFormName = "TMultPageDlg2";

    Button okButton{"OKBtn"};     // "Beenden"
    Button helpButton{"HelpBtn"}; // hidden
    Button advisorButton{"SpeedButton37"};
    Button hintButton{"SpeedButton51"}; // "Kurzinfo Ein/Aus", a toggle
    Button printButton{"PrintBtn"};     // "Drucken": the setup sheet

    PageModel& page(int index) const { return *pages_.at(static_cast<size_t>(index)); }
    int pageIndex() const { return shell().currentPage; }
    const std::string& title() const { return title_; }
    bool hintsShown() const { return hintsShown_; }
    bool closed() const { return closed_; }

    // The start-up initialisation, run once before the window is shown.
    void startUp();
    // The window was activated: its caption becomes the program title.
    void activate() { title_ = "Zerbo"; }
    // A tab was clicked: show that page and run the page-changed steps.
    void selectPage(int index);
    // F1: opens the help topic of the page in use.
    void helpKey();
    // Sets every hint text of every page and of the button panel.
    void assignHints();

    // Opens the troubleshooting advisor for a page index; set by whoever
    // owns the advisor.
    std::function<void(int)> openAdvisor;

  private:
    void pageChanged();
    void setForceDialogMode();

    Pages pages_;
    std::string title_ = "Schnittwerttabelle";
    bool hintsShown_ = false;
    bool closed_ = false;
};

} // namespace zerbo
