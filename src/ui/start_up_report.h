#pragma once
// How the program tells the start-up benchmark (bench/startup_bench.cpp)
// that its first frame is out. Only the benchmark sets the variable; a user
// sees no difference.

namespace zerbo::ui {

class MainWindow;

// The variable naming the file descriptor to report to.
inline constexpr const char* kStartUpReportVariable = "ZERBO_STARTUP_REPORT_FD";

// Unless the variable is set, does nothing. Otherwise writes one line
// "<first frame, CLOCK_MONOTONIC ns> <window width>x<height>" to the file
// descriptor once the window's first frame has been painted, and quits the
// application once every deferred part of the window has been built.
void ReportStartUp(MainWindow& window);

} // namespace zerbo::ui
