// The main window against the switch simulator: the whole process's start-up (exec to the first painted front
// panel, standalone switch; under the X server of DISPLAY when there is one, else offscreen), the start-up inside
// the process, the idle figures, then, with a three-unit stack (every unit present) polling its LEDs, resident
// memory, the CPU the polling costs and the event loop's wake-ups, before and after a "v2c at least" dialog was
// opened and closed.
// Idle: the main window left alone after its start-up, standalone and with the 12-unit stack, once with the
// scenario's LEDs as they are (ports blinking, links changing) and once steady (no blink marks, each LED's first
// frame only); for each, the event loop's wake-ups per second, CPU, and under callgrind the instructions per
// second of the idle part, a function of its own:
//   valgrind --tool=callgrind --toggle-collect='*MeasuredIdle*' main_window_bench --idle 20
// (run from a writable directory, without --callgrind-out-file: the program reads callgrind's dumps there).
// Targets: steady, standalone <= 0.3 M instructions/s and 1 wake-up/s, 12 units <= 0.8 M/s and 2/s; blinking
// <= 17 wake-ups/s.
// Usage: main_window_bench [seconds of each stack polling phase, default 300] [start-up runs, default 5]
//        main_window_bench --idle [seconds of each idle case, default 20]   (the idle figures only)
#include "Application.h"
#include "BenchModule.h"
#include "BenchSupport.h"
#include "Callgrind.h"
#include "CommandEngine.h"
#include "GUIConfigForm.h"
#include "MainUnit.h"
#include "MenuCommandTable.h"
#include "NxSNMPRequest2Edits.h"
#include "NxSNMPSession.h"
#include "PanelForm.h"
#include "Program.h"
#include "SimProcess.h"
#include "TestHooks.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using bench::Module;
using bench::PointAt;
using bench::Pump;
using bench::ResidentKb;

// Polls for the given seconds, printing resident memory each minute, then the CPU the polling took.
void MeasurePolling(int seconds) {
    long wakes = 0;
    const QMetaObject::Connection counting =
        QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake, [&wakes] { ++wakes; });
    const long firstKb = ResidentKb();
    const double cpuStart = bench::CpuSeconds();
    const auto wallStart = std::chrono::steady_clock::now();
    long lastKb = firstKb;
    for (int elapsed = 0; elapsed < seconds; elapsed += 60) {
        Pump(std::min(60, seconds - elapsed) * 1000);
        lastKb = ResidentKb();
        std::printf("  after %3d s: resident %ld kB\n", std::min(elapsed + 60, seconds), lastKb);
        std::fflush(stdout);
    }
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    const double cpu = bench::CpuSeconds() - cpuStart;
    QObject::disconnect(counting);
    std::printf("resident memory: %ld kB at start of polling, %ld kB at end (growth %ld kB)\n", firstKb, lastKb,
                lastKb - firstKb);
    std::printf("poll CPU: %.3f s over %.0f s = %.2f%% of one core; event loop woken %.1f times/s\n", cpu, wall,
                100.0 * cpu / wall, wakes / wall);
    std::fflush(stdout);
}

// A dialog of a "v2c at least" command (the device itself speaks SNMPv1), opened, read and closed: its requests
// leave an SNMPv2c session in the pool beside the panel's SNMPv1 ones.
void OpenAndCloseV2cDialog(Module& module) {
    const MenuCommand* command = FindMenuCommand("IFXTable1Click");
    CommandContext context;
    context.MainWindow = module.form;
    context.DeviceAddress = "127.0.0.1";
    const size_t before = GlobalSnmpSession ? GlobalSnmpSession->Sockets().size() : 0u;
    bool read = false;
    ui::TestHooks::RunInNextModal([&read](ui::Form& form) {
        auto* dialog = dynamic_cast<TConfigForm*>(&form);
        QElapsedTimer timer;
        timer.start();
        while (dialog && !dialog->Requests.empty() && dialog->Requests[0]->Busy && timer.elapsed() < 10000) Pump(20);
        read = dialog && !dialog->Requests.empty() && !dialog->Requests[0]->Busy;
        form.Close();
    });
    RunMenuCommand(*command, context);
    std::printf("v2c dialog \"%s\" opened and closed (%s); session sockets in the pool: %zu before, %zu after\n",
                command->Title, read ? "read" : "still reading", before,
                GlobalSnmpSession ? GlobalSnmpSession->Sockets().size() : 0u);
}

