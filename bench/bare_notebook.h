// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The yardstick of the start-up benchmarks: what a bare Qt program shows,
// one empty seven-tab notebook filling a dialog.

#include <QDialog>
#include <QHBoxLayout>
#include <QTabWidget>

namespace zerbo::bench {

inline void AddBareNotebook(QDialog* dialog) {
    auto* layout = new QHBoxLayout(dialog);
    auto* notebook = new QTabWidget(dialog);
    for (const char* caption :
         {"Fräsen", "Drehen", "Bohren", "Reiben", "Senken", "Sägen", "Rechner"})
        notebook->addTab(new QWidget(notebook), QString::fromUtf8(caption));
    layout->addWidget(notebook);
}

} // namespace zerbo::bench
