// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's setup-sheet actions: print preview, PDF and clipboard.

#include "ui/main_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLayout>
#include <QMessageBox>
#include <QStackedWidget>
#include <QTabBar>

namespace zerbo::ui {

void MainWindow::addSheetActions(QAbstractButton* print) {
    struct Entry {
        const char* caption;
        QKeySequence keys;
        void (MainWindow::*run)();
    };
    const Entry entries[] = {
        {"Drucken", QKeySequence::Print, &MainWindow::printSheet},
        {"Als PDF speichern ...", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
         &MainWindow::askAndSaveSheetPdf},
        {"Werte kopieren", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
         &MainWindow::copySheetValues},
    };
    // On the page area: its shortcuts work anywhere in the window, and a
    // right-click on a page's background (anything that has no menu of its
    // own) offers them.
    for (const Entry& e : entries) {
        auto* action = new QAction(QString::fromUtf8(e.caption), notebook_);
        action->setShortcut(e.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, e.run);
        notebook_->addAction(action);
    }
    notebook_->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(print, &QAbstractButton::clicked, this, &MainWindow::printSheet);
}

SetupSheet MainWindow::currentSheet() {
    syncAll();
    const int index = bench_->main().pageIndex();
    QWidget* holder = notebook_->widget(index);
    return ReadSetupSheet(holder, tabs_->tabText(index));
}

void MainWindow::printSheet() {
    const SetupSheet sheet = currentSheet();
    QString error;
    if (!PreviewSetupSheet(sheet, this, &error))
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("Das Drucken ist nicht verfügbar.\n") + error);
}

void MainWindow::askAndSaveSheetPdf() { saveSheetPdf(); }

void MainWindow::saveSheetPdf(const QString& file) {
    const SetupSheet sheet = currentSheet();
    QString target = file;
    if (target.isEmpty()) {
        target = QFileDialog::getSaveFileName(
            this, QStringLiteral("Als PDF speichern"),
            QDir::home().filePath(SuggestedSheetName(sheet)), QStringLiteral("PDF (*.pdf)"));
        if (target.isEmpty()) return;
        if (!target.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) target += ".pdf";
    }
    if (!WriteSetupSheetPdf(sheet, target))
        QMessageBox::warning(
            this, windowTitle(),
            QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden.").arg(target));
}

void MainWindow::copySheetValues() {
    QGuiApplication::clipboard()->setText(SheetText(currentSheet()));
}

} // namespace zerbo::ui
