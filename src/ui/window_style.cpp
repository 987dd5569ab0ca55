// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/window_style.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

#include <algorithm>

namespace zerbo::ui {

namespace {

// The frame as Fusion's picture shows it: a faint grey line with corners
// rounded by a pixel and a half, a fainter shadow inside it and an even
// fainter fill, all black or grey with little opacity so that they darken
// whatever colour the page has.
void PaintGroupBoxFrame(QPainter* painter, const QRect& box) {
    painter->save();
    painter->fillRect(box.adjusted(2, 2, -2, -2), QColor(0, 0, 0, 3));
    const QColor shadow(0, 0, 0, 7);
    painter->fillRect(QRect(box.left() + 1, box.top() + 1, box.width() - 2, 1), shadow);
    painter->fillRect(QRect(box.left() + 1, box.bottom() - 1, box.width() - 2, 1), shadow);
    painter->fillRect(QRect(box.left() + 1, box.top() + 2, 1, box.height() - 4), shadow);
    painter->fillRect(QRect(box.right() - 1, box.top() + 2, 1, box.height() - 4), shadow);
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(QPen(QColor(114, 114, 114, 49), 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 1.5, 1.5);
    painter->restore();
}

class WindowStyle final : public QProxyStyle {
  public:
    WindowStyle() : QProxyStyle(QStringLiteral("fusion")) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element != PE_FrameGroupBox) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        // Where Fusion puts the frame: below the title line (or the check
        // box, if taller) and 3 px more; a box with neither only 3 px down.
        // The picture's first row and column are empty.
        const auto* box = qobject_cast<const QGroupBox*>(widget);
        int top = 3;
        if (box == nullptr || box->isCheckable() || !box->title().isEmpty())
            top += std::max(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height());
        PaintGroupBoxFrame(painter, option->rect.adjusted(1, top + 1, 0, 0));
    }
};

} // namespace

void UseWindowStyle() {
    const QStyle* style = QApplication::style();
    if (dynamic_cast<const WindowStyle*>(style) != nullptr ||
        style->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        return;
    QApplication::setStyle(new WindowStyle);
}

} // namespace zerbo::ui
