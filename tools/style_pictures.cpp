// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// zerbo_style_pictures OUTPUT: run while building. Writes the style pictures
// the window shows in its first frame (the close icon of "Beenden" in its
// three sizes, the Fusion group box frame) as pixel arrays for
// src/ui/style_icons.cpp, read from the Qt the program is built with. The
// program then shows them without reading a PNG file at start-up.

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QStyle>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // The pictures are resources of the widgets library: using it keeps it
    // linked, and loading it registers them.
    if (QStyle::staticMetaObject.className() == nullptr) return 1;
    if (argc != 2) {
        std::fprintf(stderr, "usage: zerbo_style_pictures OUTPUT\n");
        return 2;
    }
    const char* names[] = {"standardbutton-close-16.png", "standardbutton-close-32.png",
                           "standardbutton-close-128.png", "fusion_groupbox.png"};
    QString text;
    QTextStream out(&text);
    out << "// Generated while building by tools/style_pictures.cpp from Qt's built-in\n"
           "// style pictures; premultiplied ARGB, row by row.\n";
    QStringList entries;
    int index = 0;
    for (const char* name : names) {
        QImageReader reader(QStringLiteral(":/qt-project.org/styles/commonstyle/images/") +
                                QLatin1String(name),
                            "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (image.isNull()) continue; // the program reads this one itself
        out << "static const unsigned kPixels" << index << "[] = {";
        for (int y = 0; y < image.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                out << ((x + y * image.width()) % 8 == 0 ? "\n    " : " ") << "0x"
                    << QString::number(row[x], 16) << "u,";
        }
        out << "\n};\n";
        entries << QStringLiteral("    {\"%1\", %2, %3, kPixels%4},")
                       .arg(QLatin1String(name))
                       .arg(image.width())
                       .arg(image.height())
                       .arg(index);
        ++index;
    }
    out << "static const StylePicture kStylePictureTable[] = {\n"
        << entries.join(QLatin1Char('\n')) << "\n    {nullptr, 0, 0, nullptr}};\n";
    out.flush();

    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text.toUtf8()) < 0) {
        std::fprintf(stderr, "zerbo_style_pictures: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
