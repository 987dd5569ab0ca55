// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The dialogs the main window creates hidden at start-up, each named by its
// component name; a Binder connects them to their models.

#include "advisor/advisor_dialog.h"
#include "materials/material_dialog.h"

#include <QDialog>

namespace zerbo::ui {

QDialog* MakeMaterialWindow(const PreciseMaterialDialog& model, QWidget* parent);
QDialog* MakeAdvisorWindow(const advisor::AdvisorDialog& model, QWidget* parent);

} // namespace zerbo::ui
