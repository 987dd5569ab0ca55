#include "ui/style_icons.h"

#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QStyle>

namespace zerbo::ui {

QIcon CloseIcon(const QStyle* style) {
    const auto own = [style] { return style->standardIcon(QStyle::SP_DialogCloseButton); };
    if (!QIcon::themeName().isEmpty()) return own();
    QIcon icon;
    for (int size : {16, 32, 128}) {
        QImageReader reader(
            QStringLiteral(":/qt-project.org/styles/commonstyle/images/standardbutton-close-%1.png")
                .arg(size),
            "png");
        reader.setAutoDetectImageFormat(false); // the PNG reader only, no plugin probed
        const QImage image = reader.read();
        if (image.isNull()) return own();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace zerbo::ui
