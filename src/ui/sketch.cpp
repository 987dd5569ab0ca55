#include "ui/sketch.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QWidget>

namespace zerbo::ui {

namespace {

class SketchPanel : public QWidget {
  public:
    SketchPanel(const QString& resource, QWidget* parent)
        : QWidget(parent), renderer_(resource, this) {
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    }

    QSize sizeHint() const override {
        return renderer_.isValid() ? renderer_.defaultSize() : QSize(0, 0);
    }
    QSize minimumSizeHint() const override { return sizeHint() / 2; }
    bool valid() const { return renderer_.isValid(); }

  protected:
    void paintEvent(QPaintEvent*) override {
        if (!renderer_.isValid()) return;
        QSizeF size = renderer_.viewBoxF().size();
        if (size.isEmpty()) return;
        size.scale(QSizeF(rect().size()), Qt::KeepAspectRatio);
        const QRectF target(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2),
                            size);
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer_.render(&painter, target);
    }

  private:
    QSvgRenderer renderer_;
};

} // namespace

QWidget* MakeSketch(const char* name, QWidget* parent) {
    auto* panel = new SketchPanel(QStringLiteral(":/sketches/%1.svg").arg(name), parent);
    panel->setObjectName(QStringLiteral("Sketch_%1").arg(name));
    return panel;
}

} // namespace zerbo::ui
