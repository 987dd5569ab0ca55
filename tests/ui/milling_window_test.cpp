// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window.h"

#include "window_driver.h"

#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>

using namespace zerbo::ui;
using namespace zerbo::ui::testing;

// The milling page through its widgets: what the window shows for long
// cutters is the speed the spindle speed is computed from.
class MillingWindowTest : public QObject {
    Q_OBJECT

    static QString Text(QWidget* root, const char* name) {
        return Find<QLineEdit>(root, name)->text();
    }
    static QString Caption(QWidget* root, const char* name) {
        return Find<QLabel>(root, name)->text();
    }

  private slots:
    void longCutterShowsTheSpeedItComputesWith() {
        MainWindow w('.');
        w.show();
        QTest::mouseClick(Find<QToolButton>(&w, "SpeedButton2"), Qt::LeftButton);
        QCOMPARE(Caption(&w, "Label29"), QString("8"));
        QCOMPARE(Caption(&w, "Label30"), QString("11"));
        QCOMPARE(Text(&w, "Edit9"), QString("9"));
        auto* bar = Find<QScrollBar>(&w, "ScrollBar2");
        QCOMPARE(bar->minimum(), 8);
        QCOMPARE(bar->maximum(), 11);
        QCOMPARE(bar->value(), 9);
        QCOMPARE(Text(&w, "Edit6"), QString("1432.39448782706"));
        QCOMPARE(Text(&w, "Edit5"), QString("11.4591559026165"));

        auto* teeth = Find<QComboBox>(&w, "ComboBox6");
        teeth->setCurrentIndex(1);
        emit teeth->activated(1);
        QCOMPARE(Text(&w, "Edit9"), QString("9"));
        QCOMPARE(bar->value(), 9);
        QCOMPARE(Text(&w, "Edit6"), QString("1432.39448782706"));
    }

    void deepCutTakesTheLongCutterSpeed() {
        MainWindow w('.');
        w.show();
        Find<QScrollBar>(&w, "ScrollBar3")->setValue(46);
        QVERIFY(Find<QToolButton>(&w, "SpeedButton2")->isChecked());
        QCOMPARE(Text(&w, "Edit6"), QString("1432.39448782706"));
        QCOMPARE(Text(&w, "Edit11"), QString("1.05424234304072"));
        QCOMPARE(Text(&w, "Edit10"), QString("0.0311252501278689"));
    }
};

QTEST_MAIN(MillingWindowTest)
#include "milling_window_test.moc"
