#include "app/app_setup.h"

#include <QGuiApplication>
#include <QLibraryInfo>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QTranslator>

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

QIcon ApplicationIcon() {
    // Drawn here rather than by Qt's SVG icon plugin, which may be missing.
    QSvgRenderer drawing(QStringLiteral(":/icons/%1.svg").arg(ApplicationId()));
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

bool SetUpGuiApplication(QGuiApplication& app) {
    const bool german = SetUpApplication(app);
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Zerbo"));
    QGuiApplication::setDesktopFileName(ApplicationId());
    QGuiApplication::setWindowIcon(ApplicationIcon());
    return german;
}

} // namespace zerbo::app
