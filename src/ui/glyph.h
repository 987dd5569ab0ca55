#pragma once
// Small button pictures from the program's resources (src/ui/glyphs/<name>.svg).
// A button keeps its caption as accessible text; the icon is what it shows.

class QAbstractButton;
class QIcon;

namespace zerbo::ui {

QIcon Glyph(const char* name);

// Shows the glyph on the button; the caption becomes its accessible name.
void SetGlyph(QAbstractButton* button, const char* name, int width = 16, int height = 16);

} // namespace zerbo::ui
