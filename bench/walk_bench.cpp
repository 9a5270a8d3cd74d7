// Walks the installed-software table of a private snmpd twice: with the request's asynchronous GET-NEXT walk (one
// step per row, every column, answers delivered by the event pump) and with net-snmp's `snmptable -v1`, which also
// asks for one row per GET-NEXT. Prints both times and their ratio; the walk should take at most 1.1 times as long.
#include "NxSNMPRequest.h"
#include "NxSNMPSession.h"
#include "SnmpdAgent.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

const NxSNMPVar InstalledSoftware[] = {
    {"1.3.6.1.2.1.25.6.3.1.1", "Index", sxInteger, readonly},
    {"1.3.6.1.2.1.25.6.3.1.2", "Name", sxDisplayStr, readonly},
    {"1.3.6.1.2.1.25.6.3.1.3", "ID", sxObjectId, readonly},
    {"1.3.6.1.2.1.25.6.3.1.4", "Type", sxInteger, readonly},
    {"1.3.6.1.2.1.25.6.3.1.5", "Date", sxOctetStr, readonly},
    {},
};

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
        if (!ok)
            w.done = true;
    }
};

// The asynchronous walk; gives its seconds and counts its rows.
double WalkWithRequest(int& rows, std::string& failure) {
    NxSNMPRequest request;
    request.Vars = NxSNMPVarList(InstalledSoftware, MVT_FMV, 1);
    Walk walk;
    walk.request = &request;
    const auto start = Clock::now();
    bool ok = false;
    walk.last = request.GetAsync(ok, &Walk::Step, &walk, true);
    walk.done = !ok;
    while (!walk.done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    rows = walk.rows;
    if (walk.last.Code != 0)
        failure = walk.last.Message;
    return seconds;
}

// snmptable as a process, from start to exit; counts the lines it printed.
double WalkWithSnmptable(uint16_t port, int& lines, std::string& failure) {
    const std::string agent = "127.0.0.1:" + std::to_string(port);
    std::vector<std::string> args{"snmptable", "-v1", "-c", "tundra", "-M", QSW_BENCH_MIB_DIR, "-m", "QSW-BENCH-MIB",
                                  "-Cf", ",", "-CH", "-Cb", agent, "QSW-BENCH-MIB::benchTable"};
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    int out[2];
    if (pipe(out) != 0) {
        failure = "pipe failed";
        return 0;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const auto start = Clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, "snmptable", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        failure = "cannot start snmptable (package snmp)";
        return 0;
    }
    lines = 0;
    char buffer[65536];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        for (ssize_t k = 0; k < n; ++k)
            lines += buffer[k] == '\n';
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        failure = "snmptable failed";
    return seconds;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    testsupport::SnmpdAgent agent;
    testsupport::TempDir dir;
    NxSNMPSessionStartup();
    CreateGlobalSnmpSession(dir.path());
    DefaultSNMPDevice.Address = agent.address();
    DefaultSNMPDevice.Port = agent.port();
    DefaultSNMPSecurity.Version = 0;  // SNMPv1, as snmptable -v1

    // The agent reads its software list on first use: one untimed walk fills its cache.
    int rows = 0;
    std::string failure;
    WalkWithRequest(rows, failure);

    int lines = 0;
    const double table = WalkWithSnmptable(agent.port(), lines, failure);
    const double walk = WalkWithRequest(rows, failure);
    if (!failure.empty()) {
        std::fprintf(stderr, "walk_bench: %s\n", failure.c_str());
        return 1;
    }
    std::printf("table: hrSWInstalledTable, 5 columns, %d rows (snmptable printed %d lines)\n", rows, lines);
    std::printf("snmptable -v1:           %8.1f ms\n", table * 1000);
    std::printf("asynchronous walk (v1):  %8.1f ms\n", walk * 1000);
    std::printf("ratio walk / snmptable:  %8.2f (target <= 1.10)\n", walk / table);
    return 0;
}
