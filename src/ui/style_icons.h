#pragma once
// The style's close icon for the "Beenden" button, read without letting
// Qt's image reader probe every image-format plugin: the style hands its
// built-in pictures to the icon by file name, and finding a file's format
// loads all those plugins before the first frame.

class QIcon;
class QStyle;

namespace zerbo::ui {

// The same picture as style->standardIcon(QStyle::SP_DialogCloseButton).
// Under a desktop icon theme, or where the built-in files are missing, it
// is the style's own icon.
QIcon CloseIcon(const QStyle* style);

} // namespace zerbo::ui
