// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window.h"

#include "window_driver.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

using namespace zerbo::ui;
using namespace zerbo::ui::testing;

class MaterialWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void opensWithoutBlockingAndComputesKc() {
        MainWindow w(',');
        w.show();
        const Models m(w);
        QDialog* dialog = w.materialWindow();
        // The form name, checked on purpose: it is what the dialog is known by.
        QCOMPARE(dialog->objectName(), QString("TBtnRightDlg1"));
        QVERIFY(!dialog->isVisible());
        auto& shell = w.workbench().shell();
        QCOMPARE(int(shell.state.preciseMaterialActive), 1);

        ClickTab(Find<QTabBar>(&w, "TabSet"), 1); // eleven-group scheme
        shell.state.activeMaterialGroup = 1;
        w.workbench().materialDialog().open();
        w.syncAll();
        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->isModal());
        QCOMPARE(dialog->windowTitle(), QString("Genaue Materialbestimmung"));
        QVERIFY(Find<QCheckBox>(dialog, m.material.autoHandOver)->isChecked());

        auto* grades = Find<QListWidget>(dialog, m.material.gradeList);
        QCOMPARE(grades->count(), 6);
        QCOMPARE(grades->item(0)->text(), QString("S235JR (St37-2)"));
        QTest::mouseClick(grades->viewport(), Qt::LeftButton, {},
                          grades->visualItemRect(grades->item(1)).center());
        QCOMPARE(Find<QLineEdit>(dialog, m.material.baseForce)->text(), QString("1750"));
        QCOMPARE(Find<QLineEdit>(dialog, m.material.exponent)->text(), QString("0,27"));

        auto* bar = Find<QScrollBar>(dialog, m.material.multiplierBar);
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(Find<QLineEdit>(dialog, m.material.actualForce)->text(), QString("1750"));

        // The main window stays usable while the dialog is open.
        ClickTab(Find<QTabBar>(&w, "TabSet"), 6);
        QCOMPARE(w.workbench().main().pageIndex(), 6);

        QTest::keyClick(grades, Qt::Key_F1);
        QCOMPARE(w.helpWindow().topic(), 110);

        QTest::mouseClick(Find<QPushButton>(dialog, m.material.okButton), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QVERIFY(Find<QPushButton>(dialog, m.material.cancelButton)->isHidden());
    }
};

QTEST_MAIN(MaterialWindowTest)
#include "material_window_test.moc"
