#include "ui/main_window.h"

#include "window_driver.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolButton>

using namespace zerbo::ui;
using namespace zerbo::ui::testing;

// The "Senken" page, driven through its widgets.
class CountersinkingPageTest : public QObject {
    Q_OBJECT

    static QString Text(QWidget* root, const char* name) {
        return Find<QLineEdit>(root, name)->text();
    }
    static QString Caption(QWidget* root, const char* name) {
        return Find<QLabel>(root, name)->text();
    }
    static void Choose(QWidget* root, const char* name, int index) {
        auto* box = Find<QComboBox>(root, name);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    static void ExpectBar(QWidget* root, const char* name, int min, int max, int value) {
        auto* bar = Find<QScrollBar>(root, name);
        QCOMPARE(bar->minimum(), min);
        QCOMPARE(bar->maximum(), max);
        QCOMPARE(bar->value(), value);
    }

  private slots:
    void countersinkingThroughItsWidgets() {
        MainWindow w(',');
        w.show();
        ClickTab(Find<QTabBar>(&w, "TabSet"), 4);
        QWidget* page = Find<QWidget>(&w, "Page4");
        QVERIFY(page->isVisible());
        QVERIFY(Find<QWidget>(page, "Sketch_countersinking")->isVisible());
        QVERIFY(!Find<QWidget>(&w, "SpeedButton37")->isEnabled()); // no advisor here

        // Start: type 0 uncoated at "4.3".
        ExpectBar(page, "ScrollBar7", 26, 30, 28);
        QCOMPARE(Text(page, "Edit24"), QString("28"));
        QCOMPARE(Caption(page, "Label73"), QString("26"));
        QCOMPARE(Text(page, "Edit23"), QString("0.07"));
        QVERIFY(Find<QScrollBar>(page, "ScrollBar12")->isVisible());
        QVERIFY(!Find<QComboBox>(page, "ComboBox31")->isVisible());
        QVERIFY(!Find<QToolButton>(page, "SpeedButton60")->isVisible());

        // A coated countersink shows the raises; "+" raises Vc by 1 %.
        Choose(page, "ComboBox12", 1);
        QCOMPARE(Text(page, "Edit66"), QString("15%"));
        QCOMPARE(Text(page, "Edit67"), QString("15%"));
        QCOMPARE(Caption(page, "Label73"), QString("29,9"));
        QCOMPARE(Caption(page, "Label74"), QString("34,5"));
        const QString n = Text(page, "Edit25");
        QTest::mouseClick(Find<QToolButton>(page, "SpeedButton60"), Qt::LeftButton);
        QCOMPARE(Text(page, "Edit67"), QString("16%"));
        ExpectBar(page, "ScrollBar7", 302, 348, 325);
        QCOMPARE(Text(page, "Edit24"), QString("32,48"));
        QVERIFY(Text(page, "Edit25") != n);
        Find<QScrollBar>(page, "ScrollBar7")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(Text(page, "Edit24"), QString("32,6"));

        // Type 2 at "10.4": no preset, the bar stands at D - L.
        Choose(page, "ComboBox11", 2);
        QVERIFY(!Find<QToolButton>(page, "SpeedButton60")->isVisible());
        ExpectBar(page, "ScrollBar12", 25, 104, 79);
        QCOMPARE(Text(page, "Edit50"), QString("7,9"));
        QCOMPARE(Caption(page, "Label143"), QString("2,5"));
        QCOMPARE(Caption(page, "Label144"), QString("10.4"));
        const QString q = Text(page, "Edit28");
        Find<QScrollBar>(page, "ScrollBar12")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(Text(page, "Edit50"), QString("8"));
        QVERIFY(Text(page, "Edit28") != q);

        // A screw countersink shows its pilot instead of the bar.
        Choose(page, "ComboBox11", 6);
        auto* pilot = Find<QComboBox>(page, "ComboBox31");
        QVERIFY(pilot->isVisible());
        QVERIFY(!pilot->isEnabled());
        QCOMPARE(pilot->currentText(), QString("3.2"));
        QCOMPARE(Caption(page, "Label145"), QString("Zapfend.:"));
        QVERIFY(!Find<QScrollBar>(page, "ScrollBar12")->isVisible());
        QCOMPARE(Find<QComboBox>(page, "ComboBox14")->currentText(), QString("2"));

        // The flat countersink takes the first core hole of its thread.
        Choose(page, "ComboBox11", 10);
        QCOMPARE(pilot->count(), 3);
        QCOMPARE(pilot->itemText(2), QString("9"));
        QCOMPARE(Text(page, "Edit50"), QString("6,8"));
        QCOMPARE(Caption(page, "Label144"), QString("15"));

        // Material 4: cutting oil, no kc and so no power.
        Choose(page, "ComboBox15", 4);
        QCOMPARE(Find<QPlainTextEdit>(page, "Memo3")->toPlainText(), QString("Schneidöl"));
        QCOMPARE(Text(page, "Edit27"), QString("0"));
        QCOMPARE(Text(page, "Edit29"), QString("0"));
        ExpectBar(page, "ScrollBar7", 2, 5, 3);

        // Leaving and coming back keeps the page as it was.
        ClickTab(Find<QTabBar>(&w, "TabSet"), 0);
        ClickTab(Find<QTabBar>(&w, "TabSet"), 4);
        QVERIFY(pilot->isVisible());
        QCOMPARE(Text(page, "Edit24"), QString("3"));
    }
};

QTEST_MAIN(CountersinkingPageTest)
#include "countersinking_page_test.moc"
