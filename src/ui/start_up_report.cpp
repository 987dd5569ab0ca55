// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/start_up_report.h"

#include "ui/main_window.h"

#include <QApplication>

#include <cstdlib>

namespace zerbo::ui {

void ReportStartUp(MainWindow& window) {
    const char* fd = std::getenv(kStartUpReportVariable);
    if (fd == nullptr || *fd == '\0') return;
    const int out = std::atoi(fd);
    QObject::connect(&window, &MainWindow::firstFrameShown, &window,
                     [out, &window] { WriteStartUpReport(out, window.width(), window.height()); });
    QObject::connect(
        &window, &MainWindow::fullyBuiltNow, &window, [] { QApplication::quit(); },
        Qt::QueuedConnection);
}

} // namespace zerbo::ui
