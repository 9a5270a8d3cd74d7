// A table walked with the request's asynchronous GET-NEXT walk (one step per row, every column, answers delivered
// by the event pump) and with net-snmp's `snmptable -v1`, which also asks for one row per GET-NEXT. snmptable's
// time includes its own start-up: a table of one row, timed the same way, is taken off to give its walk alone.
// Tables: snmpd's installed-software table (5 columns, one row per package), then for each row count given the
// switch simulator's row table of that many rows. Each run times all three side by side; the ratios of each run
// are printed as min / median / max, wall time and CPU (the request's process against snmptable's).
// A run whose one-row table took longer than the full table is skipped and counted.
// Targets: walk / snmptable <= 0.70; walk / snmptable's walk without start-up <= 1.20.
// Usage: walk_bench [runs, default 5] [simulator rows ...]   e.g. walk_bench 5 1000 10000 50000
#include "BenchSupport.h"
#include "BenchTables.h"
#include "NxSNMPRequest.h"
#include "NxSNMPSession.h"
#include "SimProcess.h"
#include "SnmpdAgent.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

using bench::Clock;

struct Walk {
    NxSNMPRequest* request = nullptr;
    int rows = 0;
    bool done = false;
    NxSNMPError last;

    static void Step(void* context, NxSNMPError* error, NxSNMPVarList*) {
        Walk& w = *static_cast<Walk*>(context);
        if (error->Code != 0 || error->Finished) {
            w.last = *error;
            w.done = true;
            return;
        }
        ++w.rows;
        bool ok = false;
        w.last = w.request->GetAsync(ok, &Walk::Step, context, false);
        if (!ok) w.done = true;
    }
};

struct WalkRun {
    double wall = 0;
    double cpu = 0;
    int rows = 0;
    std::string failure;
};

// The asynchronous walk, timed with this process's CPU.
WalkRun WalkWithRequest(const NxSNMPVar* table, int keys) {
    NxSNMPRequest request;
    request.Vars = NxSNMPVarList(table, MVT_FMV, keys);
    Walk walk;
    walk.request = &request;
    const double cpu = bench::CpuSeconds();
    const auto start = Clock::now();
    bool ok = false;
    walk.last = request.GetAsync(ok, &Walk::Step, &walk, true);
    walk.done = !ok;
    while (!walk.done) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    WalkRun run;
    run.wall = std::chrono::duration<double>(Clock::now() - start).count();
    run.cpu = bench::CpuSeconds() - cpu;
    run.rows = walk.rows;
    if (walk.last.Code != 0) run.failure = walk.last.Message;
    return run;
}

bench::ChildRun Snmptable(uint16_t port, const char* table) {
    return bench::RunChild({"snmptable", "-v1", "-c", "tundra", "-M", QSW_BENCH_MIB_DIR, "-m", "QSW-BENCH-MIB", "-Cf",
                            ",", "-CH", "-Cb", "127.0.0.1:" + std::to_string(port), table});
}

