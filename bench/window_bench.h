#pragma once

namespace zerbo::bench {

// Registers the window start-up benchmarks; needs a QApplication.
void RegisterWindowBenchmarks();

} // namespace zerbo::bench
