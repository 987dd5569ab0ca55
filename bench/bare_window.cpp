// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// zerbo_bare_window: the yardstick of the start-up benchmark. A bare Qt
// Widgets program showing an empty seven-tab dialog of the given size; it
// reports its first frame as zerbo does and quits.
//   zerbo_bare_window WIDTH HEIGHT

#include "bare_notebook.h"
#include "ui/start_up_report.h"

#include <QApplication>
#include <QTimer>

#include <cstdlib>

namespace {

class BareWindow : public QDialog {
  public:
    explicit BareWindow(int report) : report_(report) { zerbo::bench::AddBareNotebook(this); }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QDialog::paintEvent(event);
        if (painted_) return;
        painted_ = true;
        // As in zerbo: the frame is out on the next turn of the event loop.
        QTimer::singleShot(0, this, [this] {
            if (report_ >= 0) zerbo::ui::WriteStartUpReport(report_, width(), height());
            QApplication::quit();
        });
    }

  private:
    int report_;
    bool painted_ = false;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const char* fd = std::getenv(zerbo::ui::kStartUpReportVariable);
    BareWindow window(fd != nullptr ? std::atoi(fd) : -1);
    if (argc > 2) window.setFixedSize(std::atoi(argv[1]), std::atoi(argv[2]));
    window.show();
    window.activateWindow();
    return QApplication::exec();
}