// Times the table on the agent at port: runs x (snmptable, snmptable of one row, request walk).
bool Measure(const char* title, uint16_t port, const NxSNMPVar* table, int keys, const char* tableName, int runs) {
    DefaultSNMPDevice.Address = "127.0.0.1";
    DefaultSNMPDevice.Port = port;
    DefaultSNMPSecurity.Version = 0;  // SNMPv1, as snmptable -v1
    WalkRun warm = WalkWithRequest(table, keys);  // the agent fills its caches on first use
    if (!warm.failure.empty()) {
        std::fprintf(stderr, "walk_bench: %s: %s\n", title, warm.failure.c_str());
        return false;
    }
    bench::Series wallRatio, walkOnlyRatio, cpuRatio, walkUs, walkCpuUs, tableUs, tableWalkUs, tableCpuUs, startup;
    int lines = 0;
    int skipped = 0;
    // A run whose one-row table took longer than the full one (a disturbed start-up) says nothing about the walk:
    // it is skipped and counted, and another run takes its place, at most runs more.
    for (int r = 0, tries = 0; r < runs && tries < 2 * runs; ++tries) {
        const bench::ChildRun full = Snmptable(port, tableName);
        const bench::ChildRun one = Snmptable(port, bench::OneRowName);
        const WalkRun walk = WalkWithRequest(table, keys);
        if (!full.ok || !one.ok || !walk.failure.empty() || walk.rows == 0) {
            std::fprintf(stderr, "walk_bench: %s: %s\n", title,
                         !walk.failure.empty() ? walk.failure.c_str() : "snmptable failed (package snmp?)");
            return false;
        }
        if (one.wall >= full.wall || one.cpu >= full.cpu) {
            ++skipped;
            continue;
        }
        ++r;
        lines = full.lines;
        const double rows = walk.rows;
        const double tableWalk = std::max(full.wall - one.wall, 1e-6);
        const double tableWalkCpu = std::max(full.cpu - one.cpu, 1e-6);
        wallRatio.Add(walk.wall / full.wall);
        walkOnlyRatio.Add(walk.wall / tableWalk);
        cpuRatio.Add(walk.cpu / tableWalkCpu);
        walkUs.Add(walk.wall / rows);
        walkCpuUs.Add(walk.cpu / rows);
        tableUs.Add(full.wall / rows);
        tableWalkUs.Add(tableWalk / rows);
        tableCpuUs.Add(tableWalkCpu / rows);
        startup.Add(one.wall);
    }
    std::printf("%s: %d rows (snmptable printed %d lines), %zu runs (%d skipped: one-row table slower than the full "
                "one), load %s\n",
                title, warm.rows, lines, wallRatio.values.size(), skipped, bench::LoadAverage().c_str());
    bench::PrintSeriesHeader();
    bench::PrintSeries("walk / snmptable (wall)", wallRatio, 1, "", "   target <= 0.70");
    bench::PrintSeries("walk / snmptable without start-up (wall)", walkOnlyRatio, 1, "", "   target <= 1.20");
    bench::PrintSeries("walk CPU / snmptable CPU without start-up", cpuRatio, 1, "");
    bench::PrintSeries("request walk, wall per row", walkUs, 1e6, "us");
    bench::PrintSeries("request walk, CPU per row", walkCpuUs, 1e6, "us");
    bench::PrintSeries("snmptable, wall per row", tableUs, 1e6, "us");
    bench::PrintSeries("snmptable without start-up, wall per row", tableWalkUs, 1e6, "us");
    bench::PrintSeries("snmptable without start-up, CPU per row", tableCpuUs, 1e6, "us");
    bench::PrintSeries("snmptable of one row (start-up)", startup, 1e3, "ms");
    std::fflush(stdout);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    testsupport::TempDir dir;
    NxSNMPSessionStartup();
    CreateGlobalSnmpSession(dir.Path());

    bool ok = true;
    {
        testsupport::SnmpdAgent agent;
        ok = Measure("snmpd hrSWInstalledTable, 5 columns", agent.Port(), bench::InstalledSoftware, 1,
                     bench::InstalledSoftwareName, runs) && ok;
    }
    for (int a = 2; a < argc; ++a) {
        const int rows = std::atoi(argv[a]);
        if (rows < 1) continue;
        const std::string scenario = dir.File("rows-" + std::to_string(rows) + ".scn");
        bench::WriteRowScenario(scenario, rows);
        simtest::SimAgent sim({"--no-catalogue", "--scenario", scenario});
        const std::string title = "simulator row table, 5 columns + key, " + std::to_string(rows) + " rows";
        ok = Measure(title.c_str(), static_cast<uint16_t>(sim.Port()), bench::SimRows, 1, bench::SimRowsName, runs) &&
             ok;
    }
    NxSNMPSessionExit();
    return ok ? 0 : 1;
}
