// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The troubleshooting advisor dialog: lists the typical faults of the
// operation page it was opened for and shows the causes and remedies of the
// fault selected. Created hidden once at start-up; not modal.

#include "advisor/advice_catalogue.h"
#include "shell/control_set.h"

#include <string>
#include <string_view>

namespace zerbo::advisor {

class AdvisorDialog : public ControlSet {
  public:
    static constexpr std::string_view kName = "TBtnRightDlg3";
    static constexpr std::string_view kDesignCaption = "Reibfehler und deren Beseitigung";

    explicit AdvisorDialog(Shell& shell);

    // The advice button of the main window, for the page index shown.
    // Pages without advice (and indexes outside the notebook) change
    // nothing; returns whether the dialog was filled and shown.
    bool openFor(int pageIndex);
    // "Beenden": hides the dialog; list and memo keep their contents.
    void close();

    // The page index the fault list was last filled for; -1 before the
    // first opening.
    int boundPage() const { return boundPage_; }

    // Window caption of the dialog.
    std::string caption{kDesignCaption};
    // Whether the window is shown; the window layer follows it.
    bool visible = false;

    Label faultCaption{"Label1"};     // fault label
    Label adviceCaption{"Label2"};    // heading above the memo
    List faultList{"ComboBox1"};      // faults, drop-down list without typing
    Memo advice{"Memo1"};             // causes and remedies, read-only
    Button okButton{"OKBtn"};         // "Beenden"
    Button cancelButton{"CancelBtn"}; // hidden
    Button helpButton{"HelpBtn"};     // hidden

  private:
    // Shows the entry of the selected fault of the operation the list was
    // filled for, whatever page the main window shows now.
    void showSelectedFault();

    const Section* section_ = nullptr;
    int boundPage_ = -1;
};

} // namespace zerbo::advisor
