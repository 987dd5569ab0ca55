// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/vector_drawing.h"

#include <QColor>
#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPaintDevice>
#include <QXmlStreamReader>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

namespace zerbo::ui {

namespace {

// The painting attributes in force at an element: its own over its groups'.
struct Style {
    QBrush fill = QBrush(Qt::black);
    QColor stroke;             // invalid: no stroke
    qreal strokeWidth = 1;
    Qt::PenCapStyle cap = Qt::FlatCap;
    Qt::PenJoinStyle join = Qt::SvgMiterJoin;
    QList<qreal> dashes;       // in user units
    QString fontFamily;
    qreal fontSize = 16;       // the SVG default, "medium"
    int anchor = -1;           // start
};

// Numbers in an attribute or path data: "0 0 240 320", "5,3", "-1.5e2".
class Numbers {
  public:
    explicit Numbers(QStringView text) : text_(text) {}

    bool atNumber() {
        skipSeparators();
        if (pos_ >= text_.size()) return false;
        const QChar c = text_[pos_];
        return c.isDigit() || c == u'-' || c == u'+' || c == u'.';
    }
    // The next number; ok false at the end or on anything but a number.
    qreal next(bool* ok) {
        skipSeparators();
        const qsizetype start = pos_;
        if (pos_ < text_.size() && (text_[pos_] == u'-' || text_[pos_] == u'+')) ++pos_;
        bool dot = false;
        while (pos_ < text_.size() && (text_[pos_].isDigit() || (text_[pos_] == u'.' && !dot))) {
            if (text_[pos_] == u'.') dot = true;
            ++pos_;
        }
        if (pos_ < text_.size() && (text_[pos_] == u'e' || text_[pos_] == u'E')) {
            qsizetype exponent = pos_ + 1;
            if (exponent < text_.size() && (text_[exponent] == u'-' || text_[exponent] == u'+'))
                ++exponent;
            if (exponent < text_.size() && text_[exponent].isDigit()) {
                pos_ = exponent;
                while (pos_ < text_.size() && text_[pos_].isDigit()) ++pos_;
            }
        }
        // The number's characters are ASCII here: read as such, which is
        // many times faster than QString's conversion.
        char digits[64];
        const qsizetype length = pos_ - start;
        double value = 0;
        *ok = length > 0 && length < qsizetype(sizeof digits);
        if (*ok) {
            for (qsizetype i = 0; i < length; ++i) digits[i] = char(text_[start + i].unicode());
            const char* first = digits[0] == '+' ? digits + 1 : digits;
            const auto [end, error] = std::from_chars(first, digits + length, value);
            *ok = error == std::errc() && end == digits + length;
        }
        if (!*ok) pos_ = text_.size();
        return value;
    }
    // A path command letter, or 0 where a number (or the end) follows.
    QChar command() {
        skipSeparators();
        if (pos_ < text_.size() && text_[pos_].isLetter() && text_[pos_] != u'e' &&
            text_[pos_] != u'E')
            return text_[pos_++];
        return QChar();
    }
    bool atEnd() {
        skipSeparators();
        return pos_ >= text_.size();
    }

  private:
    void skipSeparators() {
        while (pos_ < text_.size() && (text_[pos_].isSpace() || text_[pos_] == u',')) ++pos_;
    }

