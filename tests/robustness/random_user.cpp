// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "robustness/random_user.h"

#include "materials/material_dialog.h"
#include "milling/milling_relations.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <functional>
#include <limits>
#include <string_view>
#include <vector>

namespace zerbo::robustness {

namespace {

constexpr size_t kRecentEvents = 40;

const char* const kExtremes[] = {
    "1e308", "1,7976931348623157e308", "1.79769313486232E308", "-1e308", "4,9e-324",
    "2.2250738585072014e-308", "1e-320", "1e400", "1e-400", "0", "-0", "0,0", "000000000000000001",
    "999999999999999999999", "0.000000000000000000001", "1E15", "999999999999999", "2147483648",
    "-2147483649", "4294967296", "1e10", "1e-10", "0,1", "0.05", "100000", "123456789012345678"};
const char* const kNearMisses[] = {"",     " ",       ",",     ".",     "-",     "+",
                                   "e",    "1e",      "1e+",   "1,2,3", "1.2.3", "1,250.5",
                                   "12a",  "a12",     " 5 ",   "5 5",   "--5",   "+-5",
                                   ",5",   "5,",      "1E5.5", "0x10",  "1e-",   "-,"};
const char* const kWords[] = {"nan", "NAN", "inf", "INF", "-inf", "Infinity", "abc", "HSS",
                              "P25", "ä",   "€",   "\t5", "ß",    "1½",       "Öl",  "\xc2\xa0"};
constexpr std::string_view kAlphabet = "0123456789,.-+eE ax";

template <size_t N> std::string Choose(std::mt19937_64& rng, const char* const (&list)[N]) {
    return list[std::uniform_int_distribution<size_t>(0, N - 1)(rng)];
}

std::string Digits(std::mt19937_64& rng, int count) {
    std::string s;
    for (int i = 0; i < count; ++i)
        s.push_back(static_cast<char>('0' + std::uniform_int_distribution<int>(0, 9)(rng)));
    return s;
}

// Splits a UTF-8 text into its characters.
std::vector<std::string> Characters(const std::string& text) {
    std::vector<std::string> out;
    for (char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) == 0x80 && !out.empty())
            out.back().push_back(c);
        else
            out.emplace_back(1, c);
    }
    return out;
}

// The text without its last character.
std::string Backspace(const std::string& text) {
    auto chars = Characters(text);
    if (!chars.empty()) chars.pop_back();
    std::string out;
    for (const auto& c : chars) out += c;
    return out;
}

bool Usable(const Control& c) { return c.enabled && c.visible; }

} // namespace

std::string RandomTypedText(std::mt19937_64& rng) {
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const std::string sep = pick(2) == 0 ? "," : ".";
    const std::string sign = pick(6) == 0 ? "-" : "";
    switch (pick(10)) {
    case 0: return sign + Digits(rng, 1 + pick(5));
    case 1: return sign + Digits(rng, 1 + pick(4)) + sep + Digits(rng, 1 + pick(6));
    case 2: return sign + Digits(rng, 1 + pick(3)) + (pick(2) ? "e" : "E") +
                   (pick(2) ? "-" : (pick(2) ? "+" : "")) + Digits(rng, 1 + pick(3));
    case 3: return Choose(rng, kExtremes);
    case 4: return Choose(rng, kNearMisses);
    case 5: return Choose(rng, kWords);
    case 6: return Digits(rng, 30 + pick(370)) + (pick(2) ? sep + Digits(rng, pick(50)) : "");
    default: {
        std::string s;
        for (int n = pick(13); n > 0; --n) s.push_back(kAlphabet[static_cast<size_t>(pick(
                                                  static_cast<int>(kAlphabet.size())))]);
        return s;
    }
    }
}

RandomUser::RandomUser(std::uint64_t seed, char separator)
    : seed_(seed), separator_(separator), rng_(seed),
      trace_(std::getenv("ZERBO_RANDOM_USER_TRACE") != nullptr) {
    startSession();
}

void RandomUser::startSession() {
    typing_ = {};
    checker_.reset();
    bench_.reset();
    messages_.entries.clear();
    help_.topics.clear();
    ++sessions_;
    note("start session " + std::to_string(sessions_));
    bench_ = std::make_unique<Workbench>(messages_, help_, separator_);
    checker_ = std::make_unique<InvariantChecker>(bench_->shell().numbers, messages_, help_);
    for (ControlSet* set : bench_->controlSets()) checker_->watch(*set, setName(*set));
}

std::string RandomUser::setName(const ControlSet& set) const {
    if (&set == &bench_->main()) return "Hauptfenster";
    if (&set == &bench_->materialDialog()) return std::string(PreciseMaterialDialog::kFormName);
    if (&set == &bench_->advisor()) return std::string(advisor::AdvisorDialog::kName);
    if (const auto* page = dynamic_cast<const PageModel*>(&set)) return page->caption();
    return "?";
}

