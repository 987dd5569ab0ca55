// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Widths that follow the font. The pages give widths in pixels of the
// font they were laid out with; a larger font widens the fields and buttons
// with it, so no value or caption is cut.

class QLineEdit;
class QWidget;

namespace zerbo::ui {

// The widest text a result can be written as: 15 significant digits after
// a sign and "0,0000" (exponent forms such as "-1,23456789012345E-100" are
// no wider).
inline constexpr const char* kWidestNumberText = "-0,0000123456789012345";

// `designWidth` pixels of the layout font, in the widget's own font; never
// narrower than `designWidth`.
int FontScaledWidth(const QWidget* widget, int designWidth);

// Fixes `field` at the width that shows kWidestNumberText whole.
void FitWidestNumber(QLineEdit* field);

} // namespace zerbo::ui
