// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window.h"

#include "window_driver.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolButton>

using namespace zerbo::ui;
using namespace zerbo::ui::testing;

// The "Senken" page, driven through its widgets by component name.
class CountersinkingPageTest : public QObject {
    Q_OBJECT

  private slots:
    void countersinkingThroughItsWidgets() {
        MainWindow w(',');
        w.show();
        ClickTab(Find<QTabBar>(&w, "TabSet"), 4);
        QWidget* page = Find<QWidget>(&w, "Page4");
        QVERIFY(Find<QWidget>(page, "Sketch_countersinking")->isVisible());
        QVERIFY(!Find<QWidget>(&w, "SpeedButton37")->isEnabled()); // no advisor here
        auto text = [page](const char* name) { return Find<QLineEdit>(page, name)->text(); };
        auto caption = [page](const char* name) { return Find<QLabel>(page, name)->text(); };
        auto choose = [page](const char* name, int index) {
            auto* box = Find<QComboBox>(page, name);
            box->setCurrentIndex(index);
            emit box->activated(index);
        };
        auto* speedBar = Find<QScrollBar>(page, "ScrollBar7");
        auto* preDrillBar = Find<QScrollBar>(page, "ScrollBar12");
        auto* pilot = Find<QComboBox>(page, "ComboBox31");
        auto* raise = Find<QToolButton>(page, "SpeedButton60");

        // Type 0 uncoated at "4.3".
        QCOMPARE(speedBar->minimum(), 26);
        QCOMPARE(speedBar->maximum(), 30);
        QCOMPARE(speedBar->value(), 28);
        QCOMPARE(text("Edit23"), QString("0.07"));
        QVERIFY(preDrillBar->isVisible() && !pilot->isVisible() && !raise->isVisible());

        // A coated countersink shows the raises; "+" raises Vc by 1 %.
        choose("ComboBox12", 1);
        QCOMPARE(text("Edit66"), QString("15%"));
        QCOMPARE(caption("Label73"), QString("29,9"));
        QVERIFY(raise->isVisible());
        QTest::mouseClick(raise, Qt::LeftButton);
        QCOMPARE(text("Edit67"), QString("16%"));
        QCOMPARE(speedBar->value(), 325);
        QCOMPARE(text("Edit24"), QString("32,48"));

        // Type 2 at "10.4": no preset, the bar stands at D - L.
        choose("ComboBox11", 2);
        QVERIFY(!raise->isVisible());
        QCOMPARE(preDrillBar->minimum(), 25);
        QCOMPARE(preDrillBar->maximum(), 104);
        QCOMPARE(text("Edit50"), QString("7,9"));
        preDrillBar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(text("Edit50"), QString("8"));

        // The flat countersink for M8 shows its core holes instead of the bar.
        choose("ComboBox11", 10);
        QVERIFY(pilot->isVisible() && !pilot->isEnabled() && !preDrillBar->isVisible());
        QCOMPARE(caption("Label145"), QString("Zapfend.:"));
        QCOMPARE(pilot->count(), 3);
        QCOMPARE(text("Edit50"), QString("6,8"));

        // Material 4: cutting oil, no kc and so no power.
        choose("ComboBox15", 4);
        QCOMPARE(Find<QPlainTextEdit>(page, "Memo3")->toPlainText(), QString("Schneidöl"));
        QCOMPARE(text("Edit27"), QString("0"));
        QCOMPARE(text("Edit29"), QString("0"));
    }
};

QTEST_MAIN(CountersinkingPageTest)
#include "countersinking_page_test.moc"
