// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The built-in manual: F1 opens the topic of the page, links and the search
// work, every worked example in the manual gives the numbers it quotes when
// its inputs are set in the window, and every result a topic lists is a
// field its page shows.

#include "app/app_setup.h"
#include "ui/main_window.h"

#include "shell/help_topics.h"
#include "window_driver.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QTextBlock>
#include <QTextDocument>

#include <cmath>
#include <string_view>

using namespace zerbo::ui;
using namespace zerbo::ui::testing;

namespace {

QString Page(std::string_view page) { return QString::fromUtf8(page.data(), static_cast<qsizetype>(page.size())); }

QString Source(const QString& page) {
    QFile file(":/manual/" + page);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

double Number(QString text) { return text.trimmed().replace(',', '.').toDouble(); }

// Decimals of a quoted number ("2122,07" has 2).
int Decimals(const QString& text) {
    const qsizetype at = text.indexOf(',');
    return at < 0 ? 0 : static_cast<int>(text.size() - at - 1);
}

// Runs one action of an example: "tab 1", "click SpeedButton20",
// "choose ComboBox8 10", "type Edit68 50", "need ComboBox11" (the control
// must be there). Returns false when the control
// is not in the window.
bool Act(MainWindow& w, const QString& action) {
    const QString verb = action.section(' ', 0, 0);
    const QString name = action.section(' ', 1, 1);
    const QString value = action.section(' ', 2);
    if (verb == "tab") {
        ClickTab(Find<QTabBar>(&w, "TabSet"), name.toInt());
        return true;
    }
    QWidget* control = w.findChild<QWidget*>(name);
    if (control == nullptr) return false;
    if (verb == "click") {
        QTest::mouseClick(qobject_cast<QAbstractButton*>(control), Qt::LeftButton);
    } else if (verb == "choose") {
        auto* list = qobject_cast<QComboBox*>(control);
        const int index = list->findText(value);
        if (index < 0) qFatal("%s has no item %s", qPrintable(name), qPrintable(value));
        list->setCurrentIndex(index);
        emit list->activated(index);
    } else if (verb == "need") {
        // only that the control is there
    } else if (verb == "bar") {
        qobject_cast<QScrollBar*>(control)->setValue(value.toInt());
    } else if (verb == "type") {
        Type(qobject_cast<QLineEdit*>(control), value);
    } else {
        qFatal("unknown action %s", qPrintable(action));
    }
    return true;
}

} // namespace

class ManualTest : public QObject {
    Q_OBJECT

  private slots:
    // The application's names as the program sets them.
    void initTestCase() { zerbo::app::SetUpGuiApplication(*qApp); }

    void f1OnEveryPageOpensItsTopic() {
        MainWindow w(',');
        w.show();
        auto* tabs = Find<QTabBar>(&w, "TabSet");
        auto* ok = Find<QPushButton>(&w, Models(w).main.okButton);
        auto* title = Find<QLabel>(&w.helpWindow(), "HelpTitle");
        const char* pages[] = {"fraesen.html", "drehen.html", "bohren.html",
                               "reiben.html",  "senken.html", "saegen.html"};
        for (int i = 0; i < 6; ++i) {
            ClickTab(tabs, i);
            QTest::keyClick(ok, Qt::Key_F1);
            QCOMPARE(w.helpWindow().topic(), 104 + i);
            QCOMPARE(w.helpWindow().page(), QString(pages[i]));
            QCOMPARE(title->text(), tabs->tabText(i));
            // The topic is a real page, not a placeholder.
            QVERIFY(Find<QTextBrowser>(&w.helpWindow(), "HelpText")->toPlainText().size() > 1500);
        }
        // The precise-material dialog opens its own topic.
        w.workbench().materialDialog().open();
        w.syncAll();
        QTest::keyClick(w.materialWindow(), Qt::Key_F1);
        QCOMPARE(w.helpWindow().page(), QString("werkstoff.html"));
        QCOMPARE(title->text(), QString("Genaue Materialbestimmung"));
    }

    void everyTopicLoadsAndItsLinksLeadToTopics() {
        for (const zerbo::HelpTopic& t : zerbo::HelpTopics()) {
            const QString html = Source(Page(t.page));
            QVERIFY2(!html.isEmpty(), qPrintable(Page(t.page)));
            static const QRegularExpression link("href=\"([^\"#]+\\.html)");
            for (const auto& m : link.globalMatch(html))
                QVERIFY2(zerbo::FindHelpPage(m.captured(1).toStdString()) != nullptr,
                         qPrintable(Page(t.page) + " -> " + m.captured(1)));
        }
    }

    void clickingALinkOpensTheTopicAndBackReturns() {
        HelpWindow help;
        help.show();
        help.openPage("fraesen.html");
        auto* text = Find<QTextBrowser>(&help, "HelpText");
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        // Find the link text in the document and click on it.
        QTextCursor at = text->document()->find("Genaue Materialbestimmung");
        QVERIFY(!at.isNull());
        QVERIFY(at.charFormat().isAnchor());
        text->setTextCursor(at);
        text->ensureCursorVisible();
        at.setPosition(at.selectionStart() + 2);
        const QPoint spot = text->cursorRect(at).center();
        QTest::mouseClick(text->viewport(), Qt::LeftButton, {}, spot);
        QCOMPARE(help.page(), QString("werkstoff.html"));
        QCOMPARE(Find<QLabel>(&help, "HelpTitle")->text(), QString("Genaue Materialbestimmung"));
        QCOMPARE(Find<QListWidget>(&help, "HelpContents")->currentItem()->text(),
                 QString("Genaue Materialbestimmung"));
        QTest::mouseClick(Find<QPushButton>(&help, "HelpBack"), Qt::LeftButton);
        QCOMPARE(help.page(), QString("fraesen.html"));
    }

