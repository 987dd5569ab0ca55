// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace zerbo::bench {

// Registers the window start-up benchmarks; needs a QApplication.
void RegisterWindowBenchmarks();

} // namespace zerbo::bench
