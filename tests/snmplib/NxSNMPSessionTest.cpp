#include "NxSNMPSession.h"

#include "BootCounter.h"
#include "Exception.h"
#include "EventWait.h"
#include "CoreApp.h"
#include "SnmpdAgent.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>

using testsupport::SnmpdAgent;
using testsupport::TempDir;

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

const std::string EngineLine = snmp::EncodeEngineId(SnmpLocalEngineId);

// Runs the Qt event loop until done() holds or a few seconds pass.
template <typename Done>
void RunUntil(Done done, int seconds = 10) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (!done() && std::chrono::steady_clock::now() < end)
        testsupport::WaitForEvents(50);
}

} // namespace

TEST(NxSNMPSession, CreationCountsStartsAndResetsTheDefaults) {
    testsupport::CoreApp();
    NxSNMPSessionExit();  // a module not yet started, whatever ran before in this process
    NxSNMPSessionStartup();
    EXPECT_EQ(DefaultSNMPDevice.Address, "");
    EXPECT_EQ(DefaultSNMPTimeout, 0);
    ASSERT_TRUE(GlobalSnmpEventProcessor);
    EXPECT_FALSE(GlobalSnmpEventProcessor->IsStarted());
    EXPECT_EQ(GlobalSnmpEventProcessor->Interval(), 20);

    TempDir dir;
    const std::string path = dir.File("NxSNMP_PP_BootCounter");
    CreateGlobalSnmpSession(dir.Path());
    ASSERT_TRUE(GlobalSnmpSession);
    EXPECT_EQ(ReadAll(path), EngineLine + " 1\n");
    EXPECT_EQ(GlobalSnmpSession->EngineBoots(), 1u);
    EXPECT_EQ(GlobalSnmpSession->LocalEngineId(), "NxSNMP_PP_Application");
    EXPECT_TRUE(GlobalSnmpEventProcessor->IsStarted());

    EXPECT_EQ(DefaultSNMPDevice.Address, "127.0.0.1");
    EXPECT_EQ(DefaultSNMPDevice.Port, 161);
    EXPECT_EQ(DefaultSNMPScope.ContextEngineID, "");
    EXPECT_EQ(DefaultSNMPScope.ContextName, "");
    const NxSNMPSecurity& s = DefaultSNMPSecurity;
    EXPECT_EQ(s.Version, 0);
    EXPECT_EQ(s.ReadCommunity, "tundra");
    EXPECT_EQ(s.WriteCommunity, "harbour");
    EXPECT_EQ(s.SecurityModel, 1);
    EXPECT_EQ(s.SecurityLevel, 1);
    EXPECT_EQ(s.AuthProtocol, 1);
    EXPECT_EQ(s.PrivProtocol, 1);
    EXPECT_EQ(s.SecurityName + s.AuthPassword + s.PrivPassword, "");
    EXPECT_EQ(DefaultSNMPTimeout, 100);

    // The next start counts 2 and keeps what else the file holds.
    std::ofstream(path, std::ios::app) << "# kept\n";
    CreateGlobalSnmpSession(dir.Path() + "/");
    EXPECT_EQ(ReadAll(path), EngineLine + " 2\n# kept\n");
    EXPECT_EQ(GlobalSnmpSession->EngineBoots(), 2u);
    NxSNMPSessionExit();
}

TEST(NxSNMPSession, BootCounterThatCannotBeSavedRaises508AndStopsThere) {
    testsupport::CoreApp();
    NxSNMPSessionStartup();
    DefaultSNMPDevice.Address = "marker";
    TempDir dir;
    try {
        CreateGlobalSnmpSession(dir.File("no-such-directory"));
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.HelpContext, -508);
        EXPECT_EQ(e.Message, "Error when saving SNMP engine boots counter!");
    }
    EXPECT_EQ(DefaultSNMPDevice.Address, "marker");
    EXPECT_FALSE(GlobalSnmpEventProcessor->IsStarted());
    NxSNMPSessionExit();
}

