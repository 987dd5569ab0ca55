#pragma once
// Pictures of the style, read without letting Qt's image reader probe every
// image-format plugin. The style hands its built-in pictures over by file
// name, and finding a file's format that way loads all those plugins (GIF,
// ICO, JPEG, SVG) before the first frame.

class QIcon;
class QPixmap;
class QStyle;

namespace zerbo::ui {

// The same picture as style->standardIcon(QStyle::SP_DialogCloseButton).
// Under a desktop icon theme, or where the built-in files are missing, it
// is the style's own icon.
QIcon CloseIcon(const QStyle* style);

// The Fusion style paints every group box frame from a built-in PNG that it
// loads through the application's pixmap cache. This puts the picture into
// the cache first, under the name the pixmap loader looks for, so the style
// finds it there. Returns the picture (null for another style or where the
// file is missing); a later Qt that names it differently just reads the file
// itself again.
QPixmap PreloadGroupBoxFrame(const QStyle* style);

} // namespace zerbo::ui
