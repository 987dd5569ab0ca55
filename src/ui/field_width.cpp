// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/field_width.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>

#include <algorithm>

namespace zerbo::ui {

namespace {

// Width of the ten digits in the font the pages were laid out with.
constexpr int kDesignDigitsWidth = 76;

} // namespace

int FontScaledWidth(const QWidget* widget, int designWidth) {
    const int digits = widget->fontMetrics().horizontalAdvance(QStringLiteral("0123456789"));
    return std::max(designWidth, designWidth * digits / kDesignDigitsWidth);
}

void FitWidestNumber(QLineEdit* field) {
    const QMargins text = field->textMargins();
    const int frame = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, field);
    // A line edit keeps 2 pixels either side of its text inside the frame.
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QLatin1String(kWidestNumberText)) +
                         text.left() + text.right() + 2 * frame + 2 * 2 + 2);
}

} // namespace zerbo::ui
