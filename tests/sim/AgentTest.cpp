// qswsim as a real agent: net-snmp's own tools and the project's SNMP adapter talk to it over UDP.
#include "AgentClient.h"
#include "SimProcess.h"

#include "CatalogSource.h"
#include "Scenario.h"
#include "SimMib.h"
#include "SnmpSession.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <sstream>

namespace {

using simtest::Adapter;
using simtest::Contains;
using simtest::Names;
using simtest::O;
using simtest::ReadArgs;
using simtest::RunProgram;
using simtest::Tool;
using simtest::WriteArgs;
using simtest::SimAgent;
using simtest::ToolResult;
using snmp::Oid;
using snmp::Pdu;
using snmp::Value;
using snmp::ValueType;

const std::string SysDescr = "1.3.6.1.2.1.1.1.0";
const std::string SysContact = "1.3.6.1.2.1.1.4.0";
const std::string SysName = "1.3.6.1.2.1.1.5.0";
const std::string SysLocation = "1.3.6.1.2.1.1.6.0";
const std::string UnitTable = "1.3.6.1.4.1.32473.12.11.1.9.4.1";
const std::string StpVersion = "1.3.6.1.4.1.32473.12.15.1.2.0";
// A catalogue table with a plain integer index and a RowStatus column (.24).
const std::string MstpTable = "1.3.6.1.4.1.32473.12.15.2.3.1";

// A PDU log line with its request ID, which the tool chooses, left out.
std::string WithoutRequestId(const std::string& line) {
    const size_t start = line.find(" reqid=");
    if (start == std::string::npos)
        return line;
    const size_t end = line.find(' ', start + 1);
    return line.substr(0, start) + (end == std::string::npos ? "" : line.substr(end));
}


class SimAgentTest : public ::testing::Test {
protected:
    SimAgent agent;
};

TEST_F(SimAgentTest, NetSnmpToolsGetWalkAndSetInEveryVersion) {
    for (const std::string version : {"v1", "v2c", "v3-SHA", "v3-MD5"}) {
        SCOPED_TRACE(version);
        ToolResult get = Tool("snmpget", ReadArgs(version), agent, {SysDescr});
        EXPECT_EQ(get.status, 0) << get.err;
        EXPECT_NE(get.out.find("STRING: \"QSW-2126P managed switch (simulated)\""), std::string::npos) << get.out;

        ToolResult walk = Tool("snmpwalk", ReadArgs(version), agent, {UnitTable});
        EXPECT_EQ(walk.status, 0) << walk.err;
        EXPECT_NE(walk.out.find(".1.3.6.1.4.1.32473.12.11.1.9.4.1.9.1 = STRING: \"QSW-2126P\""), std::string::npos) << walk.out;

        const std::string contact = "ops " + version;
        ToolResult set = Tool("snmpset", WriteArgs(version), agent, {SysContact, "s", contact});
        EXPECT_EQ(set.status, 0) << set.err;
        ToolResult check = Tool("snmpget", ReadArgs(version), agent, {SysContact});
        EXPECT_NE(check.out.find("\"" + contact + "\""), std::string::npos) << check.out;
    }
    ToolResult bulk = Tool("snmpbulkwalk", ReadArgs("v2c"), agent, {UnitTable});
    EXPECT_EQ(bulk.status, 0) << bulk.err;
    EXPECT_NE(bulk.out.find(".1.3.6.1.4.1.32473.12.11.1.9.4.1.15.1 = INTEGER: 1"), std::string::npos) << bulk.out;
}

TEST_F(SimAgentTest, ACatalogueTableWalksItsSeededRowsAndRowStatusChangesThem) {
    Adapter adapter(agent);
    ASSERT_EQ(adapter.status, 0);
    std::vector<std::string> names = Names(adapter.Walk(MstpTable));
    for (const char* row : {"1", "2", "3"})
        EXPECT_TRUE(Contains(names, MstpTable + ".24." + row)) << row;
    EXPECT_FALSE(Contains(names, MstpTable + ".24.9"));
    EXPECT_EQ(adapter.Get(MstpTable + ".24.1")->AsInt32(), 1) << "seeded rows are active";

    // createAndGo with one column's value in the same request; the other columns get defaults.
    ASSERT_EQ(adapter.Set({{O(MstpTable + ".12.9"), Value::Integer(4096)}, {O(MstpTable + ".24.9"), Value::Integer(4)}}), 0);
    names = Names(adapter.Walk(MstpTable));
    EXPECT_TRUE(Contains(names, MstpTable + ".24.9"));
    EXPECT_TRUE(Contains(names, MstpTable + ".2.9"));
    EXPECT_EQ(adapter.Get(MstpTable + ".12.9")->AsInt32(), 4096);
    EXPECT_EQ(adapter.Get(MstpTable + ".24.9")->AsInt32(), 1);

    // createAndGo on the existing row is refused; destroy removes it.
    EXPECT_EQ(adapter.Set({{O(MstpTable + ".24.9"), Value::Integer(4)}}), sim::InconsistentValue);
    ToolResult destroy = Tool("snmpset", WriteArgs("v2c"), agent, {MstpTable + ".24.9", "i", "6"});
    EXPECT_EQ(destroy.status, 0) << destroy.err;
    names = Names(adapter.Walk(MstpTable));
    EXPECT_FALSE(Contains(names, MstpTable + ".24.9"));
    EXPECT_FALSE(Contains(names, MstpTable + ".2.9"));
    EXPECT_TRUE(Contains(names, MstpTable + ".24.3"));
}

TEST_F(SimAgentTest, WritesFailWithTheStatusOfTheirVersion) {
    struct Case { const char* what; std::string oid; Value value; int v2c; int v1; };
    const Case cases[] = {
        {"read-only object", SysDescr, Value::Octets("x"), sim::NotWritable, sim::NoSuchName},
        {"wrong type", SysContact, Value::Integer(1), sim::WrongType, sim::BadValue},
        {"column of a missing row", MstpTable + ".12.77", Value::Integer(1), sim::NoCreation, sim::NoSuchName},
        {"row status out of range", MstpTable + ".24.1", Value::Integer(9), sim::WrongValue, sim::BadValue},
        {"object outside the MIB", "1.3.6.1.4.1.32473.999.0", Value::Integer(1), sim::NotWritable, sim::NoSuchName},
    };
    for (uint8_t version : {uint8_t(snmp::Version2c), uint8_t(snmp::Version1)}) {
        Adapter adapter(agent, version);
        for (const Case& c : cases)
            EXPECT_EQ(adapter.Set({{O(c.oid), c.value}}), version == snmp::Version1 ? c.v1 : c.v2c) << c.what << " v" << int(version);
        adapter.target.writeCommunity = "tundra";
        EXPECT_EQ(adapter.Set({{O(SysContact), Value::Octets("x")}}), version == snmp::Version1 ? sim::NoSuchName : sim::NoAccess)
            << "the read community cannot write";
    }
    ToolResult tool = Tool("snmpset", WriteArgs("v2c"), agent, {SysDescr, "s", "x"});
    EXPECT_NE(tool.status, 0);
    EXPECT_NE(tool.err.find("notWritable"), std::string::npos) << tool.err;

    // A request with one bad varbind changes nothing.
    Adapter adapter(agent);
    int errorIndex = 0;
    EXPECT_EQ(adapter.Set({{O(SysContact), Value::Octets("changed")}, {O(SysDescr), Value::Octets("x")}}, &errorIndex), sim::NotWritable);
    EXPECT_EQ(errorIndex, 2);
    EXPECT_EQ(adapter.Get(SysContact)->bytes, "network operations");
}

TEST_F(SimAgentTest, ThePduLogShowsASetsExactVarbinds) {
    ToolResult set = Tool("snmpset", WriteArgs("v2c"), agent, {SysContact, "s", "rack 7", StpVersion, "i", "2"});
    ASSERT_EQ(set.status, 0) << set.err;
    const std::vector<std::string> log = agent.PduLog();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(WithoutRequestId(log.back()),
              "SET v2c harbour 1.3.6.1.2.1.1.4.0=STRING:\"rack 7\" 1.3.6.1.4.1.32473.12.15.1.2.0=INTEGER:2");
    ToolResult get = Tool("snmpget", ReadArgs("v3-SHA"), agent, {SysName});
    ASSERT_EQ(get.status, 0) << get.err;
    EXPECT_EQ(WithoutRequestId(agent.PduLog().back()), "GET v3 admin 1.3.6.1.2.1.1.5.0=NULL");
}

TEST_F(SimAgentTest, AHeldReplyKeepsAWalkRunningUntilReleased) {
    ASSERT_EQ(agent.Control("hold " + UnitTable), "ok");
    testsupport::TempDir dir;
    simtest::Child walk({"/usr/bin/snmpwalk", "-On", "-t", "60", "-r", "0", "-v2c", "-c", "tundra", agent.Endpoint(), UnitTable},
                        dir.File("out"), dir.File("err"));
    auto asked = [&] {
        for (const std::string& line : agent.PduLog())
            if (line.rfind("GETNEXT v2c tundra", 0) == 0)
                return true;
        return false;
    };
    ASSERT_TRUE(simtest::Eventually(asked));
    EXPECT_TRUE(walk.Running()) << "the first reply is held";
    EXPECT_TRUE(simtest::ReadFile(dir.File("out")).empty());
    ASSERT_EQ(agent.Control("release"), "ok");
    EXPECT_EQ(walk.Wait(), 0) << simtest::ReadFile(dir.File("err"));
    const std::string out = simtest::ReadFile(dir.File("out"));
    EXPECT_NE(out.find(".1.3.6.1.4.1.32473.12.11.1.9.4.1.2.1 = Hex-STRING: 00 50 43 21 26 01"), std::string::npos) << out;
    EXPECT_NE(out.find(".1.3.6.1.4.1.32473.12.11.1.9.4.1.15.1 = INTEGER: 1"), std::string::npos) << out;
}

TEST(SimAgentHold, ATimedHoldDelaysEachMatchingReply) {
    SimAgent agent({"--exec", "hold 1.3.6.1.2.1.1.5 300"});
    const auto start = std::chrono::steady_clock::now();
    ToolResult held = Tool("snmpget", ReadArgs("v2c"), agent, {SysName});
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(300));
    EXPECT_EQ(held.status, 0) << held.err;
    EXPECT_NE(held.out.find("\"qsw-2126p\""), std::string::npos) << held.out;
    ToolResult bulk = Tool("snmpbulkwalk", ReadArgs("v2c"), agent, {"1.3.6.1.2.1.1"});
    EXPECT_EQ(bulk.status, 0) << bulk.err;
    EXPECT_NE(bulk.out.find(".1.3.6.1.2.1.1.7.0 = INTEGER: 6"), std::string::npos) << "a held bulk walk still completes: " << bulk.out;
}

