// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target: the "Rechner" page model under random typed texts.
//
// The input is a list of lines; a line's first byte picks the field (its
// value modulo 6: D, Vc, n, z, fz, Vf) and the rest is the text typed into
// it. Every input runs under both system separators, with the invariant
// checks of the random user after every line.

#include "calculator/calculator_page.h"
#include "robustness/invariants.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace zerbo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    for (char separator : {',', '.'}) {
        MessageRecorder messages;
        HelpRecorder help;
        Shell shell(messages, help, separator);
        CalculatorPage page(shell);
        robustness::InvariantChecker checker(shell.numbers, messages, help);
        checker.watch(page, "Rechner");
        Field* fields[] = {&page.diameter, &page.cuttingSpeed, &page.spindleSpeed,
                           &page.edges, &page.chipThickness, &page.feedRate};

        size_t pos = 0;
        while (pos < input.size()) {
            size_t end = input.find('\n', pos);
            if (end == std::string_view::npos) end = input.size();
            const std::string_view line = input.substr(pos, end - pos);
            pos = end + 1;
            if (line.empty()) continue;
            Field& field = *fields[static_cast<unsigned char>(line[0]) % 6];
            const std::string text(line.substr(1));
            checker.typed(field, text);
            if (!page.userEdit(field.name(), text)) {
                std::fprintf(stderr, "fault: %s refused a typed text\n", field.name().c_str());
                std::abort();
            }
            const auto faults = checker.check(&shell.state);
            if (!faults.empty()) {
                std::fprintf(stderr, "fault after typing \"%s\" into %s (separator '%c'):\n",
                             text.c_str(), field.name().c_str(), separator);
                for (const auto& f : faults) std::fprintf(stderr, "  %s\n", f.c_str());
                std::abort();
            }
        }
    }
    return 0;
}
