// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/glyph.h"

#include "ui/vector_drawing.h"

#include <QAbstractButton>
#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
#include <QToolButton>

namespace zerbo::ui {

namespace {

// Draws the glyph's SVG at the size asked for, keeping its proportions.
// Drawn here by our own drawing code, so no icon-engine or image-format
// plugin (nor the SVG library) is loaded for the buttons.
class GlyphEngine final : public QIconEngine {
  public:
    explicit GlyphEngine(QString file) : file_(std::move(file)) {}

    QIconEngine* clone() const override { return new GlyphEngine(file_); }

    QString key() const override { return QStringLiteral("ZerboGlyph"); }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return pixmap(size, mode, state).size();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        const QString cacheKey = QStringLiteral("zerbo-glyph:%1:%2x%3:%4:%5")
                                     .arg(file_)
                                     .arg(size.width())
                                     .arg(size.height())
                                     .arg(int(mode))
                                     .arg(int(state));
        QPixmap pm;
        if (QPixmapCache::find(cacheKey, &pm)) return pm;
        const VectorDrawing drawing(file_);
        if (!drawing.isValid()) return pm;
        QSize actual = drawing.defaultSize();
        if (!actual.isNull()) actual.scale(size, Qt::KeepAspectRatio);
        if (actual.isEmpty()) return pm;
        pm = QPixmap(actual);
        pm.fill(Qt::transparent);
        QPainter painter(&pm);
        drawing.render(&painter);
        painter.end();
        if (mode != QIcon::Normal) {
            QStyleOption option;
            option.palette = QGuiApplication::palette();
            const QPixmap generated = QApplication::style()->generatedIconPixmap(mode, pm, &option);
            if (!generated.isNull()) pm = generated;
        }
        QPixmapCache::insert(cacheKey, pm);
        return pm;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        QSize size = rect.size();
        if (painter->device() != nullptr) size *= painter->device()->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(size, mode, state));
    }

  private:
    QString file_;
};

} // namespace

QIcon Glyph(const char* name) {
    return QIcon(new GlyphEngine(QStringLiteral(":/glyphs/%1.svg").arg(QLatin1String(name))));
}

void SetGlyph(QAbstractButton* button, const char* name, int width, int height) {
    button->setIcon(Glyph(name));
    button->setIconSize(QSize(width, height));
    if (auto* tool = qobject_cast<QToolButton*>(button))
        tool->setToolButtonStyle(Qt::ToolButtonIconOnly);
}

} // namespace zerbo::ui
