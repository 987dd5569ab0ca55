// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The fixed-size window takes its size from its layout: with the default
// font and with a larger one every page shows its values and captions
// whole, and result fields hold the widest number text.
#include "ui/field_width.h"
#include "ui/main_window.h"

#include "window_driver.h"

#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QToolButton>

using namespace zerbo::ui;
using namespace zerbo::ui::testing;

namespace {

// Room for text inside a line edit: its contents less the 2-pixel margins.
int TextRoom(const QLineEdit* field) {
    const QMargins m = field->textMargins();
    return field->contentsRect().width() - m.left() - m.right() - 2 * 2;
}

QString Cut(const QWidget* w, const QString& text, int room) {
    const int need = w->fontMetrics().horizontalAdvance(text);
    return need <= room ? QString()
                        : QString("%1 \"%2\" needs %3 px, has %4\n")
                              .arg(w->objectName(), text)
                              .arg(need)
                              .arg(room);
}

} // namespace

class WindowFitTest : public QObject {
    Q_OBJECT

  private slots:
    void everyPageShowsItsTextsWhole_data() {
        QTest::addColumn<double>("fontScale");
        QTest::newRow("default font") << 1.0;
        QTest::newRow("larger font") << 1.6;
    }

    void everyPageShowsItsTextsWhole() {
        QFETCH(double, fontScale);
        const QFont original = QApplication::font();
        QFont larger = original;
        larger.setPointSizeF(original.pointSizeF() * fontScale);
        QApplication::setFont(larger);
        {
            MainWindow w(',');
            w.show();
            const Models m(w);
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            QCOMPARE(w.size(), w.sizeHint());
            QCOMPARE(w.minimumSize(), w.maximumSize());
            auto* tabs = Find<QTabBar>(&w, "TabSet");
            auto* notebook = Find<QStackedWidget>(&w, "Notebook");
            QString cuts;
            for (int page = 0; page < notebook->count(); ++page) {
                ClickTab(tabs, page);
                QApplication::processEvents();
                QWidget* shown = notebook->currentWidget();
                for (QLineEdit* f : shown->findChildren<QLineEdit*>())
                    if (f->isVisible()) cuts += Cut(f, f->text(), TextRoom(f));
                for (QLabel* l : shown->findChildren<QLabel*>())
                    if (l->isVisible() && !l->wordWrap() && l->pixmap().isNull())
                        cuts += Cut(l, l->text(), l->contentsRect().width());
                for (QAbstractButton* b : shown->findChildren<QAbstractButton*>())
                    if (b->isVisible() && !b->text().isEmpty())
                        cuts += Cut(b, QString(b->text()).remove('&'), b->width());
            }
            QVERIFY2(cuts.isEmpty(), qPrintable(cuts));

            // Every result that can show fifteen digits holds the widest text.
            const auto& r = m.milling.results;
            for (const zerbo::Field* f :
                 {&r.spindleSpeed, &r.feedRate, &r.kc, &r.removalRate, &r.power,
                  &m.milling.chipThickness, &m.turning.spindleSpeed, &m.turning.kc,
                  &m.turning.power, &m.turning.removalRate, &m.calculator.spindleSpeed,
                  &m.calculator.feedRate}) {
                auto* field = Find<QLineEdit>(&w, *f);
                QVERIFY2(Cut(field, kWidestNumberText, TextRoom(field)).isEmpty(),
                         f->name().c_str());
            }
        }
        QApplication::setFont(original);
    }

    // The "Steigerung" row keeps its room while hidden: nothing below or
    // beside it moves when it appears.
    void millingStaysPutWhenTheRaiseAppears() {
        MainWindow w(',');
        w.show();
        const Models m(w);
        auto at = [&](const zerbo::Control* control) {
            auto* c = Find<QWidget>(&w, *control);
            return QRect(c->mapTo(&w, QPoint(0, 0)), c->size());
        };
        const zerbo::Control* watched[] = {&m.milling.widthBar, &m.milling.depthBar, &m.milling.depth,
                                           &m.milling.results.spindleSpeed,
                                           &m.milling.results.power};
        QList<QRect> before;
        for (const zerbo::Control* control : watched) before << at(control);
        QVERIFY(!Find<QWidget>(&w, m.milling.speedIncrease)->isVisible());
        QTest::mouseClick(Find<QToolButton>(&w, m.milling.wpButton), Qt::LeftButton);
        QTest::mouseClick(Find<QToolButton>(&w, m.milling.groupButtons[4]), Qt::LeftButton);
        QApplication::processEvents();
        QVERIFY(Find<QWidget>(&w, m.milling.speedIncrease)->isVisible());
        for (int i = 0; i < before.size(); ++i) QCOMPARE(at(watched[i]), before[i]);
    }
};

QTEST_MAIN(WindowFitTest)
#include "window_fit_test.moc"
