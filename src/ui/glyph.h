// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Small button pictures from the program's resources (src/ui/glyphs/<name>.svg).
// A button keeps its caption as text; the icon is what it shows. A glyph
// says nothing to a screen reader: the binder names such buttons by their hint.

class QAbstractButton;
class QIcon;

namespace zerbo::ui {

QIcon Glyph(const char* name);

// Shows the glyph on the button instead of its caption.
void SetGlyph(QAbstractButton* button, const char* name, int width = 16, int height = 16);

} // namespace zerbo::ui
