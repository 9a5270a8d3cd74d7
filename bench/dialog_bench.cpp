// Table dialogs opened through their menu commands against the switch simulator, with the module's main window:
// the 802.1Q static VLAN dialog (standalone and a 12-unit stack; 3 and 4,094 VLANs; 3 VLANs on a 3-unit stack) and the
// IPv4 access-rule dialog (1,000 and 1,792 rules, 12 units). For each: wall time from the command to the painted table
// (median of the runs), paint events in all and per row, the plain walk of the same table beside it, and for the
// access-rule dialog heap in use and the pixmap cache's share of it after the 1st, 10th and 100th open.
//
// Instructions: the measured parts are functions of their own; run one case under callgrind, e.g.
//   valgrind --tool=callgrind --toggle-collect='*MeasuredOpen*' dialog_bench vlan-12u-4094 1
//   valgrind --tool=callgrind --toggle-collect='*MeasuredPlainWalk*' dialog_bench vlan-12u-4094 1
//   valgrind --tool=callgrind --toggle-collect='*MeasuredClose*' dialog_bench vlan-12u-3 1
// (MeasuredOpen stops counting while MeasuredClose runs; the dialog's destruction after its modal loop ends is
// counted in MeasuredOpen's total, not in MeasuredClose's.) Under callgrind the program also prints the
// instructions of each open (menu command to the painted table) and each close (from the close to the dialog
// destroyed, the command returned) itself, from dumps it reads back: run it from a writable directory, without
// --callgrind-out-file, collecting everything:
//   valgrind --tool=callgrind dialog_bench vlan-12u-3 1
// QSW_BENCH_HEAP=1 prints the heap figures for every case; QSW_BENCH_PALETTES=1 lists the dialog's widgets that
// have a palette of their own (each makes the style cache its pixmaps again per open).
// Usage: dialog_bench [case, default all] [runs, default 5]
#include "BenchModule.h"
#include "BenchSupport.h"
#include "Callgrind.h"
#include "CatalogTables.h"
#include "CommandEngine.h"
#include "Ipruleunit.h"
#include "ListView.h"
#include "MenuCommandTable.h"
#include "NxSNMPRequest.h"
#include "TestHooks.h"
#include "VlanStaticFormUnit.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPixmapCache>
#include <QWidget>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using bench::Clock;

constexpr const char* VlanEntry = "1.3.6.1.2.1.17.7.1.4.3.1";
constexpr const char* RuleEntry = "1.3.6.1.4.1.32473.12.9.3.2.1";

struct Case {
    const char* name;
    const char* handler;
    const char* scenario;  // a file of sim/scenarios
    const char* entry;
    int keys;
    int rows;
    bool heap;  // the open repeated 100 times, heap and pixmap cache printed
};

const Case Cases[] = {
    {"vlan-standalone-3", "StaticForm1Click", "standalone-qsw2126p.scn", VlanEntry, 1, 3, false},
    {"vlan-standalone-4094", "StaticForm1Click", "standalone-qsw2126p.scn", VlanEntry, 1, 4094, false},
    {"vlan-3u-3", "StaticForm1Click", "stack-3-units.scn", VlanEntry, 1, 3, false},
    {"vlan-12u-3", "StaticForm1Click", "stack-12-units.scn", VlanEntry, 1, 3, false},
    {"vlan-12u-4094", "StaticForm1Click", "stack-12-units.scn", VlanEntry, 1, 4094, false},
    {"rules-12u-1000", "IPRule1Click", "stack-12-units.scn", RuleEntry, 2, 1000, true},
    {"rules-12u-1792", "IPRule1Click", "stack-12-units.scn", RuleEntry, 2, 1792, false},
};

