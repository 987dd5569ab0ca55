// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program as it starts: Qt's own texts in German, the application icon
// on the window, the command line's answers.
#include "app/app_setup.h"
#include "app/command_line.h"
#include "ui/main_window.h"
#include "ui/vector_drawing.h"

#include "window_driver.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QPushButton>

#include <memory>

using namespace zerbo::ui;
using namespace zerbo::ui::testing;

namespace {

QStringList ActionTexts(QMenu* menu) {
    QStringList texts;
    for (QAction* a : menu->actions())
        if (!a->isSeparator()) texts << a->text().remove('&').section('\t', 0, 0);
    return texts;
}

} // namespace

class ApplicationTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QVERIFY(zerbo::app::SetUpGuiApplication(*qApp)); }

    void contextMenuOfAFieldSpeaksGerman() {
        MainWindow w(',');
        w.show();
        w.buildAll();
        auto* editable = Find<QLineEdit>(&w, Models(w).calculator.diameter);
        std::unique_ptr<QMenu> menu(editable->createStandardContextMenu());
        const QStringList texts = ActionTexts(menu.get());
        for (const char* german : {"Rückgängig", "Ausschneiden", "Kopieren", "Einfügen", "Löschen",
                                   "Alles auswählen"})
            QVERIFY2(texts.contains(QString::fromUtf8(german)), qPrintable(texts.join(", ")));
        QVERIFY(!texts.contains("Copy"));
    }

    void standardButtonsSpeakGerman() {
        QDialogButtonBox box(QDialogButtonBox::Cancel | QDialogButtonBox::Close);
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text().remove('&'), QString("Abbrechen"));
        QCOMPARE(box.button(QDialogButtonBox::Close)->text().remove('&'),
                 QString::fromUtf8("Schließen"));
    }

    void windowShowsTheApplicationIcon() {
        MainWindow w(',');
        const QIcon icon = w.windowIcon();
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.cacheKey(), QApplication::windowIcon().cacheKey());
        // The drawing is there: opaque at its centre, transparent in the corner.
        const QImage image = icon.pixmap(64, 64).toImage();
        QCOMPARE(image.size(), QSize(64, 64));
        QCOMPARE(qAlpha(image.pixel(32, 32)), 255);
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        // Every size a desktop may take is the drawing at exactly that size.
        const QList<QSize> sizes = icon.availableSizes();
        QCOMPARE(sizes.size(), 8);
        const zerbo::ui::VectorDrawing drawing(QString(":/icons/%1.svg").arg(zerbo::app::ApplicationId()));
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            QVERIFY(sizes.contains(QSize(size, size)));
            QImage drawn(size, size, QImage::Format_ARGB32_Premultiplied);
            drawn.fill(Qt::transparent);
            QPainter painter(&drawn);
            drawing.render(&painter);
            painter.end();
            QCOMPARE(icon.pixmap(size, size).toImage().convertToFormat(drawn.format()), drawn);
            QCOMPARE(icon.actualSize(QSize(size, size)), QSize(size, size));
        }
        QCOMPARE(icon.actualSize(QSize(512, 512)), QSize(256, 256));
    }

    void commandLineAnswersInGerman() {
        using zerbo::app::ReadCommandLine;
        const auto help = ReadCommandLine({"zerbo", "--help"});
        QVERIFY(help.answered);
        QCOMPARE(help.exitCode, 0);
        QVERIFY2(help.text.contains("Aufruf:") && help.text.contains("Optionen:") &&
                     help.text.contains(QString::fromUtf8("Schnittwerte für die Werkstatt")),
                 qPrintable(help.text));
        QCOMPARE(ReadCommandLine({"zerbo", "-h"}).text, help.text);

        const auto version = ReadCommandLine({"zerbo", "--version"});
        QVERIFY(version.answered && !version.toErrorStream);
        QCOMPARE(version.text, "Zerbo " + zerbo::app::ApplicationVersion() + "\n");

        const auto unknown = ReadCommandLine({"zerbo", "--fraesen"});
        QVERIFY(unknown.answered && unknown.toErrorStream);
        QCOMPARE(unknown.exitCode, 2);
        QVERIFY2(unknown.text.contains("Unbekannte Option") && unknown.text.contains("--help"),
                 qPrintable(unknown.text));

        const auto positional = ReadCommandLine({"zerbo", "teil.txt"});
        QVERIFY(positional.answered && positional.exitCode == 2);
        QVERIFY(positional.text.contains("teil.txt"));

        // The window starts, with the toolkit's own options too.
        QVERIFY(!ReadCommandLine({"zerbo"}).answered);
        QVERIFY(!ReadCommandLine({"zerbo", "-platform", "offscreen", "-reverse"}).answered);
        QCOMPARE(ReadCommandLine({"zerbo", "-style", "Fusion", "-v"}).text, version.text);
    }
};

QTEST_MAIN(ApplicationTest)
#include "application_test.moc"
