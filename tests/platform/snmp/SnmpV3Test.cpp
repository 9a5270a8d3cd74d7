#include "SnmpSession.h"
#include "SnmpdAgent.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace snmp;
using testsupport::SnmpdAgent;
using testsupport::SnmpdUser;

namespace {

const Oid SysDescr = *Oid::Parse("1.3.6.1.2.1.1.1.0");
const Oid SysContact = *Oid::Parse("1.3.6.1.2.1.1.4.0");

Pdu PduOf(const Oid& oid, Value v, int32_t level) {
    Pdu pdu;
    pdu.securityLevel = level;
    pdu.varbinds.push_back({oid, std::move(v)});
    return pdu;
}

class SnmpV3Test : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(status_, 0); }

    Target UserTarget(const std::string& name, uint16_t port) {
        Target t;
        t.address = UdpAddress(agent_.Address(), port);
        t.version = Version3;
        t.securityModel = SecurityModelUsm;
        t.securityName = name;
        return t;
    }
    int RegisterUser(const SnmpdUser& u, const std::string& authPassword, const std::string& privPassword) {
        return session_.AddUser(u.name, u.authProtocol, u.privProtocol, authPassword, privPassword);
    }
    int RegisterUser(const SnmpdUser& u) { return RegisterUser(u, u.authPassword, u.privPassword); }

    // One asynchronous GET, pumped to its end; the number of completions is checked by the caller.
    std::vector<AsyncResult> GetAsync(const Target& target, int32_t level) {
        std::vector<AsyncResult> results;
        AsyncScope scope;
        const int sent = session_.GetAsync(PduOf(SysDescr, Value::Null(), level), target, scope,
                                           [&](const AsyncResult& r) { results.push_back(r); });
        EXPECT_EQ(sent, 0);
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (scope.Pending() > 0 && std::chrono::steady_clock::now() < end)
            session_.ProcessPendingEvents();
        // A second report or a late time-out must not complete it again.
        const auto settle = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
        while (std::chrono::steady_clock::now() < settle)
            session_.ProcessPendingEvents();
        return results;
    }

    SnmpdAgent& agent_ = SnmpdAgent::Shared();
    int status_ = -1;
    Session session_{status_};
};

} // namespace

TEST_F(SnmpV3Test, EachLevelAndProtocolGetsAndSets) {
    struct Case { const SnmpdUser* user; int32_t level; };
    const Case cases[] = {
        {&SnmpdAgent::NoAuthUser, NoAuthNoPriv},
        {&SnmpdAgent::Md5User, AuthNoPriv},
        {&SnmpdAgent::ShaUser, AuthNoPriv},
        {&SnmpdAgent::ShaDesUser, AuthPriv},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.user->name);
        ASSERT_EQ(RegisterUser(*c.user), 0);
        const Target target = UserTarget(c.user->name, agent_.Port());

        Pdu get = PduOf(SysDescr, Value::Null(), c.level);
        ASSERT_EQ(session_.Get(get, target), 0);
        EXPECT_EQ(get.varbinds.at(0).value.type, ValueType::OctetString);

        const std::string contact = std::string("v3-") + c.user->name;
        Pdu set = PduOf(SysContact, Value::Octets(contact), c.level);
        ASSERT_EQ(session_.Set(set, target), 0);
        Pdu check = PduOf(SysContact, Value::Null(), c.level);
        ASSERT_EQ(session_.Get(check, target), 0);
        EXPECT_EQ(check.varbinds.at(0).value.bytes, contact);

        const auto results = GetAsync(target, c.level);
        ASSERT_EQ(results.size(), 1u);
        EXPECT_EQ(results[0].result, 0);
    }
}