TEST_F(SimAgentTest, InjectedErrorsAndDroppedReplies) {
    ASSERT_EQ(agent.Control("error " + SysName + " genErr 1"), "ok");
    ToolResult failed = Tool("snmpget", ReadArgs("v2c"), agent, {SysName});
    EXPECT_NE(failed.status, 0);
    EXPECT_NE((failed.out + failed.err).find("genError"), std::string::npos) << failed.out << failed.err;
    EXPECT_EQ(Tool("snmpget", ReadArgs("v2c"), agent, {SysName}).status, 0) << "the error was injected once";

    // SNMPv1 has no resourceUnavailable: it gets genErr.
    ASSERT_EQ(agent.Control("error 1.3.6.1.2.1.1.6 resourceUnavailable"), "ok");
    Adapter v1(agent, snmp::Version1);
    Pdu pdu;
    pdu.varbinds.push_back({O("1.3.6.1.2.1.1.6.0"), Value::Null()});
    EXPECT_EQ(v1.session.Get(pdu, v1.target), sim::GenErr);
    Adapter v2(agent);
    pdu.varbinds.assign(1, {O("1.3.6.1.2.1.1.6.0"), Value::Null()});
    EXPECT_EQ(v2.session.Get(pdu, v2.target), sim::ResourceUnavailable);

    ASSERT_EQ(agent.Control("drop " + SysDescr), "ok");
    ToolResult dropped = RunProgram({"/usr/bin/snmpget", "-t", "1", "-r", "0", "-v2c", "-c", "tundra", agent.Endpoint(), SysDescr});
    EXPECT_NE(dropped.status, 0);
    EXPECT_NE(dropped.err.find("Timeout"), std::string::npos) << dropped.err;
    EXPECT_EQ(Tool("snmpget", ReadArgs("v2c"), agent, {SysDescr}).status, 0) << "one reply was dropped";

    EXPECT_EQ(agent.Control("hold 1.3.x"), "error: hold needs an OID prefix");
    EXPECT_EQ(agent.Control("set " + SysName + " str renamed"), "ok");
    EXPECT_EQ(Adapter(agent).Get(SysName)->bytes, "renamed");
}

