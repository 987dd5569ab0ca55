// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The setup sheet ("Einrichteblatt") of a page: what the page shows, taken
// from its built widgets, laid out on one A4 page for printing or a PDF, or
// as plain text lines for the clipboard.
//
// The content is read from the widgets as the user sees them: every visible
// field, list and pressed button with the caption beside or above it (or
// the title of its group) and the unit after it, and the lines of the page's
// memos. Hidden controls are left out. Nothing here knows a page's layout.

#include <QDateTime>
#include <QList>
#include <QString>

class QPagedPaintDevice;
class QWidget;

namespace zerbo::ui {

struct SheetLine {
    QString caption;
    QString value;
    QString unit;
};

struct SetupSheet {
    QString operation;   // the page's tab caption
    QDateTime made;      // date and time printed in the heading
    QString program;     // program name and version
    QList<SheetLine> lines;
    QString drawing;     // resource of the page's sketch; empty if none
};

// The sheet of `page` (a built page widget) as it is shown now.
SetupSheet ReadSetupSheet(const QWidget* page, const QString& operation);

// One "caption<TAB>value<TAB>unit" line per value.
QString SheetText(const SetupSheet& sheet);

// Paints the sheet on one page of `device` (a PDF writer or a printer).
// False if the device cannot be painted on.
bool PaintSetupSheet(const SetupSheet& sheet, QPagedPaintDevice& device);

// Writes the sheet as an A4 PDF; false if the file cannot be written.
bool WriteSetupSheetPdf(const SetupSheet& sheet, const QString& file);

// The file name offered when saving: operation and date.
QString SuggestedSheetName(const SetupSheet& sheet);

// Shows Qt's print preview of the sheet, from which it is printed. Print
// support is loaded with it, on first use. False (and `error` set) if it
// cannot be loaded.
bool PreviewSetupSheet(const SetupSheet& sheet, QWidget* parent, QString* error);

// Where the print module is looked for: next to the program, then in its
// installed place. Tests point it at the module they were built with.
void SetPrintModule(const QString& file);

} // namespace zerbo::ui
