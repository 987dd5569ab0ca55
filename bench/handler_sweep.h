// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Times every handler of every control set the workbench has: each control
// that takes user events gets a run of events through the user entry
// points, and the median time per event is reported.

#include <cstdio>

namespace zerbo::bench {

// Prints the slowest handlers and each control set's slowest; returns the
// largest median in microseconds.
double RunHandlerSweep(std::FILE* out, int eventsPerControl);

} // namespace zerbo::bench
