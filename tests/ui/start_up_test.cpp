// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window.h"

#include "window_driver.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QLoggingCategory>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStackedWidget>

#include <string>
#include <vector>

using namespace zerbo;
using namespace zerbo::ui;
using namespace zerbo::ui::testing;

namespace {

// Every control of a control set as one line of text each.
std::vector<std::string> Snapshot(const ControlSet& set) {
    std::vector<std::string> lines;
    for (const Control* c : set.controls()) {
        std::string line = c->name() + (c->enabled ? " on" : " off") + (c->visible ? "" : " hid");
        switch (c->kind()) {
        case ControlKind::Field:
            line += " " + static_cast<const Field*>(c)->text();
            break;
        case ControlKind::List: {
            auto* l = static_cast<const List*>(c);
            line += " " + std::to_string(l->index()) + "/" + std::to_string(l->count());
            break;
        }
        case ControlKind::Bar: {
            auto* b = static_cast<const Bar*>(c);
            line += " " + std::to_string(b->min()) + ".." + std::to_string(b->max()) + " @" +
                    std::to_string(b->position());
            break;
        }
        case ControlKind::Button:
            line += static_cast<const Button*>(c)->down() ? " down" : " up";
            break;
        case ControlKind::Check:
            line += static_cast<const Check*>(c)->checked ? " checked" : "";
            break;
        case ControlKind::Memo:
            for (const auto& l : static_cast<const Memo*>(c)->lines)
                line += " " + l;
            break;
        case ControlKind::Label:
            line += " " + static_cast<const Label*>(c)->caption;
            break;
        }
        lines.push_back(line);
    }
    return lines;
}

// What Qt's plugin loader says about the folders it looks through.
QStringList pluginLookups;

void NotePluginLookup(QtMsgType, const QMessageLogContext& context, const QString& text) {
    if (QLatin1String(context.category) == QLatin1String("qt.core.plugin.factoryloader"))
        pluginLookups << text;
}

QWidget* PageHolder(MainWindow& w, int index) {
    return Find<QWidget>(&w, qPrintable(QString("Page%1").arg(index)));
}

} // namespace

class StartUpTest : public QObject {
    Q_OBJECT

  private slots:
    // Up to the last page built the window reads no image file: reading one
    // (a PNG picture of the style, say) first looks for image-format plugins
    // and loads them, and decoding PNG runs its library. First of the tests,
    // before anything in this process has read a picture.
    void readsNoImageFile() {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        // Qt 6.8's widgets look for image-format plugins on their own before
        // the last page is built; the start-up figures are taken with 6.4.
        QSKIP("Qt 6.8 looks for image-format plugins by itself");
#endif
        QLoggingCategory::setFilterRules("qt.core.plugin.factoryloader.debug=true");
        const QtMessageHandler previous = qInstallMessageHandler(NotePluginLookup);
        QStringList looked;
        {
            MainWindow w(',');
            QSignalSpy done(&w, &MainWindow::fullyBuiltNow);
            w.show();
            QVERIFY(done.wait(10000));
            looked = pluginLookups.filter("imageformats");
        }
        // The check sees a picture written now.
        QBuffer file;
        file.open(QIODevice::WriteOnly);
        QImage(1, 1, QImage::Format_ARGB32).save(&file, "PNG");
        qInstallMessageHandler(previous);
        QLoggingCategory::setFilterRules(QString());
        QCOMPARE(looked, QStringList());
        QVERIFY(!pluginLookups.filter("imageformats").isEmpty());
    }

