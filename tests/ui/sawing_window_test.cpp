#include "ui/main_window.h"

#include "window_driver.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolButton>

using namespace zerbo::ui;
using namespace zerbo::ui::testing;

// The "Sägen" page, driven through its widgets.
class SawingWindowTest : public QObject {
    Q_OBJECT

    static QString Text(QWidget* root, const char* name) {
        return Find<QLineEdit>(root, name)->text();
    }
    static void Choose(QWidget* root, const char* name, const QString& item) {
        auto* list = Find<QComboBox>(root, name);
        const int i = list->findText(item);
        QVERIFY2(i >= 0, qPrintable(item));
        list->setCurrentIndex(i);
        emit list->activated(i);
    }

  private slots:
    void sawingFollowsBladeMaterialAndWorkpiece() {
        MainWindow w('.');
        w.show();
        ClickTab(Find<QTabBar>(&w, "TabSet"), 5);
        QVERIFY(Find<QWidget>(&w, "Sketch_sawing")->isVisible());

        // Start-up: Vc 37 in 25..50, A 12 in 10..14, Dw 10 in 1..20.
        QCOMPARE(Text(&w, "Edit16"), QString("37"));
        QCOMPARE(Find<QLabel>(&w, "Label34")->text(), QString("25"));
        QCOMPARE(Find<QLabel>(&w, "Label36")->text(), QString("50"));
        QCOMPARE(Text(&w, "Edit63"), QString("12"));
        QCOMPARE(Text(&w, "Edit62"), QString("10"));
        QCOMPARE(Find<QLabel>(&w, "Label173")->text(), QString("20"));
        QCOMPARE(Text(&w, "Edit20"), QString("1550"));
        QVERIFY(Find<QToolButton>(&w, "SpeedButton4")->isChecked());
        // Out of sight: the carbide button, the depth list with its caption and
        // the feed-rate bar with all four of its labels.
        QVERIFY(!Find<QToolButton>(&w, "SpeedButton11")->isVisible());
        QVERIFY(!Find<QComboBox>(&w, "ComboBox4")->isVisible());
        QVERIFY(!Find<QScrollBar>(&w, "ScrollBar6")->isVisible());
        for (QLabel* l : w.findChildren<QLabel*>()) {
            if (!l->isVisible()) continue;
            QVERIFY(l->text() != "Schnittiefe:");
            QVERIFY(l->objectName() != "Label51" && l->objectName() != "Label52");
            if (l->text() == "min." || l->text() == "max.")
                QCOMPARE(l->parentWidget()->findChild<QScrollBar*>()->objectName(),
                         QString("ScrollBar5"));
        }

        // A blade of 25 mm comes with 50 teeth 1 mm thick.
        Choose(&w, "ComboBox1", "25");
        QCOMPARE(Find<QComboBox>(&w, "ComboBox9")->currentText(), QString("50"));
        QCOMPARE(Find<QComboBox>(&w, "ComboBox10")->currentText(), QString("1"));
        auto* dw = Find<QScrollBar>(&w, "ScrollBar18");
        QCOMPARE(dw->maximum(), 25);
        QCOMPARE(Find<QLabel>(&w, "Label173")->text(), QString("25"));

        // The workpiece as wide as the blade, without a notice.
        const QString fz = Text(&w, "Edit18");
        const SeenMessage seen =
            WithMessages([&] { dw->triggerAction(QAbstractSlider::SliderToMaximum); });
        QCOMPARE(seen.count, 0);
        QCOMPARE(Text(&w, "Edit62"), QString("25"));
        QVERIFY(Text(&w, "Edit18") != fz);

        // Light-alloy profiles: fast, with a lubricating stick and no force data.
        Choose(&w, "ComboBox3", "Leichtmetallprofile");
        auto* vc = Find<QScrollBar>(&w, "ScrollBar5");
        QCOMPARE(vc->minimum(), 1000);
        QCOMPARE(vc->maximum(), 2400);
        QCOMPARE(vc->value(), 1700);
        QCOMPARE(Find<QPlainTextEdit>(&w, "Memo1")->toPlainText(), QString("Schmierstift"));
        QCOMPARE(Text(&w, "Edit22"), QString("0"));
        QCOMPARE(Text(&w, "Edit20"), QString("0"));

        // Results fit their fields from the first digit.
        for (const char* name : {"Edit17", "Edit18", "Edit19", "Edit21"}) {
            auto* f = Find<QLineEdit>(&w, name);
            QVERIFY2(!f->text().isEmpty(), name);
            QCOMPARE(f->cursorPosition(), 0);
        }
    }
};

QTEST_MAIN(SawingWindowTest)
#include "sawing_window_test.moc"
