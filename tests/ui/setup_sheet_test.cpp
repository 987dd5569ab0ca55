// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window.h"

#include "window_driver.h"

#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QToolButton>

using namespace zerbo::ui;
using namespace zerbo::ui::testing;

namespace {

// Without whitespace: the sheet may wrap a long value anywhere.
QString Squeezed(QString text) {
    return text.remove(QRegularExpression("\\s"));
}

// The text of a PDF as poppler reads it, in the order it was written (no
// joining of a line that ends in "-" with the next), without whitespace.
QString PdfText(const QString& file) {
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-raw", "-enc", "UTF-8", file, "-"});
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitCode() != 0) return {};
    return Squeezed(QString::fromUtf8(pdftotext.readAllStandardOutput()));
}

// Runs `action`; each modal window or popup it opens goes to `inspect` and
// is closed after it unless `inspect` closed it.
void WithDialog(const std::function<void()>& action, const std::function<void(QWidget*)>& inspect,
                int* seen) {
    QTimer timer;
    timer.setInterval(20);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* open = QApplication::activePopupWidget();
        if (open == nullptr) open = QApplication::activeModalWidget();
        if (open == nullptr) return;
        ++*seen;
        inspect(open);
        open->close();
    });
    timer.start();
    action();
}

} // namespace

class SetupSheetTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QCoreApplication::setApplicationName("Zerbo");
        QCoreApplication::setApplicationVersion("9.8");
    }

    // On every page, under both decimal separators: every value the page
    // shows is on the sheet, a hidden field's value is not.
    void pdfHoldsWhatEachPageShows_data() {
        QTest::addColumn<char>("separator");
        QTest::newRow("comma") << ',';
        QTest::newRow("point") << '.';
    }
    void pdfHoldsWhatEachPageShows() {
        QFETCH(char, separator);
        QTemporaryDir dir;
        MainWindow w(separator);
        w.show();
        const Models m(w);
        auto* tabs = Find<QTabBar>(&w, "TabSet");
        auto* notebook = Find<QStackedWidget>(&w, "Notebook");
        // Milling keeps working values out of sight; one of them holds a
        // number shown nowhere else.
        dynamic_cast<zerbo::MillingPage&>(w.workbench().main().page(0))
            .engagementAngle.setText("77.7777");
        w.syncAll();
        QVERIFY(Find<QLineEdit>(&w, m.milling.engagementAngle)->isHidden());
        // The coolant memo of each page and some units the sheet must name.
        const zerbo::Memo* coolant[] = {nullptr,
                                        nullptr,
                                        &m.drilling.coolant,
                                        &m.reaming.coolant,
                                        &m.countersinking.coolant,
                                        &m.sawing.coolant,
                                        nullptr};
        const QStringList units[] = {{"mm/Zahn", "m/min."},
                                     {},
                                     {"mm/U"},
                                     {"mm/U", "m/Min."},
                                     {"mm/U", "m/Min."},
                                     {"mm² (x1000)", "mm/Min."},
                                     {"U/Min.", "mm/Min."}};
        for (int page = 0; page < 7; ++page) {
            ClickTab(tabs, page);
            const QString file = dir.filePath(QString("page%1.pdf").arg(page));
            w.saveSheetPdf(file);
            const QString pdf = PdfText(file);
            QVERIFY2(pdf.startsWith("Einrichteblatt"), qPrintable(pdf));
            QVERIFY(!pdf.contains(QChar(0xFB00))); // no "ff" ligature
            QVERIFY(pdf.contains(tabs->tabText(page)));
            QVERIFY(pdf.contains("Zerbo9.8"));
            QVERIFY(pdf.contains("Bemerkungen"));
            if (page < 6) // the sketch's labels come after the title, "n" first
                QVERIFY2(pdf.contains(tabs->tabText(page) + "n"), qPrintable(pdf));
            QWidget* shown = notebook->widget(page);
            QStringList expected = units[page], hidden;
            for (auto* field : shown->findChildren<QLineEdit*>())
                (field->isVisibleTo(shown) ? expected : hidden) << field->text();
            for (auto* list : shown->findChildren<QComboBox*>())
                if (list->isVisibleTo(shown)) expected << list->currentText();
            for (auto* button : shown->findChildren<QToolButton*>())
                if (button->isChecked() && button->isVisibleTo(shown)) expected << button->text();
            for (auto* memo : shown->findChildren<QPlainTextEdit*>())
                if (memo->isVisibleTo(shown)) expected << memo->toPlainText().split('\n').first();
            if (coolant[page] != nullptr)
                expected << Find<QPlainTextEdit>(shown, *coolant[page])->toPlainText().split('\n');
            for (const QString& text : expected)
                QVERIFY2(pdf.contains(Squeezed(text)),
                         qPrintable(QString("page %1 lacks '%2' in: %3").arg(page).arg(text, pdf)));
            for (const QString& text : hidden)
                if (text.size() > 3 && !expected.contains(text))
                    QVERIFY2(!pdf.contains(text), qPrintable(text));
        }
    }

    // Ctrl+Shift+C: one "caption<TAB>value<TAB>unit" line per value.
    void copiesValuesLineByLine() {
        MainWindow w(',');
        w.show();
        const Models m(w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* tabs = Find<QTabBar>(&w, "TabSet");
        ClickTab(tabs, 6);
        Type(Find<QLineEdit>(&w, m.calculator.diameter), "10");
        Type(Find<QLineEdit>(&w, m.calculator.cuttingSpeed), "100");
        Type(Find<QLineEdit>(&w, m.calculator.edges), "4");
        Type(Find<QLineEdit>(&w, m.calculator.chipThickness), "0,1");
        QTest::keyClick(&w, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QStringList lines = QGuiApplication::clipboard()->text().split('\n');
        const QStringList expected = {
            "Durchmesser\t10\tmm",
            "Schnittgeschw.\t100\tm/Min.",
            "Drehzahl\t" + Find<QLineEdit>(&w, m.calculator.spindleSpeed)->text() + "\tU/Min.",
            "Schneidenzahl\t4\t",
            "Spandicke\t0,1\tmm",
            "Vorschub\t" + Find<QLineEdit>(&w, m.calculator.feedRate)->text() + "\tmm/Min.",
            ""};
        QCOMPARE(lines, expected);
        QVERIFY(Find<QLineEdit>(&w, m.calculator.spindleSpeed)->text().startsWith("3183,0988"));

        // Milling: choices with the group's first line, inputs with units,
        // results; the hidden working values stay out.
        ClickTab(tabs, 0);
        w.copySheetValues();
        const QStringList milling = QGuiApplication::clipboard()->text().split('\n');
        for (const QString& line :
             {QString("Schneidstoffgruppe\tHSS\t"), QString("Fräserlänge\tNormal\t"),
              QString("Werkstoffgruppe\t1 – Bau-, Einsatz-, Nitrier-, Automaten-,\t"),
              "Werkzeugtyp\t" + Find<QComboBox>(&w, m.milling.toolList)->currentText() + "\t",
              "Vorschub pro Zahn\t" + Find<QLineEdit>(&w, m.milling.toothFeed)->text() +
                  "\tmm/Zahn",
              "Schnittgeschw. Vc\t" + Find<QLineEdit>(&w, m.milling.cuttingSpeed)->text() +
                  "\tm/min.",
              QString("ae\t2\tmm"), "ap\t" + Find<QLineEdit>(&w, m.milling.depth)->text() + "\tmm",
              QString("kc in N/mm²\t1240\t")})
            QVERIFY2(milling.contains(line), qPrintable(line + " not in\n" + milling.join('\n')));
        QVERIFY(
            !milling.join('\n').contains(Find<QLineEdit>(&w, m.milling.engagementAngle)->text()));
        ClickTab(tabs, 2);
        w.copySheetValues();
        QVERIFY(QGuiApplication::clipboard()->text().contains(
            "Kühl- bzw. Schmiermittel\tBohrölemulsion\t\n"));
        // A coated countersink's raise sits after the speed's unit, which is
        // not its caption.
        ClickTab(tabs, 4);
        auto* coating = Find<QComboBox>(&w, m.countersinking.coatingList);
        coating->setCurrentIndex(1);
        emit coating->activated(1);
        w.copySheetValues();
        QVERIFY(QGuiApplication::clipboard()->text().contains(
            "\nSchnittgeschw. Vc\t" + Find<QLineEdit>(&w, m.countersinking.speedStep.field)->text() + "\t\n"));
        // A machining-class button shows only its surface mark; the sheet
        // says its name as well, under the name of the row.
        ClickTab(tabs, 1);
        w.copySheetValues();
        QVERIFY2(QGuiApplication::clipboard()->text().contains(
                     "\nBearbeitungsklasse\t▽▽ Mittlere Zerspanung\t\n"),
                 qPrintable(QGuiApplication::clipboard()->text()));
    }

    // "Drucken" and Ctrl+P open Qt's print preview of the one-page sheet,
    // Ctrl+Shift+S asks for the file offering operation and date, a
    // right-click on a page's background offers the three; failures are
    // reported, not passed over.
    void userReachesTheSheet() {
        QTemporaryDir dir;
        MainWindow w(',');
        w.show();
        const Models m(w);
        auto* print = Find<QPushButton>(&w, m.main.printButton);
        QVERIFY(!print->icon().isNull());
        SetPrintModule(dir.filePath("no-such-module.so"));
        QCOMPARE(WithMessages([&] { print->click(); }).icon, QMessageBox::Warning);

        SetPrintModule(ZERBO_PRINT_MODULE);
        auto preview = [](QWidget* open) {
            auto* dialog = qobject_cast<QPrintPreviewDialog*>(open);
            QVERIFY(dialog != nullptr);
            QCOMPARE(dialog->printer()->pageLayout().pageSize().id(), QPageSize::A4);
            QCOMPARE(dialog->findChild<QPrintPreviewWidget*>()->pageCount(), 1);
        };
        int seen = 0;
        WithDialog([&] { print->click(); }, preview, &seen);
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        WithDialog([&] { QTest::keyClick(&w, Qt::Key_P, Qt::ControlModifier); }, preview, &seen);

        ClickTab(Find<QTabBar>(&w, "TabSet"), 5);
        QString chosen;
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        WithDialog([&] { QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier); },
                   [&](QWidget* open) {
                       auto* ask = qobject_cast<QFileDialog*>(open);
                       QVERIFY(ask != nullptr);
                       QCOMPARE(QFileInfo(ask->selectedFiles().value(0)).fileName(),
                                "Sägen_" + QDate::currentDate().toString(Qt::ISODate) + ".pdf");
                       ask->selectFile(dir.filePath("blatt"));
                       // The dialog may still show the suggested name while it
                       // reads the folder: the file is what it returns.
                       chosen = ask->selectedFiles().value(0);
                       QMetaObject::invokeMethod(ask, "accept");
                   },
                   &seen);
        QVERIFY(chosen.startsWith(dir.path()));
        if (!chosen.endsWith(".pdf")) chosen += ".pdf";
        QVERIFY(PdfText(chosen).contains("Sägen"));
        const QString nowhere = dir.filePath("no/such/folder/blatt.pdf");
        QVERIFY(WithMessages([&] { w.saveSheetPdf(nowhere); }).text.contains(nowhere));

        QWidget* group = Find<QStackedWidget>(&w, "Notebook")->widget(5)->findChild<QGroupBox*>();
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(2, 2),
                                group->mapToGlobal(QPoint(2, 2)));
        WithDialog([&] { QApplication::sendEvent(group, &click); },
                   [](QWidget* open) {
                       QStringList captions;
                       for (QAction* a : open->actions())
                           captions << a->text();
                       QCOMPARE(captions, QStringList({"Drucken", "Als PDF speichern ...",
                                                       "Werte kopieren"}));
                   },
                   &seen);
        QCOMPARE(seen, 4);

        // The button's hint follows the hint switch.
        QVERIFY(print->toolTip().isEmpty());
        QTest::mouseClick(Find<QToolButton>(&w, m.main.hintButton), Qt::LeftButton);
        QCOMPARE(print->toolTip(), QString("Einrichteblatt drucken oder als PDF speichern"));
    }
};

QTEST_MAIN(SetupSheetTest)
#include "setup_sheet_test.moc"