// Counts the paint events of every widget while it lives.
class PaintCount : public QObject {
public:
    PaintCount() { QCoreApplication::instance()->installEventFilter(this); }
    ~PaintCount() override { QCoreApplication::instance()->removeEventFilter(this); }
    bool eventFilter(QObject* target, QEvent* event) override {
        if (event->type() != QEvent::Paint) return false;
        ++paints;
        ++byWidget[target->metaObject()->className() + std::string(" ") + target->objectName().toStdString()];
        return false;
    }
    // The widgets painted most, with their counts.
    std::string Most() const {
        std::vector<std::pair<int, std::string>> counts;
        for (const auto& [name, count] : byWidget) counts.emplace_back(count, name);
        std::sort(counts.rbegin(), counts.rend());
        std::string text;
        for (size_t i = 0; i < counts.size() && i < 3; ++i)
            text += (i ? ", " : "") + counts[i].second + " " + std::to_string(counts[i].first);
        return text;
    }
    int paints = 0;
    std::map<std::string, int> byWidget;
};

// The table's rows in the simulator: 1 .. rows, or for two keys profile.access with 128 accesses per profile.
void SeedRows(simtest::SimAgent& sim, const Case& c) {
    sim.Control(std::string("remove ") + c.entry);
    std::string batch;
    for (int row = 0; row < c.rows; ++row) {
        batch +=
            c.keys == 1 ? std::to_string(row + 1) : std::to_string(row / 128 + 1) + "." + std::to_string(row % 128 + 1);
        batch += ' ';
        if ((row + 1) % 128 == 0 || row + 1 == c.rows) {
            const std::string answer = sim.Control(std::string("rows ") + c.entry + " " + batch);
            if (answer != "ok") std::fprintf(stderr, "seeding %s: %s\n", c.name, answer.c_str());
            batch.clear();
        }
    }
}

// The rows the dialog shows and whether its table is still being read.
struct Shown {
    int rows = 0;
    bool reading = false;
};

Shown ShownBy(ui::Form& form) {
    if (auto* vlan = dynamic_cast<TVlanStaticForm*>(&form))
        return {vlan->TableList->Items().Count(), vlan->StaticTable.Busy()};
    if (auto* rules = dynamic_cast<TIPRuleForm*>(&form))
        return {rules->TableList->Items().Count(), rules->Rules.Busy()};
    return {};
}

// Long enough for the list's last hand-over (at most 250 ms after the rows) and the paints it brings.
constexpr int SettleMs = 300;

// Lets the event loop finish what is due.
void Settle() { bench::Pump(SettleMs); }

[[gnu::noinline]] void MeasuredClose(ui::Form& form) {
    form.Close();
    QCoreApplication::processEvents();
}

struct OpenFigures {
    double wall = 0;
    int rows = 0;
    int paints = 0;
    std::string most;
    std::optional<long long> openInstructions, closeInstructions;  // under callgrind
};

// From the menu command to the painted table; the dialog is closed inside (not counted by the wall time).
[[gnu::noinline]] OpenFigures MeasuredOpen(const Case& c, bench::Module& module) {
    OpenFigures figures;
    PaintCount paints;
    bench::Callgrind::Start();
    const auto start = Clock::now();
    ui::TestHooks::RunInNextModal([&](ui::Form& form) {
        while (ShownBy(form).reading) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        Settle();
        figures.wall = std::chrono::duration<double>(Clock::now() - start).count() - SettleMs / 1000.0;
        figures.rows = ShownBy(form).rows;
        figures.paints = paints.paints;
        figures.most = paints.Most();
        figures.openInstructions = bench::Callgrind::Dump("open");
        if (std::getenv("QSW_BENCH_PALETTES")) {
            std::map<std::string, int> own;
            for (QWidget* w : form.Widget()->findChildren<QWidget*>())
                if (w->testAttribute(Qt::WA_SetPalette)) ++own[w->metaObject()->className()];
            for (const auto& [name, count] : own) std::printf("  own palette: %s %d\n", name.c_str(), count);
        }
        bench::Callgrind::Start();
        MeasuredClose(form);
    });
    CommandContext context;
    context.MainWindow = module.form;
    context.DeviceAddress = "127.0.0.1";
    RunMenuCommand(*FindMenuCommand(c.handler), context);
    if (figures.openInstructions) figures.closeInstructions = bench::Callgrind::Dump("close");
    return figures;
}

struct PlainWalk {
    NxSNMPRequest request;
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
        w.request.GetAsync(ok, &PlainWalk::Step, context, false);
        if (!ok) w.done = true;
    }
};

