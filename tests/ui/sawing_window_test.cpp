// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sawing/sawing_page.h"
#include "ui/main_window.h"

#include "window_driver.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>

using namespace zerbo;
using namespace zerbo::ui;
using namespace zerbo::ui::testing;

// The "Sägen" page, driven through its widgets.
class SawingWindowTest : public QObject {
    Q_OBJECT

    static QString Text(QWidget* root, const Control& control) {
        auto* w = Find<QWidget>(root, control);
        if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
        if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
        if (auto* b = qobject_cast<QComboBox*>(w)) return b->currentText();
        return Find<QPlainTextEdit>(root, control)->toPlainText();
    }
    static void Choose(QWidget* root, const List& control, const QString& item) {
        auto* list = Find<QComboBox>(root, control);
        list->setCurrentIndex(list->findText(item));
        emit list->activated(list->currentIndex());
    }

  private slots:
    void sawingFollowsBladeMaterialAndWorkpiece() {
        MainWindow w('.');
        const auto& m = Model<SawingPage>(w, 5);
        w.show();
        ClickTab(Find<QTabBar>(&w, "TabSet"), 5);
        QVERIFY(Find<QWidget>(&w, "Sketch_sawing")->isVisible());
        QCOMPARE(Text(&w, m.cuttingSpeed) + Text(&w, m.area) + Text(&w, m.workpiece),
                 QString("371210"));
        QCOMPARE(Text(&w, m.workpieceMax), QString("20"));

        // Out of sight: the depth list with its caption, and the feed-rate bar
        // with its four labels; the only "min."/"max." shown are Vc's.
        QVERIFY(!Find<QComboBox>(&w, m.depthList)->isVisible());
        QVERIFY(!Find<QScrollBar>(&w, m.feedRateBar)->isVisible());
        for (QLabel* l : w.findChildren<QLabel*>()) {
            if (!l->isVisible()) continue;
            QVERIFY(l->text() != "Schnittiefe:" &&
                    l->objectName() != QString::fromStdString(m.feedRateMin.name()));
            if (l->text() == "min." || l->text() == "max.")
                QVERIFY(l->parentWidget()->findChild<QScrollBar*>(
                    QString::fromStdString(m.speedBar.name())));
        }

        Choose(&w, m.bladeDiameterList, "25");
        QCOMPARE(Text(&w, m.teethList) + "/" + Text(&w, m.thicknessList), QString("50/1"));
        auto* dw = Find<QScrollBar>(&w, m.workpieceBar);
        QCOMPARE(dw->maximum(), 25);
        const QString fz = Text(&w, m.toothFeed);
        const SeenMessage seen =
            WithMessages([&] { dw->triggerAction(QAbstractSlider::SliderToMaximum); });
        QCOMPARE(seen.count, 0);
        QCOMPARE(Text(&w, m.workpiece), QString("25"));
        QVERIFY(Text(&w, m.toothFeed) != fz);

        Choose(&w, m.materialList, "Leichtmetallprofile");
        auto* vc = Find<QScrollBar>(&w, m.speedBar);
        QCOMPARE(QString("%1..%2 %3").arg(vc->minimum()).arg(vc->maximum()).arg(vc->value()),
                 QString("1000..2400 1700"));
        QCOMPARE(Text(&w, m.coolant), QString("Schmierstift"));
        QCOMPARE(Text(&w, m.power), QString("0"));
    }
};

QTEST_MAIN(SawingWindowTest)
#include "sawing_window_test.moc"
