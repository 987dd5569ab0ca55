// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window's style. Where the application uses Qt's Fusion style (the
// default without a desktop style), the window uses Fusion with its group box
// frames painted here: Fusion stretches a PNG picture over every frame, and
// reading it ran the PNG decoder and looked for every image-format plugin
// (GIF, ICO, JPEG, SVG) before the first frame.

namespace zerbo::ui {

// Puts the frame-painting Fusion on the application if the application uses
// Fusion and does not have it yet; another style is left as it is.
void UseWindowStyle();

} // namespace zerbo::ui