// The three-unit stack with its third unit present too (a QSW-2126P), so that every unit polls its LEDs.
std::string WriteStackScenario(const std::string& path) {
    std::ifstream in(std::string(QSWSIM_SCENARIOS) + "/stack-3-units.scn");
    std::ofstream out(path);
    out << in.rdbuf();
    const std::string unit = "1.3.6.1.4.1.32473.12.11.1.9.4.1.";
    out << "\n# Unit 3 present: a QSW-2126P slave, its port 5 blinking.\n"
        << "set " << unit << "2.3 hex 00:50:43:21:26:03\n"
        << "set " << unit << "4.3 int 26\n"
        << "set " << unit << "7.3 int 5\n"
        << "set " << unit << "8.3 str 1.00.012\n"
        << "set " << unit << "9.3 str QSW-2126P\n"
        << "set " << unit << "15.3 int 1\n"
        << "led " << unit << "5.3 4000 2 2 0 3 2 / 3 0 0 0 3b 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\n";
    for (int port = 149; port <= 152; ++port) out << "set 1.3.6.1.4.1.32473.11.70.7.2.3.1.1.5." << port << ".2 int 3\n";
    return path;
}

// The scenario with its LEDs steady: the blink marks dropped and each LED object's first frame kept.
std::string WriteSteadyScenario(const std::string& source, const std::string& path) {
    std::ifstream in(source);
    std::ofstream out(path);
    std::vector<std::string> ledObjects;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("led ", 0) != 0) {
            out << line << "\n";
            continue;
        }
        std::istringstream words(line);
        std::string word, object;
        words >> word >> object;
        if (std::find(ledObjects.begin(), ledObjects.end(), object) != ledObjects.end()) continue;
        ledObjects.push_back(object);
        out << "led " << object;
        while (words >> word) {
            if (word.size() > 1 && word.back() == 'b') word.pop_back();
            out << " " << word;
        }
        out << "\n";
    }
    return path;
}

// The idle part, a function of its own for callgrind's --toggle-collect.
[[gnu::noinline]] void MeasuredIdle(int ms) { Pump(ms); }

// The main window of a fresh module on the given scenario, left alone for the given seconds after its start-up.
void MeasureIdleCase(const char* title, const std::string& scenario, const std::string& dir, int seconds) {
    simtest::SimAgent sim({"--scenario", scenario});
    PointAt(sim, dir, 1);
    Module module;
    Pump(8000);  // the start-up's reads and the first polls done
    long wakes = 0;
    const QMetaObject::Connection counting =
        QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake, [&wakes] { ++wakes; });
    const double cpuStart = bench::CpuSeconds();
    const auto wallStart = std::chrono::steady_clock::now();
    bench::Callgrind::Start();
    MeasuredIdle(seconds * 1000);
    const std::optional<long long> instructions = bench::Callgrind::Dump(title);
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    const double cpu = bench::CpuSeconds() - cpuStart;
    QObject::disconnect(counting);
    std::printf("  %-34s %2zu view(s) %7.1f wake-ups/s %7.2f%% CPU", title, module.form->PanelFormList.size(),
                wakes / wall, 100.0 * cpu / wall);
    if (instructions) std::printf(" %8.3f M instructions/s", *instructions / wall / 1e6);
    std::printf("\n");
    std::fflush(stdout);
    module.form->Close();
}

// Idle, steady and blinking, standalone and 12 units.
void MeasureIdle(const testsupport::TempDir& work, int seconds) {
    const std::string scenarios = QSWSIM_SCENARIOS;
    const std::string standalone = scenarios + "/standalone-qsw2126p.scn";
    const std::string stack = scenarios + "/stack-12-units.scn";
    std::printf("idle main window, %d s each, load %s%s:\n", seconds, bench::LoadAverage().c_str(),
                bench::Callgrind::Running() ? ", under callgrind" : "");
    MeasureIdleCase("standalone, steady", WriteSteadyScenario(standalone, work.File("standalone-steady.scn")),
                    work.File("idle-standalone-steady"), seconds);
    MeasureIdleCase("standalone, blinking", standalone, work.File("idle-standalone"), seconds);
    MeasureIdleCase("12 units, steady", WriteSteadyScenario(stack, work.File("stack-12-steady.scn")),
                    work.File("idle-stack-steady"), seconds);
    MeasureIdleCase("12 units, blinking", stack, work.File("idle-stack"), seconds);
    std::printf(
        "  targets: steady standalone <= 0.3 M/s and 1 wake-up/s, 12 units <= 0.8 M/s and 2/s; blinking <= "
        "17 wake-ups/s\n");
}

