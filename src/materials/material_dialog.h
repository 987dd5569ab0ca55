// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The precise-material dialog "Genaue Materialbestimmung": the user picks a
// grade of the active material group and a multiplier; kc1.1 × multiplier is
// the kc handed to the milling and turning pages.
//
// The dialog is created once, right after the main window, and lives for the
// whole run; it is shown and hidden, never destroyed. It is not modal. The
// pages reach it through the shell (RefreshMaterialDialog / OpenMaterialDialog
// below) and receive its kc through `shell.hooks.kcReceivers`.

#include "shell/control_set.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zerbo {

class PreciseMaterialDialog : public ControlSet {
  public:
    static constexpr std::string_view kFormName = "TBtnRightDlg1";
    static constexpr std::string_view kCaption = "Genaue Materialbestimmung";
    static constexpr int kHelpContext = 110;

    // Ticks "Automatische Wertübergabe", makes the dialog reachable through
    // the shell hooks and sets `PreciseMaterialActive` := 1.
    explicit PreciseMaterialDialog(Shell& shell);
    ~PreciseMaterialDialog() override;

    // Whether the dialog is shown; the window follows this flag.
    bool visible() const { return visible_; }
    // Set by the hidden cancel button; cleared by open().
    bool cancelled() const { return dialogCancelled_ != 0; }
    // The force-table row of the selected grade; 0 for "Keine Werte vorh.",
    // an empty list or no selection.
    int selectedRow() const;

    // Opening by a "Werkstoff" button: clears the cancel flag, refreshes and
    // shows the dialog.
    void open();
    // The window's close box (and Escape): hides the dialog and hands the kc
    // over unless it was cancelled. Closing a hidden dialog does nothing.
    void userClose();
    // F1 in the dialog: the same as its help button.
    void userHelp();

    // Rebuilds the dialog for the page in use and the active group; with
    // "Automatische Wertübergabe" ticked it hands the kc over. Does nothing
    // while `PreciseMaterialActive` is 0.
    void RefreshMaterialDialog();
    // Fills the grade list for `ForceDialogMode` and `ActiveMaterialGroup`
    // and selects the first entry.
    void FillGradeList();
    // The mc text of the selected entry ("0" for none).
    std::string ShowGradeExponent() const;
    // kc1.1 of the selected entry into baseForce and baseForceCopy, kc1.1 ×
    // multiplier into actualForce.
    void ShowBaseForce();
    // actualForce := baseForceCopy × multiplierCopy, then ShowBaseForce.
    void RecomputeActualForce();

    // Controls, by component name.
    Label nameCaption{"Label1"}; // "Bezeichnung:"
    List gradeList{"ListBox1"};
    Label forceCaption{"Label3"};      // "spezifische Schnittkraft (kc):"
    Field baseForce{"Edit2"};          // kc1.1
    Label forceUnit{"Label4"};         // "N/mm²"
    Label exponentCaption{"Label2"};   // "Spanungsdickenexponent (mc)"
    Field exponent{"Edit1"};           // mc
    Label multiplierCaption{"Label5"}; // "Multiplikator"
    Label multiplierMin{"Label6"};     // "0"
    Label multiplierMax{"Label7"};     // "1"
    Bar multiplierBar{"ScrollBar1"};
    Field multiplier{"Edit3"};
    Field baseForceCopy{"Edit4"};  // kc1.1 ...
    Field multiplierCopy{"Edit5"}; // ... × multiplier ...
    Field actualForce{"Edit6"};    // ... = actual kc
    Check autoHandOver{"CheckBox1"};
    Button okButton{"OKBtn"};
    Button cancelButton{"CancelBtn"};
    Button helpButton{"HelpBtn"};

  private:
    void gradeClicked();
    void multiplierMoved();
    void close();
    void handOver();

    std::vector<int> rows_; // force-table row of each list entry
    bool visible_ = false;
    std::uint8_t dialogCancelled_ = 0;
};

// What the pages call: the dialog's refresh and its opening by a "Werkstoff"
// button. Both do nothing before the dialog exists.
void RefreshMaterialDialog(Shell& shell);
void OpenMaterialDialog(Shell& shell);

} // namespace zerbo
