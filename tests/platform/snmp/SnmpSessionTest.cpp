#include "SnmpSession.h"
#include "SnmpdAgent.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>

using namespace snmp;
using testsupport::SnmpdAgent;

namespace {

const Oid SysDescr = *Oid::Parse("1.3.6.1.2.1.1.1.0");
const Oid SysObjectId = *Oid::Parse("1.3.6.1.2.1.1.2.0");
const Oid SysContact = *Oid::Parse("1.3.6.1.2.1.1.4.0");
const Oid SysGroup = *Oid::Parse("1.3.6.1.2.1.1");

Pdu RequestOf(std::vector<Oid> oids) {
    Pdu pdu;
    for (Oid& o : oids)
        pdu.varbinds.push_back({std::move(o), Value::Null()});
    return pdu;
}

Pdu SetOf(const Oid& oid, Value v) {
    Pdu pdu;
    pdu.varbinds.push_back({oid, std::move(v)});
    return pdu;
}

Target CommunityTarget(uint8_t version, uint16_t port) {
    Target t;
    t.address = UdpAddress("127.0.0.1", port);
    t.version = version;
    t.readCommunity = SnmpdAgent::ReadCommunity;
    t.writeCommunity = SnmpdAgent::WriteCommunity;
    return t;
}

class SnmpSessionTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(status_, 0); }

    // Pumps until the scope has nothing pending, at most a few seconds.
    void WaitFor(const AsyncScope& scope, int seconds = 10) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        while (scope.Pending() > 0 && std::chrono::steady_clock::now() < end)
            session_.ProcessPendingEvents();
    }

    SnmpdAgent& agent_ = SnmpdAgent::Shared();
    int status_ = -1;
    Session session_{status_};
};

} // namespace

TEST_F(SnmpSessionTest, BlockingGetGetNextAndSetWithCommunities) {
    for (uint8_t version : {uint8_t(Version1), uint8_t(Version2c)}) {
        SCOPED_TRACE(int(version));
        const Target target = CommunityTarget(version, agent_.Port());

        Pdu get = RequestOf({SysDescr, SysObjectId});
        ASSERT_EQ(session_.Get(get, target), 0);
        ASSERT_EQ(get.varbinds.size(), 2u);
        EXPECT_EQ(get.varbinds[0].oid, SysDescr);
        EXPECT_EQ(get.varbinds[0].value.type, ValueType::OctetString);
        EXPECT_FALSE(get.varbinds[0].value.bytes.empty());
        EXPECT_EQ(get.varbinds[1].value.type, ValueType::ObjectId);

        Pdu next = RequestOf({SysGroup});
        ASSERT_EQ(session_.GetNext(next, target), 0);
        EXPECT_EQ(next.varbinds.at(0).oid, SysDescr);

        const std::string contact = "ops-" + std::to_string(version);
        Pdu set = SetOf(SysContact, Value::Octets(contact));
        ASSERT_EQ(session_.Set(set, target), 0);
        Pdu check = RequestOf({SysContact});
        ASSERT_EQ(session_.Get(check, target), 0);
        EXPECT_EQ(check.varbinds.at(0).value.bytes, contact);
    }
}

TEST_F(SnmpSessionTest, AgentErrorStatusIsTheResult) {
    // SET with a wrong type: badValue (3) for v1, wrongType (7) for v2c. SET of sysDescr: read-only.
    Pdu v1 = SetOf(SysContact, Value::Integer(5));
    EXPECT_EQ(session_.Set(v1, CommunityTarget(Version1, agent_.Port())), 3);
    EXPECT_EQ(v1.errorIndex, 1);
    Pdu v2 = SetOf(SysContact, Value::Integer(5));
    EXPECT_EQ(session_.Set(v2, CommunityTarget(Version2c, agent_.Port())), 7);
    Pdu ro = SetOf(SysDescr, Value::Octets("x"));
    EXPECT_EQ(session_.Set(ro, CommunityTarget(Version2c, agent_.Port())), 17);
    // v1 GET of a missing object: noSuchName (2); v2c answers noSuchObject in the value.
    Pdu missing = RequestOf({*Oid::Parse("1.3.6.1.2.1.1.99.0")});
    EXPECT_EQ(session_.Get(missing, CommunityTarget(Version1, agent_.Port())), 2);
    Pdu missing2 = RequestOf({*Oid::Parse("1.3.6.1.2.1.1.99.0")});
    EXPECT_EQ(session_.Get(missing2, CommunityTarget(Version2c, agent_.Port())), 0);
    EXPECT_TRUE(missing2.varbinds.at(0).value.IsException());
}

