// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "robustness/invariants.h"

#include "shell/help_topics.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace zerbo::robustness {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Whether `word` starts with the lower-case `prefix`, in any case.
bool StartsWith(std::string_view word, std::string_view prefix) {
    if (word.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (Lower(word[i]) != prefix[i]) return false;
    return true;
}

bool NonFiniteWord(std::string_view word) {
    if (!word.empty() && (word.front() == '-' || word.front() == '+')) word.remove_prefix(1);
    if (word.size() == 3) return StartsWith(word, "nan") || StartsWith(word, "inf");
    if (word.size() > 4 && StartsWith(word, "nan(")) return true;
    return word.size() == 8 && StartsWith(word, "infinity");
}

constexpr std::string_view kUncaughtTail = "' ist kein gültiger Gleitkommawert.";

// Calls `f` with every text a control shows besides a field's text.
template <class F> void ForEachText(const Control& control, F f) {
    f(control.hint);
    switch (control.kind()) {
    case ControlKind::List:
        for (const std::string& item : static_cast<const List&>(control).items()) f(item);
        break;
    case ControlKind::Button: f(static_cast<const Button&>(control).caption); break;
    case ControlKind::Check: f(static_cast<const Check&>(control).caption); break;
    case ControlKind::Memo:
        for (const std::string& line : static_cast<const Memo&>(control).lines) f(line);
        break;
    case ControlKind::Label: f(static_cast<const Label&>(control).caption); break;
    case ControlKind::Field:
    case ControlKind::Bar: break;
    }
}

} // namespace

bool ShowsNonFinite(std::string_view text) {
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
        size_t end = i;
        while (end < text.size() && text[end] != ' ' && text[end] != '\t') ++end;
        if (end > i && NonFiniteWord(text.substr(i, end - i))) return true;
        i = end;
    }
    return false;
}

bool IsOwnMessage(const MessageRecorder::Entry& entry, const NumberText& numbers) {
    const std::string_view text = entry.text;
    for (std::string_view declared : DeclaredMessageTexts())
        if (text == declared) return true;
    if (!entry.isError) return text == kInputNotice1 || text == kInputNotice2;
    if (text == kDecimalErrorText) return true;
    if (text.size() < 1 + kUncaughtTail.size() || text.front() != '\'' ||
        text.substr(text.size() - kUncaughtTail.size()) != kUncaughtTail)
        return false;
    const std::string_view quoted = text.substr(1, text.size() - 1 - kUncaughtTail.size());
    return UncaughtConversionText(quoted) == text && !numbers.tryParse(quoted).has_value();
}

void InvariantChecker::watch(const ControlSet& set, std::string name) {
    Watched w{&set, std::move(name), {}};
    for (const Control* c : set.controls()) {
        Seen seen{c, false, false, {}, 0};
        // What a field shows from the start counts as shown.
        if (c->kind() == ControlKind::Field) {
            const std::string& text = static_cast<const Field*>(c)->text();
            if (numbers_.tryParse(text).has_value())
                seen.number = true;
            else if (!text.empty())
                seen.words = true;
        }
        w.seen.push_back(std::move(seen));
    }
    sets_.push_back(std::move(w));
}

void InvariantChecker::typed(const Field& field, const std::string& text) {
    for (Watched& w : sets_)
        for (Seen& s : w.seen)
            if (s.control == &field) s.typed = text;
}

bool InvariantChecker::readsAsNumber(std::string_view text) const {
    if (numbers_.tryParse(text).has_value()) return true;
    // A range of two numbers: "0.1-0.2".
    const size_t dash = text.find('-', 1);
    return dash != std::string_view::npos && numbers_.tryParse(text.substr(0, dash)) &&
           numbers_.tryParse(text.substr(dash + 1));
}

