// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The pictures of the window: every built-in drawing is a valid SVG that our
// own drawing code paints as an SVG renderer does, the tool sketches paint
// on their pages and the glyph buttons show icons while
// keeping their captions as accessible text.

#include "ui/form.h"
#include "ui/glyph.h"
#include "ui/main_window.h"
#include "ui/vector_drawing.h"
#include "ui/window_style.h"

#include "window_driver.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QSvgRenderer>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

using namespace zerbo::ui;
using namespace zerbo::ui::testing;

namespace {

QImage Painted(const QSize& size, const std::function<void(QPainter*)>& paint) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paint(&painter);
    return image;
}

// The largest difference of two pixels in one channel.
int ChannelDifference(QRgb p, QRgb q) {
    return std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                     std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
}

// Blocks of 4 x 4 pixels whose mean colours differ by more than a tenth of
// a channel's range: blind to how a glyph's edge falls on the pixel grid,
// not to a shape or a word out of place.
int DifferentBlocks(const QImage& a, const QImage& b) {
    int count = 0;
    for (int by = 0; by + 4 <= a.height(); by += 4)
        for (int bx = 0; bx + 4 <= a.width(); bx += 4) {
            int sum[4] = {};
            for (int y = by; y < by + 4; ++y)
                for (int x = bx; x < bx + 4; ++x) {
                    const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
                    sum[0] += qRed(p) - qRed(q);
                    sum[1] += qGreen(p) - qGreen(q);
                    sum[2] += qBlue(p) - qBlue(q);
                    sum[3] += qAlpha(p) - qAlpha(q);
                }
            if (std::any_of(sum, sum + 4, [](int d) { return std::abs(d) > 16 * 25; })) ++count;
        }
    return count;
}

