// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window.h"

#include "window_driver.h"

#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>

using namespace zerbo::ui;
using namespace zerbo::ui::testing;

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void startsOnMillingWithSevenTabs() {
        MainWindow w(',');
        w.show();
        const Models m(w);
        // The form name, checked on purpose: it is what the window is known by.
        QCOMPARE(w.objectName(), QString("TMultPageDlg2"));
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(w.windowTitle(), QString("Zerbo"));
        auto* tabs = Find<QTabBar>(&w, "TabSet");
        const QStringList captions = {"Fräsen", "Drehen", "Bohren", "Reiben",
                                      "Senken", "Sägen",  "Rechner"};
        QCOMPARE(tabs->count(), 7);
        for (int i = 0; i < 7; ++i)
            QCOMPARE(tabs->tabText(i), captions[i]);
        QCOMPARE(tabs->shape(), QTabBar::RoundedSouth);
        QCOMPARE(Find<QStackedWidget>(&w, "Notebook")->currentIndex(), 0);
        QCOMPARE(Find<QPushButton>(&w, m.main.okButton)->text(), QString("Beenden"));
        QVERIFY(Find<QPushButton>(&w, m.main.helpButton)->isHidden());
        QVERIFY(w.minimumSize() == w.maximumSize()); // fixed border
    }

    void switchingPagesSetsAdvisorButtonAndHelpTopic() {
        MainWindow w(',');
        w.show();
        const Models m(w);
        auto* tabs = Find<QTabBar>(&w, "TabSet");
        auto* notebook = Find<QStackedWidget>(&w, "Notebook");
        auto* advisor = Find<QToolButton>(&w, m.main.advisorButton);
        const bool enabled[] = {true, true, true, true, false, true, false};
        for (int i : {4, 1, 6, 2, 5, 3, 0}) {
            ClickTab(tabs, i);
            QCOMPARE(notebook->currentIndex(), i);
            QCOMPARE(advisor->isEnabled(), enabled[i]);
        }
        // "Rechner" keeps the help topic of the page before it.
        ClickTab(tabs, 2);
        ClickTab(tabs, 6);
        QTest::keyClick(Find<QPushButton>(&w, m.main.okButton), Qt::Key_F1);
        QCOMPARE(w.helpWindow().topic(), 106);
        QVERIFY(w.helpWindow().isVisible());
        QCOMPARE(Find<QLabel>(&w.helpWindow(), "HelpTitle")->text(), QString("Bohren"));
    }

    void hintSwitchPressedTwiceLeavesHintsOff() {
        MainWindow w(',');
        w.show();
        const Models m(w);
        auto* hints = Find<QToolButton>(&w, m.main.hintButton);
        auto* ok = Find<QPushButton>(&w, m.main.okButton);
        QCOMPARE(hints->toolTip(), QString("Kurzinfo Ein/Aus"));
        QVERIFY(ok->toolTip().isEmpty());
        QTest::mouseClick(hints, Qt::LeftButton);
        QVERIFY(hints->isChecked());
        QCOMPARE(ok->toolTip(),
                 QString("Elektronische Tabelle beenden; Werte in Schnittwertrechner übertragen"));
        QTest::mouseClick(hints, Qt::LeftButton);
        QVERIFY(!hints->isChecked());
        QVERIFY(ok->toolTip().isEmpty());
        QCOMPARE(hints->toolTip(), QString("Kurzinfo Ein/Aus"));
    }

    void calculatorComputesAsTheUserTypes_data() {
        QTest::addColumn<char>("separator");
        QTest::newRow("comma") << ',';
        QTest::newRow("point") << '.';
    }

    void calculatorComputesAsTheUserTypes() {
        QFETCH(char, separator);
        MainWindow w(separator);
        w.show();
        const Models m(w);
        ClickTab(Find<QTabBar>(&w, "TabSet"), 6);
        auto field = [&](const zerbo::Field& f) { return Find<QLineEdit>(&w, f); };
        auto sep = [&](QString s) { return s.replace('.', QChar(separator)); };
        const auto& c = m.calculator;
        for (const zerbo::Field* f : {&c.diameter, &c.cuttingSpeed, &c.spindleSpeed, &c.edges,
                                      &c.chipThickness, &c.feedRate}) {
            QCOMPARE(field(*f)->text(), QString("0"));
            QVERIFY(!field(*f)->isReadOnly());
        }
        Type(field(m.calculator.diameter), "50");
        Type(field(m.calculator.cuttingSpeed), "157,08");
        const QString viaComma = field(m.calculator.spindleSpeed)->text();
        Type(field(m.calculator.cuttingSpeed), "157.08");
        QCOMPARE(field(m.calculator.spindleSpeed)->text(), viaComma);
        QCOMPARE(viaComma, sep("1000.002338435"));
        Type(field(m.calculator.edges), "4");
        Type(field(m.calculator.chipThickness), "0.1");
        QCOMPARE(field(m.calculator.feedRate)->text(), sep("400.000935374"));

        // Emptying Vc empties n and Vf.
        Type(field(m.calculator.cuttingSpeed), "");
        QCOMPARE(field(m.calculator.spindleSpeed)->text(), QString());
        QCOMPARE(field(m.calculator.feedRate)->text(), QString());
    }

    void lettersShowTheErrorAndEmptyTheField() {
        MainWindow w(',');
        w.show();
        const Models m(w);
        ClickTab(Find<QTabBar>(&w, "TabSet"), 6);
        auto* d = Find<QLineEdit>(&w, m.calculator.diameter);
        Type(d, "20");
        Type(Find<QLineEdit>(&w, m.calculator.cuttingSpeed), "100");
        const SeenMessage seen = WithMessages([&] { QTest::keyClicks(d, "x"); });
        QCOMPARE(seen.count, 1);
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QVERIFY(seen.text.startsWith("Es wurde ein nicht erlaubtes Kommazeichen eingegeben."));
        QCOMPARE(d->text(), QString());
        // The last good diameter is kept; with its field empty, nothing is computed.
        QCOMPARE(w.workbench().shell().state.calculator.d, 20.0);
        QCOMPARE(Find<QLineEdit>(&w, m.calculator.spindleSpeed)->text(), QString());
        Type(d, "20");
        QCOMPARE(Find<QLineEdit>(&w, m.calculator.spindleSpeed)->text(),
                 QString("1591,54943091895"));
    }

    void beendenClosesTheWindow() {
        MainWindow w(',');
        w.show();
        const Models m(w);
        QTest::mouseClick(Find<QPushButton>(&w, m.main.okButton), Qt::LeftButton);
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