// Some agents refuse a create or a read-only object with noError and an exception value in the varbind.
TEST_F(SimAgentTest, InjectedExceptionsAnswerNoErrorAndWriteNothing) {
    Adapter adapter(agent);
    const std::string name = adapter.Get(SysName)->bytes;
    const std::string location = adapter.Get(SysLocation)->bytes;
    ASSERT_EQ(agent.Control("error " + SysName + " noSuchInstance"), "ok");
    ToolResult get = Tool("snmpget", ReadArgs("v2c"), agent, {SysName, SysContact});
    EXPECT_EQ(get.status, 0) << get.err;
    EXPECT_NE(get.out.find(".1.3.6.1.2.1.1.5.0 = No Such Instance"), std::string::npos) << get.out;
    EXPECT_NE(get.out.find(".1.3.6.1.2.1.1.4.0 = STRING"), std::string::npos) << get.out;

    ToolResult set = Tool("snmpset", WriteArgs("v2c"), agent, {SysName, "s", "refused", SysContact, "s", "written"});
    EXPECT_EQ(set.status, 0) << set.err;
    EXPECT_NE(set.out.find(".1.3.6.1.2.1.1.5.0 = No Such Instance"), std::string::npos) << set.out;
    EXPECT_NE(set.out.find(".1.3.6.1.2.1.1.4.0 = STRING: \"written\""), std::string::npos) << set.out;
    ASSERT_EQ(agent.Control("clear"), "ok");
    EXPECT_EQ(adapter.Get(SysName)->bytes, name) << "the refused varbind was not written";
    EXPECT_EQ(adapter.Get(SysContact)->bytes, "written");

    // A walk passes the rule by; SNMPv1 has no exceptions and gets noSuchName.
    ASSERT_EQ(agent.Control("error 1.3.6.1.2.1.1 noSuchObject"), "ok");
    EXPECT_EQ(adapter.Walk("1.3.6.1.2.1.1").size(), 7u);
    Adapter v1(agent, snmp::Version1);
    EXPECT_EQ(v1.Set({{O(SysLocation), Value::Octets("x")}}), sim::NoSuchName);
    Pdu pdu;
    pdu.varbinds.push_back({O(SysLocation), Value::Null()});
    EXPECT_EQ(v1.session.Get(pdu, v1.target), sim::NoSuchName);
    ASSERT_EQ(agent.Control("clear"), "ok");
    EXPECT_EQ(adapter.Get(SysLocation)->bytes, location);
}

