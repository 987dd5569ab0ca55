// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What must hold after every user event, whatever the user did: the checks
// the random user and the calculator fuzzer run.
//
// Number fields. A field that belongs to the program (not editable, or
// editable but not holding what the user typed) holds a number as soon as
// it has once shown a text that reads as one; from then on it must read as
// a number, be empty or be a word without digits (a feed "Hand"); a range
// of two numbers ("0.1-0.2") counts as a number. Fields that only ever show
// words ("HSS", "P25", "Emulsion") are never taken for number fields, nor
// are fields that showed words before any number (an information field that
// shows a drill type or a limit, by tool). What a field shows when it is
// first watched counts. The text a user typed into an editable field stays
// the user's, whatever it is.

#include "shell/control_set.h"
#include "shell/messages.h"

#include <string>
#include <string_view>
#include <vector>

namespace zerbo::robustness {

// Whether a text shows a number that is not finite: a word "nan", "inf" or
// "infinity" (any case, with or without sign), or "nan(...)".
bool ShowsNonFinite(std::string_view text);

// Whether a message is one of the program's own: the decimal-separator
// message or an uncaught conversion failure (both errors) of a text that
// indeed does not read as a number, one of the input notices
// (information), or a text a module declared as a MessageText.
bool IsOwnMessage(const MessageRecorder::Entry& entry, const NumberText& numbers);

class InvariantChecker {
  public:
    InvariantChecker(const NumberText& numbers, const MessageRecorder& messages,
                     const HelpRecorder& help)
        : numbers_(numbers), messages_(messages), help_(help) {}

    // Watches every control of a control set; `name` names it in faults.
    void watch(const ControlSet& set, std::string name);
    // The user typed `text` into `field`.
    void typed(const Field& field, const std::string& text);

    // Checks every watched control, the messages and help topics shown since
    // the last check and the shared state; returns one line per fault.
    std::vector<std::string> check(const CalcState* state = nullptr);

  private:
    // What is remembered of a control between checks.
    struct Seen {
        const Control* control;
        bool number = false;     // a field that has shown a number
        bool words = false;      // ... and one that showed words before any number
        std::string typed;       // the last text the user typed into a field
        size_t textsHash = 0;    // of the texts last scanned for "nan"/"inf"
    };
    struct Watched {
        const ControlSet* set;
        std::string name;
        std::vector<Seen> seen;
    };
    void checkControl(Seen& seen, const std::string& set, std::vector<std::string>& faults);
    void checkField(Seen& seen, const std::string& set, std::vector<std::string>& faults);
    bool readsAsNumber(std::string_view text) const;

    const NumberText& numbers_;
    const MessageRecorder& messages_;
    const HelpRecorder& help_;
    std::vector<Watched> sets_;
    size_t messagesSeen_ = 0;
    size_t topicsSeen_ = 0;
};

} // namespace zerbo::robustness
