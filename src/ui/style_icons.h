// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Pictures of the style, taken from pixels built in while building (else read
// by the PNG reader alone) rather than handed over by file name: finding a
// file's format that way loads every image-format plugin (GIF, ICO, JPEG,
// SVG) before the first frame, and decoding PNG costs its library's code.

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
