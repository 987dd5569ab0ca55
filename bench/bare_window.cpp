// zerbo_bare_window: the yardstick of the start-up benchmark. A bare Qt
// Widgets program showing an empty seven-tab dialog of the given size; it
// reports its first frame as zerbo does (src/ui/start_up_report.h) and quits.
//   zerbo_bare_window WIDTH HEIGHT

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

namespace {

class BareWindow : public QDialog {
  public:
    explicit BareWindow(int report) : report_(report) {
        auto* layout = new QHBoxLayout(this);
        auto* notebook = new QTabWidget(this);
        for (const char* caption :
             {"Fräsen", "Drehen", "Bohren", "Reiben", "Senken", "Sägen", "Rechner"})
            notebook->addTab(new QWidget(notebook), QString::fromUtf8(caption));
        layout->addWidget(notebook);
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QDialog::paintEvent(event);
        if (painted_) return;
        painted_ = true;
        // As in zerbo: the frame is out on the next turn of the event loop.
        QTimer::singleShot(0, this, [this] {
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            char line[64];
            const int n = std::snprintf(
                line, sizeof line, "%lld %dx%d\n",
                static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec, width(), height());
            if (report_ >= 0 && n > 0 && write(report_, line, static_cast<size_t>(n)) != n)
                std::perror("start-up report");
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
    const char* fd = std::getenv("ZERBO_STARTUP_REPORT_FD");
    BareWindow window(fd != nullptr ? std::atoi(fd) : -1);
    if (argc > 2) window.setFixedSize(std::atoi(argv[1]), std::atoi(argv[2]));
    window.show();
    window.activateWindow();
    return QApplication::exec();
}
