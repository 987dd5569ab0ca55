// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "handler_sweep.h"

#include "materials/material_dialog.h"
#include "workbench/workbench.h"

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace zerbo::bench {

namespace {

struct Timing {
    std::string set;
    std::string control;
    double median = 0; // microseconds
    double max = 0;
};

const char* const kTexts[] = {"12,5", "100", "0,1", "7", "2500", "0,05", "63"};

// Shows the control set as the user would reach it.
void Reach(Workbench& bench, ControlSet& set) {
    MainWindowModel& main = bench.main();
    for (int i = 0; i < kPageCount; ++i)
        if (&set == &main.page(i)) main.selectPage(i);
    if (&set == &bench.materialDialog()) {
        main.selectPage(0);
        OpenMaterialDialog(bench.shell());
    }
    if (&set == &bench.advisor()) {
        main.selectPage(0);
        main.userClick(main.advisorButton);
    }
}

// The text padded with blanks to `width` characters (UTF-8).
std::string Pad(const std::string& text, size_t width) {
    size_t chars = 0;
    for (char c : text) chars += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return text + std::string(width > chars ? width - chars : 0, ' ');
}

std::string SetName(Workbench& bench, ControlSet& set) {
    if (&set == &bench.main()) return "Hauptfenster";
    if (&set == &bench.materialDialog()) return std::string(PreciseMaterialDialog::kFormName);
    if (&set == &bench.advisor()) return std::string(advisor::AdvisorDialog::kName);
    if (auto* page = dynamic_cast<PageModel*>(&set)) return page->caption();
    return "?";
}

// One user event on the control, varied by `i`; false when the control takes
// no events.
bool Event(ControlSet& set, Control& c, int i) {
    switch (c.kind()) {
    case ControlKind::Field: {
        auto& f = static_cast<Field&>(c);
        if (!f.editable) return false;
        set.userEdit(f.name(), kTexts[static_cast<size_t>(i) % std::size(kTexts)]);
        return true;
    }
    case ControlKind::List: {
        auto& l = static_cast<List&>(c);
        if (l.count() == 0) return false;
        set.userSelect(l.name(), i % l.count());
        return true;
    }
    case ControlKind::Bar: {
        auto& b = static_cast<Bar&>(c);
        const long long span = static_cast<long long>(b.max()) - b.min();
        set.userScroll(b.name(), static_cast<int>(b.min() + span * (i % 7) / 6));
        return true;
    }
    case ControlKind::Button:
    case ControlKind::Check:
        set.userClick(c.name());
        return true;
    case ControlKind::Memo:
    case ControlKind::Label:
        return false;
    }
    return false;
}

} // namespace

double RunHandlerSweep(std::FILE* out, int eventsPerControl) {
    using Clock = std::chrono::steady_clock;
    std::vector<Timing> timings;
    MessageRecorder messages;
    HelpRecorder help;
    Workbench bench(messages, help, ',');
    for (ControlSet* set : bench.controlSets()) {
        for (Control* c : set->controls()) {
            if (c == &bench.main().okButton) continue; // ends the program
            Reach(bench, *set);
            std::vector<double> micros;
            for (int i = 0; i < eventsPerControl; ++i) {
                // Controls the user cannot reach run no handler.
                if (!c->enabled || !c->visible) Reach(bench, *set);
                if (!c->enabled || !c->visible) break;
                const auto start = Clock::now();
                const bool taken = Event(*set, *c, i);
                const auto stop = Clock::now();
                if (!taken) break;
                micros.push_back(std::chrono::duration<double, std::micro>(stop - start).count());
                messages.entries.clear();
                help.topics.clear();
            }
            if (micros.empty()) continue;
            std::sort(micros.begin(), micros.end());
            timings.push_back({SetName(bench, *set), c->name(), micros[micros.size() / 2],
                               micros.back()});
        }
    }
    std::sort(timings.begin(), timings.end(),
              [](const Timing& a, const Timing& b) { return a.median > b.median; });

    std::fprintf(out, "\nHandler sweep: %zu controls, %d events each, median per event\n",
                 timings.size(), eventsPerControl);
    std::fprintf(out, "  %s %s %10s %10s\n", Pad("set", 14).c_str(), Pad("control", 16).c_str(),
                 "median us", "max us");
    for (size_t i = 0; i < timings.size() && i < 12; ++i)
        std::fprintf(out, "  %s %s %10.2f %10.1f\n", Pad(timings[i].set, 14).c_str(),
                     Pad(timings[i].control, 16).c_str(), timings[i].median, timings[i].max);
    std::fprintf(out, "Slowest handler of each control set:\n");
    std::vector<std::string> done;
    for (const Timing& t : timings) {
        if (std::find(done.begin(), done.end(), t.set) != done.end()) continue;
        done.push_back(t.set);
        std::fprintf(out, "  %s %s %10.2f us median\n", Pad(t.set, 14).c_str(),
                     Pad(t.control, 16).c_str(), t.median);
    }
    return timings.empty() ? 0 : timings.front().median;
}

} // namespace zerbo::bench