TEST_F(SimAgentTest, AWalkOfEverythingReturnsEveryObjectOfTheMib) {
    // The same MIB as the agent builds: catalogue and extra tables, system group, default scenario.
    sim::SimMib mib;
    sim::SeedServedTables(mib);
    sim::SeedSystemGroup(mib, "x");
    sim::LoadScenarioFile(mib, std::string(QSWSIM_SCENARIOS) + "/standalone-qsw2126p.scn");

    ToolResult walk = Tool("snmpbulkwalk", ReadArgs("v2c"), agent, {"-Cr50", ".1"});
    ASSERT_EQ(walk.status, 0) << walk.err;
    size_t varbinds = 0;
    std::string last;
    std::istringstream lines(walk.out);
    for (std::string line; std::getline(lines, line);) {
        // Long hex values continue on lines of their own; the walk ends with an end-of-MIB line.
        if (line.rfind(".1.", 0) == 0 && line.find("No more variables left") == std::string::npos) {
            ++varbinds;
            last = line.substr(1, line.find(' ') - 1);
        }
    }
    EXPECT_EQ(varbinds, mib.size());
    EXPECT_EQ(last, mib.Objects().rbegin()->first.ToString());
}

TEST_F(SimAgentTest, ItListensOnLoopbackOnlyAndStopsCleanly) {
    char local[16];
    std::snprintf(local, sizeof local, "0100007F:%04X", agent.Port());
    const std::string udp = simtest::ReadFile("/proc/net/udp");
    EXPECT_NE(udp.find(local), std::string::npos) << udp;
    std::snprintf(local, sizeof local, "00000000:%04X", agent.Port());
    EXPECT_EQ(udp.find(local), std::string::npos);
    EXPECT_EQ(agent.Stop(), 0) << agent.StderrText();
}

