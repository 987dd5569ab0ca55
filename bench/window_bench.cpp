// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole window's start-up to its first shown frame, side by side with a
// bare Qt window holding one empty seven-tab notebook, on the platform the
// run uses (offscreen for `make bench`).

#include "window_bench.h"

#include "bare_notebook.h"

#include "ui/dialog_windows.h"
#include "ui/main_window.h"
#include "ui/page_widgets.h"
#include "ui/qt_messages.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace zerbo::bench {

namespace {

// Notes when the first frame of one window is out: the repaint manager
// paints all dirty widgets and flushes the frame within one event, so a
// zero timer started at the first paint fires once the frame has been shown.
// It fires before the main window's own zero timer that starts building the
// deferred parts, which is started later in that same paint.
class FirstFrame : public QObject {
  public:
    explicit FirstFrame(QWidget* window) : window_(window) { qApp->installEventFilter(this); }
    ~FirstFrame() override { qApp->removeEventFilter(this); }
    bool shown() const { return shown_; }
    std::chrono::steady_clock::time_point when() const { return when_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!painted_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == window_) {
            painted_ = true;
            QTimer::singleShot(0, this, [this] {
                when_ = std::chrono::steady_clock::now();
                shown_ = true;
            });
        }
        return false;
    }

  private:
    QWidget* window_;
    bool painted_ = false;
    bool shown_ = false;
    std::chrono::steady_clock::time_point when_;
};

class BareWindow : public QDialog {
  public:
    BareWindow() { AddBareNotebook(this); }
};

// Creates the window, shows it and runs the event loop until its first
// frame is out; the window is destroyed untimed.
template <class Window, class... Args> double ShowUntilFirstFrame(Args... args) {
    const auto start = std::chrono::steady_clock::now();
    auto window = std::make_unique<Window>(args...);
    FirstFrame frame(window.get());
    window->show();
    while (!frame.shown())
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    const auto stop = frame.when();
    window.reset();
    QApplication::processEvents(); // deferred deletes
    return std::chrono::duration<double>(stop - start).count();
}

void WindowStartUp(benchmark::State& state) {
    for (auto _ : state)
        state.SetIterationTime(ShowUntilFirstFrame<ui::MainWindow>(','));
}

void BareWindowStartUp(benchmark::State& state) {
    for (auto _ : state)
        state.SetIterationTime(ShowUntilFirstFrame<BareWindow>());
}

// The parts of the window's construction, each alone, untimed show: where
// the start-up goes.
template <class Make> void Part(benchmark::State& state, Make make) {
    for (auto _ : state) {
        QDialog owner;
        make(&owner);
    }
}

} // namespace

void RegisterWindowBenchmarks() {
    // Fonts, style and platform are loaded once, before either is timed.
    ShowUntilFirstFrame<BareWindow>();
    ShowUntilFirstFrame<ui::MainWindow>(',');
    for (auto* b : {benchmark::RegisterBenchmark("WindowStartUp", WindowStartUp),
                    benchmark::RegisterBenchmark("BareWindowStartUp", BareWindowStartUp)})
        b->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(5)
            ->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark("WindowPart/HelpWindow", [](benchmark::State& s) {
        Part(s, [](QWidget*) { ui::HelpWindow help; });
    })->Unit(benchmark::kMicrosecond);
    // The models the parts are built for.
    static MessageRecorder messages;
    static HelpRecorder help;
    static Workbench models(messages, help, ',');
    benchmark::RegisterBenchmark("WindowPart/MaterialWindow", [](benchmark::State& s) {
        Part(s, [](QWidget* owner) { ui::MakeMaterialWindow(models.materialDialog(), owner); });
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("WindowPart/AdvisorWindow", [](benchmark::State& s) {
        Part(s, [](QWidget* owner) { ui::MakeAdvisorWindow(models.advisor(), owner); });
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("WindowPart/PageWidgets", [](benchmark::State& s) {
        Part(s, [](QWidget* owner) {
            for (int i = 0; i < kPageCount; ++i)
                ui::MakePageWidget(models.main().page(i), i, owner);
        });
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("WindowPart/MainWindowUnshown", [](benchmark::State& s) {
        Part(s, [](QWidget*) { ui::MainWindow window(','); });
    })->Unit(benchmark::kMicrosecond);
    // What the window builds after its first frame: the other six pages,
    // both dialogs and the help window.
    benchmark::RegisterBenchmark("WindowPart/DeferredParts", [](benchmark::State& s) {
        for (auto _ : s) {
            s.PauseTiming();
            auto window = std::make_unique<ui::MainWindow>(',');
            s.ResumeTiming();
            window->buildAll();
            s.PauseTiming();
            window.reset();
            s.ResumeTiming();
        }
    })->Unit(benchmark::kMicrosecond);
}

} // namespace zerbo::bench