TEST(NxSNMPSession, PumpDeliversAndNeverNests) {
    testsupport::CoreApp();
    SnmpdAgent& agent = SnmpdAgent::Shared();
    NxSNMPSessionStartup();
    TempDir dir;
    CreateGlobalSnmpSession(dir.Path());

    snmp::Target target;
    target.address = snmp::UdpAddress(agent.Address(), agent.Port());
    target.version = snmp::Version2c;
    target.readCommunity = SnmpdAgent::ReadCommunity;
    snmp::Pdu pdu;
    pdu.varbinds.push_back({*snmp::Oid::Parse("1.3.6.1.2.1.1.1.0"), snmp::Value::Null()});

    snmp::AsyncScope scope;
    int depth = 0;
    int maxDepth = 0;
    int completed = 0;
    auto completion = [&](const snmp::AsyncResult& r) {
        EXPECT_EQ(r.result, 0);
        ++depth;
        maxDepth = std::max(maxDepth, depth);
        if (completed == 0) {
            // A second exchange answered while this completion runs a nested loop must wait for it.
            EXPECT_EQ(GlobalSnmpSession->GetAsync(pdu, target, scope, [&](const snmp::AsyncResult&) {
                          ++depth;
                          maxDepth = std::max(maxDepth, depth);
                          ++completed;
                          --depth;
                      }),
                      0);
            QEventLoop nested;
            QTimer::singleShot(300, &nested, &QEventLoop::quit);
            nested.exec();
            EXPECT_EQ(completed, 0);
        }
        ++completed;
        --depth;
    };
    ASSERT_EQ(GlobalSnmpSession->GetAsync(pdu, target, scope, completion), 0);
    // Every pool socket is watched, so answers wake the pump at once.
    EXPECT_GE(GlobalSnmpEventProcessor->WatchedSocketCount(), 1);
    EXPECT_EQ(static_cast<size_t>(GlobalSnmpEventProcessor->WatchedSocketCount()), GlobalSnmpSession->Sockets().size());
    RunUntil([&] { return completed == 2; });
    EXPECT_EQ(completed, 2);
    EXPECT_EQ(maxDepth, 1);
    NxSNMPSessionExit();
}

namespace {

// Counts the read notifications Qt delivers to socket notifiers of the GUI thread.
class SocketActivationCounter : public QObject {
public:
    SocketActivationCounter() { QCoreApplication::instance()->installEventFilter(this); }
    ~SocketActivationCounter() override { QCoreApplication::instance()->removeEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::SockAct) ++count;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

// A dialog that reads with SNMPv2c opens a second pooled session beside the SNMPv1 one. When it closes before its
// answers arrive, and when datagrams come that no exchange waits for, the pump must read and drop them all: idle, it
// then sleeps between its ticks instead of being woken by a readable socket over and over.
TEST(NxSNMPSession, IdlePumpIsNotWokenBySocketsAfterASecondSessionClosed) {
    testsupport::CoreApp();
    SnmpdAgent& agent = SnmpdAgent::Shared();
    NxSNMPSessionStartup();
    TempDir dir;
    CreateGlobalSnmpSession(dir.Path());

    snmp::Target v1;
    v1.address = snmp::UdpAddress(agent.Address(), agent.Port());
    v1.version = snmp::Version1;
    v1.readCommunity = SnmpdAgent::ReadCommunity;
    snmp::Target v2c = v1;
    v2c.version = snmp::Version2c;
    snmp::Pdu pdu;
    pdu.varbinds.push_back({*snmp::Oid::Parse("1.3.6.1.2.1.1.1.0"), snmp::Value::Null()});

    snmp::AsyncScope mainWindow;
    int answered = 0;
    ASSERT_EQ(GlobalSnmpSession->GetAsync(pdu, v1, mainWindow, [&](const snmp::AsyncResult&) { ++answered; }), 0);
    int lateAnswers = 0;
    {
        snmp::AsyncScope dialog;
        for (int i = 0; i < 3; ++i)
            ASSERT_EQ(GlobalSnmpSession->GetAsync(pdu, v2c, dialog, [&](const snmp::AsyncResult&) { ++lateAnswers; }), 0);
    }
    RunUntil([&] { return answered == 1 && GlobalSnmpSession->Outstanding() == 0; });
    ASSERT_EQ(answered, 1);
    ASSERT_EQ(GlobalSnmpSession->Outstanding(), 0);
    EXPECT_EQ(lateAnswers, 0);
    const std::vector<int> sockets = GlobalSnmpSession->Sockets();
    ASSERT_GE(sockets.size(), 2u);
    EXPECT_EQ(static_cast<size_t>(GlobalSnmpEventProcessor->WatchedSocketCount()), sockets.size());

    // A stray datagram on every session socket, with no exchange outstanding.
    const int sender = ::socket(AF_INET, SOCK_DGRAM, 0);
    ASSERT_GE(sender, 0);
    for (int fd : sockets) {
        sockaddr_in local{};
        socklen_t length = sizeof local;
        ASSERT_EQ(::getsockname(fd, reinterpret_cast<sockaddr*>(&local), &length), 0);
        local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        const char junk[] = {0x30, 0x03, 0x02, 0x01, 0x07};
        EXPECT_EQ(::sendto(sender, junk, sizeof junk, 0, reinterpret_cast<sockaddr*>(&local), sizeof local),
                  static_cast<ssize_t>(sizeof junk));
    }
    ::close(sender);

    // Each turn waits for the next event. A socket wakes the pump at most once for its datagram; the rest are the
    // ticks of a timer of the test's own (the idle pump runs none).
    EXPECT_FALSE(GlobalSnmpEventProcessor->IsTimerActive());
    QTimer turns;
    turns.start(5);
    SocketActivationCounter activations;
    constexpr int Turns = 40;
    for (int turn = 0; turn < Turns; ++turn)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    turns.stop();
    EXPECT_LE(activations.count, static_cast<int>(sockets.size()));
    EXPECT_FALSE(GlobalSnmpEventProcessor->IsTimerActive());
    for (int fd : sockets) {
        pollfd readable{fd, POLLIN, 0};
        EXPECT_EQ(::poll(&readable, 1, 0), 0) << "socket " << fd << " still holds a datagram";
    }

    // The second session still serves.
    ASSERT_EQ(GlobalSnmpSession->GetAsync(pdu, v2c, mainWindow, [&](const snmp::AsyncResult&) { ++answered; }), 0);
    RunUntil([&] { return answered == 2; });
    EXPECT_EQ(answered, 2);
    NxSNMPSessionExit();
}

// The 20 ms timer runs only while an exchange is outstanding: it wakes for a send, delivers answers and time-outs,
// and stops when the last completion has run.
TEST(NxSNMPSession, PumpTimerRunsOnlyWhileAnExchangeIsOutstanding) {
    testsupport::CoreApp();
    SnmpdAgent& agent = SnmpdAgent::Shared();
    NxSNMPSessionStartup();
    TempDir dir;
    CreateGlobalSnmpSession(dir.Path());
    EXPECT_TRUE(GlobalSnmpEventProcessor->IsStarted());
    EXPECT_FALSE(GlobalSnmpEventProcessor->IsTimerActive());

    // A socket that never answers, for the time-out.
    const int silent = ::socket(AF_INET, SOCK_DGRAM, 0);
    ASSERT_GE(silent, 0);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::bind(silent, reinterpret_cast<sockaddr*>(&local), sizeof local), 0);
    socklen_t length = sizeof local;
    ASSERT_EQ(::getsockname(silent, reinterpret_cast<sockaddr*>(&local), &length), 0);