// Pixels of the sketch that carry the tool colour.
int ToolPixels(QWidget* sketch) {
    const QImage image = sketch->grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == QColor(0xb9, 0xc6, 0xd3)) ++count;
    return count;
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

  private slots:
    void everyDrawingPaintsAsAnSvgRendererDoes() {
        int drawings = 0;
        for (const char* folder : {":/sketches", ":/glyphs", ":/icons"}) {
            for (const QString& file : QDir(folder).entryList({"*.svg"})) {
                const QString path = QString(folder) + "/" + file;
                QSvgRenderer svg(path);
                const VectorDrawing own(path);
                QVERIFY2(svg.isValid() && own.isValid(), qPrintable(file));
                QVERIFY2(!svg.viewBoxF().isEmpty(), qPrintable(file));
                QCOMPARE(own.viewBox(), svg.viewBoxF());
                QCOMPARE(own.defaultSize(), svg.defaultSize());
                for (qreal scale : {1.0, 2.5}) {
                    const QSize size = (QSizeF(svg.defaultSize()) * scale).toSize();
                    const QImage reference = Painted(size, [&](QPainter* p) { svg.render(p); });
                    const QImage drawn = Painted(size, [&](QPainter* p) { own.render(p); });
                    const int differ = DifferentBlocks(reference, drawn);
                    // At the drawn size alike block for block; enlarged, the
                    // edges of text and round corners may fall a little apart.
                    const int blocks = (size.width() / 4) * (size.height() / 4);
                    QVERIFY2(scale == 1.0 ? differ == 0 : differ * 200 <= blocks,
                             qPrintable(QString("%1 at %2: %3 of %4 blocks differ")
                                            .arg(file).arg(scale).arg(differ).arg(blocks)));
                }
                ++drawings;
            }
        }
        QVERIFY(drawings >= 16); // six sketches, nine glyphs, the icon
    }

    void drawingsOnlyReadWhatTheyUnderstand() {
        QVERIFY(!VectorDrawing::FromData("").isValid());
        QVERIFY(!VectorDrawing::FromData("<html/>").isValid());
        QVERIFY(!VectorDrawing::FromData("<svg>").isValid());     // no size, unfinished
        QVERIFY(!VectorDrawing::FromData("<svg width='10' height='10'><g>").isValid());
        const auto drawing = VectorDrawing::FromData(
            "<svg width='20' height='10'><path d='M0 0 S5 5 6 6'/><path d='M1 1 L2'/>"
            "<rect width='20' height='10' fill='#ff0000'/></svg>");
        QVERIFY(drawing.isValid()); // paths it cannot read are left out, the rest drawn
        QCOMPARE(drawing.viewBox(), QRectF(0, 0, 20, 10));
        const QImage image = Painted({20, 10}, [&](QPainter* p) { drawing.render(p); });
        QCOMPARE(image.pixelColor(10, 5), QColor(Qt::red));
    }

    void toolSketchesPaintOnTheirPages() {
        MainWindow w(',');
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QApplication::processEvents();
        const QSize size = w.size();
        auto* tabs = Find<QTabBar>(&w, "TabSet");
        const std::pair<int, const char*> sketches[] = {
            {0, "Sketch_milling"}, {1, "Sketch_turning"},        {2, "Sketch_drilling"},
            {3, "Sketch_reaming"}, {4, "Sketch_countersinking"}, {5, "Sketch_sawing"}};
        for (const auto& [page, name] : sketches) {
            ClickTab(tabs, page);
            auto* sketch = Find<QWidget>(&w, name);
            QVERIFY(sketch->isVisible());
            QVERIFY2(ToolPixels(sketch) > 200, name);
        }
        QCOMPARE(w.size(), size); // the fixed window does not grow
    }

    void glyphButtonsShowIconsAndKeepTheirCaptions() {
        MainWindow w(',');
        w.buildAll();
        const Models m(w);
        const auto& classes = m.turning.classButtons;
        const std::pair<const zerbo::Button*, const char*> buttons[] = {
            {&classes[0], "▽▽▽▽"}, {&classes[1], "▽▽▽"}, {&classes[2], "▽▽"},
            {&classes[3], "▽"},    {&classes[4], "∼"},   {&m.milling.speedIncreaseDown, "▼"},
            {&m.milling.speedIncreaseUp, "▲"}};
        for (const auto& [button, caption] : buttons) {
            const char* name = button->name().c_str();
            auto* b = Find<QToolButton>(&w, *button);
            QVERIFY2(!b->icon().pixmap(b->iconSize()).isNull(), name);
            QCOMPARE(b->toolButtonStyle(), Qt::ToolButtonIconOnly);
            QCOMPARE(b->text(), QString(caption));
        }
        // "Beenden" and "Drucken" show their glyphs beside the caption.
        const auto& main = w.workbench().main();
        for (const zerbo::Control* c : {&main.okButton, &main.printButton})
            QVERIFY2(!Find<QPushButton>(&w, *c)->icon().pixmap(16).isNull(), c->name().c_str());
    }

    // The window draws its glyphs (the close icon of "Beenden" among them)
    // itself, so that no icon or image plugin loads before its first frame;
    // they must look exactly as Qt's own SVG icons would.
    void ownIconsLookLikeQtsOwn() {
        const QSize sizes[] = {{16, 16}, {44, 11}, {32, 32}};
        for (const QString& file : QDir(":/glyphs").entryList({"*.svg"})) {
            const QIcon ours = Glyph(qPrintable(QFileInfo(file).completeBaseName()));
            const QIcon qts(":/glyphs/" + file);
            for (const QSize& size : sizes)
                for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active}) {
                    const QString what = QString("%1 %2x%3 mode %4")
                                             .arg(file)
                                             .arg(size.width())
                                             .arg(size.height())
                                             .arg(int(mode));
                    QVERIFY2(ours.pixmap(size, mode).toImage() == qts.pixmap(size, mode).toImage(),
                             qPrintable(what));
                    QCOMPARE(ours.actualSize(size, mode), qts.actualSize(size, mode));
                }
        }
    }

    // The window's style paints the group box frame that Fusion stretches
    // from its picture: at the same place and to a step or two of a channel
    // the same, but for the rounding of the corners.
    void groupBoxFramesLookLikeFusions() {
        UseWindowStyle();
        QVERIFY(qobject_cast<QProxyStyle*>(QApplication::style()) != nullptr);
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create("fusion"));
        for (const QString& title : {QString("Werkstoffgruppe:"), QString()})
            for (bool checkable : {false, true}) {
                const auto grab = [&](QStyle* style) {
                    QGroupBox box(title);
                    box.setCheckable(checkable);
                    if (style != nullptr) box.setStyle(style);
                    box.resize(150, 80);
                    return Painted(box.size(), [&](QPainter* p) { box.render(p); });
                };
                const QImage theirs = grab(fusion.get()), ours = grab(nullptr);
                int worst = 0, apart = 0;
                for (int y = 0; y < ours.height(); ++y)
                    for (int x = 0; x < ours.width(); ++x) {
                        const int d = ChannelDifference(theirs.pixel(x, y), ours.pixel(x, y));
                        worst = std::max(worst, d);
                        apart += d > 2 ? 1 : 0;
                    }
                const QString what = QString("'%1'%2: %3 pixels apart, by up to %4")
                                         .arg(title, checkable ? " checkable" : "")
                                         .arg(apart)
                                         .arg(worst);
                QVERIFY2(apart <= 4 * 5 && worst <= 10, qPrintable(what));
            }
    }

    void percentStepperButtonsShowIcons() {
        QWidget parent;
        const zerbo::PercentStep step("Minus", "Percent", "Plus", 0, 10);
        MakePercentStepper(step, &parent);
        for (const char* name : {"Minus", "Plus"}) {
            auto* b = Find<QToolButton>(&parent, name);
            QVERIFY2(!b->icon().pixmap(b->iconSize()).isNull(), name);
            QVERIFY(!b->isCheckable());
        }
        QCOMPARE(Find<QToolButton>(&parent, "Minus")->text(), QString("−"));
        QCOMPARE(Find<QToolButton>(&parent, "Plus")->text(), QString("+"));
    }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