    QStringView text_;
    qsizetype pos_ = 0;
};

// An elliptical arc from the current point (SVG's endpoint form), as cubic
// Bézier pieces of at most a quarter turn each.
void ArcTo(QPainterPath& path, qreal rx, qreal ry, qreal rotation, bool large, bool sweep,
           const QPointF& to) {
    const QPointF from = path.currentPosition();
    if (from == to) return;
    rx = std::abs(rx);
    ry = std::abs(ry);
    if (rx == 0 || ry == 0) {
        path.lineTo(to);
        return;
    }
    const qreal phi = rotation * std::numbers::pi / 180;
    const qreal c = std::cos(phi), s = std::sin(phi);
    const qreal hx = (from.x() - to.x()) / 2, hy = (from.y() - to.y()) / 2;
    const qreal x1 = c * hx + s * hy, y1 = -s * hx + c * hy;
    const qreal lambda = x1 * x1 / (rx * rx) + y1 * y1 / (ry * ry);
    if (lambda > 1) {
        rx *= std::sqrt(lambda);
        ry *= std::sqrt(lambda);
    }
    const qreal num = rx * rx * ry * ry - rx * rx * y1 * y1 - ry * ry * x1 * x1;
    const qreal den = rx * rx * y1 * y1 + ry * ry * x1 * x1;
    const qreal k = (large == sweep ? -1 : 1) * std::sqrt(std::max<qreal>(0, num / den));
    const qreal cx1 = k * rx * y1 / ry, cy1 = -k * ry * x1 / rx;
    const QPointF centre(c * cx1 - s * cy1 + (from.x() + to.x()) / 2,
                         s * cx1 + c * cy1 + (from.y() + to.y()) / 2);
    const auto angle = [](qreal ux, qreal uy, qreal vx, qreal vy) {
        return std::atan2(ux * vy - uy * vx, ux * vx + uy * vy);
    };
    const qreal start = angle(1, 0, (x1 - cx1) / rx, (y1 - cy1) / ry);
    qreal turn = angle((x1 - cx1) / rx, (y1 - cy1) / ry, (-x1 - cx1) / rx, (-y1 - cy1) / ry);
    if (!sweep && turn > 0) turn -= 2 * std::numbers::pi;
    if (sweep && turn < 0) turn += 2 * std::numbers::pi;

    const auto point = [&](qreal t) {
        const qreal ex = rx * std::cos(t), ey = ry * std::sin(t);
        return centre + QPointF(c * ex - s * ey, s * ex + c * ey);
    };
    const auto tangent = [&](qreal t) {
        const qreal ex = -rx * std::sin(t), ey = ry * std::cos(t);
        return QPointF(c * ex - s * ey, s * ex + c * ey);
    };
    const int pieces = int(std::ceil(std::abs(turn) / (std::numbers::pi / 2) - 1e-9));
    const qreal step = turn / pieces;
    const qreal handle = 4.0 / 3.0 * std::tan(step / 4);
    for (int i = 0; i < pieces; ++i) {
        const qreal t0 = start + i * step, t1 = t0 + step;
        const QPointF end = i + 1 == pieces ? to : point(t1);
        path.cubicTo(point(t0) + handle * tangent(t0), end - handle * tangent(t1), end);
    }
}

// Path data (M L H V C Q A Z, lower case relative to the current point);
// false on anything it cannot read.
bool ReadPath(QStringView data, QPainterPath& path) {
    Numbers in(data);
    QChar command;
    QPointF subpathStart;
    bool ok = true;
    while (!in.atEnd()) {
        const QChar letter = in.command();
        if (!letter.isNull()) command = letter;
        else if (command.isNull() || !in.atNumber()) return false;
        const bool relative = command.isLower();
        const QPointF origin = relative ? path.currentPosition() : QPointF();
        const auto n = [&] { return in.next(&ok); };
        const auto point = [&] {
            const qreal x = n();
            return origin + QPointF(x, n());
        };
        switch (command.toUpper().unicode()) {
        case 'M':
            subpathStart = point();
            path.moveTo(subpathStart);
            command = relative ? u'l' : u'L'; // further pairs are lines
            break;
        case 'L': path.lineTo(point()); break;
        case 'H': path.lineTo(origin.x() + n(), path.currentPosition().y()); break;
        case 'V': path.lineTo(path.currentPosition().x(), origin.y() + n()); break;
        case 'C': {
            const QPointF a = point(), b = point();
            path.cubicTo(a, b, point());
            break;
        }
        case 'Q': {
            const QPointF a = point();
            path.quadTo(a, point());
            break;
        }
        case 'A': {
            const qreal rx = n(), ry = n(), rotation = n();
            const bool large = n() != 0, sweep = n() != 0;
            ArcTo(path, rx, ry, rotation, large, sweep, point());
            break;
        }
        case 'Z':
            path.closeSubpath();
            path.moveTo(subpathStart);
            command = QChar();
            break;
        default: return false; // smooth curves and anything else: not used here
        }
        if (!ok) return false;
    }
    return true;
}

// The font for text in the family asked for: the window's own font where it
// is that family, so no further font has to be loaded for a sketch's labels.
QFont TextFont(const QString& family) {
    const QFont own = QGuiApplication::font();
    if (family.isEmpty() || QFontInfo(own).family() == family) return own;
    return QFont(family);
}

qreal Number(QStringView text, qreal otherwise = 0) {
    bool ok = false;
    const qreal value = Numbers(text).next(&ok);
    return ok ? value : otherwise;
}

} // namespace

class VectorDrawing::Reader {
  public:
    // Reads the drawing; with frameOnly, its <svg> element alone.
    static void Read(VectorDrawing& drawing, QXmlStreamReader& xml, bool frameOnly = false) {
        std::vector<Style> styles;
        while (!xml.atEnd()) {
            const auto token = xml.readNext();
            if (token == QXmlStreamReader::EndElement) {
                if (!styles.empty()) styles.pop_back();
                continue;
            }
            if (token != QXmlStreamReader::StartElement) continue;
            const QXmlStreamAttributes a = xml.attributes();
            const auto number = [&a](const char* name, qreal otherwise = 0) {
                return Number(a.value(QLatin1String(name)), otherwise);
            };
            if (styles.empty()) {
                if (xml.name() != u"svg") return;
                if (!ReadFrame(drawing, a)) return;
                drawing.valid_ = true;
                if (frameOnly) return;
                styles.push_back(Apply(Style(), a));
                continue;
            }
            styles.push_back(Apply(styles.back(), a));
            const Style style = styles.back();
            const QStringView name = xml.name();
            Shape shape;
            if (name == u"path") {
                shape.path.setFillRule(Qt::WindingFill);
                if (!ReadPath(a.value(QLatin1String("d")), shape.path)) continue;
            } else if (name == u"rect") {
                const QRectF rect(number("x"), number("y"), number("width"), number("height"));
                qreal rx = number("rx", -1), ry = number("ry", -1);
                if (rx < 0) rx = std::max<qreal>(ry, 0);
                if (ry < 0) ry = rx;
                if (rx > 0 && ry > 0)
                    shape.path.addRoundedRect(rect, std::min(rx, rect.width() / 2),
                                              std::min(ry, rect.height() / 2));
                else
                    shape.path.addRect(rect);
            } else if (name == u"circle") {
                const qreal r = number("r");
                shape.path.addEllipse(QPointF(number("cx"), number("cy")), r, r);
            } else if (name == u"text") {
                shape.at = QPointF(number("x"), number("y"));
                shape.text =
                    xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
                styles.pop_back(); // readElementText consumed the end element
                shape.font = TextFont(style.fontFamily);
                shape.fontSize = style.fontSize;
                shape.anchor = style.anchor;
                shape.brush = style.fill;
                if (!shape.text.isEmpty()) drawing.shapes_.push_back(std::move(shape));
                continue;
            } else {
                continue; // groups and anything not drawn
            }
            shape.brush = style.fill;
            shape.pen = PenOf(style);
            drawing.shapes_.push_back(std::move(shape));
        }
        if (xml.hasError()) drawing.valid_ = false;
    }

