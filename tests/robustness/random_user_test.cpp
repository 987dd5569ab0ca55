// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "robustness/random_user.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace zerbo;
using namespace zerbo::robustness;

namespace {

long EnvNumber(const char* name, long fallback) {
    const char* v = std::getenv(name);
    return v != nullptr && *v != '\0' ? std::strtol(v, nullptr, 10) : fallback;
}

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Fixed seeds and a bounded count: the same sequences on every run.
// ZERBO_RANDOM_USER_EVENTS changes the count per seed and separator.
TEST(RandomUser, FixedSeedsKeepEveryInvariant) {
    const long events = EnvNumber("ZERBO_RANDOM_USER_EVENTS", 15000);
    const auto start = std::chrono::steady_clock::now();
    long total = 0;
    for (std::uint64_t seed : {1u, 2u, 3u, 4u}) {
        for (char separator : {',', '.'}) {
            RandomUser user(seed, separator);
            const std::string report = user.run(events);
            total += user.eventsRun();
            ASSERT_TRUE(report.empty()) << report;
        }
    }
    std::printf("random user: %ld events in %.2f s, %.0f events/s\n", total, Seconds(start),
                total / Seconds(start));
}

// The long run (`make soak`): new seeds until ZERBO_RANDOM_USER_SECONDS
// have passed, starting at ZERBO_RANDOM_USER_SEED (default: the clock).
TEST(RandomUser, Soak) {
    const long seconds = EnvNumber("ZERBO_RANDOM_USER_SECONDS", 0);
    if (seconds <= 0) GTEST_SKIP() << "set ZERBO_RANDOM_USER_SECONDS to soak";
    const auto start = std::chrono::steady_clock::now();
    std::uint64_t seed = static_cast<std::uint64_t>(EnvNumber(
        "ZERBO_RANDOM_USER_SEED", static_cast<long>(std::chrono::system_clock::now()
                                                         .time_since_epoch()
                                                         .count() %
                                                     1000000007)));
    std::printf("soak: seeds from %llu for %ld s\n", static_cast<unsigned long long>(seed),
                seconds);
    long total = 0;
    long sessions = 0;
    double lastReport = 0;
    for (; Seconds(start) < static_cast<double>(seconds); ++seed) {
        RandomUser user(seed, seed % 2 == 0 ? ',' : '.');
        const std::string report = user.run(100000);
        total += user.eventsRun();
        sessions += user.sessions();
        ASSERT_TRUE(report.empty()) << report;
        if (Seconds(start) - lastReport >= 10) {
            lastReport = Seconds(start);
            std::printf("  %ld events, %.0f events/s\n", total, total / lastReport);
            std::fflush(stdout);
        }
    }
    std::printf("soak: %ld events in %ld sessions, %.2f s, %.0f events/s, last seed %llu\n", total,
                sessions, Seconds(start), total / Seconds(start),
                static_cast<unsigned long long>(seed - 1));
}

} // namespace
