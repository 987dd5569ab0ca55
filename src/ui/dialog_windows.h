// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The dialogs the main window creates hidden at start-up, each named by its
// component name; a Binder connects them to their models.

#include <QDialog>

namespace zerbo::ui {

QDialog* MakeMaterialWindow(QWidget* parent);
QDialog* MakeAdvisorWindow(QWidget* parent);

} // namespace zerbo::ui
