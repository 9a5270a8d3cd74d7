// The tables the dedicated dialogs read and write, served by the running qswsim.
#include "AgentClient.h"
#include "SimMib.h"

#include <gtest/gtest.h>

namespace {

using simtest::Adapter;
using simtest::Contains;
using simtest::Names;
using simtest::O;
using simtest::SimAgent;
using snmp::Value;

// The instance part of oid below column.
std::string InstanceOf(const snmp::Oid& oid, const std::string& column) {
    return oid.ToString().substr(column.size() + 1);
}

class DialogTables : public ::testing::Test {
protected:
    SimAgent agent;
    Adapter adapter{agent};
};

// IPv6 static routes are read with four keys (the fourth, Next Hop, is read-only) and neighbours with three (the
// third, Interface Name, is read-only): each row's instance has every key, and the key columns answer their part.
TEST_F(DialogTables, IPv6RoutesAndNeighboursAnswerTheInstancesTheirDialogsRead) {
    const std::string metric = "1.3.6.1.4.1.32473.12.26.3.1.1.5";
    const auto routes = adapter.Walk(metric);
    ASSERT_FALSE(routes.empty());
    for (const snmp::VarBind& route : routes) {
        const snmp::Oid instance = O(InstanceOf(route.oid, metric));
        const auto& arcs = instance.Arcs();
        ASSERT_GT(arcs.size(), 17u) << instance.ToString();
        const size_t nameLength = arcs[17];
        ASSERT_EQ(arcs.size(), 16 + 1 + 1 + nameLength + 16) << "destination, prefix, name, next hop: " << instance.ToString();
        const auto nextHop = adapter.Get("1.3.6.1.4.1.32473.12.26.3.1.1.4." + instance.ToString());
        ASSERT_TRUE(nextHop);
        EXPECT_EQ(nextHop->bytes.size(), 16u);
        EXPECT_EQ(static_cast<unsigned char>(nextHop->bytes.back()), arcs.back());
    }
    const std::string state = "1.3.6.1.4.1.32473.12.26.4.1.1.4";
    const auto neighbours = adapter.Walk(state);
    ASSERT_FALSE(neighbours.empty());
    for (const snmp::VarBind& neighbour : neighbours) {
        const snmp::Oid instance = O(InstanceOf(neighbour.oid, state));
        const auto& arcs = instance.Arcs();
        ASSERT_GT(arcs.size(), 22u) << instance.ToString();
        ASSERT_EQ(arcs.size(), 16 + 6 + 1 + arcs[22]) << "address, MAC, name: " << instance.ToString();
        const auto name = adapter.Get("1.3.6.1.4.1.32473.12.26.4.1.1.3." + instance.ToString());
        ASSERT_TRUE(name);
        EXPECT_EQ(name->bytes.size(), arcs[22]);
    }
}

// Tables without RowStatus create a row when their status column is written with its create value (filtering:
// permanent 3; routes and relays: valid 3) and remove it with invalid (2).
TEST_F(DialogTables, StatusColumnsCreateAndRemoveRows) {
    struct Case {
        const char* what;
        std::string status;     // the status column
        std::string instance;   // a row that is not there yet
        std::string other;      // a writable column written with the create, or ""
        Value otherValue;
    };
    const std::string unicast = "1.3.6.1.2.1.17.7.1.3.1.1";
    const std::string multicast = "1.3.6.1.2.1.17.7.1.3.2.1";
    const std::string route = "1.3.6.1.4.1.32473.11.70.7.3.2.5.1";
    const Case cases[] = {
        {"static unicast", unicast + ".4", "5.0.80.67.0.0.9.0", unicast + ".3", Value::Octets(std::string("\x40\0\0\0\0\0\0\0", 8))},
        {"static multicast", multicast + ".5", "5.1.0.94.0.0.9.0", multicast + ".3", Value::Octets(std::string("\x20\0\0\0\0\0\0\0", 8))},
        {"IPv4 static route", route + ".6", "192.168.7.0.255.255.255.0.10.0.0.254", route + ".5", Value::Integer(7)},
        {"DHCP/BOOTP relay", "1.3.6.1.4.1.32473.11.70.7.3.3.1.4.1.3", "5.118.108.97.110.57.10.9.9.9", "", Value::Null()},
        {"DNS relay", "1.3.6.1.4.1.32473.11.70.7.3.3.2.6.1.3", "4.104.111.115.116.10.9.9.8", "", Value::Null()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string status = c.status + "." + c.instance;
        const std::string other = c.other.empty() ? "" : c.other + "." + c.instance;
        if (!other.empty()) {
            EXPECT_EQ(adapter.Set({{O(other), c.otherValue}}), sim::NoCreation) << "another column alone creates nothing";
        }
        std::vector<snmp::VarBind> create = {{O(status), Value::Integer(3)}};
        if (!other.empty())
            create.insert(create.begin(), {O(other), c.otherValue});
        ASSERT_EQ(adapter.Set(create), 0);
        EXPECT_TRUE(Contains(Names(adapter.Walk(c.status)), status));
        EXPECT_EQ(adapter.Get(status)->AsInt32(), 3);
        if (!other.empty()) {
            EXPECT_EQ(*adapter.Get(other), c.otherValue);
        }
        ASSERT_EQ(adapter.Set({{O(status), Value::Integer(2)}}), 0);
        EXPECT_FALSE(adapter.Get(status)) << "invalid removes the row";
        EXPECT_FALSE(Contains(Names(adapter.Walk(c.status)), status));
        if (!other.empty()) {
            EXPECT_FALSE(adapter.Get(other));
        }
        EXPECT_EQ(adapter.Set({{O(status), Value::Integer(2)}}), 0) << "removing a missing row changes nothing";
    }
    // The seeded rows read their create value, and a row keeps its status through another write.
    const auto seeded = adapter.Walk(route + ".6");
    ASSERT_FALSE(seeded.empty());
    EXPECT_EQ(seeded.front().value.AsInt32(), 3);
    EXPECT_EQ(adapter.Set({{O(unicast + ".4.5.0.80.67.0.0.9.0"), Value::Integer(1)}}), sim::InconsistentValue)
        << "other (1) creates nothing";
}

// The DDM tables under .12.72 and the payload mask table lie outside the catalogue and are served all the same.
TEST_F(DialogTables, DdmTablesWalkAndTakeRowsThroughTheControlSocket) {
    const std::string ddm = "1.3.6.1.4.1.32473.12.72";
    EXPECT_EQ(adapter.Get(ddm + ".1.1.0")->AsInt32(), 1) << "the settings are scalars at .0";
    ASSERT_EQ(adapter.Set({{O(ddm + ".1.2.0"), Value::Integer(2)}}), 0);
    EXPECT_EQ(adapter.Get(ddm + ".1.2.0")->AsInt32(), 2);

    const auto temperatures = adapter.Walk(ddm + ".2.1.1.1.2");
    ASSERT_EQ(temperatures.size(), 3u);
    EXPECT_EQ(temperatures[0].oid.ToString(), ddm + ".2.1.1.1.2.1");
    EXPECT_EQ(temperatures[0].value.bytes, "36.50");
    EXPECT_EQ(adapter.Set({{O(ddm + ".2.1.1.1.2.1"), Value::Octets("1")}}), sim::NotWritable);

    // Thresholds are keyed by port and type; rows come and go through the control socket.
    const std::string highAlarm = ddm + ".3.1.1.1.2";
    EXPECT_EQ(Names(adapter.Walk(highAlarm)),
              (std::vector<std::string>{highAlarm + ".1.1", highAlarm + ".2.2", highAlarm + ".3.3"}));
    ASSERT_EQ(agent.Control("rows " + ddm + ".3.1.1.1 25.1-5"), "ok");
    EXPECT_EQ(adapter.Walk(highAlarm).size(), 8u);
    ASSERT_EQ(adapter.Set({{O(highAlarm + ".25.2"), Value::Octets("3600")}}), 0);
    EXPECT_EQ(adapter.Get(highAlarm + ".25.2")->bytes, "3600");
    ASSERT_EQ(agent.Control("remove " + highAlarm + ".25"), "ok");
    EXPECT_EQ(adapter.Walk(highAlarm).size(), 3u);

    const std::string shutdown = ddm + ".3.2.2.1.2";
    ASSERT_EQ(adapter.Set({{O(shutdown + ".2"), Value::Integer(3)}}), 0);
    EXPECT_EQ(adapter.Get(shutdown + ".2")->AsInt32(), 3);
    EXPECT_EQ(adapter.Set({{O(shutdown + ".9"), Value::Integer(3)}}), sim::NoCreation) << "no such port row";
}

TEST_F(DialogTables, PayloadMasksAreCreatedAndDestroyedThroughTheirRowStatus) {
    const std::string mask = "1.3.6.1.4.1.32473.12.9.2.9.1";
    EXPECT_EQ(adapter.Walk(mask + ".8").size(), 3u);
    const std::string ports(8, '\0');
    const std::string window = std::string("\x12\x34") + std::string(14, '\0');
    ASSERT_EQ(adapter.Set({{O(mask + ".2.200"), Value::Octets(ports)},
                           {O(mask + ".4.200"), Value::Octets(window)},
                           {O(mask + ".8.200"), Value::Integer(sim::CreateAndGo)}}), 0);
    EXPECT_EQ(adapter.Get(mask + ".8.200")->AsInt32(), sim::Active);
    EXPECT_EQ(adapter.Get(mask + ".4.200")->bytes, window);
    EXPECT_EQ(adapter.Get(mask + ".3.200")->bytes.size(), 16u) << "the other windows are seeded";
    EXPECT_EQ(adapter.Walk(mask + ".8").size(), 4u);
    ASSERT_EQ(adapter.Set({{O(mask + ".8.200"), Value::Integer(sim::Destroy)}}), 0);
    EXPECT_FALSE(adapter.Get(mask + ".4.200"));
    EXPECT_EQ(adapter.Walk(mask + ".8").size(), 3u);
}

// Octet strings that dialogs decode part by part have the length their object has; numbers lie in their range.
TEST_F(DialogTables, SeedsAreShapedLikeRealValues) {
    struct Case { const char* what; std::string oid; std::string bytes; };
    const Case cases[] = {
        {"time capacity", "1.3.6.1.4.1.32473.12.10.1.0", "\xe0"},
        {"repeating summer-time start", "1.3.6.1.4.1.32473.12.10.12.3.0", std::string("\xff\x00\x01\x03\x02\x00", 6)},
        {"annual summer-time end", "1.3.6.1.4.1.32473.12.10.12.6.0", std::string("\x1c\x0a\x03\x00", 4)},
        {"SSL cipher suites", "1.3.6.1.4.1.32473.12.7.1.2.0", "\xf0"},
        {"LLDP capabilities supported", "1.0.8802.1.1.2.1.3.5.0", std::string("\x28\x00", 2)},
    };
    for (const Case& c : cases) {
        const auto value = adapter.Get(c.oid);
        ASSERT_TRUE(value) << c.what;
        EXPECT_EQ(value->bytes, c.bytes) << c.what;
    }
    const int32_t offset = adapter.Get("1.3.6.1.4.1.32473.12.10.12.2.0")->AsInt32();
    EXPECT_GE(offset, 30);
    EXPECT_LE(offset, 120);
    EXPECT_EQ(adapter.Get("1.3.6.1.2.1.17.7.1.4.3.1.2.1")->bytes.size(), 8u) << "a standalone port list";
}

const std::string UnitTable = "1.3.6.1.4.1.32473.12.11.1.9.4.1";
const std::string StaticVlanEgress = "1.3.6.1.2.1.17.7.1.4.3.1.2";

SimAgent ScenarioAgent(const std::string& scenario) {
    return SimAgent({"--scenario", std::string(QSWSIM_SCENARIOS) + "/" + scenario});
}

TEST(StackScenarios, TwelveUnitsWithOneAbsentAndPortListsOf96Octets) {
    SimAgent agent = ScenarioAgent("stack-12-units.scn");
    Adapter adapter(agent);
    EXPECT_EQ(adapter.Get("1.3.6.1.4.1.32473.12.11.1.2.0")->AsInt32(), 1) << "stacking enabled";
    const auto exist = adapter.Walk(UnitTable + ".15");
    ASSERT_EQ(exist.size(), 12u);
    for (size_t unit = 1; unit <= 12; ++unit) {
        EXPECT_EQ(exist[unit - 1].value.AsInt32(), unit == 7 ? 2 : 1) << unit;
        EXPECT_EQ(adapter.Get(UnitTable + ".3." + std::to_string(unit))->AsInt32(), int((unit - 1) * 64 + 1)) << unit;
    }
    EXPECT_EQ(adapter.Get(UnitTable + ".9.7")->bytes, "");
    EXPECT_EQ(adapter.Get(UnitTable + ".9.12")->bytes, "QSW-2150");
    EXPECT_EQ(adapter.Get(UnitTable + ".5.3")->bytes.size(), 3u + 2 * 50) << "QSW-2350 LEDs";

    const auto egress = adapter.Walk(StaticVlanEgress);
    ASSERT_FALSE(egress.empty());
    for (const snmp::VarBind& vb : egress)
        EXPECT_EQ(vb.value.bytes.size(), 96u) << vb.oid.ToString();
    // A row created later has a port list of the same length.
    const std::string status = "1.3.6.1.2.1.17.7.1.4.3.1.5.100";
    ASSERT_EQ(adapter.Set({{O(status), Value::Integer(sim::CreateAndGo)}}), 0);
    EXPECT_EQ(adapter.Get(StaticVlanEgress + ".100")->bytes.size(), 96u);
    // The port popup has rows on the last unit (ports 705 to 752).
    EXPECT_TRUE(adapter.Get("1.3.6.1.4.1.32473.11.70.7.2.3.2.1.4.752.1"));
}

TEST(StackScenarios, AQsw2126GUnitWithItsLedColumn) {
    SimAgent agent = ScenarioAgent("stack-qsw2126g.scn");
    Adapter adapter(agent);
    EXPECT_EQ(adapter.Get(UnitTable + ".9.2")->bytes, "QSW-2126G");
    EXPECT_EQ(adapter.Walk(UnitTable + ".15").size(), 2u);
    const auto leds = adapter.Get(UnitTable + ".5.2");
    ASSERT_TRUE(leds);
    EXPECT_EQ(leds->bytes.size(), 3u + 2 * 26) << "three system LEDs and two octets per port";
    // The view reads its combo ports' copper side (ports 21-24 of unit 2: 85-88, medium 1).
    for (int port = 85; port <= 88; ++port)
        EXPECT_EQ(adapter.Get("1.3.6.1.4.1.32473.11.70.7.2.3.1.1.5." + std::to_string(port) + ".1")->AsInt32(), 3) << port;
    EXPECT_EQ(adapter.Walk(StaticVlanEgress).front().value.bytes.size(), 96u);
}

} // namespace
