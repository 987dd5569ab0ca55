// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The print module: Qt's print preview, in a library of its own that the
// program loads when the user first prints, so Qt Print Support is not
// mapped at every start. The program paints; the module owns the printer.

class QPagedPaintDevice;
class QWidget;

extern "C" {

// Paints the document on `device` (the printer the preview set up).
typedef void (*ZerboPaintDocument)(QPagedPaintDevice* device, void* document);

// Shows the print preview of an A4 portrait document named `title` (UTF-8)
// and returns when it is closed: 1 if it was printed, 0 otherwise.
typedef int (*ZerboPrintPreview)(QWidget* parent, const char* title, ZerboPaintDocument paint,
                                 void* document);
}

// The name the program resolves in the module.
inline constexpr const char* kPrintPreviewSymbol = "zerbo_print_preview";
