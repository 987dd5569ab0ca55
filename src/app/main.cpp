// Zerbo: cutting data for machine shops.

#include "ui/main_window.h"
#include "ui/start_up_report.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zerbo");
    QApplication::setApplicationDisplayName("Zerbo");
    zerbo::ui::MainWindow window;
    zerbo::ui::ReportStartUp(window); // for the start-up benchmark only
    window.show();
    window.activateWindow();
    return QApplication::exec();
}
