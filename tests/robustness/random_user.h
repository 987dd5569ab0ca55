// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The random user: drives a whole workbench through long random sequences
// of user events, reaching pages and dialogs only as the window would (the
// page shown, the button panel, dialogs while shown) and through the same
// entry points the window's binder calls. Every control of every control
// set is found through Workbench::controlSets(), so a page is covered as
// soon as it is created there.

#include "robustness/invariants.h"
#include "workbench/workbench.h"

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace zerbo::robustness {

// Random texts a user may type: numbers of every shape with either
// separator, near misses and garbage.
std::string RandomTypedText(std::mt19937_64& rng);

class RandomUser {
  public:
    RandomUser(std::uint64_t seed, char separator);

    // Runs up to `events` events; stops at the first broken invariant and
    // returns a report (seed, event, the events before it, the faults).
    // Empty when everything held.
    std::string run(long events);
    long eventsRun() const { return eventsRun_; }
    long sessions() const { return sessions_; }
    // Events sent to the controls of a control set, by its name
    // ("Rechner", "Hauptfenster", the dialogs' form names, ...).
    long eventsOn(const std::string& set) const;
    // A digest of every event sent: equal runs give equal digests.
    std::uint64_t digest() const { return digest_; }

  private:
    void startSession();
    std::string setName(const ControlSet& set) const;
    void act();
    void controlEvent(ControlSet& set);
    void typeInto(ControlSet& set, Field& field);
    void keystroke();
    void edit(ControlSet& set, Field& field, const std::string& text);
    void expect(bool accepted, bool shouldAccept, const std::string& event);
    void note(std::string event);
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(rng_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(rng_); }

    std::uint64_t seed_;
    char separator_;
    std::mt19937_64 rng_;
    bool trace_; // ZERBO_RANDOM_USER_TRACE set: every event to stderr
    MessageRecorder messages_;
    HelpRecorder help_;
    std::unique_ptr<Workbench> bench_;
    std::unique_ptr<InvariantChecker> checker_;
    std::deque<std::string> recent_;
    // Keys still to type, one event each, into a field of a control set.
    struct Typing {
        ControlSet* set = nullptr;
        Field* field = nullptr;
        std::vector<std::string> keys; // one character each; "\b" is backspace
        size_t next = 0;
    } typing_;
    std::vector<std::string> faults_;
    std::map<std::string, long> eventsOn_;
    std::uint64_t digest_ = 0;
    long eventsRun_ = 0;
    long sessions_ = 0;
};

} // namespace zerbo::robustness
