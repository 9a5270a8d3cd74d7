#pragma once
// Instruction counts of a measured part when the benchmark runs under callgrind: the counters are zeroed before the
// part and dumped after it, and the dump's total is read back from the file callgrind wrote. Callgrind writes its
// dumps beside its default output file, callgrind.out.<pid>.<n>, in the directory the process was started in, so
// the benchmark is run without --callgrind-out-file. Outside callgrind every count is absent.
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#define QSW_BENCH_HAS_CALLGRIND 1
#endif

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace bench {

class Callgrind {
public:
    // Call at the start of main, before anything changes the working directory.
    static void NoteStartDirectory() { StartDirectory() = std::filesystem::current_path().string(); }

    static bool Running() {
#ifdef QSW_BENCH_HAS_CALLGRIND
        return RUNNING_ON_VALGRIND != 0;
#else
        return false;
#endif
    }

    // Zeroes the counters: what is collected from here on is the next Dump's total.
    static void Start() {
#ifdef QSW_BENCH_HAS_CALLGRIND
        CALLGRIND_ZERO_STATS;
#endif
    }

    // Dumps the counters collected since Start and returns their total of instructions (only what the
    // --toggle-collect functions ran, when the run names some), or nothing outside callgrind or without a dump.
    static std::optional<long long> Dump(const char* label) {
        if (!Running()) return std::nullopt;
#ifdef QSW_BENCH_HAS_CALLGRIND
        CALLGRIND_DUMP_STATS_AT(label);
#else
        (void)label;
#endif
        const std::string path =
            StartDirectory() + "/callgrind.out." + std::to_string(getpid()) + "." + std::to_string(++Dumps());
        return TotalOf(path);
    }

private:
    static std::string& StartDirectory() {
        static std::string directory = std::filesystem::current_path().string();
        return directory;
    }
    static int& Dumps() {
        static int dumps = 0;
        return dumps;
    }
    // The first event's total of a dump: its "totals:" line, or "summary:" in older formats.
    static std::optional<long long> TotalOf(const std::string& path) {
        std::ifstream in(path);
        for (std::string line; std::getline(in, line);)
            for (const char* key : {"totals:", "summary:"})
                if (line.rfind(key, 0) == 0) return std::atoll(line.c_str() + std::string(key).size());
        return std::nullopt;
    }
};

}  // namespace bench
