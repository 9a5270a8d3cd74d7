#include "BindingTestSupport.h"
#include "EventWait.h"

#include "NxSNMPSession.h"
#include "SnmpdAgent.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>

namespace bindtest {

void AimAt(int port, bool v1) {
    static bool started = false;
    if (!started) {
        static testsupport::TempDir dir;
        NxSNMPSessionStartup();
        CreateGlobalSnmpSession(dir.Path());
        started = true;
    }
    DefaultSNMPDevice.Address = "127.0.0.1";
    DefaultSNMPDevice.Port = static_cast<uint16_t>(port);
    DefaultSNMPSecurity.Version = v1 ? 0 : 1;
    DefaultSNMPSecurity.ReadCommunity = "tundra";
    DefaultSNMPSecurity.WriteCommunity = "harbour";
    DefaultSNMPTimeout = 100;
}

void AimAtSnmpd(bool v1) { AimAt(testsupport::SnmpdAgent::Shared().Port(), v1); }

simtest::SimAgent& Sim() {
    static simtest::SimAgent agent({"--no-catalogue", "--scenario", "/dev/null"});
    return agent;
}

bool RunUntil(const std::function<bool()>& done, int seconds) { return testsupport::RunEventsUntil(done, seconds); }

void Pump(int ms) { testsupport::PumpEvents(ms); }

void FormTest::SetUp() {
    form = new ui::Form(nullptr);
    form->SetBounds(100, 100, 400, 300);
}

void FormTest::TearDown() { delete form; }

void FormTest::ShowAndActivate() {
    form->Show();
    QApplication::setActiveWindow(form->Widget());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form->Widget()));
}

}  // namespace bindtest
