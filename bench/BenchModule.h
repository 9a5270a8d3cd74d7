#pragma once
// What the benchmarks that run the whole module share: the module with its main window pointed at the switch
// simulator, the event loop run for a while, and resident memory.
#include "Application.h"
#include "MainUnit.h"
#include "Program.h"
#include "SimProcess.h"

#include <QEventLoop>
#include <QTimer>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace bench {

inline long ResidentKb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    return -1;
}

// Runs the event loop for ms milliseconds, sleeping while nothing is due. (processEvents with a time limit never
// waits: it drops WaitForMoreEvents, so a loop around it spins a core and measures itself.)
inline void Pump(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Settings file and registry pointing the module at the simulator, spoken to with the given SNMP version code.
inline void PointAt(const simtest::SimAgent& sim, const std::string& dir, int version) {
    std::filesystem::create_directories(dir);
    std::ofstream(dir + "/registry.ini") << "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Vantrel\\Halvex5.1\\MibFile]\nPath=" << dir
                                         << "/\n";
    std::ofstream(dir + "/127.0.0.1.cfg")
        << "[Program Information]\nAgentPort=" << sim.Port() << "\nVersion=" << version
        << "\nSecurityModel=2\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n";
    setenv("VANTREL_REGISTRY", (dir + "/registry.ini").c_str(), 1);
}

struct Module {
    int argc = 1;
    char name[16] = "qsw2126p-mgr";
    char* argv[2] = {name, nullptr};
    ui::Application app{argc, argv};
    ModuleUnits units{app};
    TMainForm* form = nullptr;

    Module() {
        app.SetTitle(ApplicationTitle);
        SetProgramArguments({"/I127.0.0.1", "/Rtundra", "/Wharbour"});
        form = app.CreateForm<TMainForm>();
        form->Show();
    }
};

}  // namespace bench