TEST(SimAgentStart, BadOptionsAndScenariosStopItWithAMessage) {
    ToolResult option = RunProgram({simtest::SimulatorPath(), "--listen", "0.0.0.0"});
    EXPECT_EQ(option.status, 2);
    EXPECT_NE(option.err.find("qswsim: unknown option --listen"), std::string::npos) << option.err;
    testsupport::TempDir dir;
    const std::string scenario = dir.File("bad.scn");
    std::ofstream(scenario) << "set 1.3.6.1.2.1.1.5.0 str fine\nled 1.3.6.1.4.1.32473.11.70.7.2.1.1.6.0 100 2 2 2\n";
    ToolResult bad = RunProgram({simtest::SimulatorPath(), "--scenario", scenario, "--no-catalogue"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find(scenario + ":2: an LED frame needs \"/\" between the system LEDs and the ports"), std::string::npos) << bad.err;
}

// What the main window and the front-panel views read, from both scenarios.
class ScenarioAgentTest : public ::testing::TestWithParam<const char*> {};

TEST_P(ScenarioAgentTest, ServesTheMainWindowsObjects) {
    SimAgent agent({"--scenario", std::string(QSWSIM_SCENARIOS) + "/" + GetParam()});
    Adapter adapter(agent);
    const bool stacked = std::string(GetParam()).find("stack") != std::string::npos;
    EXPECT_EQ(adapter.Get("1.3.6.1.4.1.32473.12.11.1.2.0")->AsInt32(), stacked ? 1 : 2);
    for (const char* state : {"1.3.6.1.4.1.32473.11.70.7.2.1.2.4.0", StpVersion.c_str(), "1.0.8802.1.1.1.1.1.1.0",
                              "1.3.6.1.4.1.32473.12.24.2.1.1.7.1", "1.3.6.1.4.1.32473.11.70.7.2.3.1.1.5.21.2"})
        EXPECT_EQ(adapter.Get(state).value_or(Value()).type, ValueType::Integer) << state;
    EXPECT_EQ(adapter.Get("1.3.6.1.4.1.32473.11.70.7.2.1.1.6.0")->bytes.size(), 57u);

    // The unit table: columns 2, 3, 4, 5, 7, 8, 9 and 15 of every unit.
    const std::vector<std::string> names = Names(adapter.Walk(UnitTable));
    const int units = stacked ? 3 : 1;
    EXPECT_EQ(names.size(), 8u * units);
    for (int unit = 1; unit <= units; ++unit)
        for (const char* column : {"2", "3", "4", "5", "7", "8", "9", "15"})
            EXPECT_TRUE(Contains(names, UnitTable + "." + column + "." + std::to_string(unit))) << column << "." << unit;
    if (stacked) {
        EXPECT_EQ(adapter.Get(UnitTable + ".9.2")->bytes, "QSW-2150");
        EXPECT_EQ(adapter.Get(UnitTable + ".15.3")->AsInt32(), 2);
        EXPECT_EQ(adapter.Get(UnitTable + ".5.2")->bytes.size(), 103u);
        EXPECT_EQ(adapter.Get("1.3.6.1.4.1.32473.11.70.7.2.3.1.1.5.111.2")->AsInt32(), 2);
    }
    // The PoE LED mode can be flipped.
    ASSERT_EQ(adapter.Set({{O("1.3.6.1.4.1.32473.12.24.2.1.1.7.1"), Value::Integer(1)}}), 0);
    EXPECT_EQ(adapter.Get("1.3.6.1.4.1.32473.12.24.2.1.1.7.1")->AsInt32(), 1);
}

INSTANTIATE_TEST_SUITE_P(Both, ScenarioAgentTest, ::testing::Values("standalone-qsw2126p.scn", "stack-3-units.scn"));

} // namespace
