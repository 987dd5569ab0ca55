// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What every page model is given: the shared calculation state, the number
// text rules, and the ways out to the user (messages, help).

#include "shell/calc_state.h"
#include "shell/controls.h"
#include "shell/messages.h"
#include "shell/number_text.h"

#include <functional>
#include <vector>

namespace zerbo {

struct Shell {
    Shell(Messages& messages, HelpViewer& help, char decimalSeparator = ',')
        : numbers(decimalSeparator), messages(messages), help(help) {}
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;

    CalcState state;
    NumberText numbers;
    Messages& messages;
    HelpViewer& help;

    // The notebook page shown: 0 "Fräsen", 1 "Drehen", 2 "Bohren", 3 "Reiben",
    // 4 "Senken", 5 "Sägen", 6 "Rechner". The main window keeps it current.
    int currentPage = 0;

    // A page's kc field that the precise-material dialog writes, and the
    // step the page runs after such a hand-over.
    struct KcReceiver {
        Field* kcField = nullptr;
        std::function<void()> afterHandOver;
    };

    // Steps other modules hook into the shell's own sequences, in the order
    // they were registered.
    struct Hooks {
        // Run when the milling or the turning page is entered, after the
        // material group has been taken over and the dialog refreshed.
        std::vector<std::function<void()>> millingOrTurningEntered;
        // Re-assigns every hint text (pages call it when a selection that
        // hints depend on changes).
        std::function<void()> assignHints;
        std::vector<KcReceiver> kcReceivers;
        // The precise-material dialog's refresh and its opening by a "Werkstoff"
        // button; set while the dialog exists (empty before it is created).
        std::function<void()> refreshMaterialDialog;
        std::function<void()> openMaterialDialog;
    } hooks;
};

} // namespace zerbo
