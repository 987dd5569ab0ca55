#pragma once
// The main window "Zerbo": notebook with the seven pages, the tab strip at
// the bottom and the button panel at the right.

#include "ui/binder.h"
#include "ui/help_window.h"
#include "ui/qt_messages.h"
#include "workbench/workbench.h"

#include <QDialog>

#include <memory>
#include <vector>

class QStackedWidget;
class QTabBar;

namespace zerbo::ui {

class MainWindow : public QDialog {
  public:
    // The decimal separator is read once from the system locale unless given.
    explicit MainWindow(char decimalSeparator = 0, QWidget* parent = nullptr);
    ~MainWindow() override;

    Workbench& workbench() { return *bench_; }
    HelpWindow& helpWindow() { return *help_; }
    // Copies every model into its widgets.
    void syncAll();

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  public:
    QDialog* advisorWindow() const { return advisor_; }
    QDialog* materialWindow() const { return material_; }

  private:
    void syncDialog(QDialog* dialog, bool visible, const std::string& caption);

  private:
    QtMessages messages_;
    std::unique_ptr<HelpWindow> help_;
    std::unique_ptr<Workbench> bench_;
    QStackedWidget* notebook_;
    QTabBar* tabs_;
    QDialog* advisor_;
    QDialog* material_;
    std::vector<std::unique_ptr<Binder>> binders_;
    bool syncing_ = false;
};

// The system's decimal separator: "," or ".".
char SystemDecimalSeparator();

} // namespace zerbo::ui
