// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/sketch.h"

#include "ui/vector_drawing.h"

#include <QPainter>
#include <QWidget>

#include <optional>

namespace zerbo::ui {

namespace {

class SketchPanel : public QWidget {
  public:
    SketchPanel(QString resource, QWidget* parent)
        : QWidget(parent), resource_(std::move(resource)),
          size_(VectorDrawing::DefaultSize(resource_)) {
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    }

    QSize sizeHint() const override { return size_.isValid() ? size_ : QSize(0, 0); }
    QSize minimumSizeHint() const override { return sizeHint() / 2; }
    const QString& resource() const { return resource_; }

  protected:
    void paintEvent(QPaintEvent*) override {
        // Read when first shown: a page behind another tab keeps its size alone.
        if (!drawing_) drawing_.emplace(resource_);
        if (!drawing_->isValid()) return;
        QSizeF size = drawing_->viewBox().size();
        if (size.isEmpty()) return;
        size.scale(QSizeF(rect().size()), Qt::KeepAspectRatio);
        const QRectF target(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2),
                            size);
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        drawing_->render(&painter, target);
    }

  private:
    QString resource_;
    QSize size_;
    std::optional<VectorDrawing> drawing_;
};

} // namespace

QWidget* MakeSketch(const char* name, QWidget* parent) {
    auto* panel = new SketchPanel(QStringLiteral(":/sketches/%1.svg").arg(name), parent);
    panel->setObjectName(QStringLiteral("Sketch_%1").arg(name));
    // The setup sheet draws the same picture.
    panel->setProperty("zerboDrawing", panel->resource());
    return panel;
}

} // namespace zerbo::ui
