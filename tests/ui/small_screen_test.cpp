// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// On a screen smaller than the designed window (1024×600 here, set by the
// test's platform configuration) the window opens inside the available
// area, can be resized, and every control of every page can be scrolled
// into view; the tab strip and the button panel stay in sight.
#include "ui/main_window.h"

#include "window_driver.h"

#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>

using namespace zerbo::ui;
using namespace zerbo::ui::testing;

class SmallScreenTest : public QObject {
    Q_OBJECT

  private slots:
    void windowFitsAndThePageAreaScrolls() {
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(available.size(), QSize(1024, 600));
        MainWindow w(',');
        w.show();
        const Models m(w);
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(w.scrolling());
        QVERIFY(available.contains(w.frameGeometry()));
        QVERIFY(w.minimumWidth() < w.maximumWidth());
        QVERIFY(w.minimumHeight() < w.maximumHeight());

        const QRect window = w.rect();
        for (QWidget* c :
             {Find<QWidget>(&w, m.main.okButton), Find<QWidget>(&w, m.main.advisorButton),
              Find<QWidget>(&w, m.main.hintButton), Find<QWidget>(&w, "TabSet")}) {
            QVERIFY2(window.contains(QRect(c->mapTo(&w, QPoint(0, 0)), c->size())),
                     qPrintable(c->objectName()));
        }

        auto* area = w.findChild<QScrollArea*>();
        auto* notebook = Find<QStackedWidget>(&w, "Notebook");
        QCOMPARE(area->widget(), notebook);
        const QRect view = area->viewport()->rect();
        for (int page = 0; page < notebook->count(); ++page) {
            ClickTab(Find<QTabBar>(&w, "TabSet"), page);
            for (QWidget* c : notebook->currentWidget()->findChildren<QWidget*>()) {
                if (!c->isVisible() || !(c->focusPolicy() & Qt::TabFocus)) continue;
                // Focus scrolls the control into view, as Tab does.
                c->setFocus();
                area->ensureWidgetVisible(c, 0, 0);
                const QRect at(c->mapTo(area->viewport(), QPoint(0, 0)), c->size());
                QVERIFY2(view.intersects(at), qPrintable(c->objectName()));
            }
        }

        // Resized by the user, the window shows less or more of the page.
        const QSize before = area->viewport()->size();
        w.resize(w.size() + QSize(0, -40));
        QApplication::processEvents();
        QVERIFY(area->viewport()->height() < before.height());
    }

    void designedSizeWhereTheScreenHoldsIt() {
        MainWindow w(',');
        w.fitScreen(QRect(0, 0, 1920, 1080));
        w.show();
        const Models m(w);
        QVERIFY(!w.scrolling());
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QCOMPARE(w.findChild<QScrollArea*>()->size(), Find<QStackedWidget>(&w, "Notebook")->size());
        // And back to the small screen.
        w.fitScreen(QGuiApplication::primaryScreen()->availableGeometry());
        QVERIFY(w.scrolling());
        QVERIFY(w.width() <= 1024 && w.height() <= 600);
    }
};

QTEST_MAIN(SmallScreenTest)
#include "small_screen_test.moc"
