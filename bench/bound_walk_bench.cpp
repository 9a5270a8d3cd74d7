// A table walked with the request's plain asynchronous walk and with a request bound to a list view (every row
// added as a list item, the widget updated in batches), alternating, against the switch simulator's row table and
// against snmpd's installed-software table. The first walk of the process is a bound one (cold: nothing in this
// process warmed; the agent has been walked once by another process).
// Each bound walk starts on a new list view that has been laid out and painted empty, as in an opened dialog.
// Prints CPU and wall time per row, the ratios bound / plain of each pair (min / median / max; cold separately) and
// the longest time the event loop went without handling a 10 ms timer during a bound walk, the paint events of
// each bound walk (every widget's) and the CPU of the empty list view's first paint.
// Targets: bound / plain CPU <= 1.10, the cold walk included; longest stall < 50 ms at 50,000 rows.
// Usage: bound_walk_bench [runs, default 3] [simulator rows, default 10000]
#include "BenchSupport.h"
#include "BenchTables.h"
#include "ListView.h"
#include "NxSNMPRequest2Edits.h"
#include "NxSNMPSession.h"
#include "SimProcess.h"

#include "Application.h"
#include "Form.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using bench::Clock;

struct Figures {
    double wall = 0;
    double cpu = 0;
    int rows = 0;
    double stallMs = 0;
    int paints = 0;
    double openingCpu = 0;  // the empty list view's first layout and paint
};

// Counts the paint events of every widget while it is installed.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

struct PlainWalk {
    NxSNMPRequest* request = nullptr;
    int rows = 0;
    bool done = false;
    static void Step(void* context, NxSNMPError* error, NxSNMPVarList*) {
        PlainWalk& w = *static_cast<PlainWalk*>(context);
        if (error->Code != 0 || error->Finished) {
            w.done = true;
            return;
        }
        ++w.rows;
        bool ok = false;
        w.request->GetAsync(ok, &PlainWalk::Step, context, false);
        if (!ok) w.done = true;
    }
};

Figures WalkPlain(const NxSNMPVar* table) {
    NxSNMPRequest request;
    request.Vars = NxSNMPVarList(table, MVT_FMV, 1);
    PlainWalk walk;
    walk.request = &request;
    Figures f;
    const double cpu = bench::CpuSeconds();
    const auto start = Clock::now();
    bool ok = false;
    request.GetAsync(ok, &PlainWalk::Step, &walk, true);
    walk.done = !ok;
    while (!walk.done) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    f.wall = std::chrono::duration<double>(Clock::now() - start).count();
    f.cpu = bench::CpuSeconds() - cpu;
    f.rows = walk.rows;
    return f;
}

Figures WalkBound(ui::Form& form, const NxSNMPVar* table) {
    auto* list = new ui::ListView(&form);
    list->SetParent(&form);
    list->SetBounds(0, 0, 600, 400);
    NxSNMPRequest2Edits request(&form);
    request.Request.Vars = NxSNMPVarList(table, MVT_FMV, 1);
    request.BindListView(list, true);
    // The new list view is laid out and painted empty first, as a dialog's opening does: the walk is measured from
    // there, and the opening's cost is printed apart.
    const double openingCpu = bench::CpuSeconds();
    QCoreApplication::processEvents();
    Figures f;
    f.openingCpu = bench::CpuSeconds() - openingCpu;
    PaintCounter counter;
    QCoreApplication::instance()->installEventFilter(&counter);
    QElapsedTimer sinceTick;
    QTimer ticker;
    ticker.setInterval(10);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        f.stallMs = std::max(f.stallMs, static_cast<double>(sinceTick.restart()));
    });
    const double cpu = bench::CpuSeconds();
    const auto start = Clock::now();
    sinceTick.start();
    ticker.start();
    request.Get();
    while (request.Busy) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    f.wall = std::chrono::duration<double>(Clock::now() - start).count();
    f.cpu = bench::CpuSeconds() - cpu;
    ticker.stop();
    QCoreApplication::instance()->removeEventFilter(&counter);
    f.paints = counter.paints;
    f.rows = list->Items().Count();
    delete list;
    return f;
}

// Another process walks the table first, so that the cold walk measures this process's own first walk, not an
// agent's first walk of the table.
void WarmAgent(uint16_t port, const NxSNMPVar* table) {
    std::string entry;
    for (; table->Oid; ++table)
        if (std::string(table->Oid) != " ") {
            entry = table->Oid;
            break;
        }
    entry = entry.substr(0, entry.rfind('.'));
    const bench::ChildRun walk =
        bench::RunChild({"snmpwalk", "-v2c", "-c", "tundra", "127.0.0.1:" + std::to_string(port), entry});
    if (!walk.ok) std::fprintf(stderr, "bound_walk_bench: snmpwalk failed (package snmp?)\n");
}

