// A table walked with the request's plain asynchronous walk and with a request bound to a list view (every row
// added as a list item, the widget updated in batches), against the switch simulator's row table and against
// snmpd's installed-software table.
// Cold: the first walk of a process, bound or plain, each in a process of its own (this program started again
// with --first-walk), alternating; the agent has been walked once by another process before.
// Warm: in one process, after a plain walk, pairs of a plain and a bound walk.
// Each bound walk starts on a new list view that has been laid out and painted empty, as in an opened dialog.
// Prints CPU and wall time per row, the ratios bound / plain (min / median / max), the longest time the event loop
// went without handling a 10 ms timer during a bound walk, and the CPU of the empty list view's first paint. Every
// figure carries the paint events (every widget's) of the walks it comes from: a slower run paints more often, so
// a figure is only compared with one of the same paint count.
// Instructions: under callgrind the program prints the instructions of each walk and the bound walk's extra ones
// over the plain walk, per walk and per row (the walk's divided by its rows; the marginal cost of a row is the
// difference of two runs, e.g. 10,000 and 50,000 rows, divided by the rows between them). Run it from a writable
// directory (it reads callgrind's dumps there) without --callgrind-out-file, the measured walks named for collection;
// --trace-children adds the cold walks' processes (the agents and snmpwalk left out):
//   valgrind --tool=callgrind --toggle-collect='*MeasuredPlainWalk*' --toggle-collect='*MeasuredBoundWalk*'
//       --trace-children=yes --trace-children-skip='*qswsim*,*snmpd*,*snmpwalk*' bound_walk_bench 1 1000
// (one command line)
// Targets: extra instructions <= 3 k per row, <= 10 M at 1,000 rows, <= 40 M at 10,000 (cold); longest stall
// < 50 ms at 50,000 rows.
// Usage: bound_walk_bench [pairs, default 3] [simulator rows, default 10000]
#include "BenchSupport.h"
#include "BenchTables.h"
#include "Callgrind.h"
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
#include <filesystem>
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
    double openingCpu = 0;                  // the empty list view's first layout and paint
    std::optional<long long> instructions;  // of the measured walk, under callgrind
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
        bench::Callgrind::Start();
        f.wall = std::chrono::duration<double>(MeasuredPlainWalk(request, walk) - start).count();
        f.instructions = bench::Callgrind::Dump("plain walk");
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
        bench::Callgrind::Start();
        f.wall = std::chrono::duration<double>(MeasuredBoundWalk(request) - start).count();
        f.instructions = bench::Callgrind::Dump("bound walk");
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

// This program's file (readlink, which valgrind answers with the program it runs, not itself).
std::string Self() {
    static const std::string self = std::filesystem::canonical("/proc/self/exe").string();
    return self;
}

// The first walk of a process: this program started again with --first-walk, its figures.
std::optional<Figures> FirstWalk(const char* kind, const Agent& agent) {
    const bench::ChildRun run = bench::RunChild(
        {Self(), "--first-walk", kind, agent.name, std::to_string(agent.port), std::to_string(agent.version)});
    Figures f;
    long long instructions = -1;
    if (!run.ok || std::sscanf(run.output.c_str(), "%lf %d %d %lld", &f.cpu, &f.rows, &f.paints, &instructions) != 4 ||
        f.rows == 0)
        return std::nullopt;
    if (instructions >= 0) f.instructions = instructions;
    return f;
}

// The figures of plain and bound walks in pairs, each line printed with the paint events of the walks it comes from.
struct PairSeries {
    bench::Series cpuRatio, wallRatio, plainCpuUs, boundCpuUs, plainWallUs, boundWallUs, openingMs;
    bench::Series plainPaints, boundPaints;
    bench::Series plainInstructions, boundInstructions, extraPerWalk, extraPerRow;

    void Add(const Figures& plain, const Figures& bound) {
        cpuRatio.Add(bound.cpu / plain.cpu);
        wallRatio.Add(bound.wall / plain.wall);
        plainCpuUs.Add(plain.cpu / plain.rows);
        boundCpuUs.Add(bound.cpu / bound.rows);
        plainWallUs.Add(plain.wall / plain.rows);
        boundWallUs.Add(bound.wall / bound.rows);
        openingMs.Add(bound.openingCpu);
        plainPaints.Add(plain.paints);
        boundPaints.Add(bound.paints);
        if (!plain.instructions || !bound.instructions) return;
        const double extra = static_cast<double>(*bound.instructions - *plain.instructions);
        plainInstructions.Add(static_cast<double>(*plain.instructions));
        boundInstructions.Add(static_cast<double>(*bound.instructions));
        extraPerWalk.Add(extra);
        extraPerRow.Add(extra / bound.rows);
    }

    static std::string Paints(const bench::Series& paints) {
        char text[80];
        std::snprintf(text, sizeof text, "   paints %.0f / %.0f / %.0f", paints.Min(), paints.Median(), paints.Max());
        return text;
    }

