// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/window_style.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QPoint>
#include <QProxyStyle>
#include <QStyleOption>

#include <algorithm>

namespace zerbo::ui {

namespace {

// The four sides of a rectangle one pixel wide, without its corner pixels.
void FillSides(QPainter* painter, const QRect& r, const QColor& colour) {
    painter->fillRect(QRect(r.left() + 1, r.top(), r.width() - 2, 1), colour);
    painter->fillRect(QRect(r.left() + 1, r.bottom(), r.width() - 2, 1), colour);
    painter->fillRect(QRect(r.left(), r.top() + 1, 1, r.height() - 2), colour);
    painter->fillRect(QRect(r.right(), r.top() + 1, 1, r.height() - 2), colour);
}

void FillCorners(QPainter* painter, const QRect& r, const QColor& colour) {
    for (const QPoint& p : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
        painter->fillRect(QRect(p, QSize(1, 1)), colour);
}

// The frame as Fusion's picture shows it: a faint grey line with corners
// rounded by a pixel, a fainter shadow inside it and an even fainter fill,
// all with little opacity so that they darken whatever colour the page has.
// Filled rectangles only: nothing to antialias, a few pixels' work.
void PaintGroupBoxFrame(QPainter* painter, const QRect& box) {
    const QRect inside = box.adjusted(1, 1, -1, -1);
    painter->fillRect(inside.adjusted(1, 1, -1, -1), QColor(0, 0, 0, 3));
    FillSides(painter, inside, QColor(0, 0, 0, 7));
    FillSides(painter, box, QColor(114, 114, 114, 49));
    FillCorners(painter, box, QColor(40, 40, 40, 13));
    FillCorners(painter, inside, QColor(90, 90, 90, 31));
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
        // Where Fusion puts the frame. Qt 6.4's Fusion is handed the whole
        // box and puts the frame below the title line (or the check box, if
        // taller) and 3 px more, a box with neither only 3 px down; Qt 6.8's
        // is handed the frame's own rectangle. The picture's first row and
        // column are empty.
        int top = 0;
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
        const auto* box = qobject_cast<const QGroupBox*>(widget);
        top = 3;
        if (box == nullptr || box->isCheckable() || !box->title().isEmpty())
            top += std::max(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height());
#endif
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
