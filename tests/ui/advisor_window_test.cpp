// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window.h"

#include "window_driver.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

using namespace zerbo::ui;
using namespace zerbo::ui::testing;

class AdvisorWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void opensForThePageAndShowsTheSelectedFault() {
        MainWindow w(',');
        w.show();
        const Models m(w);
        QVERIFY(w.findChild<QDialog*>(zerbo::advisor::AdvisorDialog::kName.data()) == nullptr); // built on first use

        ClickTab(Find<QTabBar>(&w, "TabSet"), 2);
        QTest::mouseClick(Find<QToolButton>(&w, m.main.advisorButton), Qt::LeftButton);
        QDialog* advisor = w.advisorWindow();
        // The form name, checked on purpose: it is what the dialog is known by.
        QCOMPARE(advisor->objectName(), QString("TBtnRightDlg3"));
        QVERIFY(advisor->isVisible());
        QCOMPARE(advisor->windowTitle(), QString("Fehler beim Bohren und deren Beseitigung"));
        QCOMPARE(Find<QLabel>(advisor, m.advisor.faultCaption)->text(), QString("Bohrfehler:"));
        QCOMPARE(Find<QLabel>(advisor, m.advisor.adviceCaption)->text(),
                 QString("Fehlerquellen und deren Lösungsmöglichkeit:"));
        auto* faults = Find<QComboBox>(advisor, m.advisor.faultList);
        QCOMPARE(faults->count(), 9);
        QCOMPARE(faults->currentIndex(), 0);
        auto* memo = Find<QPlainTextEdit>(advisor, m.advisor.advice);
        QVERIFY(memo->toPlainText().startsWith("Fehlerursachen:"));

        // Drilling faults 7 and 8 show the same entry.
        faults->setCurrentIndex(6);
        emit faults->activated(6); // what a user's choice emits
        const QString seventh = memo->toPlainText();
        faults->setCurrentIndex(7);
        emit faults->activated(7);
        QCOMPARE(memo->toPlainText(), seventh);
        QCOMPARE(faults->currentIndex(), 7);

        // The main window stays usable while the advisor is open.
        ClickTab(Find<QTabBar>(&w, "TabSet"), 4);
        QVERIFY(!Find<QToolButton>(&w, m.main.advisorButton)->isEnabled());
        QVERIFY(advisor->isVisible());

        QTest::mouseClick(Find<QPushButton>(advisor, m.advisor.okButton), Qt::LeftButton);
        QVERIFY(!advisor->isVisible());
        QVERIFY(Find<QPushButton>(advisor, m.advisor.helpButton)->isHidden());
        QVERIFY(Find<QPushButton>(advisor, m.advisor.cancelButton)->isHidden());
    }
};

QTEST_MAIN(AdvisorWindowTest)
#include "advisor_window_test.moc"
