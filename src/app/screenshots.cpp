// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders every page and dialog of the program to PNG files, for the
// README and for looking at the layout without a display, and writes each
// page's setup sheet as PDF.
//   zerbo_screenshots DIR [--fit-screen]
//   (use the offscreen platform: QT_QPA_PLATFORM=offscreen)
// The window has its designed size whatever the screen, unless --fit-screen
// asks it to fit the screen as the program does (the offscreen platform's
// screen is 800×600 unless configured, e.g.
// QT_QPA_PLATFORM=offscreen:configfile=screen.json).

#include "app/app_setup.h"
#include "milling/milling_page.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zerbo::app::SetUpGuiApplication(app);
    QStringList args = QApplication::arguments().mid(1);
    const bool fitScreen = args.removeAll("--fit-screen") > 0;
    const QString dir = args.isEmpty() ? QString("screenshots") : args.first();
    QDir().mkpath(dir);
    zerbo::ui::MainWindow window(',');
    if (!fitScreen) {
        window.fitScreen(QRect(0, 0, 8192, 8192));
        window.move(0, 0);
    }
    window.show();
    auto& main = window.workbench().main();
    const char* names[] = {"fraesen", "drehen", "bohren", "reiben", "senken", "saegen", "rechner"};
    int saved = 0;
    auto save = [&](QWidget* w, const QString& name) {
        const QString path = dir + "/" + name + ".png";
        if (w->grab().save(path)) {
            std::printf("%s\n", qPrintable(path));
            ++saved;
        }
    };
    for (int i = 0; i < zerbo::kPageCount; ++i) {
        main.selectPage(i);
        window.syncAll();
        QApplication::processEvents();
        save(&window, QString("page-%1-%2").arg(i).arg(names[i]));
        window.saveSheetPdf(dir + QString("/sheet-%1-%2.pdf").arg(i).arg(names[i]));
    }
    // Milling with indexable inserts in group 5 shows the "Steigerung" arrows.
    main.selectPage(0);
    auto& milling = dynamic_cast<zerbo::MillingPage&>(main.page(0));
    milling.userClick(milling.wpButton);
    milling.userClick(milling.groupButtons[4]);
    window.syncAll();
    QApplication::processEvents();
    save(&window, "page-0-fraesen-wp-gruppe-5");
    milling.userClick(milling.hssButton);
    milling.userClick(milling.groupButtons[0]);

    window.workbench().materialDialog().open();
    window.syncAll();
    QApplication::processEvents();
    save(window.materialWindow(), "dialog-genaue-materialbestimmung");
    window.workbench().materialDialog().userClose();

    main.selectPage(1);
    main.userClick(main.advisorButton);
    window.syncAll();
    QApplication::processEvents();
    save(window.advisorWindow(), "dialog-advisor-drehen");
    window.workbench().advisor().close();
    window.syncAll();

    window.helpWindow().openTopic(104);
    QApplication::processEvents();
    save(&window.helpWindow(), "help-104");
    window.helpWindow().search("Schnittgeschwindigkeit");
    window.helpWindow().openPage("formeln.html");
    QApplication::processEvents();
    save(&window.helpWindow(), "help-suche");
    window.helpWindow().hide();

    QMessageBox box(QMessageBox::Critical, "Fehler",
                    QString::fromUtf8(zerbo::kDecimalErrorText.data(),
                                      static_cast<qsizetype>(zerbo::kDecimalErrorText.size())),
                    QMessageBox::Ok, &window);
    box.show();
    QApplication::processEvents();
    save(&box, "message-decimal-error");
    return saved > 0 ? 0 : 1;
}
