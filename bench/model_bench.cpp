// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The models as the window drives them, without any toolkit: start-up of
// the whole workbench and of each page, and the heaviest handlers.

#include "calculator/calculator_page.h"
#include "materials/material_dialog.h"
#include "workbench/workbench.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

using namespace zerbo;

namespace {

// Messages and help are recorded; the recorders are emptied now and then so
// that they do not grow through a long run.
struct Session {
    MessageRecorder messages;
    HelpRecorder help;
    Workbench bench{messages, help, ','};
    void tidy() {
        if (messages.entries.size() > 1000) messages.entries.clear();
        if (help.topics.size() > 1000) help.topics.clear();
    }
};

// Everything the program does before the window is shown: the shell, the
// main window's start-up initialisation of every page, the dialogs.
void WorkbenchStartUp(benchmark::State& state) {
    MessageRecorder messages;
    HelpRecorder help;
    for (auto _ : state) {
        Workbench bench(messages, help, ',');
        benchmark::DoNotOptimize(&bench);
    }
}
BENCHMARK(WorkbenchStartUp);

// One page's part of the start-up initialisation, again on a running
// workbench.
void PageStartUp(benchmark::State& state) {
    Session s;
    PageModel& page = s.bench.main().page(static_cast<int>(state.range(0)));
    state.SetLabel(page.caption());
    for (auto _ : state) {
        page.startUp();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(PageStartUp)->DenseRange(0, kPageCount - 1);

// Entering a page by its tab: the page-changed steps (the milling and
// turning pages also refresh the precise-material dialog).
void PageEntered(benchmark::State& state) {
    Session s;
    const int index = static_cast<int>(state.range(0));
    const int other = index == kCalculatorPage ? 0 : kCalculatorPage;
    state.SetLabel(s.bench.main().page(index).caption());
    for (auto _ : state) {
        s.bench.main().selectPage(other);
        s.bench.main().selectPage(index);
    }
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(PageEntered)->DenseRange(0, kPageCount - 1);

// A keystroke in the calculator's diameter field with every other input
// set: n and Vf are recomputed and written.
void CalculatorKeystroke(benchmark::State& state) {
    Session s;
    auto& page = dynamic_cast<CalculatorPage&>(s.bench.main().page(kCalculatorPage));
    s.bench.main().selectPage(kCalculatorPage);
    page.userEdit(page.cuttingSpeed, "157,08");
    page.userEdit(page.edges, "4");
    page.userEdit(page.chipThickness, "0,1");
    bool flip = false;
    for (auto _ : state) {
        page.userEdit(page.diameter, (flip = !flip) ? "50" : "50,5");
    }
}
BENCHMARK(CalculatorKeystroke);

// The precise-material dialog's refresh with the kc hand-over, as a page
// change to milling or turning or a "Werkstoff" button runs it.
void MaterialDialogRefresh(benchmark::State& state) {
    Session s;
    s.bench.main().selectPage(static_cast<int>(state.range(0)));
    for (auto _ : state)
        s.bench.materialDialog().RefreshMaterialDialog();
}
BENCHMARK(MaterialDialogRefresh)->Arg(0)->Arg(1);

// The advice button: fills the advisor for the page shown.
void AdvisorOpen(benchmark::State& state) {
    Session s;
    s.bench.main().selectPage(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        s.bench.main().userClick(s.bench.main().advisorButton);
        s.tidy();
    }
}
BENCHMARK(AdvisorOpen)->DenseRange(0, 3)->Arg(5);

// A fault picked in the advisor: the memo is filled with its advice.
void AdvisorFault(benchmark::State& state) {
    Session s;
    s.bench.main().selectPage(0);
    s.bench.main().userClick(s.bench.main().advisorButton);
    auto& advisor = s.bench.advisor();
    int i = 0;
    for (auto _ : state)
        advisor.userSelect(advisor.faultList, i++ % advisor.faultList.count());
}
BENCHMARK(AdvisorFault);

// The hint switch: every hint of every page is assigned again.
void HintSwitch(benchmark::State& state) {
    Session s;
    for (auto _ : state)
        s.bench.main().userClick(s.bench.main().hintButton);
}
BENCHMARK(HintSwitch);

} // namespace
