// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How the program tells the start-up benchmark (bench/startup_bench.cpp)
// that its first frame is out. Only the benchmark sets the variable; a user
// sees no difference.

#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace zerbo::ui {

class MainWindow;

// The variable naming the file descriptor to report to.
inline constexpr const char* kStartUpReportVariable = "ZERBO_STARTUP_REPORT_FD";

// Unless the variable is set, does nothing. Otherwise reports to the file
// descriptor once the window's first frame has been painted (see
// WriteStartUpReport), and quits the application once every deferred part
// of the window has been built.
void ReportStartUp(MainWindow& window);

// Writes the report line "<CLOCK_MONOTONIC ns> <process CPU ns> <width>x<height>"
// to `fd`. The bare program of the benchmark writes the same line.
inline void WriteStartUpReport(int fd, int width, int height) {
    timespec now{}, cpu{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    auto ns = [](const timespec& t) {
        return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
    };
    char line[96];
    const int n =
        std::snprintf(line, sizeof line, "%lld %lld %dx%d\n", ns(now), ns(cpu), width, height);
    if (n > 0 && write(fd, line, static_cast<size_t>(n)) != n) std::perror("start-up report");
}

} // namespace zerbo::ui
