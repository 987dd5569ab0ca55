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

using namespace zerbo::ui;
using namespace zerbo::ui::testing;

// The operation pages, driven through their widgets.
class OperationPagesTest : public QObject {
    Q_OBJECT

    static QString Text(QWidget* root, const char* name) {
        return Find<QLineEdit>(root, name)->text();
    }

    // Selects an item by its text as the user would pick it.
    static void Choose(QWidget* root, const char* name, const QString& item) {
        auto* box = Find<QComboBox>(root, name);
        const int index = box->findText(item);
        QVERIFY2(index >= 0, qPrintable(item));
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

  private slots:
    void millingStartsFilledAndFollowsTheUser() {
        MainWindow w(',');
        w.show();
        // Results are there before the first click.
        QCOMPARE(Text(&w, "Edit13"), QString("1240"));
        QCOMPARE(Text(&w, "Edit14"), QString("2"));
        QVERIFY(!Text(&w, "Edit6").isEmpty());
        QVERIFY(!Text(&w, "Edit10").isEmpty());
        QVERIFY(Find<QToolButton>(&w, "SpeedButton20")->isChecked());
        QVERIFY(Find<QToolButton>(&w, "SpeedButton5")->isChecked());
        QVERIFY(!Find<QToolButton>(&w, "SpeedButton47")->isEnabled());
        QVERIFY(Find<QPlainTextEdit>(&w, "Memo2")->toPlainText().startsWith("Bau-"));

        // Moving the speed bar rewrites Vc and with it n.
        const QString n = Text(&w, "Edit6");
        auto* vcBar = Find<QScrollBar>(&w, "ScrollBar2");
        vcBar->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(Text(&w, "Edit9"), QString::number(vcBar->maximum()));
        QVERIFY(Text(&w, "Edit6") != n);

        // "WP" hides the cutter-length group; "VHM" makes groups 8..11 available.
        QTest::mouseClick(Find<QToolButton>(&w, "SpeedButton21"), Qt::LeftButton);
        QVERIFY(Find<QToolButton>(&w, "SpeedButton1")->isHidden());
        QVERIFY(Find<QComboBox>(&w, "ComboBox5")->currentText().startsWith("Wendeplattenfräser"));
        QTest::mouseClick(Find<QToolButton>(&w, "SpeedButton25"), Qt::LeftButton);
        QVERIFY(!Find<QToolButton>(&w, "SpeedButton1")->isHidden());
        QVERIFY(Find<QToolButton>(&w, "SpeedButton47")->isEnabled());
        QTest::mouseClick(Find<QToolButton>(&w, "SpeedButton47"), Qt::LeftButton);
        QCOMPARE(int(w.workbench().shell().state.activeMaterialGroup), 8);
    }

    void werkstoffHandsTheChosenKcToMilling() {
        MainWindow w(',');
        w.show();
        QTest::mouseClick(Find<QPushButton>(&w, "SpeedButton19"), Qt::LeftButton);
        QDialog* dialog = w.materialWindow();
        QVERIFY(dialog->isVisible());
        auto* grades = Find<QListWidget>(dialog, "ListBox1");
        QCOMPARE(grades->count(), 8); // group 1 of the seven-group scheme
        QTest::mouseClick(grades->viewport(), Qt::LeftButton, {},
                          grades->visualItemRect(grades->item(6)).center()); // GG-15
        const QString kc = Text(dialog, "Edit6");
        const QString pe = Text(&w, "Edit10");
        QTest::mouseClick(Find<QPushButton>(dialog, "OKBtn"), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(Text(&w, "Edit13"), kc);
        QVERIFY(Text(&w, "Edit10") != pe); // Pe follows the new kc
    }

    void turningFollowsItsBars() {
        MainWindow w(',');
        w.show();
        ClickTab(Find<QTabBar>(&w, "TabSet"), 1);
        QVERIFY(Find<QToolButton>(&w, "SpeedButton23")->isChecked()); // WP
        QCOMPARE(Find<QComboBox>(&w, "ComboBox26")->currentText(), QString("Außendrehen"));
        QCOMPARE(Text(&w, "Edit61"), QString("30"));
        const QString n = Text(&w, "Edit46");
        Find<QScrollBar>(&w, "ScrollBar17")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(Text(&w, "Edit61"), QString("31"));
        QVERIFY(Text(&w, "Edit46") != n);
        // Entering the page brought the dialog's kc and with it Pe.
        QVERIFY(!Text(&w, "Edit47").isEmpty());
        QVERIFY(!Text(&w, "Edit48").isEmpty());

        // Boring shows the shank list and the overhang bar.
        auto* operation = Find<QComboBox>(&w, "ComboBox26");
        operation->setCurrentIndex(1);
        emit operation->activated(1);
        QVERIFY(!Find<QComboBox>(&w, "ComboBox19")->isHidden());
        QVERIFY(!Find<QScrollBar>(&w, "ScrollBar16")->isHidden());
    }

    void drillingRaisesCoatedHssAndPutsFeedRangesOnTheBar() {
        MainWindow w(',');
        w.show();
        ClickTab(Find<QTabBar>(&w, "TabSet"), 2);
        QVERIFY(Find<QToolButton>(&w, "SpeedButton17")->isChecked()); // HSS
        QCOMPARE(Text(&w, "Edit54"), QString("N"));
        QCOMPARE(Find<QLabel>(&w, "Label151")->text(), QString("Spitzenw.:"));
        QVERIFY(Find<QLineEdit>(&w, "Edit64")->isHidden());

        // Coated HSS twist drill at 5 mm: f 0.12 and Vc 30..50 raised by 5 % and 15 %.
        Choose(&w, "ComboBox22", "TiN-beschichtet");
        Choose(&w, "ComboBox23", "5");
        QVERIFY(!Find<QLineEdit>(&w, "Edit64")->isHidden());
        QCOMPARE(Text(&w, "Edit64"), QString("5%"));
        QCOMPARE(Text(&w, "Edit65"), QString("15%"));
        auto* vcBar = Find<QScrollBar>(&w, "ScrollBar9");
        QCOMPARE(vcBar->minimum(), 345);
        QCOMPARE(vcBar->maximum(), 575);
        QCOMPARE(vcBar->value(), 460);
        QCOMPARE(Text(&w, "Edit38"), QString("46"));
        QCOMPARE(Find<QLabel>(&w, "Label109")->text(), QString("34,5"));
        QCOMPARE(Find<QLabel>(&w, "Label110")->text(), QString("57,5"));
        QCOMPARE(Text(&w, "Edit37"), QString("0,126"));
        QVERIFY(Find<QScrollBar>(&w, "ScrollBar14")->isHidden());
        QTest::mouseClick(Find<QToolButton>(&w, "SpeedButton56"), Qt::LeftButton);
        QCOMPARE(Text(&w, "Edit65"), QString("16%"));
        QCOMPARE(vcBar->maximum(), 580);

        // DIN 6537 "TiAIN-beschichtet" at 5 mm: the feed range 0.25-0.45 on the bar.
        QTest::mouseClick(Find<QToolButton>(&w, "SpeedButton18"), Qt::LeftButton);
        QVERIFY(Find<QLineEdit>(&w, "Edit64")->isHidden());
        Choose(&w, "ComboBox21", "VHM-Spiralbohrer DIN 6537 kurz");
        Choose(&w, "ComboBox23", "5");
        auto* feedBar = Find<QScrollBar>(&w, "ScrollBar14");
        QVERIFY(!feedBar->isHidden());
        QCOMPARE(feedBar->minimum(), 2500);
        QCOMPARE(feedBar->maximum(), 4500);
        QCOMPARE(feedBar->value(), 3500);
        QCOMPARE(Text(&w, "Edit37"), QString("0,35"));
        QCOMPARE(Find<QLabel>(&w, "Label155")->text(), QString("0,25"));
        QCOMPARE(Text(&w, "Edit55"), QString("2"));
        const QString vf = Text(&w, "Edit40");
        feedBar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(Text(&w, "Edit37"), QString("0,36"));
        QVERIFY(Text(&w, "Edit40") != vf);

        // "TiN-beschichtet" at 20 mm has no feed: an empty field and zero results.
        Choose(&w, "ComboBox22", "TiN-beschichtet");
        Choose(&w, "ComboBox23", "20");
        QCOMPARE(Text(&w, "Edit37"), QString());
        QVERIFY(feedBar->isHidden());
        QCOMPARE(Text(&w, "Edit40"), QString("0"));
        QCOMPARE(Text(&w, "Edit42"), QString("0"));
    }

    // Long cutters: the window shows the speed n is computed from.
    void longCutterShowsTheSpeedItComputesWith() {
        MainWindow w('.');
        w.show();
        QTest::mouseClick(Find<QToolButton>(&w, "SpeedButton2"), Qt::LeftButton);
        QCOMPARE(Find<QLabel>(&w, "Label29")->text(), QString("8"));
        QCOMPARE(Find<QLabel>(&w, "Label30")->text(), QString("11"));
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

QTEST_MAIN(OperationPagesTest)
#include "operation_pages_test.moc"