long RandomUser::eventsOn(const std::string& set) const {
    const auto it = eventsOn_.find(set);
    return it == eventsOn_.end() ? 0 : it->second;
}

void RandomUser::note(std::string event) {
    digest_ = digest_ * 1000003u ^ std::hash<std::string>{}(event);
    if (trace_) std::fprintf(stderr, "%ld: %s\n", eventsRun_, event.c_str());
    if (recent_.size() == kRecentEvents) recent_.pop_front();
    recent_.push_back(std::to_string(eventsRun_) + ": " + std::move(event));
}

void RandomUser::expect(bool accepted, bool shouldAccept, const std::string& event) {
    if (accepted != shouldAccept)
        faults_.push_back(event + (accepted ? " was taken" : " was refused"));
}

void RandomUser::edit(ControlSet& set, Field& field, const std::string& text) {
    const std::string event = setName(set) + "." + field.name() + " typed \"" + text + "\"";
    note(event);
    const bool should = Usable(field) && field.editable;
    checker_->typed(field, text);
    expect(set.userEdit(field.name(), text), should, event);
}

void RandomUser::typeInto(ControlSet& set, Field& field) {
    const int mode = pick(10);
    std::string text = RandomTypedText(rng_);
    if (mode < 5 || text.size() > 24) { // pasted over the whole text
        edit(set, field, text);
        return;
    }
    if (mode < 9) { // typed key by key over the selected text
        typing_ = {&set, &field, Characters(text), 0};
        if (typing_.keys.empty())
            typing_.keys.push_back("\b");
        else if (chance(0.2))
            typing_.keys.insert(typing_.keys.begin() + pick(static_cast<int>(typing_.keys.size())),
                                "\b");
        keystroke();
        return;
    }
    // One key at the end of the text as it stands.
    edit(set, field, chance(0.5) ? Backspace(field.text()) : field.text() + RandomTypedText(rng_));
}

void RandomUser::keystroke() {
    Typing& t = typing_;
    const std::string& key = t.keys[t.next];
    std::string text;
    if (t.next == 0)
        text = key == "\b" ? "" : key; // replaces the selected text
    else
        text = key == "\b" ? Backspace(t.field->text()) : t.field->text() + key;
    ++t.next;
    ControlSet& set = *t.set;
    Field& field = *t.field;
    if (t.next == t.keys.size()) typing_ = {};
    // A field that became disabled or hidden takes no more keys; the user
    // goes elsewhere.
    if (!Usable(field)) {
        typing_ = {};
        note("typing into " + field.name() + " stopped");
        return;
    }
    edit(set, field, text);
}

