#include "ui/style_icons.h"

#include <QDateTime>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyle>

namespace zerbo::ui {

namespace {

const QString kStylePictures = QStringLiteral(":/qt-project.org/styles/commonstyle/images/");

// A built-in PNG, read by the PNG reader alone; null where it is missing.
QPixmap ReadPng(const QString& file) {
    QImageReader reader(file, "png");
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
    for (int size : {16, 32, 128}) {
        const QPixmap picture =
            ReadPng(kStylePictures + QStringLiteral("standardbutton-close-%1.png").arg(size));
        if (picture.isNull()) return own();
        icon.addPixmap(picture);
    }
    return icon;
}

QPixmap PreloadGroupBoxFrame(const QStyle* style) {
    if (style == nullptr || style->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        return {};
    const QFileInfo file(kStylePictures + QStringLiteral("fusion_groupbox.png"));
    const QPixmap picture = ReadPng(file.filePath());
    if (picture.isNull()) return {};
    const QString name = QStringLiteral("qt_pixmap") + file.absoluteFilePath() +
                         CacheHex(uint(file.lastModified().toSecsSinceEpoch())) +
                         CacheHex(quint64(file.size())) + CacheHex(uint(0)); // a pixmap
    QPixmapCache::insert(name, picture);
    return picture;
}

} // namespace zerbo::ui
