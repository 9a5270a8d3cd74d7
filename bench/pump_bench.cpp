// The event pump at rest, against a private snmpd: the CPU of an idle process whose session pool holds an SNMPv1
// session and a second, SNMPv2c one whose owner went away before its answers arrived (a "v2c at least" dialog
// closed early); then the cost of the request wait loops (while busy: ProcessMessages) on an agent that never
// answers, beside the same wait done by blocking in the event loop.
// Usage: pump_bench [seconds of each idle phase, default 10]
#include "Application.h"
#include "NxSNMPSession.h"
#include "SnmpdAgent.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

using Clock = std::chrono::steady_clock;

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Counts the event loop's wake-ups and the socket notifications it delivers.
class LoopCounter : public QObject {
public:
    LoopCounter() {
        QCoreApplication::instance()->installEventFilter(this);
        connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake, this, [this] { ++wakes; });
    }
    ~LoopCounter() override { QCoreApplication::instance()->removeEventFilter(this); }
    long wakes = 0;
    long socketActivations = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::SockAct) ++socketActivations;
        return QObject::eventFilter(watched, event);
    }
};

struct Figures {
    double cpu = 0;
    double wall = 0;
    long wakes = 0;
    long socketActivations = 0;
    long turns = 0;
};

Figures Measure(const std::function<long()>& run) {
    LoopCounter counter;
    const double cpuStart = CpuSeconds();
    const auto wallStart = Clock::now();
    Figures f;
    f.turns = run();
    f.wall = std::chrono::duration<double>(Clock::now() - wallStart).count();
    f.cpu = CpuSeconds() - cpuStart;
    f.wakes = counter.wakes;
    f.socketActivations = counter.socketActivations;
    return f;
}

void Print(const char* what, const Figures& f) {
    std::printf("%-58s CPU %.3f s over %.2f s = %6.2f%% of a core; %7.0f loop wakes/s, %ld socket activations", what,
                f.cpu, f.wall, 100.0 * f.cpu / f.wall, f.wakes / f.wall, f.socketActivations);
    if (f.turns > 0) std::printf(", %ld turns", f.turns);
    std::printf("\n");
    std::fflush(stdout);
}

long Sleep(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    return 0;
}

// The loop the main-window benchmark used to wait with: processEvents with a time limit drops WaitForMoreEvents.
long SpinWithTimeLimit(int ms) {
    long turns = 0;
    const auto end = Clock::now() + std::chrono::milliseconds(ms);
    while (Clock::now() < end) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        ++turns;
    }
    return turns;
}

snmp::Pdu SysDescr() {
    snmp::Pdu pdu;
    pdu.varbinds.push_back({*snmp::Oid::Parse("1.3.6.1.2.1.1.1.0"), snmp::Value::Null()});
    return pdu;
}

void Drain() {
    const auto end = Clock::now() + std::chrono::seconds(5);
    while (GlobalSnmpSession->Outstanding() > 0 && Clock::now() < end) Sleep(20);
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 10;
    ui::Application app(argc, argv);
    testsupport::SnmpdAgent agent;
    testsupport::TempDir dir;
    NxSNMPSessionStartup();
    CreateGlobalSnmpSession(dir.Path());

    snmp::Target v1;
    v1.address = snmp::UdpAddress(agent.Address(), agent.Port());
    v1.version = snmp::Version1;
    v1.readCommunity = testsupport::SnmpdAgent::ReadCommunity;
    snmp::Target v2c = v1;
    v2c.version = snmp::Version2c;
    const snmp::Pdu pdu = SysDescr();

    snmp::AsyncScope mainWindow;
    GlobalSnmpSession->GetAsync(pdu, v1, mainWindow, [](const snmp::AsyncResult&) {});
    {
        snmp::AsyncScope dialog;  // closed before its answers arrive
        for (int i = 0; i < 3; ++i) GlobalSnmpSession->GetAsync(pdu, v2c, dialog, [](const snmp::AsyncResult&) {});
    }
    Drain();
    std::printf("pool: %zu session sockets, %d watched; load at start: ", GlobalSnmpSession->Sockets().size(),
                GlobalSnmpEventProcessor->WatchedSocketCount());
    std::fflush(stdout);
    std::system("cut -d' ' -f1-3 /proc/loadavg");

    const int ms = seconds * 1000;
    Print("idle, event loop sleeping between pump ticks:", Measure([ms] { return Sleep(ms); }));
    Print("idle, processEvents(WaitForMoreEvents, 20) in a loop:", Measure([ms] { return SpinWithTimeLimit(ms); }));

    // A request waits for an agent that never answers: 1 s time-out, one retry.
    testsupport::SilentUdpPort silent;
    snmp::Target mute = v1;
    mute.address = snmp::UdpAddress("127.0.0.1", silent.Port());
    auto waitWith = [&](const std::function<void()>& turn) {
        snmp::AsyncScope scope;
        GlobalSnmpSession->GetAsync(pdu, mute, scope, [](const snmp::AsyncResult&) {});
        long turns = 0;
        while (scope.Pending() > 0) {
            turn();
            ++turns;
        }
        return turns;
    };
    Print("wait loop on a time-out, ProcessMessages:",
          Measure([&] { return waitWith([&] { app.ProcessMessages(); }); }));
    Print("wait loop on a time-out, processEvents(WaitForMoreEvents):",
          Measure([&] { return waitWith([] { QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents); }); }));
    // A request answered at once: the wait a dialog's close does in the common case.
    auto answeredWait = [&](const std::function<void()>& turn) {
        long turns = 0;
        for (int i = 0; i < 200; ++i) {
            snmp::AsyncScope scope;
            GlobalSnmpSession->GetAsync(pdu, v1, scope, [](const snmp::AsyncResult&) {});
            while (scope.Pending() > 0) {
                turn();
                ++turns;
            }
        }
        return turns;
    };
    Print("200 answered requests waited for, ProcessMessages:",
          Measure([&] { return answeredWait([&] { app.ProcessMessages(); }); }));
    Print("200 answered requests waited for, processEvents(Wait...):",
          Measure([&] { return answeredWait([] { QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents); }); }));
    NxSNMPSessionExit();
    return 0;
}
