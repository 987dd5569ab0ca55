// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What assistive technology hears of the window's controls.

class QLabel;
class QString;
class QWidget;

namespace zerbo::ui {

// Drop-down lists report their caption (their accessible name, the label
// whose buddy they are, or their group's title) as name and the selected item as value. Qt's own
// list interface gives the selected item as the name on Linux, so a screen
// reader would announce "HSS/Co unbeschichtet" instead of
// "Schneidst. bzw. Beschichtung:". Installing it more than once is harmless.
void InstallAccessibleLists();

// The caption names the control for assistive technology (its buddy).
QLabel* Captions(QLabel* caption, QWidget* control);

// A bar and the field that shows its value, under one caption: the bar is
// named by the caption, the field by the caption and "Wert".
void NameBarAndField(QWidget* bar, QWidget* field, const QString& caption);

} // namespace zerbo::ui
