// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What assistive technology hears of the window's controls.

namespace zerbo::ui {

// Drop-down lists report their caption (their accessible name, the label
// whose buddy they are, or their group's title) as name and the selected item as value. Qt's own
// list interface gives the selected item as the name on Linux, so a screen
// reader would announce "HSS/Co unbeschichtet" instead of
// "Schneidst. bzw. Beschichtung:". Installing it more than once is harmless.
void InstallAccessibleLists();

} // namespace zerbo::ui
