// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// zerbo_bench: the model benchmarks, the handler sweep and (with the window
// layer) the window's start-up against a bare Qt window, printed as a ratio.
// Accepts the usual --benchmark_* options.

#include "handler_sweep.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <unistd.h>
#include <map>
#include <vector>
#include <string>

#ifdef ZERBO_BENCH_WINDOW
#include "window_bench.h"

#include <QApplication>
#endif

namespace {

// The console output, keeping the median real time of each benchmark.
class Reporter : public benchmark::ConsoleReporter {
  public:
    Reporter() : ConsoleReporter(isatty(fileno(stdout)) ? OO_ColorTabular : OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians[run.run_name.function_name] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> medians;
};

} // namespace

int main(int argc, char** argv) {
#ifdef ZERBO_BENCH_WINDOW
    // The offscreen platform warns on every fixed-size window it shows;
    // writing that out is no part of the start-up.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (!text.contains("propagateSizeHints"))
            std::fprintf(stderr, "%s%s\n", type == QtWarningMsg ? "warning: " : "",
                         qPrintable(text));
    });
    QApplication app(argc, argv);
    zerbo::bench::RegisterWindowBenchmarks();
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    Reporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    const auto window = reporter.medians.find("WindowStartUp");
    const auto bare = reporter.medians.find("BareWindowStartUp");
    if (window != reporter.medians.end() && bare != reporter.medians.end() && bare->second > 0)
        std::printf("\nWindow start-up to first frame: %.2f ms, bare seven-tab window %.2f ms, "
                    "ratio %.2f\n",
                    window->second, bare->second, window->second / bare->second);

    const double slowest = zerbo::bench::RunHandlerSweep(stdout, 201);
    std::printf("Slowest handler median: %.2f us\n", slowest);
    benchmark::Shutdown();
    return 0;
}
