// A table walked with the request's plain asynchronous walk and with a request bound to a list view (every row
// added as a list item, the widget updated in batches), against the switch simulator's row table and against
// snmpd's installed-software table.
// Cold: the first walk of a process, bound or plain, each in a process of its own (this program started again
// with --first-walk), alternating; the agent has been walked once by another process before.
// Warm: in one process, after a plain walk, pairs of a plain and a bound walk.
// Each bound walk starts on a new list view that has been laid out and painted empty, as in an opened dialog.
// Prints CPU and wall time per row, the ratios bound / plain (min / median / max), the longest time the event loop
// went without handling a 10 ms timer during a bound walk, the paint events of each bound walk (every widget's)
// and the CPU of the empty list view's first paint.
// Targets: bound / plain CPU <= 1.10, cold and warm; longest stall < 50 ms at 50,000 rows.
// Usage: bound_walk_bench [pairs, default 3] [simulator rows, default 10000]
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
#include <optional>
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

// What each walk, plain or bound, runs under, so that neither carries more of the measuring: a count of the paint
// events of every widget, and a 10 ms timer whose longest gap is the longest the event loop went without it.
class Watch : public QObject {
public:
    explicit Watch(Figures& figures) : figures_(figures) {
        QCoreApplication::instance()->installEventFilter(this);
        ticker_.setInterval(10);
        QObject::connect(&ticker_, &QTimer::timeout, [this] {
            figures_.stallMs = std::max(figures_.stallMs, static_cast<double>(sinceTick_.restart()));
        });
        sinceTick_.start();
        ticker_.start();
    }
    ~Watch() override {
        ticker_.stop();
        QCoreApplication::instance()->removeEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++figures_.paints;
        return false;
    }

private:
    Figures& figures_;
    QElapsedTimer sinceTick_;
    QTimer ticker_;
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

// After a walk the event loop runs on for a while: work the walk left for later passes (repaints, a view's
// deferred layouts) counts in its CPU, for both kinds of walk alike.
void Settle() {
    QEventLoop loop;
    QTimer::singleShot(30, &loop, &QEventLoop::quit);
    loop.exec();
}

// The measured parts of the walks are functions of their own, so that an instruction count can be limited to
// them: valgrind --tool=callgrind --toggle-collect='*MeasuredPlainWalk*' --toggle-collect='*MeasuredBoundWalk*'
// Each returns when its last answer was handled; the CPU counted includes the Settle after it.
[[gnu::noinline]] Clock::time_point MeasuredPlainWalk(NxSNMPRequest& request, PlainWalk& walk) {
    bool ok = false;
    request.GetAsync(ok, &PlainWalk::Step, &walk, true);
    walk.done = !ok;
    while (!walk.done) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const auto end = Clock::now();
    Settle();
    return end;
}

[[gnu::noinline]] Clock::time_point MeasuredBoundWalk(NxSNMPRequest2Edits& request) {
    request.Get();
    while (request.Busy) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const auto end = Clock::now();
    Settle();
    return end;
}

Figures WalkPlain(const NxSNMPVar* table) {
    NxSNMPRequest request;
    request.Vars = NxSNMPVarList(table, MVT_FMV, 1);
    PlainWalk walk;
    walk.request = &request;
    Figures f;
    {
        Watch watch(f);
        const double cpu = bench::CpuSeconds();
        const auto start = Clock::now();
        f.wall = std::chrono::duration<double>(MeasuredPlainWalk(request, walk) - start).count();
        f.cpu = bench::CpuSeconds() - cpu;
    }
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
    Settle();
    Figures f;
    f.openingCpu = bench::CpuSeconds() - openingCpu;
    {
        Watch watch(f);
        const double cpu = bench::CpuSeconds();
        const auto start = Clock::now();
        f.wall = std::chrono::duration<double>(MeasuredBoundWalk(request) - start).count();
        f.cpu = bench::CpuSeconds() - cpu;
    }
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

struct Agent {
    const char* name;  // "sim" or "snmpd", for a process of its own
    uint16_t port;
    uint8_t version;
    const NxSNMPVar* table;
};

void Aim(const Agent& agent) {
    DefaultSNMPDevice.Address = "127.0.0.1";
    DefaultSNMPDevice.Port = agent.port;
    DefaultSNMPSecurity.Version = agent.version;
}

// The first walk of a process: this program started again with --first-walk, its CPU per row.
std::optional<double> FirstWalkCpuPerRow(const char* kind, const Agent& agent) {
    const bench::ChildRun run = bench::RunChild({"/proc/self/exe", "--first-walk", kind, agent.name,
                                                 std::to_string(agent.port), std::to_string(agent.version)});
    double cpu = 0;
    int rows = 0;
    if (!run.ok || std::sscanf(run.output.c_str(), "%lf %d", &cpu, &rows) != 2 || rows == 0) return std::nullopt;
    return cpu / rows;
}

// Cold pairs, then a plain walk and pairs (plain, bound) in this process. False when a walk failed or missed rows.
bool Measure(const char* title, const Agent& agent, int expectedRows, int runs, ui::Form& form) {
    Aim(agent);
    WarmAgent(agent.port, agent.table);
    bool complete = true;
    bench::Series coldRatio, coldPlainUs, coldBoundUs;
    for (int r = 0; r < runs; ++r) {
        const auto plain = FirstWalkCpuPerRow("plain", agent);
        const auto bound = FirstWalkCpuPerRow("bound", agent);
        complete = complete && plain && bound;
        if (!plain || !bound) continue;
        coldRatio.Add(*bound / *plain);
        coldPlainUs.Add(*plain);
        coldBoundUs.Add(*bound);
    }
    const int tableRows = WalkPlain(agent.table).rows;  // this process's own first walk, not counted
    complete = complete && (expectedRows == 0 || tableRows == expectedRows);
    bench::Series cpuRatio, wallRatio, plainCpuUs, boundCpuUs, plainWallUs, boundWallUs, paints, openingMs;
    double stall = 0;
    for (int r = 0; r < runs; ++r) {
        const Figures plain = WalkPlain(agent.table);
        const Figures bound = WalkBound(form, agent.table);
        complete = complete && plain.rows == tableRows && bound.rows == tableRows;
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
    std::printf("%s: %d rows, %d cold and %d warm pairs, load %s\n", title, tableRows, runs, runs,
                bench::LoadAverage().c_str());
    bench::PrintSeriesHeader();
    bench::PrintSeries("cold: bound / plain CPU", coldRatio, 1, "", "   target <= 1.10");
    bench::PrintSeries("cold: plain walk, CPU per row", coldPlainUs, 1e6, "us");
    bench::PrintSeries("cold: bound walk, CPU per row", coldBoundUs, 1e6, "us");
    bench::PrintSeries("warm: bound / plain CPU", cpuRatio, 1, "", "   target <= 1.10");
    bench::PrintSeries("warm: bound / plain wall", wallRatio, 1, "");
    bench::PrintSeries("warm: plain walk, CPU per row", plainCpuUs, 1e6, "us");
    bench::PrintSeries("warm: bound walk, CPU per row", boundCpuUs, 1e6, "us");
    bench::PrintSeries("warm: plain walk, wall per row", plainWallUs, 1e6, "us");
    bench::PrintSeries("warm: bound walk, wall per row", boundWallUs, 1e6, "us");
    bench::PrintSeries("paint events per bound walk", paints, 1, "");
    bench::PrintSeries("empty list's first paint CPU (before walk)", openingMs, 1e3, "ms");
    std::printf("  %-44s %9.1f ms   target < 50 at 50,000 rows\n", "longest event-loop stall (bound)", stall);
    std::fflush(stdout);
    if (!complete) std::fprintf(stderr, "bound_walk_bench: %s: a walk failed or missed rows\n", title);
    return complete;
}

// The session pool and the form the list views are made on, in a temporary directory.
struct Stage {
    testsupport::TempDir dir;
    ui::Form form{nullptr};
    Stage() {
        NxSNMPSessionStartup();
        CreateGlobalSnmpSession(dir.Path());
        form.SetBounds(0, 0, 640, 480);
        form.Show();
    }
    ~Stage() { NxSNMPSessionExit(); }
};

// --first-walk bound|plain sim|snmpd PORT VERSION: one walk, its CPU seconds and rows on stdout.
int FirstWalk(char** argv) {
    const bool bound = std::string(argv[2]) == "bound";
    const Agent agent{argv[3], static_cast<uint16_t>(std::atoi(argv[4])), static_cast<uint8_t>(std::atoi(argv[5])),
                      std::string(argv[3]) == "sim" ? bench::SimRows : bench::InstalledSoftware};
    Stage stage;
    Aim(agent);
    const Figures walk = bound ? WalkBound(stage.form, agent.table) : WalkPlain(agent.table);
    std::printf("%.9f %d\n", walk.cpu, walk.rows);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ui::Application app(argc, argv);
    if (argc == 6 && std::string(argv[1]) == "--first-walk") return FirstWalk(argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const int rows = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10000;
    Stage stage;
    const std::string scenario = stage.dir.File("rows.scn");
    bench::WriteRowScenario(scenario, rows);
    simtest::SimAgent sim({"--no-catalogue", "--scenario", scenario});
    testsupport::SnmpdAgent snmpd;

    const std::string title = "simulator row table, 5 columns + key, " + std::to_string(rows) + " rows (v2c)";
    bool ok = Measure(title.c_str(), {"sim", static_cast<uint16_t>(sim.Port()), 1, bench::SimRows}, rows, runs,
                      stage.form);
    ok = Measure("snmpd hrSWInstalledTable, 5 columns (v1)", {"snmpd", snmpd.Port(), 0, bench::InstalledSoftware}, 0,
                 runs, stage.form) && ok;
    return ok ? 0 : 1;
}
