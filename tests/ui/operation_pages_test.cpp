#include "ui/main_window.h"

#include "window_driver.h"

#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

using namespace zerbo::ui;
using namespace zerbo::ui::testing;

// The milling and turning pages, driven through their widgets.
class OperationPagesTest : public QObject {
    Q_OBJECT

    static QString Text(QWidget* root, const char* name) {
        return Find<QLineEdit>(root, name)->text();
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
};

QTEST_MAIN(OperationPagesTest)
#include "operation_pages_test.moc"