    void helpTitleNamesTheProgramOnce() {
        // Desktop platforms append the application's display name to every
        // window title; the title itself must not name the program again.
        HelpWindow help;
        const QString name = QGuiApplication::applicationDisplayName();
        QCOMPARE(name, QString("Zerbo"));
        QVERIFY2(!help.windowTitle().contains(name), qPrintable(help.windowTitle()));
        QCOMPARE(help.windowTitle(), QString("Hilfe"));
    }

    void inputMessageIsTheOneTheManualQuotes() {
        // Every kind of text the manual names as no number brings up the
        // message it quotes; both separators are numbers.
        static const QRegularExpression hint("<p class=\"hinweis\">(.*?)</p>",
                                             QRegularExpression::DotMatchesEverythingOption);
        const QString quoted = hint.match(Source("rechner.html")).captured(1).simplified();
        MainWindow w(',');
        w.show();
        ClickTab(Find<QTabBar>(&w, "TabSet"), 6);
        auto* diameter = Find<QLineEdit>(&w, Models(w).calculator.diameter);
        for (const char* text : {"abc", "1,2,3", "1.250,5", ",", "-", " "}) {
            const SeenMessage seen = WithMessages([&] { Type(diameter, text); });
            QVERIFY2(seen.count > 0, text);
            QCOMPARE(seen.text, quoted);
        }
        QCOMPARE(diameter->text(), QString()); // the field is emptied
        for (const char* text : {"2,5", "2.5", "2,5 "})
            QVERIFY2(WithMessages([&] { Type(diameter, text); }).count == 0, text);
    }

    void searchFindsAWordInEveryTopicThatHoldsIt() {
        HelpWindow help;
        auto* contents = Find<QListWidget>(&help, "HelpContents");
        auto* field = Find<QLineEdit>(&help, "HelpSearch");
        Type(field, "schnittgeschwindigkeit");
        int shown = 0;
        for (int i = 0; i < contents->count(); ++i) shown += contents->item(i)->isHidden() ? 0 : 1;
        QVERIFY(shown > 1);
        QVERIFY(shown < contents->count());
        QCOMPARE(Find<QLabel>(&help, "HelpHits")->text(), QString("%1 Themen gefunden").arg(shown));
        QVERIFY(!contents->item(1)->isHidden()); // Fräsen
        // A word of one topic only.
        QCOMPARE(help.search("Ausspannlänge"), 1);
        // Enter opens the topic found and marks the word.
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(help.page(), QString("drehen.html"));
        QVERIFY(!Find<QTextBrowser>(&help, "HelpText")->extraSelections().isEmpty());
        QCOMPARE(help.search("kein solches Wort"), 0);
        QCOMPARE(help.search(""), contents->count());
    }

    void workedExamplesGiveTheNumbersTheyQuote_data() {
        QTest::addColumn<QString>("page");
        for (const zerbo::HelpTopic& t : zerbo::HelpTopics())
            if (Source(Page(t.page)).contains("<!-- beispiel:"))
                QTest::newRow(t.page.data()) << Page(t.page);
    }

    void workedExamplesGiveTheNumbersTheyQuote() {
        QFETCH(QString, page);
        const QString html = Source(page);
        static const QRegularExpression steps("<!-- beispiel:(.*?)-->",
                                              QRegularExpression::DotMatchesEverythingOption);
        static const QRegularExpression quoted("data-field=\"(\\w+)\">([^<]+)<");
        MainWindow w(',');
        w.show();
        for (const QString& action : steps.match(html).captured(1).split(';', Qt::SkipEmptyParts))
            if (!Act(w, action.trimmed()))
                QSKIP(qPrintable("the page of this example is not in the window yet: " + action));
        // Every result the topic's tables list is a field the page shows.
        static const QRegularExpression listed("data-result=\"(\\w+)\"");
        for (const auto& m : listed.globalMatch(html))
            QVERIFY2(Find<QLineEdit>(&w, qPrintable(m.captured(1)))->isVisible(),
                     qPrintable(page + " lists " + m.captured(1) + ", which the page does not show"));
        int checked = 0;
        for (const auto& m : quoted.globalMatch(html)) {
            const QString field = m.captured(1), text = m.captured(2);
            const QString shown = Find<QLineEdit>(&w, qPrintable(field))->text();
            const double scale = std::pow(10.0, Decimals(text));
            QVERIFY2(std::round(Number(shown) * scale) == std::round(Number(text) * scale),
                     qPrintable(QString("%1: %2 quotes %3, the window shows %4")
                                    .arg(page, field, text, shown)));
            ++checked;
        }
        QVERIFY(checked >= 2);
    }
};

QTEST_MAIN(ManualTest)
#include "manual_test.moc"
