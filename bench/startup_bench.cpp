// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// zerbo_startup_bench: zerbo's start-up against a bare Qt program, process to
// process. Starts the real zerbo and zerbo_bare_window (an empty seven-tab
// dialog of the same size) alternately, each timed from just before the
// process is spawned until it reports its first frame painted; a run counts
// only when the process then exits cleanly (zerbo after building every
// deferred part, so its peak memory holds all seven pages). Prints the
// medians and their ratios: time to the first frame, the process's CPU time
// at its first frame (steadier than the time on a busy machine), time to
// the clean exit and peak resident memory.
//   zerbo_startup_bench [RUNS]   (default 21; the platform comes from the
//                                 environment, e.g. QT_QPA_PLATFORM=offscreen)

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int kReportFd = 3; // the child's end of the report pipe

long long Now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

struct Run {
    double firstFrameMs = 0; // spawn to first frame
    double cpuMs = 0;        // the process's CPU time at its first frame
    double exitMs = 0;       // spawn to the process reaped
    long peakKb = 0;         // peak resident memory
    int width = 0, height = 0;
};

// Runs one program; exits the benchmark when the program fails.
Run RunOnce(const std::vector<std::string>& args) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e)
        if (std::string(*e).rfind("ZERBO_STARTUP_REPORT_FD=", 0) != 0) env.emplace_back(*e);
    env.push_back("ZERBO_STARTUP_REPORT_FD=" + std::to_string(kReportFd));
    std::vector<char*> envp, argv;
    for (auto& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::vector<std::string> argsCopy = args;
    for (auto& a : argsCopy)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], kReportFd);
    // The offscreen platform's warnings are no part of the start-up.
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);

    const long long start = Now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        std::fprintf(stderr, "cannot start %s\n", argv[0]);
        std::exit(1);
    }
    std::string line;
    char buffer[128];
    ssize_t n = 0;
    while (line.find('\n') == std::string::npos &&
           (n = read(pipeFds[0], buffer, sizeof buffer)) > 0)
        line.append(buffer, static_cast<size_t>(n));
    close(pipeFds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const long long reaped = Now();

    Run run;
    long long frame = 0, cpu = 0;
    if (std::sscanf(line.c_str(), "%lld %lld %dx%d", &frame, &cpu, &run.width, &run.height) != 4 ||
        !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s: no first frame reported or no clean exit (status %d)\n", argv[0],
                     status);
        std::exit(1);
    }
    run.firstFrameMs = static_cast<double>(frame - start) / 1e6;
    run.cpuMs = static_cast<double>(cpu) / 1e6;
    run.exitMs = static_cast<double>(reaped - start) / 1e6;
    run.peakKb = usage.ru_maxrss;
    return run;
}

template <class F> double Median(const std::vector<Run>& runs, F field) {
    std::vector<double> v;
    for (const Run& r : runs)
        v.push_back(static_cast<double>(field(r)));
    std::sort(v.begin(), v.end());
    const size_t m = v.size() / 2;
    return v.size() % 2 != 0 ? v[m] : (v[m - 1] + v[m]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    const std::vector<std::string> zerbo = {ZERBO_PROGRAM};
    // One untimed run each first: the size of zerbo's window for the bare
    // one, and both programs' files in the page cache.
    const Run probe = RunOnce(zerbo);
    const std::vector<std::string> bare = {ZERBO_BARE_PROGRAM, std::to_string(probe.width),
                                           std::to_string(probe.height)};
    RunOnce(bare);

    std::vector<Run> zerboRuns, bareRuns;
    for (int i = 0; i < runs; ++i) {
        zerboRuns.push_back(RunOnce(zerbo));
        bareRuns.push_back(RunOnce(bare));
    }
    auto frame = [](const Run& r) { return r.firstFrameMs; };
    auto cpu = [](const Run& r) { return r.cpuMs; };
    auto exit = [](const Run& r) { return r.exitMs; };
    auto peak = [](const Run& r) { return r.peakKb; };
    std::printf("%d alternating runs each, window %dx%d, median:\n", runs, probe.width,
                probe.height);
    std::printf("%-6s %15s %15s %15s %13s\n", "", "first frame ms", "CPU to frame ms",
                "clean exit ms", "peak RSS KiB");
    std::printf("%-6s %15.1f %15.1f %15.1f %13.0f\n", "zerbo", Median(zerboRuns, frame),
                Median(zerboRuns, cpu), Median(zerboRuns, exit), Median(zerboRuns, peak));
    std::printf("%-6s %15.1f %15.1f %15.1f %13.0f\n", "bare", Median(bareRuns, frame),
                Median(bareRuns, cpu), Median(bareRuns, exit), Median(bareRuns, peak));
    std::printf("%-6s %15.2f %15.2f %15.2f %13.2f\n", "ratio",
                Median(zerboRuns, frame) / Median(bareRuns, frame),
                Median(zerboRuns, cpu) / Median(bareRuns, cpu),
                Median(zerboRuns, exit) / Median(bareRuns, exit),
                Median(zerboRuns, peak) / Median(bareRuns, peak));
    return 0;
}