void InvariantChecker::checkField(Seen& seen, const std::string& set,
                                  std::vector<std::string>& faults) {
    const auto& field = static_cast<const Field&>(*seen.control);
    const std::string& text = field.text();
    if (field.editable && text == seen.typed) return; // the user's own text
    if (ShowsNonFinite(text)) {
        faults.push_back(set + "." + field.name() + " shows \"" + text + "\"");
        return;
    }
    if (readsAsNumber(text))
        seen.number = true;
    else if (text.empty())
        return;
    else if (!seen.number)
        seen.words = true;
    else if (!seen.words && std::any_of(text.begin(), text.end(), IsDigit))
        faults.push_back(set + "." + field.name() + " holds \"" + text +
                         "\" where a number belongs");
}

void InvariantChecker::checkControl(Seen& seen, const std::string& set,
                                    std::vector<std::string>& faults) {
    const Control& control = *seen.control;
    auto where = [&] { return set + "." + control.name(); };

    switch (control.kind()) {
    case ControlKind::Field:
        checkField(seen, set, faults);
        break;
    case ControlKind::List: {
        const auto& l = static_cast<const List&>(control);
        if (l.index() < -1 || l.index() >= l.count())
            faults.push_back(where() + " selects " + std::to_string(l.index()) + " of " +
                             std::to_string(l.count()) + " items");
        else if (l.count() > 0 && l.index() < 0)
            faults.push_back(where() + " holds " + std::to_string(l.count()) +
                             " items and selects none");
        break;
    }
    case ControlKind::Bar: {
        const auto& b = static_cast<const Bar&>(control);
        if (b.min() > b.max() || b.position() < b.min() || b.position() > b.max())
            faults.push_back(where() + " at " + std::to_string(b.position()) + " outside [" +
                             std::to_string(b.min()) + ", " + std::to_string(b.max()) + "]");
        break;
    }
    case ControlKind::Button: {
        const auto& b = static_cast<const Button&>(control);
        if (b.group() != nullptr && b.down()) {
            int down = 0;
            for (const Button* other : b.group()->buttons()) down += other->down() ? 1 : 0;
            if (down > 1) faults.push_back(where() + ": " + std::to_string(down) + " buttons down");
        }
        break;
    }
    case ControlKind::Check:
    case ControlKind::Memo:
    case ControlKind::Label:
        break;
    }
    // The other texts: scanned again only when they changed.
    size_t hash = 0;
    ForEachText(control, [&](const std::string& t) {
        hash = hash * 1000003u ^ std::hash<std::string>{}(t);
    });
    if (hash == seen.textsHash) return;
    seen.textsHash = hash;
    ForEachText(control, [&](const std::string& t) {
        if (ShowsNonFinite(t)) faults.push_back(where() + " shows \"" + t + "\"");
    });
}

std::vector<std::string> InvariantChecker::check(const CalcState* state) {
    std::vector<std::string> faults;
    for (Watched& w : sets_) {
        if (w.seen.size() != w.set->controls().size())
            faults.push_back(w.name + " changed its controls");
        for (Seen& s : w.seen) checkControl(s, w.name, faults);
    }

    for (; messagesSeen_ < messages_.entries.size(); ++messagesSeen_) {
        const auto& entry = messages_.entries[messagesSeen_];
        if (!IsOwnMessage(entry, numbers_))
            faults.push_back(std::string(entry.isError ? "error" : "information") +
                             " message not the program's own: \"" + entry.text + "\"");
    }
    for (; topicsSeen_ < help_.topics.size(); ++topicsSeen_)
        if (FindHelpTopic(help_.topics[topicsSeen_]) == nullptr)
            faults.push_back("help topic " + std::to_string(help_.topics[topicsSeen_]) +
                             " does not exist");

    if (state != nullptr) {
        const CalculatorValues& v = state->calculator;
        for (double x : {v.d, v.vc, v.n, v.z, v.fz, v.vf, state->lengthReduction})
            if (!std::isfinite(x)) faults.push_back("shared state holds a non-finite value");
        if (FindHelpTopic(state->helpContext) == nullptr)
            faults.push_back("help context " + std::to_string(state->helpContext) +
                             " has no topic");
    }
    return faults;
}

} // namespace zerbo::robustness
