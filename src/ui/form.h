// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Small builders for the widgets of a page: each widget gets its component
// name as objectName, so a Binder finds it.

#include <QColor>
#include <QString>

#include <initializer_list>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QScrollBar;
class QToolButton;
class QCheckBox;
class QWidget;

namespace zerbo::ui {

// A group box with this property set is hidden while every control in it
// is hidden.
inline constexpr const char* kHideWhenEmpty = "zerboHideWhenEmpty";

// Field colours of the pages.
inline const QColor kLime(0, 255, 0);
inline const QColor kYellow(255, 255, 0);

QLineEdit* MakeField(const char* name, QWidget* parent, int width = 80);
void Colour(QLineEdit* field, const QColor& colour);
QComboBox* MakeList(const char* name, QWidget* parent, int width = 0);
QListWidget* MakeListBox(const char* name, QWidget* parent);
QScrollBar* MakeBar(const char* name, QWidget* parent, bool vertical = false);
// A speed button: checkable, with a caption.
QToolButton* MakeSpeedButton(const char* name, const QString& caption, QWidget* parent);
QCheckBox* MakeCheck(const char* name, const QString& caption, QWidget* parent);
QPlainTextEdit* MakeMemo(const char* name, QWidget* parent);
// A static caption; `name` only where the program changes or hides it.
QLabel* MakeLabel(const QString& text, QWidget* parent, const char* name = nullptr);
QGroupBox* MakeGroup(const QString& title, QWidget* parent, const char* name = nullptr);

} // namespace zerbo::ui

namespace zerbo::ui {

// A horizontal range bar as the pages show it: the bar with its field and
// unit on one row, the range labels (caption and value at each end) under
// it. Names may be null where a page has no such label.
struct RangeBarNames {
    const char* bar;
    const char* field;
    const char* unit = nullptr;
    const char* minCaption = nullptr;
    const char* minValue = nullptr;
    const char* maxCaption = nullptr;
    const char* maxValue = nullptr;
};
QWidget* MakeRangeBar(const RangeBarNames& names, QWidget* parent, int fieldWidth = 70);

// A row of speed buttons (a radio group), one per name, with captions.
QWidget* MakeButtonRow(const char* const* names, const QString* captions, int count,
                       QWidget* parent, int buttonWidth = 0);

// The "Werkstoffgruppe:" box: eleven numbered group buttons over the memo
// that describes the group.
QGroupBox* MakeMaterialGroupBox(const char* const (&buttons)[11], const char* memo,
                                QWidget* parent);

// The caption and result field of one row of a result box.
struct ResultRow {
    const char* caption;
    const char* field;
};
// A group of result rows: the caption in column 0, the read-only field in
// column 1 wide enough for any number text, one row each; a spare column
// takes the width left over.
QGroupBox* MakeResultBox(const QString& title, std::initializer_list<ResultRow> rows,
                         QWidget* parent);

// A glyph button that does not stay down: the "Steigerung" arrows and the
// percent buttons.
QToolButton* MakeGlyphButton(const char* name, const QString& glyph, QWidget* parent);

// A percent stepper as drilling, reaming and countersinking show it: the
// minus button, the percent field and the plus button in one row.
QWidget* MakePercentStepper(const char* minus, const char* field, const char* plus,
                            QWidget* parent);

} // namespace zerbo::ui
