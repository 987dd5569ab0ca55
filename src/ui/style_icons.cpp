// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/style_icons.h"

#include <QDateTime>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyle>

#include <cstddef>
#include <cstring>

namespace zerbo::ui {

namespace {

const QString kStylePictures = QStringLiteral(":/qt-project.org/styles/commonstyle/images/");

struct StylePicture {
    const char* name;
    int width;
    int height;
    const unsigned* pixels;
};
// kStylePictureTable: the pictures as pixels, made from Qt's files while
// building (tools/style_pictures.cpp).
#include "style_pictures.inc"

// One of the style's built-in PNG pictures: from the pixels built in, else
// read by the PNG reader alone; null where it is missing. With the pixels,
// nothing of the PNG library runs at start-up.
QPixmap Picture(const char* name) {
    for (const StylePicture* p = kStylePictureTable; p->name != nullptr; ++p) {
        if (std::strcmp(p->name, name) != 0) continue;
        const QImage image(reinterpret_cast<const uchar*>(p->pixels), p->width, p->height,
                           p->width * 4, QImage::Format_ARGB32_Premultiplied);
        return QPixmap::fromImage(image);
    }
    QImageReader reader(kStylePictures + QLatin1String(name), "png");
    reader.setAutoDetectImageFormat(false); // no other plugin probed
    return QPixmap::fromImage(reader.read());
}

// The bytes of a number as the pixmap loader writes them into its cache
// names: byte by byte in memory order, low digit first.
template <typename T> QString CacheHex(T value) {
    static const char digits[] = "0123456789abcdef";
    QString text;
    const auto* byte = reinterpret_cast<const unsigned char*>(&value);
    for (std::size_t i = 0; i < sizeof value; ++i) {
        text += QLatin1Char(digits[byte[i] & 0xf]);
        text += QLatin1Char(digits[byte[i] >> 4]);
    }
    return text;
}

} // namespace

QIcon CloseIcon(const QStyle* style) {
    const auto own = [style] { return style->standardIcon(QStyle::SP_DialogCloseButton); };
    if (!QIcon::themeName().isEmpty()) return own();
    QIcon icon;
    for (const char* name : {"standardbutton-close-16.png", "standardbutton-close-32.png",
                             "standardbutton-close-128.png"}) {
        const QPixmap picture = Picture(name);
        if (picture.isNull()) return own();
        icon.addPixmap(picture);
    }
    return icon;
}

QPixmap PreloadGroupBoxFrame(const QStyle* style) {
    if (style == nullptr || style->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        return {};
    const QFileInfo file(kStylePictures + QStringLiteral("fusion_groupbox.png"));
    const QPixmap picture = Picture("fusion_groupbox.png");
    if (picture.isNull()) return {};
    const QString name = QStringLiteral("qt_pixmap") + file.absoluteFilePath() +
                         CacheHex(uint(file.lastModified().toSecsSinceEpoch())) +
                         CacheHex(quint64(file.size())) + CacheHex(uint(0)); // a pixmap
    QPixmapCache::insert(name, picture);
    return picture;
}

} // namespace zerbo::ui