TEST_F(SnmpV3Test, SecurityFailuresArriveOnceWithTheirResult) {
    // Unknown user, wrong password, a level the agent's user does not have.
    const SnmpdUser stranger{"qswstranger", 3, "stranger-secret", 1, "", 2};
    const SnmpdUser& plain = SnmpdAgent::NoAuthUser;
    struct Case {
        const char* what;
        SnmpdUser user;
        std::string authPassword;
        std::string privPassword;
        int32_t level;
        int expected;
    };
    const Case cases[] = {
        {"unknown user", stranger, stranger.authPassword, "", AuthNoPriv, result::UsmUnknownSecurityName},
        {"wrong password", SnmpdAgent::ShaUser, "not-the-password", "", AuthNoPriv, result::UsmAuthenticationFailure},
        {"unsupported level", SnmpdUser{plain.name, 3, "", 2, "", 1}, "plain-auth-pass", "plain-priv-pass", AuthPriv,
         result::UsmUnsupportedSecurityLevel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(RegisterUser(c.user, c.authPassword, c.privPassword), 0);
        const Target target = UserTarget(c.user.name, agent_.Port());
        Pdu pdu = PduOf(SysDescr, Value::Null(), c.level);
        EXPECT_EQ(session_.Get(pdu, target), c.expected);

        const auto results = GetAsync(target, c.level);
        ASSERT_EQ(results.size(), 1u);
        EXPECT_EQ(results[0].result, c.expected);
        EXPECT_EQ(results[0].reason, c.expected);
    }
}

TEST_F(SnmpV3Test, RightPasswordWorksAfterAWrongOne) {
    const SnmpdUser& user = SnmpdAgent::ShaDesUser;
    const Target target = UserTarget(user.name, agent_.Port());
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        ASSERT_EQ(RegisterUser(user, "wrong-auth-pass", user.privPassword), 0);
        Pdu wrong = PduOf(SysDescr, Value::Null(), AuthPriv);
        EXPECT_EQ(session_.Get(wrong, target), result::UsmAuthenticationFailure);

        ASSERT_EQ(RegisterUser(user), 0);
        Pdu right = PduOf(SysDescr, Value::Null(), AuthPriv);
        EXPECT_EQ(session_.Get(right, target), 0);
        const auto results = GetAsync(target, AuthPriv);
        ASSERT_EQ(results.size(), 1u);
        EXPECT_EQ(results[0].result, 0);
    }
    // And the wrong one fails again: the good keys did not stick either. The agent leaves what it cannot decrypt
    // unanswered, after answering the engine discovery: a decryption error, not a time-out.
    ASSERT_EQ(RegisterUser(user, user.authPassword, "wrong-priv-pass"), 0);
    Pdu wrongPriv = PduOf(SysDescr, Value::Null(), AuthPriv);
    EXPECT_EQ(session_.Get(wrongPriv, target), result::UsmDecryptionError);
    const auto results = GetAsync(target, AuthPriv);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].result, result::UsmDecryptionError);
}

TEST_F(SnmpV3Test, UnregisteredUserAndBadProtocolsFailBeforeSending) {
    const Target target = UserTarget("qswnobody", agent_.Port());
    Pdu pdu = PduOf(SysDescr, Value::Null(), NoAuthNoPriv);
    EXPECT_EQ(session_.Get(pdu, target), result::UsmUnknownSecurityName);
    EXPECT_EQ(session_.AddUser("x", 4, 1, "", ""), result::UsmUnsupportedAuthProtocol);
    EXPECT_EQ(session_.AddUser("x", 3, 3, "", ""), result::UsmUnsupportedPrivProtocol);
}

TEST_F(SnmpV3Test, NoAnswerDuringDiscoveryTimesOutAsynchronouslyToo) {
    testsupport::SilentUdpPort silent;
    ASSERT_EQ(RegisterUser(SnmpdAgent::ShaUser), 0);
    Target target = UserTarget(SnmpdAgent::ShaUser.name, silent.Port());
    target.timeout = 20;
    target.retries = 1;
    Pdu pdu = PduOf(SysDescr, Value::Null(), AuthNoPriv);
    EXPECT_EQ(session_.Get(pdu, target), result::Timeout);
    const auto results = GetAsync(target, AuthNoPriv);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].result, result::Timeout);
}

// A private agent restarted between two requests of one session: with its engine ID kept the session goes on as
// before; with another one the session discovers the new engine and the request still succeeds.
TEST_F(SnmpV3Test, AnAgentRestartedWithAnotherEngineIdIsDiscoveredAgain) {
    SnmpdAgent own;
    const SnmpdUser& user = SnmpdAgent::ShaDesUser;
    ASSERT_EQ(RegisterUser(user), 0);
    Target target = UserTarget(user.name, own.Port());
    target.timeout = 50;
    target.retries = 1;
    Pdu first = PduOf(SysDescr, Value::Null(), AuthPriv);
    ASSERT_EQ(session_.Get(first, target), 0);
    for (bool newEngineId : {false, true, true}) {
        SCOPED_TRACE(newEngineId ? "another engine ID" : "the same engine ID");
        own.Restart(newEngineId);
        Pdu blocking = PduOf(SysDescr, Value::Null(), AuthPriv);
        EXPECT_EQ(session_.Get(blocking, target), 0);
        EXPECT_EQ(blocking.varbinds.at(0).value.type, ValueType::OctetString);

        own.Restart(newEngineId);
        const auto results = GetAsync(target, AuthPriv);
        ASSERT_EQ(results.size(), 1u);
        EXPECT_EQ(results[0].result, 0);
    }
}
