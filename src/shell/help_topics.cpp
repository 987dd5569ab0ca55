// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/help_topics.h"

#include <array>

namespace zerbo {

namespace {

constexpr std::array<HelpTopic, 13> kTopics = {{
    {0, "Übersicht", "index.html"},
    {104, "Fräsen", "fraesen.html"},
    {105, "Drehen", "drehen.html"},
    {106, "Bohren", "bohren.html"},
    {107, "Reiben", "reiben.html"},
    {108, "Senken", "senken.html"},
    {109, "Sägen", "saegen.html"},
    {0, "Rechner", "rechner.html"},
    {0, "Werkstoffgruppen", "werkstoffgruppen.html"},
    {110, "Genaue Materialbestimmung", "werkstoff.html"},
    {0, "Fehlerratgeber", "ratgeber.html"},
    {0, "Einrichteblatt", "einrichteblatt.html"},
    {0, "Formeln und Einheiten", "formeln.html"},
}};

} // namespace

std::span<const HelpTopic> HelpTopics() { return kTopics; }

const HelpTopic* FindHelpTopic(int context) {
    if (context == 0) return nullptr;
    for (const HelpTopic& t : kTopics)
        if (t.context == context) return &t;
    return nullptr;
}

const HelpTopic* FindHelpPage(std::string_view page) {
    for (const HelpTopic& t : kTopics)
        if (t.page == page) return &t;
    return nullptr;
}

} // namespace zerbo
