// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window.h"

#include "window_driver.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolButton>

using namespace zerbo::ui;
using namespace zerbo::ui::testing;

// The "Reiben" page driven through its widgets: what shows and hides with
// the reamer, the captions, and recomputation from the glyph buttons and bars.
class ReamingPageTest : public QObject {
    Q_OBJECT

    static QString Text(QWidget* root, const char* name) {
        return Find<QLineEdit>(root, name)->text();
    }
    static QString Caption(QWidget* root, const char* name) {
        return Find<QLabel>(root, name)->text();
    }
    static bool Hidden(QWidget* root, const char* name) {
        return Find<QWidget>(root, name)->isHidden();
    }
    static void Choose(QWidget* root, const char* name, int index) {
        auto* list = Find<QComboBox>(root, name);
        list->setCurrentIndex(index);
        emit list->activated(index); // what a user's choice emits
    }
    static void Click(QWidget* root, const char* name) {
        QTest::mouseClick(Find<QToolButton>(root, name), Qt::LeftButton);
    }

  private slots:
    void followsTheReamerThroughItsWidgets() {
        MainWindow w(',');
        w.show();
        ClickTab(Find<QTabBar>(&w, "TabSet"), 3);
        QWidget* page = Find<QWidget>(&w, "Page3");
        QVERIFY(page->isVisible());

        QStringList titles;
        for (auto* box : page->findChildren<QGroupBox*>()) titles << box->title();
        for (const char* title : {"Schneidstoffgruppe:", "Schnittgeschw. Vc:", "Vorschub f:",
                                  "Reibaufmaß:", "Ergebnis:", "Kühl- und Schmiermittel:"})
            QVERIFY2(titles.contains(QString::fromUtf8(title)), title);
        QVERIFY(Find<QToolButton>(page, "SpeedButton12")->isChecked());
        QCOMPARE(Caption(page, "Label91"), QString("12"));
        QVERIFY(Find<QPlainTextEdit>(page, "Memo4")
                    ->toPlainText()
                    .startsWith(QString::fromUtf8("Flußstahl:\nBohrölemulsion\n")));
        for (const char* name : {"ScrollBar13", "Label95", "SpeedButton33", "Edit52", "Label97",
                                 "SpeedButton36", "Edit53"})
            QVERIFY2(Hidden(page, name), name);

        // TiN coating: the speed increase and the feed bar appear.
        Choose(page, "ComboBox17", 1);
        QVERIFY(!Hidden(page, "ScrollBar13") && !Hidden(page, "Label95"));
        QVERIFY(!Hidden(page, "SpeedButton33") && !Hidden(page, "Edit52"));
        QCOMPARE(Find<QToolButton>(page, "SpeedButton34")->text(), QString("−"));
        Click(page, "SpeedButton34");
        QCOMPARE(Text(page, "Edit52"), QString("49%"));
        QCOMPARE(Caption(page, "Label90"), QString("14,9"));
        QCOMPARE(Find<QScrollBar>(page, "ScrollBar8")->value(), 160);

        const QString vf = Text(page, "Edit33");
        Find<QScrollBar>(page, "ScrollBar13")->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(Text(page, "Edit30"), QString("0,11"));
        QVERIFY(Text(page, "Edit33") != vf);

        // A peeling reamer: "Erhöhung:" with the allowance already raised.
        Choose(page, "ComboBox16", 3);
        QVERIFY(!Hidden(page, "Label97"));
        QCOMPARE(Caption(page, "Label97"), QString::fromUtf8("Erhöhung:"));
        QVERIFY(Hidden(page, "SpeedButton33"));
        QCOMPARE(Text(page, "Edit51"), QString("0,15"));
        Click(page, "SpeedButton36");
        QCOMPARE(Text(page, "Edit53"), QString("51%"));
        QCOMPARE(Text(page, "Edit51"), QString("0,151"));

        // Carbide hides all of it.
        Click(page, "SpeedButton13");
        QCOMPARE(Find<QComboBox>(page, "ComboBox16")->count(), 3);
        for (const char* name : {"ScrollBar13", "SpeedButton33", "Label97", "SpeedButton35"})
            QVERIFY2(Hidden(page, name), name);
    }
};

QTEST_MAIN(ReamingPageTest)
#include "reaming_page_test.moc"