TEST_F(SnmpSessionTest, AsyncGetGetNextAndSetCompleteOnce) {
    AsyncScope scope;
    for (uint8_t version : {uint8_t(Version1), uint8_t(Version2c)}) {
        SCOPED_TRACE(int(version));
        const Target target = CommunityTarget(version, agent_.Port());
        // Answers may come in any order: each completion records under its own exchange.
        std::vector<AsyncResult> results[3];
        auto record = [&](int which) { return [&, which](const AsyncResult& r) { results[which].push_back(r); }; };
        ASSERT_EQ(session_.GetAsync(RequestOf({SysDescr}), target, scope, record(0)), 0);
        ASSERT_EQ(session_.GetNextAsync(RequestOf({SysGroup}), target, scope, record(1)), 0);
        ASSERT_EQ(session_.SetAsync(SetOf(SysContact, Value::Octets("async")), target, scope, record(2)), 0);
        EXPECT_EQ(scope.Pending(), 3);
        WaitFor(scope);
        // Nothing more arrives later.
        session_.ProcessPendingEvents();
        for (const auto& one : results) {
            ASSERT_EQ(one.size(), 1u);
            EXPECT_EQ(one[0].reason, result::AsyncResponse);
            EXPECT_EQ(one[0].result, 0);
            EXPECT_EQ(one[0].agent.ToString(), "127.0.0.1/" + std::to_string(agent_.Port()));
        }
        EXPECT_EQ(results[0][0].pdu.varbinds.at(0).value.type, ValueType::OctetString);
        EXPECT_EQ(results[1][0].pdu.varbinds.at(0).oid, SysDescr);
        EXPECT_EQ(results[2][0].pdu.varbinds.at(0).value.bytes, "async");
    }
}

TEST_F(SnmpSessionTest, NoAnswerTimesOutAfterTimeoutTimesTries) {
    testsupport::SilentUdpPort silent;
    Target target = CommunityTarget(Version2c, silent.Port());
    target.timeout = 20;  // 0.2 s per try
    target.retries = 1;

    const auto start = std::chrono::steady_clock::now();
    Pdu pdu = RequestOf({SysDescr});
    EXPECT_EQ(session_.Get(pdu, target), result::Timeout);
    const auto blocking = std::chrono::steady_clock::now() - start;
    EXPECT_GE(blocking, std::chrono::milliseconds(380));
    EXPECT_EQ(pdu.varbinds.at(0).oid, SysDescr);

    AsyncScope scope;
    std::vector<AsyncResult> results;
    const auto asyncStart = std::chrono::steady_clock::now();
    ASSERT_EQ(session_.GetAsync(RequestOf({SysDescr}), target, scope,
                                [&](const AsyncResult& r) { results.push_back(r); }), 0);
    WaitFor(scope);
    const auto async = std::chrono::steady_clock::now() - asyncStart;
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].reason, result::Timeout);
    EXPECT_EQ(results[0].result, result::Timeout);
    EXPECT_GE(async, std::chrono::milliseconds(380));
}

TEST_F(SnmpSessionTest, UnresolvableAgentIsAnInvalidAddress) {
    const UdpAddress nowhere("no-such-host.invalid", 161);
    EXPECT_FALSE(nowhere.Valid());
    EXPECT_FALSE(UdpAddress("300.1.2.3", 161).Valid());
    Target target = CommunityTarget(Version2c, 161);
    target.address = nowhere;
    Pdu pdu = RequestOf({SysDescr});
    EXPECT_EQ(session_.Get(pdu, target), result::InvalidAddress);
    AsyncScope scope;
    EXPECT_EQ(session_.GetAsync(pdu, target, scope, [](const AsyncResult&) { FAIL(); }), result::InvalidAddress);
    EXPECT_EQ(scope.Pending(), 0);
}

TEST_F(SnmpSessionTest, DetachedScopeDropsLateAnswers) {
    const Target target = CommunityTarget(Version2c, agent_.Port());
    bool called = false;
    {
        AsyncScope scope;
        ASSERT_EQ(session_.GetAsync(RequestOf({SysDescr}), target, scope, [&](const AsyncResult&) { called = true; }),
                  0);
    }
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (session_.Outstanding() > 0 && std::chrono::steady_clock::now() < end)
        session_.ProcessPendingEvents();
    EXPECT_EQ(session_.Outstanding(), 0);
    EXPECT_FALSE(called);
}

TEST_F(SnmpSessionTest, AsyncAnswerArrivingDuringABlockingCallWaitsForThePump) {
    const Target target = CommunityTarget(Version2c, agent_.Port());
    AsyncScope scope;
    int completions = 0;
    ASSERT_EQ(session_.GetAsync(RequestOf({SysDescr}), target, scope,
                                [&](const AsyncResult& r) {
                                    EXPECT_EQ(r.result, 0);
                                    ++completions;
                                }),
              0);
    // Same agent, same pooled session: the blocking wait also reads the asynchronous answer.
    Pdu blocking = RequestOf({SysObjectId});
    ASSERT_EQ(session_.Get(blocking, target), 0);
    EXPECT_EQ(blocking.varbinds.at(0).value.type, ValueType::ObjectId);
    EXPECT_EQ(completions, 0);
    WaitFor(scope);
    EXPECT_EQ(completions, 1);
}