// Cold bound walk, then runs x (plain, bound). False when a walk missed rows.
bool Measure(const char* title, uint16_t port, uint8_t version, const NxSNMPVar* table, int expectedRows, int runs,
             ui::Form& form) {
    DefaultSNMPDevice.Address = "127.0.0.1";
    DefaultSNMPDevice.Port = port;
    DefaultSNMPSecurity.Version = version;
    WarmAgent(port, table);
    const Figures cold = WalkBound(form, table);
    const Figures coldPlain = WalkPlain(table);
    bench::Series cpuRatio, wallRatio, plainCpuUs, boundCpuUs, plainWallUs, boundWallUs, paints, openingMs;
    paints.Add(cold.paints);
    openingMs.Add(cold.openingCpu);
    double stall = cold.stallMs;
    bool complete = cold.rows == coldPlain.rows && (expectedRows == 0 || cold.rows == expectedRows);
    cpuRatio.Add(cold.cpu / coldPlain.cpu);
    wallRatio.Add(cold.wall / coldPlain.wall);
    for (int r = 0; r < runs; ++r) {
        const Figures plain = WalkPlain(table);
        const Figures bound = WalkBound(form, table);
        complete = complete && plain.rows == cold.rows && bound.rows == cold.rows;
        cpuRatio.Add(bound.cpu / plain.cpu);
        wallRatio.Add(bound.wall / plain.wall);
        plainCpuUs.Add(plain.cpu / plain.rows);
        boundCpuUs.Add(bound.cpu / bound.rows);
        plainWallUs.Add(plain.wall / plain.rows);
        boundWallUs.Add(bound.wall / bound.rows);
        stall = std::max(stall, bound.stallMs);
        paints.Add(bound.paints);
        openingMs.Add(bound.openingCpu);
    }
    std::printf("%s: %d rows, cold pair + %d pairs, load %s\n", title, cold.rows, runs, bench::LoadAverage().c_str());
    std::printf("  %-44s %9s / %9s / %9s\n", "", "min", "median", "max");
    bench::PrintSeries("bound / plain CPU (all pairs)", cpuRatio, 1, "", "   target <= 1.10");
    bench::PrintSeries("bound / plain wall (all pairs)", wallRatio, 1, "");
    std::printf("  %-44s %9.2f CPU, %9.2f wall\n", "cold pair (first walks) bound / plain", cold.cpu / coldPlain.cpu,
                cold.wall / coldPlain.wall);
    bench::PrintSeries("plain walk, CPU per row", plainCpuUs, 1e6, "us");
    bench::PrintSeries("bound walk, CPU per row", boundCpuUs, 1e6, "us");
    bench::PrintSeries("plain walk, wall per row", plainWallUs, 1e6, "us");
    bench::PrintSeries("bound walk, wall per row", boundWallUs, 1e6, "us");
    bench::PrintSeries("paint events per bound walk", paints, 1, "");
    bench::PrintSeries("empty list's first paint CPU (before walk)", openingMs, 1e3, "ms");
    std::printf("  %-44s %9.1f ms   target < 50 at 50,000 rows\n", "longest event-loop stall (bound)", stall);
    std::fflush(stdout);
    if (!complete) std::fprintf(stderr, "bound_walk_bench: %s: a walk missed rows\n", title);
    return complete;
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const int rows = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10000;
    ui::Application app(argc, argv);
    testsupport::TempDir dir;
    const std::string scenario = dir.File("rows.scn");
    bench::WriteRowScenario(scenario, rows);
    simtest::SimAgent sim({"--no-catalogue", "--scenario", scenario});
    testsupport::SnmpdAgent snmpd;
    NxSNMPSessionStartup();
    CreateGlobalSnmpSession(dir.Path());

    ui::Form form(nullptr);
    form.SetBounds(0, 0, 640, 480);
    form.Show();

    const std::string title = "simulator row table, 5 columns + key, " + std::to_string(rows) + " rows (v2c)";
    bool ok = Measure(title.c_str(), static_cast<uint16_t>(sim.Port()), 1, bench::SimRows, rows, runs, form);
    ok = Measure("snmpd hrSWInstalledTable, 5 columns (v1)", snmpd.Port(), 0, bench::InstalledSoftware, 0, runs,
                 form) && ok;
    NxSNMPSessionExit();
    return ok ? 0 : 1;
}
