// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reaming/reaming_page.h"
#include "ui/main_window.h"

#include "window_driver.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolButton>

using namespace zerbo;
using namespace zerbo::ui;
using namespace zerbo::ui::testing;

// The "Reiben" page driven through its widgets: what shows and hides with
// the reamer, the captions, and recomputation from the glyph buttons and bars.
class ReamingPageTest : public QObject {
    Q_OBJECT

    static QString Text(QWidget* root, const Field& field) {
        return Find<QLineEdit>(root, field)->text();
    }
    static QString Caption(QWidget* root, const Label& label) {
        return Find<QLabel>(root, label)->text();
    }
    static bool Hidden(QWidget* root, const Control& control) {
        return Find<QWidget>(root, control)->isHidden();
    }
    static void Choose(QWidget* root, const List& control, int index) {
        auto* list = Find<QComboBox>(root, control);
        list->setCurrentIndex(index);
        emit list->activated(index); // what a user's choice emits
    }
    static void Click(QWidget* root, const Button& button) {
        QTest::mouseClick(Find<QToolButton>(root, button), Qt::LeftButton);
    }

  private slots:
    void followsTheReamerThroughItsWidgets() {
        MainWindow w(',');
        const auto& m = Model<ReamingPage>(w, 3);
        w.show();
        ClickTab(Find<QTabBar>(&w, "TabSet"), 3);
        QWidget* page = Find<QWidget>(&w, "Page3");
        QVERIFY(page->isVisible());

        QStringList titles;
        for (auto* box : page->findChildren<QGroupBox*>())
            titles << box->title();
        for (const char* title : {"Schneidstoffgruppe:", "Schnittgeschw. Vc:", "Vorschub f:",
                                  "Reibaufmaß:", "Ergebnis:", "Kühl- und Schmiermittel:"})
            QVERIFY2(titles.contains(QString::fromUtf8(title)), title);
        QVERIFY(Find<QToolButton>(page, m.hssButton)->isChecked());
        QCOMPARE(Caption(page, m.speedMax), QString("12"));
        QVERIFY(Find<QPlainTextEdit>(page, m.coolant)
                    ->toPlainText()
                    .startsWith(QString::fromUtf8("Flußstahl:\nBohrölemulsion\n")));
        for (const Control* name : std::initializer_list<const Control*>{
                 &m.feedBar, &m.feedMinCaption, &m.speedStep.up, &m.speedStep.field,
                 &m.allowanceIncreaseCaption, &m.allowanceStep.up, &m.allowanceStep.field})
            QVERIFY2(Hidden(page, *name), name->name().c_str());

        // TiN coating: the speed increase and the feed bar appear.
        Choose(page, m.cuttingMaterialList, 1);
        QVERIFY(!Hidden(page, m.feedBar) && !Hidden(page, m.feedMinCaption));
        QVERIFY(!Hidden(page, m.speedStep.up) && !Hidden(page, m.speedStep.field));
        QCOMPARE(Find<QToolButton>(page, m.speedStep.down)->text(), QString("−"));
        Click(page, m.speedStep.down);
        QCOMPARE(Text(page, m.speedStep.field), QString("49%"));
        QCOMPARE(Caption(page, m.speedMin), QString("14,9"));
        QCOMPARE(Find<QScrollBar>(page, m.speedBar)->value(), 160);

        const QString vf = Text(page, m.results.feedRate);
        Find<QScrollBar>(page, m.feedBar)->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(Text(page, m.feed), QString("0,11"));
        QVERIFY(Text(page, m.results.feedRate) != vf);

        // A peeling reamer: "Erhöhung:" with the allowance already raised.
        Choose(page, m.toolList, 3);
        QVERIFY(!Hidden(page, m.allowanceIncreaseCaption));
        QCOMPARE(Caption(page, m.allowanceIncreaseCaption), QString::fromUtf8("Erhöhung:"));
        QVERIFY(Hidden(page, m.speedStep.up));
        QCOMPARE(Text(page, m.allowance), QString("0,15"));
        Click(page, m.allowanceStep.up);
        QCOMPARE(Text(page, m.allowanceStep.field), QString("51%"));
        QCOMPARE(Text(page, m.allowance), QString("0,151"));

        // Carbide hides all of it.
        Click(page, m.hmButton);
        QCOMPARE(Find<QComboBox>(page, m.toolList)->count(), 3);
        for (const Control* name : std::initializer_list<const Control*>{
                 &m.feedBar, &m.speedStep.up, &m.allowanceIncreaseCaption, &m.allowanceStep.down})
            QVERIFY2(Hidden(page, *name), name->name().c_str());
    }
};

QTEST_MAIN(ReamingPageTest)
#include "reaming_page_test.moc"