// Child mode: the module's start-up in a fresh process; prints the milliseconds since the parent's steady clock
// reading startNs (the steady clock is the system's monotonic clock, shared by both processes).
int StartupChild(long long startNs, const std::string& workDir) {
    int argc = 1;
    char name[] = "main_window_bench";
    char* argv[] = {name, nullptr};
    QApplication qt(argc, argv);
    fs::current_path(workDir);
    Module module;
    module.form->Widget()->grab();
    const long long now =
        std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
            .count();
    std::printf("%.3f %zu\n", (now - startNs) / 1e6, module.form->PanelFormList.size());
    std::fflush(stdout);
    module.form->Close();
    return 0;
}

// Runs the start-up child; its milliseconds from spawn to the first painted panel, or -1.
double WholeProcessStartup(const std::string& self, const std::string& workDir) {
    const long long startNs =
        std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
            .count();
    const std::string out = workDir + "/startup.out";
    const std::string command =
        "'" + self + "' --startup-child " + std::to_string(startNs) + " '" + workDir + "' > '" + out + "'";
    if (std::system(command.c_str()) != 0) return -1;
    std::ifstream in(out);
    double ms = -1;
    in >> ms;
    return ms;
}

}  // namespace

int main(int argc, char** argv) {
    bench::Callgrind::NoteStartDirectory();
    if (argc == 4 && std::string(argv[1]) == "--startup-child") return StartupChild(std::atoll(argv[2]), argv[3]);
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const bool idleOnly = argc > 1 && std::string(argv[1]) == "--idle";
    const int idleSeconds = idleOnly && argc > 2 ? std::max(1, std::atoi(argv[2])) : 20;
    const int seconds = argc > 1 && !idleOnly ? std::atoi(argv[1]) : 300;
    const int startupRuns = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const std::string self = fs::canonical("/proc/self/exe").string();
    QApplication qt(argc, argv);
    testsupport::TempDir work;
    fs::current_path(work.Path());
    std::printf("load at start: %s; platform %s\n", bench::LoadAverage().c_str(),
                QApplication::platformName().toStdString().c_str());
    if (idleOnly) {
        MeasureIdle(work, idleSeconds);
        return 0;
    }

    {
        simtest::SimAgent sim({"--scenario", std::string(QSWSIM_SCENARIOS) + "/standalone-qsw2126p.scn"});
        PointAt(sim, work.File("standalone"), 1);
        bench::Series whole;
        for (int r = 0; r < startupRuns; ++r) whole.Add(WholeProcessStartup(self, work.File("standalone")));
        std::printf("whole-process start-up, exec to first painted front panel (standalone), %d runs:\n", startupRuns);
        bench::PrintSeries("min / median / max", whole, 1, "ms");
        QElapsedTimer timer;
        timer.start();
        Module module;
        module.form->Widget()->grab();  // the first paint of the window with its view
        std::printf("start-up inside the process to first painted front panel (standalone): %lld ms, %zu view(s)\n",
                    static_cast<long long>(timer.elapsed()), module.form->PanelFormList.size());
        module.form->Close();
    }
    MeasureIdle(work, idleSeconds);

    simtest::SimAgent sim({"--scenario", WriteStackScenario(work.File("stack-3-present.scn"))});
    PointAt(sim, work.File("stack"), 0);  // SNMPv1: a "v2c at least" dialog adds a session
    Module module;
    std::printf("three-unit stack, every unit present: %zu views polling every 3 s\n",
                module.form->PanelFormList.size());
    Pump(5000);
    MeasurePolling(seconds);
    OpenAndCloseV2cDialog(module);
    Pump(5000);
    MeasurePolling(seconds);
    module.form->Close();
    return 0;
}
