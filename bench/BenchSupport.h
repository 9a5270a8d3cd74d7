#pragma once
// What the benchmarks share: process CPU time, min / median / max of repeated figures, child processes timed with
// their own CPU, and the row table they give the switch simulator. Header-only; no Qt.
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace bench {

using Clock = std::chrono::steady_clock;

inline double Seconds(const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; }

// User and system CPU of this process so far.
inline double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
}

// The load average of the last minute, as the figures' context.
inline std::string LoadAverage() {
    std::ifstream in("/proc/loadavg");
    std::string one, five, fifteen;
    in >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

// Repeated figures of one quantity.
struct Series {
    std::vector<double> values;
    void Add(double v) { values.push_back(v); }
    double Min() const { return values.empty() ? 0 : *std::min_element(values.begin(), values.end()); }
    double Max() const { return values.empty() ? 0 : *std::max_element(values.begin(), values.end()); }
    double Median() const {
        if (values.empty()) return 0;
        std::vector<double> v = values;
        std::sort(v.begin(), v.end());
        const size_t n = v.size();
        return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    }
};

// "label   min / median / max unit", the numbers scaled by factor.
// The column heads over PrintSeries lines.
inline void PrintSeriesHeader() { std::printf("  %-44s %9s / %9s / %9s\n", "", "min", "median", "max"); }

inline void PrintSeries(const char* label, const Series& s, double factor, const char* unit, const char* note = "") {
    std::printf("  %-44s %9.2f / %9.2f / %9.2f %s%s\n", label, s.Min() * factor, s.Median() * factor, s.Max() * factor,
                unit, note);
}

// A child process run to its end: wall and CPU seconds, what it printed, and whether it exited with 0.
struct ChildRun {
    double wall = 0;
    double cpu = 0;
    int lines = 0;
    std::string output;
    bool ok = false;
};

inline ChildRun RunChild(std::vector<std::string> args) {
    ChildRun run;
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    int out[2];
    if (pipe(out) != 0) return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const auto start = Clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return run;
    }
    char buffer[65536];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) {
        for (ssize_t k = 0; k < n; ++k) run.lines += buffer[k] == '\n';
        if (run.output.size() < sizeof buffer) run.output.append(buffer, static_cast<size_t>(n));
    }
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.wall = std::chrono::duration<double>(Clock::now() - start).count();
    run.cpu = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

// The simulator's row table: rows of a name, a state, an IP address, a port list and a MAC address under
// 1.3.6.1.4.1.32473.98.1.1 (QSW-BENCH-MIB::simTable), index 1 to rows.
inline constexpr const char* SimRowEntry = "1.3.6.1.4.1.32473.98.1.1";

inline void WriteRowScenario(const std::string& path, int rows) {
    std::ofstream out(path);
    for (int r = 1; r <= rows; ++r) {
        const std::string at = "." + std::to_string(r);
        char mac[16];
        std::snprintf(mac, sizeof mac, "00000000%04X", r & 0xFFFF);
        out << "set " << SimRowEntry << ".2" << at << " str port-" << r << "\n"
            << "set " << SimRowEntry << ".3" << at << " int " << (r % 3 + 1) << "\n"
            << "set " << SimRowEntry << ".4" << at << " ip 10." << r / 65536 << "." << r / 256 % 256 << "." << r % 256
            << "\n"
            << "set " << SimRowEntry << ".5" << at << " hex F080" << (r % 2 ? "00" : "01") << "00\n"
            << "set " << SimRowEntry << ".6" << at << " hex " << mac << "\n";
    }
}

}  // namespace bench
