// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader hears: every control of every page and dialog has a
// name, no two controls of one page share it, lists and bars give their
// caption as name and their state as value, and hints are descriptions.
#include "ui/main_window.h"

#include "window_driver.h"

#include <QAccessible>
#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QToolButton>

using namespace zerbo::ui;
using namespace zerbo::ui::testing;

namespace {

QString Text(QWidget* w, QAccessible::Text t) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a != nullptr ? a->text(t) : QString();
}

bool IsControl(const QWidget* w) {
    return !w->objectName().isEmpty() &&
           (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
            qobject_cast<const QScrollBar*>(w) || qobject_cast<const QAbstractButton*>(w) ||
            qobject_cast<const QListWidget*>(w) || qobject_cast<const QPlainTextEdit*>(w));
}

// The faults of the controls `root` shows: a missing or shared name, a list
// or bar whose value is not its state. Each fault one line.
QString Faults(QWidget* root, const QString& where) {
    QString faults;
    QHash<QString, QString> owner; // name -> component name
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!IsControl(w) || !w->isVisible()) continue;
        const QString name = Text(w, QAccessible::Name).trimmed();
        const QString id = where + " " + w->objectName();
        if (name.isEmpty())
            faults += id + ": no name\n";
        else if (owner.contains(name))
            faults += id + ": name \"" + name + "\" also names " + owner[name] + "\n";
        else
            owner.insert(name, w->objectName());
        if (auto* list = qobject_cast<QComboBox*>(w); list && !list->currentText().isEmpty()) {
            if (Text(w, QAccessible::Value) != list->currentText())
                faults += id + ": value is not the selected item\n";
            if (name == list->currentText()) faults += id + ": named by its value\n";
        }
        if (auto* bar = qobject_cast<QScrollBar*>(w)) {
            auto* value = QAccessible::queryAccessibleInterface(w)->valueInterface();
            if (value == nullptr || value->currentValue().toInt() != bar->value())
                faults += id + ": value is not the position\n";
        }
    }
    return faults;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

  private slots:
    void everyControlHasItsOwnName() {
        MainWindow w(',');
        w.show();
        const Models m(w);
        auto* tabs = Find<QTabBar>(&w, "TabSet");
        auto* notebook = Find<QStackedWidget>(&w, "Notebook");
        QString faults;
        for (int page = 0; page < notebook->count(); ++page) {
            ClickTab(tabs, page);
            faults += Faults(notebook->currentWidget(), tabs->tabText(page));
        }
        // Milling with indexable inserts in group 5 shows the "Steigerung" controls.
        ClickTab(tabs, 0);
        QTest::mouseClick(Find<QToolButton>(&w, m.milling.wpButton), Qt::LeftButton);
        QTest::mouseClick(Find<QToolButton>(&w, m.milling.groupButtons[4]), Qt::LeftButton);
        QVERIFY(Find<QToolButton>(&w, m.milling.speedIncreaseUp)->isVisible());
        faults += Faults(notebook->currentWidget(), "Fräsen WP 5");
        faults += Faults(Find<QWidget>(&w, "ButtonPanel"), "Knöpfe");

        QTest::mouseClick(Find<QPushButton>(&w, m.milling.materialButton), Qt::LeftButton);
        faults += Faults(w.materialWindow(), "Materialbestimmung");
        QTest::mouseClick(Find<QToolButton>(&w, m.main.advisorButton), Qt::LeftButton);
        faults += Faults(w.advisorWindow(), "Ratgeber");
        QVERIFY2(faults.isEmpty(), qPrintable("\n" + faults));
    }

    void captionsNameTheControls() {
        MainWindow w(',');
        w.show();
        const Models m(w);
        auto name = [&](const zerbo::Control& control) {
            return Text(Find<QWidget>(&w, control), QAccessible::Name);
        };
        // Results by their own captions, not by their group's.
        QCOMPARE(name(m.milling.results.spindleSpeed), QString("n in U/Min."));
        QCOMPARE(name(m.milling.results.power), QString("Pe in kW"));
        QCOMPARE(name(m.milling.toolList), QString("Werkzeugtyp:"));
        QCOMPARE(name(m.milling.speedBar), QString("Schnittgeschw. Vc:"));
        QCOMPARE(name(m.milling.widthBar), QString("ae="));
        QCOMPARE(name(m.milling.width), QString("ae= Wert"));
        QCOMPARE(name(m.main.advisorButton), QString("Hilfe bei technologischen Problemen"));
        // The hint is the description, whether or not hints are shown.
        QCOMPARE(Text(Find<QWidget>(&w, m.milling.coatingList), QAccessible::Description),
                 QString("Schneidstoff bzw. Beschichtung des Fräsers"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