[[gnu::noinline]] double MeasuredPlainWalk(PlainWalk& walk) {
    const auto start = Clock::now();
    bool ok = false;
    walk.request.GetAsync(ok, &PlainWalk::Step, &walk, true);
    walk.done = !ok;
    while (!walk.done) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double PlainWalkOf(const Case& c, int& rows) {
    PlainWalk walk;
    const CatalogTable& table =
        std::string(c.entry) == VlanEntry ? Oid_bridgemib::Mib2_17_7_1_4_A : Oid_acl::E_12_9_3_2_1;
    walk.request.Vars = NxSNMPVarList(table.Table, MVT_FMV, c.keys);
    const double wall = MeasuredPlainWalk(walk);
    rows = walk.rows;
    return wall;
}

double HeapMb() { return static_cast<double>(mallinfo2().uordblks) / (1024.0 * 1024.0); }

// Heap in use, and what Qt's pixmap cache holds of it (the heap freed by clearing the cache, which is then
// filled again by the next open).
void PrintHeap(int opens) {
    const double heap = HeapMb();
    QPixmapCache::clear();
    std::printf("  after %3d opens: heap in use %.2f MB, of which the pixmap cache %.2f MB\n", opens, heap,
                heap - HeapMb());
}

void RunCase(const Case& c, int runs, const fs::path& work) {
    simtest::SimAgent sim({"--scenario", std::string(QSWSIM_SCENARIOS) + "/" + c.scenario});
    bench::PointAt(sim, (work / c.name).string(), 1);
    SeedRows(sim, c);
    bench::Module module;
    bench::Pump(2000);  // the start-up reads and the first LED poll
    bench::Series open, plain, openInstructions, closeInstructions;
    OpenFigures last;
    int plainRows = 0;
    for (int run = 0; run < runs; ++run) {
        last = MeasuredOpen(c, module);
        if ((c.heap || std::getenv("QSW_BENCH_HEAP")) && run == 0) PrintHeap(1);
        open.Add(last.wall);
        if (last.openInstructions) openInstructions.Add(static_cast<double>(*last.openInstructions));
        if (last.closeInstructions) closeInstructions.Add(static_cast<double>(*last.closeInstructions));
        plain.Add(PlainWalkOf(c, plainRows));
    }
    std::printf("%s: %d rows shown (plain walk %d), %d paint events (%.3f per row)\n", c.name, last.rows, plainRows,
                last.paints, last.rows ? static_cast<double>(last.paints) / last.rows : 0.0);
    std::printf("  painted most: %s\n", last.most.c_str());
    bench::PrintSeries("open to painted table", open, 1000, "ms");
    bench::PrintSeries("plain walk of the table", plain, 1000, "ms");
    if (!openInstructions.values.empty()) {
        bench::PrintSeries("open, instructions (callgrind)", openInstructions, 1e-6, "M");
        bench::PrintSeries("close, instructions (callgrind)", closeInstructions, 1e-6, "M");
    }
    std::printf("  wall open / plain walk (medians): %.2f\n", plain.Median() > 0 ? open.Median() / plain.Median() : 0);
    if (c.heap || std::getenv("QSW_BENCH_HEAP")) {
        for (int opened = runs; opened < 100; ++opened) {
            MeasuredOpen(c, module);
            if (opened + 1 == 10 || opened + 1 == 100) PrintHeap(opened + 1);
        }
    }
    std::fflush(stdout);
    module.form->Close();
}

}  // namespace

int main(int argc, char** argv) {
    bench::Callgrind::NoteStartDirectory();
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string only = argc > 1 ? argv[1] : "";
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    QApplication qt(argc, argv);
    testsupport::TempDir work;
    fs::current_path(work.Path());
    std::printf("load at start: %s; platform %s\n", bench::LoadAverage().c_str(),
                QApplication::platformName().toStdString().c_str());
    bench::PrintSeriesHeader();
    for (const Case& c : Cases)
        if (only.empty() || only == "all" || only == c.name) RunCase(c, runs, work.Path());
    return 0;
}