  private:
    static bool ReadFrame(VectorDrawing& drawing, const QXmlStreamAttributes& a) {
        Numbers box(a.value(QLatin1String("viewBox")));
        bool ok = true;
        qreal v[4];
        for (qreal& x : v) x = box.next(&ok);
        const qreal width = Number(a.value(QLatin1String("width")), -1);
        const qreal height = Number(a.value(QLatin1String("height")), -1);
        if (ok && v[2] > 0 && v[3] > 0) drawing.viewBox_ = QRectF(v[0], v[1], v[2], v[3]);
        else if (width > 0 && height > 0) drawing.viewBox_ = QRectF(0, 0, width, height);
        else return false;
        drawing.size_ = width > 0 && height > 0 ? QSize(qRound(width), qRound(height))
                                                : drawing.viewBox_.size().toSize();
        return true;
    }

    static Style Apply(Style style, const QXmlStreamAttributes& a) {
        for (const QXmlStreamAttribute& attribute : a) {
            const QStringView name = attribute.name(), value = attribute.value();
            if (name == u"fill") {
                style.fill = value == u"none" ? QBrush() : QBrush(QColor::fromString(value));
            } else if (name == u"stroke") {
                style.stroke = value == u"none" ? QColor() : QColor::fromString(value);
            } else if (name == u"stroke-width") {
                style.strokeWidth = Number(value, 1);
            } else if (name == u"stroke-linecap") {
                style.cap = value == u"round"    ? Qt::RoundCap
                            : value == u"square" ? Qt::SquareCap
                                                 : Qt::FlatCap;
            } else if (name == u"stroke-linejoin") {
                style.join = value == u"round"   ? Qt::RoundJoin
                             : value == u"bevel" ? Qt::BevelJoin
                                                 : Qt::SvgMiterJoin;
            } else if (name == u"stroke-dasharray") {
                style.dashes.clear();
                Numbers numbers(value);
                bool ok = true;
                while (numbers.atNumber() && ok) style.dashes.append(numbers.next(&ok));
                if (!ok) style.dashes.clear();
            } else if (name == u"font-family") {
                style.fontFamily = value.toString();
            } else if (name == u"font-size") {
                style.fontSize = Number(value, style.fontSize);
            } else if (name == u"text-anchor") {
                style.anchor = value == u"middle" ? 0 : value == u"end" ? 1 : -1;
            }
        }
        return style;
    }

