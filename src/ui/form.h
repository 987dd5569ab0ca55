// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Small builders for the widgets of a page. Each takes the model's control
// and gives the widget the control's component name as objectName, so a
// Binder finds it; no builder writes a component name of its own.

#include <QColor>
#include <QString>

#include "shell/controls.h"
#include "shell/percent_step.h"
#include "shell/result_block.h"

#include <array>
#include <initializer_list>
#include <vector>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
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

QLineEdit* MakeField(const Field& field, QWidget* parent, int width = 80);
void Colour(QLineEdit* field, const QColor& colour);
QComboBox* MakeList(const List& list, QWidget* parent, int width = 0);
QListWidget* MakeListBox(const List& list, QWidget* parent);
QScrollBar* MakeBar(const Bar& bar, QWidget* parent);
// A speed button: checkable, with a caption.
QToolButton* MakeSpeedButton(const Button& button, const QString& caption, QWidget* parent);
QPushButton* MakePushButton(const Button& button, const QString& caption, QWidget* parent);
QCheckBox* MakeCheck(const Check& check, const QString& caption, QWidget* parent);
QPlainTextEdit* MakeMemo(const Memo& memo, QWidget* parent);
// A static caption.
QLabel* MakeLabel(const QString& text, QWidget* parent);
// A caption the program changes or hides; the binder writes its text.
QLabel* MakeLabel(const Label& label, QWidget* parent, const QString& text = {});
QGroupBox* MakeGroup(const QString& title, QWidget* parent);
// A memo as high as `lines` lines of its text.
void FitLines(QPlainTextEdit* memo, int lines);

} // namespace zerbo::ui

namespace zerbo::ui {

// A horizontal range bar as the pages show it: the bar with its field and
// unit on one row, the range labels (caption and value at each end) under
// it. Labels may be null where a page has no such label. The caption (the
// group's title or the label beside the block) names bar and field for
// assistive technology.
struct RangeBarParts {
    const Bar& bar;
    const Field& field;
    const Label* unit = nullptr;
    const Label* minCaption = nullptr;
    const Label* minValue = nullptr;
    const Label* maxCaption = nullptr;
    const Label* maxValue = nullptr;
    QString caption = {};
};
QWidget* MakeRangeBar(const RangeBarParts& parts, QWidget* parent, int fieldWidth = 70);

// A row of speed buttons (a radio group), one per name, with captions.
QWidget* MakeButtonRow(const std::vector<const Button*>& buttons, const QString* captions,
                       QWidget* parent, int buttonWidth = 0);

// The "Werkstoffgruppe:" box: eleven numbered group buttons over the memo
// that describes the group.
QGroupBox* MakeMaterialGroupBox(const std::array<Button, 11>& buttons, const Memo& memo,
                                QWidget* parent);

// The caption and result field of one row of a result box.
struct ResultRow {
    QString caption;
    const Field& field;
};
// A group of result rows: the caption in column 0, the read-only field in
// column 1 wide enough for any number text, one row each; a spare column
// takes the width left over. Each caption names its field.
QGroupBox* MakeResultBox(const QString& title, std::initializer_list<ResultRow> rows,
                         QWidget* parent);
// The result block of n, Vf, kc, Q and Pe with the page's captions.
QGroupBox* MakeResultBox(const QString& title, const ResultBlock& results,
                         const QString (&captions)[5], QWidget* parent);

// A glyph button that does not stay down: the "Steigerung" arrows and the
// percent buttons.
QToolButton* MakeGlyphButton(const Button& button, const QString& glyph, QWidget* parent);

// A percent stepper as drilling, reaming and countersinking show it: the
// minus button, the percent field and the plus button in one row.
QWidget* MakePercentStepper(const PercentStep& step, QWidget* parent);

} // namespace zerbo::ui
