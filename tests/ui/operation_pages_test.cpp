// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window.h"

#include "window_driver.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

using namespace zerbo;
using namespace zerbo::ui;
using namespace zerbo::ui::testing;

// The operation pages, driven through their widgets.
class OperationPagesTest : public QObject {
    Q_OBJECT

    static QString Text(QWidget* root, const Field& field) {
        return Find<QLineEdit>(root, field)->text();
    }

    // Selects an item by its text as the user would pick it.
    static void Choose(QWidget* root, const List& list, const QString& item) {
        auto* box = Find<QComboBox>(root, list);
        const int index = box->findText(item);
        QVERIFY2(index >= 0, qPrintable(item));
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

  private slots:
    void millingStartsFilledAndFollowsTheUser() {
        MainWindow w(',');
        w.show();
        const Models m(w);
        // Results are there before the first click.
        QCOMPARE(Text(&w, m.milling.results.kc), QString("1240"));
        QCOMPARE(Text(&w, m.milling.width), QString("2"));
        QVERIFY(!Text(&w, m.milling.results.spindleSpeed).isEmpty());
        QVERIFY(!Text(&w, m.milling.results.power).isEmpty());
        QVERIFY(Find<QToolButton>(&w, m.milling.hssButton)->isChecked());
        QVERIFY(Find<QToolButton>(&w, m.milling.groupButtons[0])->isChecked());
        QVERIFY(!Find<QToolButton>(&w, m.milling.groupButtons[7])->isEnabled());
        QVERIFY(Find<QPlainTextEdit>(&w, m.milling.groupText)->toPlainText().startsWith("Bau-"));

        // Moving the speed bar rewrites Vc and with it n.
        const QString n = Text(&w, m.milling.results.spindleSpeed);
        auto* vcBar = Find<QScrollBar>(&w, m.milling.speedBar);
        vcBar->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(Text(&w, m.milling.cuttingSpeed), QString::number(vcBar->maximum()));
        QVERIFY(Text(&w, m.milling.results.spindleSpeed) != n);

        // "WP" hides the cutter-length group; "VHM" makes groups 8..11 available.
        QTest::mouseClick(Find<QToolButton>(&w, m.milling.wpButton), Qt::LeftButton);
        QVERIFY(Find<QToolButton>(&w, m.milling.normalButton)->isHidden());
        QVERIFY(Find<QComboBox>(&w, m.milling.toolList)
                    ->currentText()
                    .startsWith("Wendeplattenfräser"));
        QTest::mouseClick(Find<QToolButton>(&w, m.milling.vhmButton), Qt::LeftButton);
        QVERIFY(!Find<QToolButton>(&w, m.milling.normalButton)->isHidden());
        QVERIFY(Find<QToolButton>(&w, m.milling.groupButtons[7])->isEnabled());
        QTest::mouseClick(Find<QToolButton>(&w, m.milling.groupButtons[7]), Qt::LeftButton);
        QCOMPARE(int(w.workbench().shell().state.activeMaterialGroup), 8);
    }

    void werkstoffHandsTheChosenKcToMilling() {
        MainWindow w(',');
        w.show();
        const Models m(w);
        QTest::mouseClick(Find<QPushButton>(&w, m.milling.materialButton), Qt::LeftButton);
        QDialog* dialog = w.materialWindow();
        QVERIFY(dialog->isVisible());
        auto* grades = Find<QListWidget>(dialog, m.material.gradeList);
        QCOMPARE(grades->count(), 8); // group 1 of the seven-group scheme
        QTest::mouseClick(grades->viewport(), Qt::LeftButton, {},
                          grades->visualItemRect(grades->item(6)).center()); // GG-15
        const QString kc = Text(dialog, m.material.actualForce);
        const QString pe = Text(&w, m.milling.results.power);
        QTest::mouseClick(Find<QPushButton>(dialog, m.material.okButton), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(Text(&w, m.milling.results.kc), kc);
        QVERIFY(Text(&w, m.milling.results.power) != pe); // Pe follows the new kc
    }

    void turningFollowsItsBars() {
        MainWindow w(',');
        w.show();
        const Models m(w);
        ClickTab(Find<QTabBar>(&w, "TabSet"), 1);
        QVERIFY(Find<QToolButton>(&w, m.turning.wpButton)->isChecked()); // WP
        QCOMPARE(Find<QComboBox>(&w, m.turning.operationList)->currentText(),
                 QString("Außendrehen"));
        QCOMPARE(Text(&w, m.turning.diameter), QString("30"));
        const QString n = Text(&w, m.turning.spindleSpeed);
        Find<QScrollBar>(&w, m.turning.diameterBar)
            ->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(Text(&w, m.turning.diameter), QString("31"));
        QVERIFY(Text(&w, m.turning.spindleSpeed) != n);
        // Entering the page brought the dialog's kc and with it Pe.
        QVERIFY(!Text(&w, m.turning.kc).isEmpty());
        QVERIFY(!Text(&w, m.turning.power).isEmpty());

        // Boring shows the shank list and the overhang bar.
        auto* operation = Find<QComboBox>(&w, m.turning.operationList);
        operation->setCurrentIndex(1);
        emit operation->activated(1);
        QVERIFY(!Find<QComboBox>(&w, m.turning.shankList)->isHidden());
        QVERIFY(!Find<QScrollBar>(&w, m.turning.overhangBar)->isHidden());
    }

    // The numbers are the page model's business; here the window shows
    // whatever its model holds after each user step.
    void drillingRaisesCoatedHssAndPutsFeedRangesOnTheBar() {
        MainWindow w(',');
        w.show();
        const Models m(w);
        const auto& d = m.drilling;
        ClickTab(Find<QTabBar>(&w, "TabSet"), 2);
        QVERIFY(Find<QToolButton>(&w, d.hssButton)->isChecked());
        QCOMPARE(Find<QLabel>(&w, d.info2Caption)->text(), QString("Spitzenw.:"));
        QVERIFY(Find<QLineEdit>(&w, d.feedStep.field)->isHidden());

        // Coated HSS twist drill at 5 mm: raised by 5 % and 15 %.
        Choose(&w, d.coatingList, "TiN-beschichtet");
        Choose(&w, d.diameterList, "5");
        QVERIFY(!Find<QLineEdit>(&w, d.feedStep.field)->isHidden());
        QCOMPARE(Text(&w, d.speedStep.field), QString("15%"));
        QCOMPARE(Find<QLabel>(&w, d.speedMin)->text(), QString("34,5"));
        QVERIFY(Find<QScrollBar>(&w, d.feedBar)->isHidden());
        QCOMPARE(Disagreements(d, &w), QStringList());
        QTest::mouseClick(Find<QToolButton>(&w, d.speedStep.up), Qt::LeftButton);
        QCOMPARE(Text(&w, d.speedStep.field), QString("16%"));
        QCOMPARE(Find<QScrollBar>(&w, d.speedBar)->maximum(), 580);

        // DIN 6537 "TiAIN-beschichtet" at 5 mm: the feed range on the bar.
        QTest::mouseClick(Find<QToolButton>(&w, d.carbideButton), Qt::LeftButton);
        Choose(&w, d.toolList, "VHM-Spiralbohrer DIN 6537 kurz");
        Choose(&w, d.diameterList, "5");
        auto* feedBar = Find<QScrollBar>(&w, d.feedBar);
        QVERIFY(!feedBar->isHidden());
        QVERIFY(Find<QLineEdit>(&w, d.feedStep.field)->isHidden());
        QCOMPARE(Disagreements(d, &w), QStringList());
        const QString vf = Text(&w, d.results.feedRate);
        feedBar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(Text(&w, d.feed), QString("0,36"));
        QVERIFY(Text(&w, d.results.feedRate) != vf);

        // "TiN-beschichtet" at 20 mm has no feed: an empty field and zero results.
        Choose(&w, d.coatingList, "TiN-beschichtet");
        Choose(&w, d.diameterList, "20");
        QCOMPARE(Text(&w, d.feed), QString());
        QVERIFY(feedBar->isHidden());
        QCOMPARE(Text(&w, d.results.feedRate), QString("0"));
        QCOMPARE(Disagreements(d, &w), QStringList());
    }

    // Long cutters and deep cuts: the window shows the reduced speed n is
    // computed from.
    void longCutterShowsTheSpeedItComputesWith() {
        MainWindow w('.');
        w.show();
        const Models m(w);
        const auto& p = m.milling;
        QTest::mouseClick(Find<QToolButton>(&w, p.longButton), Qt::LeftButton);
        QCOMPARE(Text(&w, p.cuttingSpeed), QString("9"));
        QCOMPARE(Text(&w, p.results.spindleSpeed), QString("1432.39448782706"));
        QCOMPARE(Disagreements(p, &w), QStringList());
        Choose(&w, p.teethList, "3");
        QCOMPARE(Text(&w, p.cuttingSpeed), QString("9"));
        QCOMPARE(Text(&w, p.results.spindleSpeed), QString("1432.39448782706"));

        QTest::mouseClick(Find<QToolButton>(&w, p.normalButton), Qt::LeftButton);
        Find<QScrollBar>(&w, p.depthBar)->setValue(46);
        QVERIFY(Find<QToolButton>(&w, p.longButton)->isChecked());
        QCOMPARE(Text(&w, p.results.spindleSpeed), QString("1432.39448782706"));
        QCOMPARE(Disagreements(p, &w), QStringList());
    }
};

QTEST_MAIN(OperationPagesTest)
#include "operation_pages_test.moc"
