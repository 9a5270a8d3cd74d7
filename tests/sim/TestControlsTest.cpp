#include "TestControls.h"

#include "PduLog.h"
#include "SimOptions.h"

#include <gtest/gtest.h>

namespace sim {
namespace {

using snmp::Oid;
using snmp::Value;

Oid O(const std::string& text) { return *Oid::Parse(text); }

TEST(TestControls, CommandsAnswerOkOrSayWhatIsWrong) {
    SimMib mib;
    TestControls controls;
    struct Case { const char* line; bool ok; };
    const Case cases[] = {
        {"ping", true}, {"hold 1.3.6.1.2.1.1", true}, {"hold 1.3.6.1.2.1.1 250", true}, {"hold", false},
        {"hold 1.3.6 -5", false}, {"release", true}, {"release 1.3.6", true}, {"release x", false},
        {"error 1.3.6 genErr", true}, {"error 1.3.6 13 2", true}, {"error 1.3.6 bogus", false}, {"error 1.3.6 19", false},
        {"drop 1.3.6", true}, {"drop 1.3.6 0", false}, {"clear", true},
        {"set 1.3.6.1.2.1.1.4.0 str x", true}, {"frobnicate", false},
    };
    for (const Case& c : cases) {
        CommandResult result = controls.Execute(c.line, mib);
        EXPECT_EQ(result.ok, c.ok) << c.line << ": " << result.message;
        EXPECT_EQ(result.message == "ok", c.ok) << c.line;
    }
}

TEST(TestControls, HoldsMatchAPrefixUntilReleased) {
    SimMib mib;
    TestControls controls;
    controls.Execute("hold 1.3.6.1.4.1.32473.12.11 500", mib);
    EXPECT_FALSE(controls.HoldFor({O("1.3.6.1.2.1.1.1.0")}));
    auto rule = controls.HoldFor({O("1.3.6.1.2.1.1.1.0"), O("1.3.6.1.4.1.32473.12.11.1.2.0")});
    ASSERT_TRUE(rule);
    EXPECT_EQ(rule->ms, 500);
    CommandResult released = controls.Execute("release 1.3.6.1.4.1.32473", mib);
    EXPECT_EQ(released.release, O("1.3.6.1.4.1.32473"));
    EXPECT_FALSE(controls.HoldFor({O("1.3.6.1.4.1.32473.12.11.1.2.0")}));
}

TEST(TestControls, ErrorsAndDropsAreUsedUpByTheirCount) {
    SimMib mib;
    TestControls controls;
    controls.Execute("error 1.3.6.1.2.1.1.5 notWritable 2", mib);
    controls.Execute("drop 1.3.6.1.2.1.1.6", mib);
    auto status = [&](const char* oid) {
        auto injected = controls.TakeError(O(oid));
        return injected ? std::optional<int>(injected->status) : std::nullopt;
    };
    EXPECT_FALSE(status("1.3.6.1.2.1.1.4.0"));
    EXPECT_EQ(status("1.3.6.1.2.1.1.5.0"), NotWritable);
    EXPECT_EQ(status("1.3.6.1.2.1.1.5.0"), NotWritable);
    EXPECT_FALSE(status("1.3.6.1.2.1.1.5.0"));
    EXPECT_TRUE(controls.TakeDrop({O("1.3.6.1.2.1.1.6.0")}));
    EXPECT_FALSE(controls.TakeDrop({O("1.3.6.1.2.1.1.6.0")}));
    controls.Execute("error 1.3.6.1.2.1.1 genErr", mib);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(status("1.3.6.1.2.1.1.1.0"), GenErr);
    controls.Execute("clear", mib);
    EXPECT_FALSE(controls.TakeError(O("1.3.6.1.2.1.1.1.0")));
}

TEST(TestControls, ExceptionRulesAnswerNoErrorAndSkipGetNext) {
    SimMib mib;
    TestControls controls;
    ASSERT_TRUE(controls.Execute("error 1.3.6.1.4.1.32473.12 noSuchInstance 2", mib).ok);
    ASSERT_TRUE(controls.Execute("error 1.3.6.1.4.1.32473.11 noSuchObject", mib).ok);
    EXPECT_FALSE(controls.TakeError(O("1.3.6.1.4.1.32473.12.1.0"), false)) << "a GET-NEXT passes it by, uncounted";
    for (int i = 0; i < 2; ++i) {
        auto injected = controls.TakeError(O("1.3.6.1.4.1.32473.12.1.0"));
        ASSERT_TRUE(injected);
        EXPECT_EQ(injected->status, NoError);
        EXPECT_EQ(injected->exception, snmp::ValueType::NoSuchInstance);
    }
    EXPECT_FALSE(controls.TakeError(O("1.3.6.1.4.1.32473.12.1.0")));
    EXPECT_EQ(controls.TakeError(O("1.3.6.1.4.1.32473.11.9.0"))->exception, snmp::ValueType::NoSuchObject);
}

TEST(TestControls, Version1GetsItsOwnErrorStatuses) {
    struct Case { int v2; int v1; };
    const Case cases[] = {{NotWritable, NoSuchName}, {NoCreation, NoSuchName}, {AuthorizationError, NoSuchName},
                          {WrongType, BadValue}, {InconsistentValue, BadValue}, {ResourceUnavailable, GenErr},
                          {GenErr, GenErr}, {TooBig, TooBig}};
    for (const Case& c : cases)
        EXPECT_EQ(V1ErrorStatus(c.v2), c.v1) << c.v2;
}

TEST(PduLog, ALineShowsCommandVersionPrincipalAndVarbinds) {
    LoggedPdu pdu;
    pdu.command = "SET";
    pdu.version = 1;
    pdu.principal = "harbour";
    pdu.requestId = 7;
    pdu.varbinds = {{O("1.3.6.1.2.1.1.4.0"), Value::Octets("say \"hi\"")},
                    {O("1.3.6.1.4.1.32473.1.0"), Value::Integer(-4)},
                    {O("1.3.6.1.4.1.32473.2.0"), Value::Octets(std::string("\x00\xff", 2))},
                    {O("1.3.6.1.4.1.32473.3.0"), Value::IpAddress(std::string("\x0a\x00\x00\x01", 4))},
                    {O("1.3.6.1.4.1.32473.4.0"), Value::ObjectId(O("1.3.6"))},
                    {O("1.3.6.1.4.1.32473.5.0"), Value::Null()}};
    EXPECT_EQ(FormatPduLogLine(pdu),
              "SET v2c harbour reqid=7 1.3.6.1.2.1.1.4.0=STRING:\"say \\\"hi\\\"\" 1.3.6.1.4.1.32473.1.0=INTEGER:-4 "
              "1.3.6.1.4.1.32473.2.0=HEX:00FF 1.3.6.1.4.1.32473.3.0=IPADDRESS:10.0.0.1 "
              "1.3.6.1.4.1.32473.4.0=OID:1.3.6 1.3.6.1.4.1.32473.5.0=NULL");
    pdu.command = "GETBULK";
    pdu.version = 3;
    pdu.principal = "admin";
    pdu.nonRepeaters = 0;
    pdu.maxRepetitions = 10;
    pdu.varbinds.resize(1);
    EXPECT_EQ(FormatPduLogLine(pdu), "GETBULK v3 admin reqid=7 nonrep=0 maxrep=10 1.3.6.1.2.1.1.4.0=STRING:\"say \\\"hi\\\"\"");
}

TEST(SimOptions, CommandLineIsReadAndBadValuesNamed) {
    SimOptions options = ParseSimOptions({"--port", "0", "--port-file", "p", "--user", "admin:SHA:authpass1:DES:privpass1",
                                          "--user", "reader:MD5:authpass2", "--exec", "hold 1.3 10", "--no-catalogue"});
    EXPECT_EQ(options.port, 0);
    EXPECT_EQ(options.portFile, "p");
    EXPECT_EQ(options.readCommunity, "tundra");
    EXPECT_EQ(options.writeCommunity, "harbour");
    ASSERT_EQ(options.users.size(), 2u);
    EXPECT_EQ(options.users[0].privProtocol, "DES");
    EXPECT_EQ(options.users[1].authProtocol, "MD5");
    EXPECT_TRUE(options.users[1].privProtocol.empty());
    EXPECT_EQ(options.exec, std::vector<std::string>{"hold 1.3 10"});
    EXPECT_FALSE(options.catalogue);

    struct Case { std::vector<std::string> args; const char* message; };
    const std::vector<Case> cases = {
        {{"--port", "70000"}, "--port needs a number from 0 to 65535"},
        {{"--port"}, "--port needs a value"},
        {{"--user", "admin:SHA1:authpass1"}, "--user: the authentication protocol is MD5 or SHA"},
        {{"--user", "admin:SHA:short"}, "--user: a pass phrase has at least 8 characters"},
        {{"--user", "admin:SHA:authpass1:AES:privpass1"}, "--user: the privacy protocol is DES"},
        {{"--user", "admin"}, "--user needs NAME:MD5|SHA:AUTHPASS or NAME:MD5|SHA:AUTHPASS:DES:PRIVPASS"},
        {{"--read-community", "two words"}, "--read-community takes one word"},
        {{"--engine-id", "xyz"}, "--engine-id needs hexadecimal octets"},
        {{"--listen", "0.0.0.0"}, "unknown option --listen"},
    };
    for (const Case& c : cases) {
        try {
            ParseSimOptions(c.args);
            ADD_FAILURE() << c.message;
        } catch (const std::invalid_argument& error) {
            EXPECT_EQ(std::string(error.what()), c.message);
        }
    }
}

} // namespace
} // namespace sim
