// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Zerbo: cutting data for machine shops.

#include "app/app_setup.h"
#include "app/command_line.h"
#include "ui/main_window.h"
#include "ui/start_up_report.h"

#include <QApplication>

#include <cstdio>

namespace {

int Answer(const zerbo::app::CommandLineAnswer& answer) {
    std::fputs(answer.text.toLocal8Bit().constData(), answer.toErrorStream ? stderr : stdout);
    return answer.exitCode;
}

} // namespace

int main(int argc, char** argv) {
    // The command line is answered before the window system is needed, so
    // --help, --version and mistakes are answered without a display too.
    if (argc > 1) {
        QCoreApplication core(argc, argv);
        zerbo::app::SetUpApplication(core);
        if (const auto answer = zerbo::app::ReadCommandLine(QCoreApplication::arguments());
            answer.answered)
            return Answer(answer);
    }
    QApplication app(argc, argv);
    zerbo::app::SetUpGuiApplication(app);
    zerbo::ui::MainWindow window;
    zerbo::ui::ReportStartUp(window); // for the start-up benchmark only
    window.show();
    window.activateWindow();
    return QApplication::exec();
}
