// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window by keyboard: Escape never ends the program, Ctrl+Tab and
// Ctrl+PgDn switch pages, every scroll bar moves by its keys as by the
// mouse, and every page has one focus chain: tab strip, page, button panel.
#include "ui/main_window.h"

#include "window_driver.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QToolButton>

using namespace zerbo::ui;
using namespace zerbo::ui::testing;

namespace {

// The widgets Tab visits from the tab strip until it comes back to it.
QList<QWidget*> TabChain(MainWindow& w) {
    auto* tabs = Find<QTabBar>(&w, "TabSet");
    tabs->setFocus();
    QList<QWidget*> chain;
    for (int i = 0; i < 300; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        if (focus == tabs || focus == nullptr) break;
        chain << focus;
    }
    return chain;
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

  private slots:
    void escapeClosesAnOpenListOnly() {
        MainWindow w(',');
        w.show();
        const Models m(w);
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* list = Find<QComboBox>(&w, m.milling.toolList);
        list->setFocus();
        list->showPopup();
        QVERIFY(list->view()->isVisible());
        QTest::keyClick(list->view(), Qt::Key_Escape);
        QTRY_VERIFY(!list->view()->isVisible());
        QTest::keyClick(list, Qt::Key_Escape);
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(w.isVisible());
        // The close box still ends the program.
        QVERIFY(w.close());
        QVERIFY(!w.isVisible());
    }

    void ctrlTabAndCtrlPageKeysSwitchPages() {
        MainWindow w(',');
        w.show();
        const Models m(w);
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* notebook = Find<QStackedWidget>(&w, "Notebook");
        auto* tabs = Find<QTabBar>(&w, "TabSet");
        auto* advisor = Find<QToolButton>(&w, m.main.advisorButton);
        auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers) {
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
            QCOMPARE(tabs->currentIndex(), notebook->currentIndex());
            QCOMPARE(w.workbench().main().pageIndex(), notebook->currentIndex());
        };
        Find<QComboBox>(&w, m.milling.toolList)->setFocus();
        press(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(notebook->currentIndex(), 1);
        press(Qt::Key_PageDown, Qt::ControlModifier);
        press(Qt::Key_PageDown, Qt::ControlModifier);
        press(Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(notebook->currentIndex(), 4);
        QVERIFY(!advisor->isEnabled()); // the page-changed steps ran
        press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(notebook->currentIndex(), 3);
        QVERIFY(advisor->isEnabled());
        for (int i = 0; i < 4; ++i)
            press(Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(notebook->currentIndex(), 6); // round from the first page to the last
        press(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(notebook->currentIndex(), 0);
    }

    void scrollBarKeysMoveLikeTheMouse() {
        MainWindow w(',');
        w.show();
        const Models m(w);
        // Milling: the Vc bar sets Vc, and n and Vf follow.
        auto* bar = Find<QScrollBar>(&w, m.milling.speedBar);
        auto* vc = Find<QLineEdit>(&w, m.milling.cuttingSpeed);
        auto* n = Find<QLineEdit>(&w, m.milling.results.spindleSpeed);
        QVERIFY(bar->focusPolicy() & Qt::TabFocus);
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_End);
        QCOMPARE(bar->value(), bar->maximum());
        const QString top = n->text();
        QCOMPARE(vc->text(), QString::number(bar->maximum()));
        QTest::keyClick(bar, Qt::Key_PageUp);
        QCOMPARE(bar->value(), std::max(bar->minimum(), bar->maximum() - bar->pageStep()));
        QCOMPARE(vc->text(), QString::number(bar->value()));
        QVERIFY(n->text() != top);
        QTest::keyClick(bar, Qt::Key_Home);
        QCOMPARE(bar->value(), bar->minimum());
        QTest::keyClick(bar, Qt::Key_Right);
        QCOMPARE(bar->value(), bar->minimum() + bar->singleStep());
        QCOMPARE(vc->text(), QString::number(bar->value()));

        // Turning: the diameter bar, 80 mm in a few keys instead of 50 clicks.
        ClickTab(Find<QTabBar>(&w, "TabSet"), 1);
        auto* diameter = Find<QScrollBar>(&w, m.turning.diameterBar);
        diameter->setFocus();
        const QString before = Find<QLineEdit>(&w, m.turning.spindleSpeed)->text();
        QTest::keyClick(diameter, Qt::Key_PageDown);
        QCOMPARE(Find<QLineEdit>(&w, m.turning.diameter)->text(),
                 QString::number(diameter->value()));
        QVERIFY(Find<QLineEdit>(&w, m.turning.spindleSpeed)->text() != before);
    }

    void everyPageHasOneFocusChain() {
        MainWindow w(',');
        w.show();
        const Models m(w);
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* tabs = Find<QTabBar>(&w, "TabSet");
        auto* notebook = Find<QStackedWidget>(&w, "Notebook");
        QWidget* panel = Find<QWidget>(&w, "ButtonPanel");
        // The first page built at once, the others later and out of order.
        for (int page : {0, 4, 1, 6, 2, 5, 3}) {
            ClickTab(tabs, page);
            const QList<QWidget*> chain = TabChain(w);
            QVERIFY(!chain.isEmpty());
            QVERIFY2(notebook->currentWidget()->isAncestorOf(chain.first()),
                     qPrintable(chain.first()->objectName()));
            int firstOfPanel = 0;
            while (firstOfPanel < chain.size() && !panel->isAncestorOf(chain[firstOfPanel]))
                ++firstOfPanel;
            QVERIFY(chain.mid(firstOfPanel).contains(Find<QWidget>(&w, m.main.okButton)));
            for (QWidget* c : chain.mid(0, firstOfPanel))
                QVERIFY2(notebook->currentWidget()->isAncestorOf(c), qPrintable(c->objectName()));
            // Every bar the page shows is in the chain.
            for (QScrollBar* bar : notebook->currentWidget()->findChildren<QScrollBar*>())
                if (bar->isVisible() && !bar->objectName().isEmpty())
                    QVERIFY2(chain.contains(bar), qPrintable(bar->objectName()));
        }
    }

    void escapeInADialogIsItsCloseBox() {
        MainWindow w(',');
        w.show();
        const Models m(w);
        // The precise-material dialog hands its kc over as on closing.
        QTest::mouseClick(Find<QPushButton>(&w, m.milling.materialButton), Qt::LeftButton);
        QDialog* material = w.materialWindow();
        QVERIFY(material->isVisible());
        auto* multiplier = Find<QScrollBar>(material, m.material.multiplierBar);
        multiplier->setFocus();
        QTest::keyClick(multiplier, Qt::Key_Home);
        QCOMPARE(Find<QLineEdit>(material, m.material.actualForce)->text(), QString("0"));
        QVERIFY(Find<QLineEdit>(&w, m.milling.results.kc)->text() != QString("0"));
        QTest::keyClick(multiplier, Qt::Key_Escape);
        QVERIFY(!material->isVisible());
        QCOMPARE(Find<QLineEdit>(&w, m.milling.results.kc)->text(), QString("0"));
        QVERIFY(!w.workbench().materialDialog().visible());

        QTest::mouseClick(Find<QToolButton>(&w, m.main.advisorButton), Qt::LeftButton);
        QDialog* advisor = w.advisorWindow();
        QVERIFY(advisor->isVisible());
        QTest::keyClick(Find<QComboBox>(advisor, m.advisor.faultList), Qt::Key_Escape);
        QVERIFY(!advisor->isVisible());
        QVERIFY(!w.workbench().advisor().visible);
        QVERIFY(w.isVisible());
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"

#include <algorithm>
