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
        QCOMPARE(w.objectName(), QString("TMultPageDlg2"));
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(w.windowTitle(), QString("Zerbo"));
        auto* tabs = Find<QTabBar>(&w, "TabSet");
        const QStringList captions = {"Fräsen", "Drehen", "Bohren", "Reiben",
                                      "Senken", "Sägen",  "Rechner"};
        QCOMPARE(tabs->count(), 7);
        for (int i = 0; i < 7; ++i) QCOMPARE(tabs->tabText(i), captions[i]);
        QCOMPARE(tabs->shape(), QTabBar::RoundedSouth);
        QCOMPARE(Find<QStackedWidget>(&w, "Notebook")->currentIndex(), 0);
        QCOMPARE(Find<QPushButton>(&w, "OKBtn")->text(), QString("Beenden"));
        QVERIFY(Find<QPushButton>(&w, "HelpBtn")->isHidden());
        QVERIFY(w.minimumSize() == w.maximumSize()); // fixed border
    }

    void switchingPagesSetsAdvisorButtonAndHelpTopic() {
        MainWindow w(',');
        w.show();
        auto* tabs = Find<QTabBar>(&w, "TabSet");
        auto* notebook = Find<QStackedWidget>(&w, "Notebook");
        auto* advisor = Find<QToolButton>(&w, "SpeedButton37");
        const bool enabled[] = {true, true, true, true, false, true, false};
        for (int i : {4, 1, 6, 2, 5, 3, 0}) {
            ClickTab(tabs, i);
            QCOMPARE(notebook->currentIndex(), i);
            QCOMPARE(advisor->isEnabled(), enabled[i]);
        }
        // "Rechner" keeps the help topic of the page before it.
        ClickTab(tabs, 2);
        ClickTab(tabs, 6);
        QTest::keyClick(Find<QPushButton>(&w, "OKBtn"), Qt::Key_F1);
        QCOMPARE(w.helpWindow().topic(), 106);
        QVERIFY(w.helpWindow().isVisible());
        QCOMPARE(Find<QLabel>(&w.helpWindow(), "HelpTitle")->text(), QString("Bohren"));
    }

    void hintSwitchPressedTwiceLeavesHintsOff() {
        MainWindow w(',');
        w.show();
        auto* hints = Find<QToolButton>(&w, "SpeedButton51");
        auto* ok = Find<QPushButton>(&w, "OKBtn");
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
        ClickTab(Find<QTabBar>(&w, "TabSet"), 6);
        auto field = [&](const char* name) { return Find<QLineEdit>(&w, name); };
        auto sep = [&](QString s) { return s.replace('.', QChar(separator)); };
        for (const char* name : {"Edit68", "Edit69", "Edit70", "Edit71", "Edit72", "Edit73"}) {
            QCOMPARE(field(name)->text(), QString("0"));
            QVERIFY(!field(name)->isReadOnly());
        }
        Type(field("Edit68"), "50");
        Type(field("Edit69"), "157,08");
        const QString viaComma = field("Edit70")->text();
        Type(field("Edit69"), "157.08");
        QCOMPARE(field("Edit70")->text(), viaComma);
        QCOMPARE(viaComma, sep("1000.002338435"));
        Type(field("Edit71"), "4");
        Type(field("Edit72"), "0.1");
        QCOMPARE(field("Edit73")->text(), sep("400.000935374"));

        // Emptying Vc empties n and Vf.
        Type(field("Edit69"), "");
        QCOMPARE(field("Edit70")->text(), QString());
        QCOMPARE(field("Edit73")->text(), QString());
    }

    void lettersShowTheErrorAndEmptyTheField() {
        MainWindow w(',');
        w.show();
        ClickTab(Find<QTabBar>(&w, "TabSet"), 6);
        auto* d = Find<QLineEdit>(&w, "Edit68");
        Type(d, "20");
        Type(Find<QLineEdit>(&w, "Edit69"), "100");
        const SeenMessage seen = WithMessages([&] { QTest::keyClicks(d, "x"); });
        QCOMPARE(seen.count, 1);
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QVERIFY(seen.text.startsWith("Es wurde ein nicht erlaubtes Kommazeichen eingegeben."));
        QCOMPARE(d->text(), QString());
        // The last good diameter is kept; with its field empty, nothing is computed.
        QCOMPARE(w.workbench().shell().state.calculator.d, 20.0);
        QCOMPARE(Find<QLineEdit>(&w, "Edit70")->text(), QString());
        Type(d, "20");
        QCOMPARE(Find<QLineEdit>(&w, "Edit70")->text(), QString("1591,54943091895"));
    }

    void beendenClosesTheWindow() {
        MainWindow w(',');
        w.show();
        QTest::mouseClick(Find<QPushButton>(&w, "OKBtn"), Qt::LeftButton);
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