    // Before its first frame the window holds only the page it shows; a
    // tab click or an opened dialog builds what it needs at once, the other
    // pages follow the first frame without the window changing size, and a
    // dialog never opened is never built.
    void buildsTheRestAfterTheFirstFrame() {
        MainWindow w(',');
        const Models m(w);
        const QSize size = w.size();
        QVERIFY(!w.fullyBuilt());
        QVERIFY(w.findChild<QLineEdit*>(m.milling.results.kc.name().c_str()) !=
                nullptr); // milling, shown first
        for (int i = 1; i < kPageCount; ++i)
            QVERIFY(PageHolder(w, i)->findChildren<QWidget*>().isEmpty());
        QVERIFY(w.findChild<QDialog*>(zerbo::PreciseMaterialDialog::kFormName.data()) == nullptr);
        QVERIFY(w.findChild<QDialog*>(zerbo::advisor::AdvisorDialog::kName.data()) == nullptr);

        // Turning, reached before anything else was built, shows its model.
        ClickTab(Find<QTabBar>(&w, "TabSet"), 1);
        QCOMPARE(Find<QLineEdit>(PageHolder(w, 1), m.turning.diameter)->text(), QString("30"));
        QVERIFY(PageHolder(w, 2)->findChildren<QWidget*>().isEmpty());
        // So does a dialog the model opens.
        w.workbench().materialDialog().open();
        w.syncAll();
        QVERIFY(Find<QDialog>(&w, zerbo::PreciseMaterialDialog::kFormName.data())->isVisible());
        w.workbench().materialDialog().userClose();
        ClickTab(Find<QTabBar>(&w, "TabSet"), 0);

        std::vector<QString> order;
        connect(&w, &MainWindow::firstFrameShown, [&] { order.push_back("frame"); });
        connect(&w, &MainWindow::fullyBuiltNow,
                [&] { order.push_back(w.fullyBuilt() ? "built" : "not built"); });
        QSignalSpy done(&w, &MainWindow::fullyBuiltNow);
        w.show();
        QVERIFY(done.wait(10000));
        QCOMPARE(order, (std::vector<QString>{"frame", "built"}));
        QVERIFY(w.findChild<QDialog*>(zerbo::advisor::AdvisorDialog::kName.data()) == nullptr);
        QCOMPARE(w.size(), size);
        QVERIFY(w.minimumSize() == w.maximumSize());
        const QSize area = Find<QStackedWidget>(&w, "Notebook")->size();
        for (int i = 0; i < kPageCount; ++i) {
            QWidget* page = PageHolder(w, i);
            const QString why = QString("page %1 wants %2x%3 of %4x%5")
                                    .arg(i)
                                    .arg(page->sizeHint().width())
                                    .arg(page->sizeHint().height())
                                    .arg(area.width())
                                    .arg(area.height());
            QVERIFY2(area.expandedTo(page->sizeHint()) == area, qPrintable(why));
        }
        QVERIFY(!w.materialWindow()->isVisible());
        QVERIFY(!w.advisorWindow()->isVisible());
        // The help window and its manual wait for their first use.
        QVERIFY(!w.helpBuilt());
        QTest::keyClick(&w, Qt::Key_F1);
        QVERIFY(w.helpBuilt());
        QVERIFY(w.helpWindow().isVisible());
        w.helpWindow().hide();
    }

    // A message box shown inside a handler runs its own event loop; the
    // deferred parts wait until it is closed.
    void noBuildingWhileAMessageIsOpen() {
        MainWindow w(',');
        w.show();
        const Models m(w);
        ClickTab(Find<QTabBar>(&w, "TabSet"), 6);
        bool builtMeanwhile = true;
        QTimer::singleShot(150, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            builtMeanwhile = w.fullyBuilt();
            box->button(QMessageBox::Ok)->click();
        });
        QTest::keyClicks(Find<QLineEdit>(&w, m.calculator.diameter), "x");
        QVERIFY(!builtMeanwhile);
        QSignalSpy done(&w, &MainWindow::fullyBuiltNow);
        QVERIFY(done.wait(10000));
    }

    // Building the window in parts leaves every model as a start-up
    // without a window leaves it, and every part shows its model.
    void everyPartShowsTheModelsAsTheyStartedUp() {
        MessageRecorder messages;
        HelpRecorder help;
        Workbench alone(messages, help, ',');

        MainWindow w(',');
        QSignalSpy done(&w, &MainWindow::fullyBuiltNow);
        w.show();
        const Models m(w);
        QVERIFY(done.wait(10000));
        QVERIFY(messages.entries.empty());
        // The focus chain runs tab strip, page shown, button panel: the tab
        // strip has the first focus and "Werkstoff" stays the default
        // button that Enter presses, not "Beenden".
        QCOMPARE(QApplication::focusWidget(), Find<QWidget>(&w, "TabSet"));
        QVERIFY(Find<QPushButton>(&w, m.milling.materialButton)->isDefault());
        QVERIFY(!Find<QPushButton>(&w, m.main.okButton)->isDefault());

        std::vector<QWidget*> roots;
        for (int i = 0; i < kPageCount; ++i)
            roots.push_back(PageHolder(w, i));
        roots.push_back(Find<QWidget>(&w, "ButtonPanel"));
        roots.push_back(w.materialWindow());
        roots.push_back(w.advisorWindow());
        const std::vector<ControlSet*> sets = w.workbench().controlSets();
        const std::vector<ControlSet*> expected = alone.controlSets();
        QCOMPARE(sets.size(), roots.size());
        for (size_t i = 0; i < sets.size(); ++i) {
            QVERIFY2(Snapshot(*sets[i]) == Snapshot(*expected[i]), qPrintable(QString::number(i)));
            QCOMPARE(Disagreements(*sets[i], roots[i]), QStringList());
        }
        // Every control has its widget and every named widget its control.
        QCOMPARE(w.bindingFaults(), QStringList());
        const CalcState& a = alone.shell().state;
        const CalcState& b = w.workbench().shell().state;
        QCOMPARE(b.vcMin, a.vcMin);
        QCOMPARE(b.vcMax, a.vcMax);
        QCOMPARE(b.activeMaterialGroup, a.activeMaterialGroup);
        QCOMPARE(b.helpContext, a.helpContext);
    }
};

QTEST_MAIN(StartUpTest)
#include "start_up_test.moc"
