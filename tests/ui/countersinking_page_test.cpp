// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "countersinking/countersinking_page.h"
#include "ui/main_window.h"

#include "window_driver.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolButton>

using namespace zerbo;
using namespace zerbo::ui;
using namespace zerbo::ui::testing;

// The "Senken" page, driven through the widgets of its controls.
class CountersinkingPageTest : public QObject {
    Q_OBJECT

  private slots:
    void countersinkingThroughItsWidgets() {
        MainWindow w(',');
        const auto& m = Model<CountersinkingPage>(w, 4);
        w.show();
        ClickTab(Find<QTabBar>(&w, "TabSet"), 4);
        QWidget* page = Find<QWidget>(&w, "Page4");
        QVERIFY(Find<QWidget>(page, "Sketch_countersinking")->isVisible());
        QVERIFY(
            !Find<QWidget>(&w, w.workbench().main().advisorButton)->isEnabled()); // no advisor here
        auto text = [page](const Field& field) { return Find<QLineEdit>(page, field)->text(); };
        auto caption = [page](const Label& label) { return Find<QLabel>(page, label)->text(); };
        auto choose = [page](const List& list, int index) {
            auto* box = Find<QComboBox>(page, list);
            box->setCurrentIndex(index);
            emit box->activated(index);
        };
        auto* speedBar = Find<QScrollBar>(page, m.speedBar);
        auto* preDrillBar = Find<QScrollBar>(page, m.preDrillBar);
        auto* pilot = Find<QComboBox>(page, m.pilotList);
        auto* raise = Find<QToolButton>(page, m.speedStep.up);

        // Type 0 uncoated at "4.3".
        QCOMPARE(speedBar->minimum(), 26);
        QCOMPARE(speedBar->maximum(), 30);
        QCOMPARE(speedBar->value(), 28);
        QCOMPARE(text(m.feed), QString("0.07"));
        QVERIFY(preDrillBar->isVisible() && !pilot->isVisible() && !raise->isVisible());

        // A coated countersink shows the raises; "+" raises Vc by 1 %.
        choose(m.coatingList, 1);
        QCOMPARE(text(m.feedStep.field), QString("15%"));
        QCOMPARE(caption(m.speedMin), QString("29,9"));
        QVERIFY(raise->isVisible());
        QTest::mouseClick(raise, Qt::LeftButton);
        QCOMPARE(text(m.speedStep.field), QString("16%"));
        QCOMPARE(speedBar->value(), 325);
        QCOMPARE(text(m.cuttingSpeed), QString("32,48"));

        // Type 2 at "10.4": no preset, the bar stands at D - L.
        choose(m.toolList, 2);
        QVERIFY(!raise->isVisible());
        QCOMPARE(preDrillBar->minimum(), 25);
        QCOMPARE(preDrillBar->maximum(), 104);
        QCOMPARE(text(m.preDrill), QString("7,9"));
        preDrillBar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(text(m.preDrill), QString("8"));

        // The flat countersink for M8 shows its core holes instead of the bar.
        choose(m.toolList, 10);
        QVERIFY(pilot->isVisible() && !pilot->isEnabled() && !preDrillBar->isVisible());
        QCOMPARE(caption(m.pilotCaption), QString("Zapfend.:"));
        QCOMPARE(pilot->count(), 3);
        QCOMPARE(text(m.preDrill), QString("6,8"));

        // Material 4: cutting oil, no kc and so no power.
        choose(m.materialList, 4);
        QCOMPARE(Find<QPlainTextEdit>(page, m.coolant)->toPlainText(), QString("Schneidöl"));
        QCOMPARE(text(m.results.kc), QString("0"));
        QCOMPARE(text(m.results.power), QString("0"));
    }
};

QTEST_MAIN(CountersinkingPageTest)
#include "countersinking_page_test.moc"
