// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main window "Zerbo": notebook with the seven pages, the tab strip at
// the bottom and the button panel at the right.
//
// Every model starts up before the window is shown, but the window builds
// only what its first frame shows: the frame and the current page. The
// other pages are built one per event-loop turn once the first frame has
// been painted, or earlier where they are needed first (a tab switch). The
// two dialogs and the help window with its manual are built on first use
// (a dialog opened, F1, "Hilfe") only. The page area
// has its fixed size from the start, so building a page never resizes the
// window. A part is bound to its model when it is built and shows the
// model's state at once.
//
// Where the screen's available area holds the designed size the window has
// that fixed size; where it does not (a large font, scaling, a small
// screen) the window opens inside the area, can be resized, and the page
// area scrolls.

#include "ui/binder.h"
#include "ui/help_window.h"
#include "ui/qt_messages.h"
#include "ui/setup_sheet.h"
#include "workbench/workbench.h"

#include <QDialog>

#include <array>
#include <memory>
#include <string>

class QAbstractButton;
class QScrollArea;
class QStackedWidget;
class QTabBar;

namespace zerbo::ui {

class MainWindow : public QDialog, private HelpViewer {
    Q_OBJECT

  public:
    // The decimal separator is read once from the system locale unless given.
    explicit MainWindow(char decimalSeparator = 0, QWidget* parent = nullptr);
    ~MainWindow() override;

    Workbench& workbench() { return *bench_; }
    // These build their window first if it is not built yet.
    HelpWindow& helpWindow();
    QDialog* advisorWindow();
    QDialog* materialWindow();

    // Copies every model into its widgets; builds the current page and the
    // open dialogs first if they are not built yet.
    void syncAll();
    // Builds every page and both dialogs not built yet, at once (not the
    // help window, which waits for its first use).
    void buildAll();
    // Every page; the dialogs and the help window are not counted.
    bool fullyBuilt() const;
    bool helpBuilt() const { return help_ != nullptr; }
    // Every control of a built part that found no widget, and every named
    // widget of a built part that found no control, as "part: name".
    QStringList bindingFaults() const;

    // Sizes and places the window for a screen whose available area is
    // `available`: the designed, fixed size where it fits, otherwise a
    // resizable window inside the area with a scrolling page area. The
    // window does this for its screen when it is created.
    void fitScreen(const QRect& available);
    // Whether the page area scrolls (the designed size did not fit).
    bool scrolling() const;
    // The setup sheet of the page shown, and what "Drucken" (Ctrl+P),
    // "Als PDF speichern ..." (Ctrl+Shift+S) and "Werte kopieren"
    // (Ctrl+Shift+C) do with it; the page area's context menu offers the
    // three. The PDF goes to `file`, or to the file the user picks if empty.
    SetupSheet currentSheet();
    void printSheet();
    void saveSheetPdf(const QString& file = QString());
    void copySheetValues();

  signals:
    // After the first frame has been painted and shown.
    void firstFrameShown();
    // After the last deferred page has been built.
    void fullyBuiltNow();

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void openTopic(int context) override;
    // Each builds its part unless it is built; true when it built it.
    bool buildPage(int index);
    bool makeMaterialWindow();
    bool makeAdvisorWindow();
    // Builds the next page not built yet; false when every page is built.
    bool buildNextPage();
    void buildDeferred();
    void syncDialog(QDialog* dialog, bool visible, const std::string& caption);
    // Ctrl+Tab and Ctrl+PgDn (+1), Ctrl+Shift+Tab and Ctrl+PgUp (-1).
    void stepPage(int step);
    // One focus chain whatever the order the pages were built in: the tab
    // strip, the controls of each page, the button panel.
    void orderFocusChain();
    void addSheetActions(QAbstractButton* print);
    void askAndSaveSheetPdf();

    QtMessages messages_;
    std::unique_ptr<Workbench> bench_;
    std::unique_ptr<HelpWindow> help_;
    QStackedWidget* notebook_;
    QScrollArea* pageArea_;
    QTabBar* tabs_;
    QWidget* panel_ = nullptr;
    QDialog* advisor_ = nullptr;
    QDialog* material_ = nullptr;
    std::array<std::unique_ptr<Binder>, kPageCount> pageBinders_;
    std::unique_ptr<Binder> panelBinder_;
    std::unique_ptr<Binder> materialBinder_;
    std::unique_ptr<Binder> advisorBinder_;
    bool syncing_ = false;
    bool painted_ = false;
};

// The system's decimal separator: "," or ".".
char SystemDecimalSeparator();

} // namespace zerbo::ui
