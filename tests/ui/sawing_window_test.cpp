// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window.h"

#include "window_driver.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>

using namespace zerbo::ui;
using namespace zerbo::ui::testing;

// The "Sägen" page, driven through its widgets.
class SawingWindowTest : public QObject {
    Q_OBJECT

    static QString Text(QWidget* root, const char* name) {
        auto* w = root->findChild<QWidget*>(name);
        if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
        if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
        if (auto* b = qobject_cast<QComboBox*>(w)) return b->currentText();
        return Find<QPlainTextEdit>(root, name)->toPlainText();
    }
    static void Choose(QWidget* root, const char* name, const QString& item) {
        auto* list = Find<QComboBox>(root, name);
        list->setCurrentIndex(list->findText(item));
        emit list->activated(list->currentIndex());
    }

  private slots:
    void sawingFollowsBladeMaterialAndWorkpiece() {
        MainWindow w('.');
        w.show();
        ClickTab(Find<QTabBar>(&w, "TabSet"), 5);
        QVERIFY(Find<QWidget>(&w, "Sketch_sawing")->isVisible());
        QCOMPARE(Text(&w, "Edit16") + Text(&w, "Edit63") + Text(&w, "Edit62"), QString("371210"));
        QCOMPARE(Text(&w, "Label173"), QString("20"));

        // Out of sight: the depth list with its caption, and the feed-rate bar
        // with its four labels; the only "min."/"max." shown are Vc's.
        QVERIFY(!Find<QComboBox>(&w, "ComboBox4")->isVisible());
        QVERIFY(!Find<QScrollBar>(&w, "ScrollBar6")->isVisible());
        for (QLabel* l : w.findChildren<QLabel*>()) {
            if (!l->isVisible()) continue;
            QVERIFY(l->text() != "Schnittiefe:" && l->objectName() != "Label51");
            if (l->text() == "min." || l->text() == "max.")
                QVERIFY(l->parentWidget()->findChild<QScrollBar*>("ScrollBar5"));
        }

        Choose(&w, "ComboBox1", "25");
        QCOMPARE(Text(&w, "ComboBox9") + "/" + Text(&w, "ComboBox10"), QString("50/1"));
        auto* dw = Find<QScrollBar>(&w, "ScrollBar18");
        QCOMPARE(dw->maximum(), 25);
        const QString fz = Text(&w, "Edit18");
        const SeenMessage seen =
            WithMessages([&] { dw->triggerAction(QAbstractSlider::SliderToMaximum); });
        QCOMPARE(seen.count, 0);
        QCOMPARE(Text(&w, "Edit62"), QString("25"));
        QVERIFY(Text(&w, "Edit18") != fz);

        Choose(&w, "ComboBox3", "Leichtmetallprofile");
        auto* vc = Find<QScrollBar>(&w, "ScrollBar5");
        QCOMPARE(QString("%1..%2 %3").arg(vc->minimum()).arg(vc->maximum()).arg(vc->value()),
                 QString("1000..2400 1700"));
        QCOMPARE(Text(&w, "Memo1"), QString("Schmierstift"));
        QCOMPARE(Text(&w, "Edit22"), QString("0"));
    }
};

QTEST_MAIN(SawingWindowTest)
#include "sawing_window_test.moc"
