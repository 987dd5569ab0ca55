// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's own vector pictures (tool sketches, button glyphs, the
// application icon), read from its SVG resources and painted with QPainter.
//
// Reads the part of SVG those files are written in: <svg> with width, height
// and viewBox; <g>; <path> (M L H V C Q A Z, absolute or relative); <rect> (with rx, ry);
// <circle>; <text>; and the presentation attributes fill, stroke,
// stroke-width, stroke-linecap, stroke-linejoin, stroke-dasharray,
// font-family, font-size and text-anchor, inherited from groups. Anything
// else is skipped. Painted as an SVG renderer paints them (antialiased, fill
// then stroke, text laid out at 100 px and scaled), without loading an SVG
// library at start-up.

#include <QBrush>
#include <QFont>
#include <QPainterPath>
#include <QPen>
#include <QRectF>
#include <QSize>
#include <QString>

#include <vector>

class QPainter;

namespace zerbo::ui {

class VectorDrawing {
  public:
    VectorDrawing() = default;
    // Reads the file (a resource path such as ":/sketches/milling.svg");
    // invalid if it cannot be read or is not such a drawing.
    explicit VectorDrawing(const QString& file);
    // Reads SVG text.
    static VectorDrawing FromData(const QByteArray& svg);
    // The default size of the drawing in the file, read from its first
    // element alone; empty if it is not such a drawing.
    static QSize DefaultSize(const QString& file);

    bool isValid() const { return valid_; }
    // The width and height the file gives (the viewBox's size without them).
    QSize defaultSize() const { return size_; }
    QRectF viewBox() const { return viewBox_; }

    // Paints the drawing into target (the painter's whole device if empty),
    // stretching the viewBox to it.
    void render(QPainter* painter, const QRectF& target = QRectF()) const;

  private:
    struct Shape {
        QPainterPath path;
        QPen pen;
        QBrush brush;
        // A text item: drawn with font at 100 px, scaled by fontSize / 100.
        QString text;
        QFont font;
        qreal fontSize = 0;
        QPointF at;
        int anchor = -1; // -1 start, 0 middle, 1 end
    };
    class Reader;

    bool valid_ = false;
    QSize size_;
    QRectF viewBox_;
    std::vector<Shape> shapes_;
};

} // namespace zerbo::ui
