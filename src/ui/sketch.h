// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The tool sketch of an operation page: a vector drawing from the program's
// resources (src/ui/sketches/<name>.svg), scaled to its panel with its
// aspect ratio kept, so it stays sharp at any size and screen scale.

class QWidget;

namespace zerbo::ui {

// A panel showing ":/sketches/<name>.svg"; its objectName is "Sketch_<name>".
QWidget* MakeSketch(const char* name, QWidget* parent);

} // namespace zerbo::ui
