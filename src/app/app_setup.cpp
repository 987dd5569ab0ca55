// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/app_setup.h"

#include "ui/vector_drawing.h"

#include <QFile>
#include <QGuiApplication>
#include <QIconEngine>
#include <QLibraryInfo>
#include <QPainter>
#include <QPixmap>
#include <QTranslator>

#include <optional>

namespace zerbo::app {

QString ApplicationId() { return QStringLiteral(ZERBO_APP_ID); }

QString ApplicationVersion() { return QStringLiteral(ZERBO_VERSION); }

bool SetUpApplication(QCoreApplication& app) {
    QCoreApplication::setApplicationName(QStringLiteral("Zerbo"));
    QCoreApplication::setApplicationVersion(ApplicationVersion());
    // The translator belongs to the application and goes with it.
    auto* qtTexts = new QTranslator(&app);
    if (!qtTexts->load(QStringLiteral("qtbase_de"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete qtTexts;
        return false;
    }
    return QCoreApplication::installTranslator(qtTexts);
}

namespace {

QString IconFile() { return QStringLiteral(":/icons/%1.svg").arg(ApplicationId()); }

// The icon's pictures, drawn in every size a desktop asks for.
QIcon DrawApplicationIcon() {
    // Drawn here rather than by Qt's SVG icon plugin, which may be missing.
    const ui::VectorDrawing drawing(IconFile());
    QIcon icon;
    if (!drawing.isValid()) return icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        drawing.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

// Draws the pictures when they are first asked for: where nothing shows the
// icon (the offscreen platform), nothing is drawn at start-up. It answers
// as the drawn icon's own pictures would.
class DrawnOnDemand final : public QIconEngine {
  public:
    QIconEngine* clone() const override { return new DrawnOnDemand(*this); }
    QString key() const override { return QStringLiteral("ZerboApplicationIcon"); }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return pixmap(size, mode, state).size();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return drawn().pixmap(size, 1.0, mode, state);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device()->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return drawn().availableSizes(mode, state);
    }

  private:
    const QIcon& drawn() {
        if (!icon_) icon_ = DrawApplicationIcon();
        return *icon_;
    }
    std::optional<QIcon> icon_;
};

} // namespace

QIcon ApplicationIcon() {
    if (!QFile::exists(IconFile())) return QIcon();
    return QIcon(new DrawnOnDemand);
}

bool SetUpGuiApplication(QGuiApplication& app) {
    const bool german = SetUpApplication(app);
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Zerbo"));
    QGuiApplication::setDesktopFileName(ApplicationId());
    QGuiApplication::setWindowIcon(ApplicationIcon());
    return german;
}

} // namespace zerbo::app