    // kind is "cold" or "warm"; the warm lines add wall time and the opening's paint.
    void Print(const char* kind, bool warm) const {
        const std::string bound = Paints(boundPaints), plain = Paints(plainPaints);
        const std::string both = "   paints plain" + plain.substr(9) + ", bound" + bound.substr(9);
        const std::string label = std::string(kind) + ": ";
        bench::PrintSeries((label + "bound / plain CPU").c_str(), cpuRatio, 1, "", both.c_str());
        if (warm) bench::PrintSeries((label + "bound / plain wall").c_str(), wallRatio, 1, "", both.c_str());
        bench::PrintSeries((label + "plain walk, CPU per row").c_str(), plainCpuUs, 1e6, "us", plain.c_str());
        bench::PrintSeries((label + "bound walk, CPU per row").c_str(), boundCpuUs, 1e6, "us", bound.c_str());
        if (warm) {
            bench::PrintSeries((label + "plain walk, wall per row").c_str(), plainWallUs, 1e6, "us", plain.c_str());
            bench::PrintSeries((label + "bound walk, wall per row").c_str(), boundWallUs, 1e6, "us", bound.c_str());
        }
        if (!plainInstructions.values.empty()) {
            bench::PrintSeries((label + "plain walk, instructions").c_str(), plainInstructions, 1e-6, "M",
                               plain.c_str());
            bench::PrintSeries((label + "bound walk, instructions").c_str(), boundInstructions, 1e-6, "M",
                               bound.c_str());
            bench::PrintSeries((label + "extra instructions per walk").c_str(), extraPerWalk, 1e-6, "M",
                               (both + "; target <= 10 M at 1,000 rows, 40 M at 10,000").c_str());
            bench::PrintSeries((label + "extra instructions per walk / rows").c_str(), extraPerRow, 1e-3, "k",
                               (both + "; target <= 3 k").c_str());
        }
        bench::PrintSeries((label + "paint events per bound walk").c_str(), boundPaints, 1, "");
    }
};

// Cold pairs, then a plain walk and pairs (plain, bound) in this process. False when a walk failed or missed rows.
bool Measure(const char* title, const Agent& agent, int expectedRows, int runs, ui::Form& form) {
    Aim(agent);
    WarmAgent(agent.port, agent.table);
    bool complete = true;
    PairSeries cold;
    for (int r = 0; r < runs; ++r) {
        const auto plain = FirstWalk("plain", agent);
        const auto bound = FirstWalk("bound", agent);
        complete = complete && plain && bound;
        if (plain && bound) cold.Add(*plain, *bound);
    }
    const int tableRows = WalkPlain(agent.table).rows;  // this process's own first walk, not counted
    complete = complete && (expectedRows == 0 || tableRows == expectedRows);
    PairSeries warm;
    double stall = 0;
    for (int r = 0; r < runs; ++r) {
        const Figures plain = WalkPlain(agent.table);
        const Figures bound = WalkBound(form, agent.table);
        complete = complete && plain.rows == tableRows && bound.rows == tableRows;
        warm.Add(plain, bound);
        stall = std::max(stall, bound.stallMs);
    }
    std::printf("%s: %d rows, %d cold and %d warm pairs, load %s%s\n", title, tableRows, runs, runs,
                bench::LoadAverage().c_str(), bench::Callgrind::Running() ? ", under callgrind" : "");
    bench::PrintSeriesHeader();
    cold.Print("cold", false);
    warm.Print("warm", true);
    bench::PrintSeries("empty list's first paint CPU (before walk)", warm.openingMs, 1e3, "ms");
    std::printf("  %-44s %9.1f ms   target < 50 at 50,000 rows%s\n", "longest event-loop stall (bound)", stall,
                PairSeries::Paints(warm.boundPaints).c_str());
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

// --first-walk bound|plain sim|snmpd PORT VERSION: one walk; its CPU seconds, rows, paint events and instructions
// (-1 outside callgrind) on stdout.
int FirstWalkChild(char** argv) {
    const bool bound = std::string(argv[2]) == "bound";
    const Agent agent{argv[3], static_cast<uint16_t>(std::atoi(argv[4])), static_cast<uint8_t>(std::atoi(argv[5])),
                      std::string(argv[3]) == "sim" ? bench::SimRows : bench::InstalledSoftware};
    Stage stage;
    Aim(agent);
    const Figures walk = bound ? WalkBound(stage.form, agent.table) : WalkPlain(agent.table);
    std::printf("%.9f %d %d %lld\n", walk.cpu, walk.rows, walk.paints, walk.instructions.value_or(-1));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    bench::Callgrind::NoteStartDirectory();
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ui::Application app(argc, argv);
    if (argc == 6 && std::string(argv[1]) == "--first-walk") return FirstWalkChild(argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const int rows = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10000;
    Stage stage;
    const std::string scenario = stage.dir.File("rows.scn");
    bench::WriteRowScenario(scenario, rows);
    simtest::SimAgent sim({"--no-catalogue", "--scenario", scenario});
    testsupport::SnmpdAgent snmpd;

    const std::string title = "simulator row table, 5 columns + key, " + std::to_string(rows) + " rows (v2c)";
    bool ok =
        Measure(title.c_str(), {"sim", static_cast<uint16_t>(sim.Port()), 1, bench::SimRows}, rows, runs, stage.form);
    ok = Measure("snmpd hrSWInstalledTable, 5 columns (v1)", {"snmpd", snmpd.Port(), 0, bench::InstalledSoftware}, 0,
                 runs, stage.form) &&
         ok;
    return ok ? 0 : 1;
}