    static QPen PenOf(const Style& style) {
        if (!style.stroke.isValid() || style.strokeWidth <= 0) return QPen(Qt::NoPen);
        QPen pen(QBrush(style.stroke), style.strokeWidth, Qt::SolidLine, style.cap, style.join);
        pen.setMiterLimit(4);
        QList<qreal> dashes = style.dashes;
        if (dashes.size() % 2 == 1) dashes += style.dashes; // SVG repeats an odd list
        if (!dashes.isEmpty()) {
            for (qreal& d : dashes) d /= style.strokeWidth; // Qt counts in pen widths
            pen.setDashPattern(dashes);
        }
        return pen;
    }
};

VectorDrawing::VectorDrawing(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) return;
    *this = FromData(in.readAll());
}

VectorDrawing VectorDrawing::FromData(const QByteArray& svg) {
    VectorDrawing drawing;
    QXmlStreamReader xml(svg);
    Reader::Read(drawing, xml);
    if (!drawing.valid_) drawing = VectorDrawing();
    return drawing;
}

QSize VectorDrawing::DefaultSize(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) return {};
    VectorDrawing frame;
    QXmlStreamReader xml(&in);
    Reader::Read(frame, xml, true);
    return frame.valid_ ? frame.size_ : QSize();
}

void VectorDrawing::render(QPainter* painter, const QRectF& target) const {
    if (!valid_) return;
    QRectF frame = target;
    if (frame.isEmpty() && painter->device() != nullptr)
        frame = QRectF(0, 0, painter->device()->width(), painter->device()->height());
    if (frame.isEmpty()) frame = QRectF(QPointF(0, 0), QSizeF(size_));

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->translate(frame.topLeft());
    painter->scale(frame.width() / viewBox_.width(), frame.height() / viewBox_.height());
    painter->translate(-viewBox_.topLeft());
    for (const Shape& shape : shapes_) {
        if (shape.text.isEmpty()) {
            painter->setPen(shape.pen);
            painter->setBrush(shape.brush);
            // Drawn from a copy of its own: the paint engine keeps a converted
            // form with the path it draws, which would stay with every sketch.
            QPainterPath path = shape.path;
            if (!path.isEmpty())
                path.setElementPositionAt(0, path.elementAt(0).x, path.elementAt(0).y);
            painter->drawPath(path);
            continue;
        }
        if (shape.brush.style() == Qt::NoBrush || shape.fontSize <= 0) continue;
        // Laid out at the font's own size on the painter's device (a PDF has
        // another resolution than the screen) and scaled to the size asked for.
        painter->save();
        painter->setFont(shape.font);
        const qreal scale = shape.fontSize / painter->fontInfo().pixelSize();
        qreal x = shape.at.x() / scale;
        if (shape.anchor >= 0) // middle or end
            x -= (shape.anchor + 1) *
                 QFontMetricsF(shape.font, painter->device()).horizontalAdvance(shape.text) / 2;
        painter->scale(scale, scale);
        painter->setPen(QPen(shape.brush, 0));
        painter->drawText(QPointF(x, shape.at.y() / scale), shape.text);
        painter->restore();
    }
    painter->restore();
}

} // namespace zerbo::ui