    struct Case {
        const char* name;
        std::string address;
        uint16_t port;
        int expected;
    };
    const Case cases[] = {
        {"answered", agent.Address(), agent.Port(), snmp::result::Success},
        {"timed out", "127.0.0.1", ntohs(local.sin_port), snmp::result::Timeout},
    };
    snmp::Pdu pdu;
    pdu.varbinds.push_back({*snmp::Oid::Parse("1.3.6.1.2.1.1.1.0"), snmp::Value::Null()});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        snmp::Target target;
        target.address = snmp::UdpAddress(c.address, c.port);
        target.version = snmp::Version2c;
        target.readCommunity = SnmpdAgent::ReadCommunity;
        target.timeout = 10;
        target.retries = 0;
        snmp::AsyncScope scope;
        int result = 1;
        int completions = 0;
        ASSERT_EQ(GlobalSnmpSession->GetAsync(pdu, target, scope, [&](const snmp::AsyncResult& r) {
                      result = r.result;
                      ++completions;
                  }),
                  0);
        EXPECT_TRUE(GlobalSnmpEventProcessor->IsTimerActive());
        RunUntil([&] { return completions == 1; });
        EXPECT_EQ(completions, 1);
        EXPECT_EQ(result, c.expected);
        EXPECT_EQ(GlobalSnmpSession->Outstanding(), 0);
        EXPECT_FALSE(GlobalSnmpEventProcessor->IsTimerActive());
    }
    ::close(silent);

    // Stopped, the pump does not wake for a send.
    GlobalSnmpEventProcessor->Stop();
    snmp::Target target;
    target.address = snmp::UdpAddress(agent.Address(), agent.Port());
    target.version = snmp::Version2c;
    target.readCommunity = SnmpdAgent::ReadCommunity;
    snmp::AsyncScope scope;
    int completions = 0;
    ASSERT_EQ(GlobalSnmpSession->GetAsync(pdu, target, scope, [&](const snmp::AsyncResult&) { ++completions; }), 0);
    EXPECT_FALSE(GlobalSnmpEventProcessor->IsTimerActive());
    GlobalSnmpEventProcessor->Start();  // started again, it serves what is outstanding
    EXPECT_TRUE(GlobalSnmpEventProcessor->IsTimerActive());
    RunUntil([&] { return completions == 1; });
    EXPECT_FALSE(GlobalSnmpEventProcessor->IsTimerActive());
    NxSNMPSessionExit();
}