void RandomUser::controlEvent(ControlSet& set) {
    std::vector<Control*> targets;
    for (Control* c : set.controls())
        if (c->kind() != ControlKind::Memo && c->kind() != ControlKind::Label) targets.push_back(c);
    if (targets.empty()) return;
    Control& c = *targets[static_cast<size_t>(pick(static_cast<int>(targets.size())))];
    // "Beenden" ends the session; keep sessions long.
    if (&c == &bench_->main().okButton && !chance(0.02)) return;

    const std::string where = setName(set) + "." + c.name();
    ++eventsOn_[setName(set)];
    switch (c.kind()) {
    case ControlKind::Field: {
        auto& f = static_cast<Field&>(c);
        if (Usable(f) && f.editable) {
            typeInto(set, f);
        } else {
            const std::string before = f.text();
            edit(set, f, RandomTypedText(rng_));
            if (f.text() != before) faults_.push_back(where + " changed by a refused edit");
        }
        break;
    }
    case ControlKind::List: {
        auto& l = static_cast<List&>(c);
        int index;
        const int r = pick(10);
        if (r < 8 && l.count() > 0)
            index = pick(l.count());
        else if (r == 9 && l.index() >= 0)
            index = l.index();
        else
            index = std::vector<int>{-1, l.count(), l.count() + 7, -100}[static_cast<size_t>(pick(4))];
        const std::string event = where + " select " + std::to_string(index) + " of " +
                                  std::to_string(l.count());
        note(event);
        const bool should = Usable(l) && index >= 0 && index < l.count();
        expect(set.userSelect(c.name(), index), should, event);
        break;
    }
    case ControlKind::Bar: {
        auto& b = static_cast<Bar&>(c);
        long long target;
        const int r = pick(10);
        const long long pos = b.position();
        if (r < 4)
            target = std::uniform_int_distribution<int>(b.min(), b.max())(rng_);
        else if (r < 6)
            target = pos + (chance(0.5) ? b.smallStep : -b.smallStep);
        else if (r < 8)
            target = pos + (chance(0.5) ? b.largeStep : -b.largeStep);
        else if (r < 9)
            target = chance(0.5) ? b.min() : b.max();
        else
            target = chance(0.5) ? b.min() - 1LL - pick(1000) : b.max() + 1LL + pick(1000);
        const int position = static_cast<int>(std::clamp<long long>(
            target, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
        const std::string event = where + " scroll to " + std::to_string(position) + " in [" +
                                  std::to_string(b.min()) + ", " + std::to_string(b.max()) + "]";
        note(event);
        expect(set.userScroll(c.name(), position), Usable(b), event);
        break;
    }
    case ControlKind::Button:
    case ControlKind::Check: {
        const std::string event = where + " click";
        note(event);
        expect(set.userClick(c.name()), Usable(c), event);
        break;
    }
    case ControlKind::Memo:
    case ControlKind::Label:
        break;
    }
}

void RandomUser::act() {
    if (typing_.field != nullptr) {
        keystroke();
        return;
    }
    MainWindowModel& main = bench_->main();
    PreciseMaterialDialog& material = bench_->materialDialog();
    advisor::AdvisorDialog& advisor = bench_->advisor();
    ControlSet& page = main.page(main.pageIndex());
    // A shown dialog takes a third of the events, the page shown the rest
    // of the control events.
    std::vector<ControlSet*> shown;
    if (material.visible()) shown.push_back(&material);
    if (advisor.visible) shown.push_back(&advisor);
    const int roll = pick(100);
    if (roll < 63) {
        if (shown.empty() || roll < 40) return controlEvent(page);
        return controlEvent(*shown[static_cast<size_t>(pick(static_cast<int>(shown.size())))]);
    }
    if (roll < 68) return controlEvent(main);
    if (roll < 78) {
        const int index = chance(0.05) ? (chance(0.5) ? -1 : kPageCount) : pick(kPageCount);
        note("tab " + std::to_string(index));
        const int before = main.pageIndex();
        main.selectPage(index);
        const bool valid = index >= 0 && index < kPageCount;
        if (main.pageIndex() != (valid ? index : before))
            faults_.push_back("tab " + std::to_string(index) + " shows page " +
                              std::to_string(main.pageIndex()));
        return;
    }
    if (roll < 82) {
        note("advice button");
        expect(main.userClick(main.advisorButton.name()), Usable(main.advisorButton),
               "advice button");
        return;
    }
    if (roll < 85) {
        note("hint switch");
        const bool before = main.hintsShown();
        main.userClick(main.hintButton.name());
        if (main.hintsShown() == before) faults_.push_back("hint switch did not switch");
        return;
    }
    if (roll < 88) {
        note("F1");
        const size_t before = help_.topics.size();
        main.helpKey();
        if (help_.topics.size() != before + 1) faults_.push_back("F1 opened no help topic");
        return;
    }
    if (roll < 91) {
        // The "Werkstoff" buttons of the milling and turning pages.
        if (main.pageIndex() > 1) return controlEvent(page);
        note("open the precise-material dialog");
        OpenMaterialDialog(bench_->shell());
        if (!material.visible()) faults_.push_back("the precise-material dialog did not open");
        return;
    }
    if (roll < 94) {
        if (material.visible() && (!advisor.visible || chance(0.5))) {
            note("close box of the precise-material dialog");
            material.userClose();
            if (material.visible()) faults_.push_back("the precise-material dialog stayed open");
        } else if (advisor.visible) {
            note("close box of the advisor");
            advisor.close();
        }
        return;
    }
    if (roll < 96) {
        if (!material.visible()) return controlEvent(page);
        note("F1 in the precise-material dialog");
        material.userHelp();
        return;
    }
    if (roll < 97) {
        note("window activated");
        main.activate();
        return;
    }
    controlEvent(page);
}

std::string RandomUser::run(long events) {
    for (long i = 0; i < events; ++i) {
        try {
            act();
        } catch (const std::exception& e) {
            faults_.push_back(std::string("exception escaped: ") + e.what());
        } catch (...) {
            faults_.push_back("unknown exception escaped");
        }
        ++eventsRun_;
        for (auto& f : checker_->check(&bench_->shell().state)) faults_.push_back(std::move(f));
        if (const auto* milling = dynamic_cast<const MillingPage*>(&bench_->main().page(0)))
            for (auto& f : testing::MillingRelationFaults(*milling))
                faults_.push_back("Fräsen: " + f);
        if (bench_->main().pageIndex() < 0 || bench_->main().pageIndex() >= kPageCount)
            faults_.push_back("page index " + std::to_string(bench_->main().pageIndex()));
        if (!faults_.empty()) {
            std::string report = "seed " + std::to_string(seed_) + ", separator '" + separator_ +
                                 "', session " + std::to_string(sessions_) + ", event " +
                                 std::to_string(eventsRun_ - 1) + "\nlast events:\n";
            for (const auto& e : recent_) report += "  " + e + "\n";
            report += "faults:\n";
            for (const auto& f : faults_) report += "  " + f + "\n";
            return report;
        }
        if (bench_->main().closed()) startSession();
    }
    return {};
}

} // namespace zerbo::robustness
