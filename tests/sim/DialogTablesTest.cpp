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
    return oid.toString().substr(column.size() + 1);
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
    const auto routes = adapter.walk(metric);
    ASSERT_FALSE(routes.empty());
    for (const snmp::VarBind& route : routes) {
        const snmp::Oid instance = O(InstanceOf(route.oid, metric));
        const auto& arcs = instance.arcs();
        ASSERT_GT(arcs.size(), 17u) << instance.toString();
        const size_t nameLength = arcs[17];
        ASSERT_EQ(arcs.size(), 16 + 1 + 1 + nameLength + 16) << "destination, prefix, name, next hop: " << instance.toString();
        const auto nextHop = adapter.get("1.3.6.1.4.1.32473.12.26.3.1.1.4." + instance.toString());
        ASSERT_TRUE(nextHop);
        EXPECT_EQ(nextHop->bytes.size(), 16u);
        EXPECT_EQ(static_cast<unsigned char>(nextHop->bytes.back()), arcs.back());
    }
    const std::string state = "1.3.6.1.4.1.32473.12.26.4.1.1.4";
    const auto neighbours = adapter.walk(state);
    ASSERT_FALSE(neighbours.empty());
    for (const snmp::VarBind& neighbour : neighbours) {
        const snmp::Oid instance = O(InstanceOf(neighbour.oid, state));
        const auto& arcs = instance.arcs();
        ASSERT_GT(arcs.size(), 22u) << instance.toString();
        ASSERT_EQ(arcs.size(), 16 + 6 + 1 + arcs[22]) << "address, MAC, name: " << instance.toString();
        const auto name = adapter.get("1.3.6.1.4.1.32473.12.26.4.1.1.3." + instance.toString());
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
        {"static unicast", unicast + ".4", "5.0.80.67.0.0.9.0", unicast + ".3", Value::octets(std::string("\x40\0\0\0\0\0\0\0", 8))},
        {"static multicast", multicast + ".5", "5.1.0.94.0.0.9.0", multicast + ".3", Value::octets(std::string("\x20\0\0\0\0\0\0\0", 8))},
        {"IPv4 static route", route + ".6", "192.168.7.0.255.255.255.0.10.0.0.254", route + ".5", Value::integer(7)},
        {"DHCP/BOOTP relay", "1.3.6.1.4.1.32473.11.70.7.3.3.1.4.1.3", "5.118.108.97.110.57.10.9.9.9", "", Value::null()},
        {"DNS relay", "1.3.6.1.4.1.32473.11.70.7.3.3.2.6.1.3", "4.104.111.115.116.10.9.9.8", "", Value::null()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string status = c.status + "." + c.instance;
        const std::string other = c.other.empty() ? "" : c.other + "." + c.instance;
        if (!other.empty()) {
            EXPECT_EQ(adapter.set({{O(other), c.otherValue}}), sim::NoCreation) << "another column alone creates nothing";
        }
        std::vector<snmp::VarBind> create = {{O(status), Value::integer(3)}};
        if (!other.empty())
            create.insert(create.begin(), {O(other), c.otherValue});
        ASSERT_EQ(adapter.set(create), 0);
        EXPECT_TRUE(Contains(Names(adapter.walk(c.status)), status));
        EXPECT_EQ(adapter.get(status)->asInt32(), 3);
        if (!other.empty()) {
            EXPECT_EQ(*adapter.get(other), c.otherValue);
        }
        ASSERT_EQ(adapter.set({{O(status), Value::integer(2)}}), 0);
        EXPECT_FALSE(adapter.get(status)) << "invalid removes the row";
        EXPECT_FALSE(Contains(Names(adapter.walk(c.status)), status));
        if (!other.empty()) {
            EXPECT_FALSE(adapter.get(other));
        }
        EXPECT_EQ(adapter.set({{O(status), Value::integer(2)}}), 0) << "removing a missing row changes nothing";
    }
    // The seeded rows read their create value, and a row keeps its status through another write.
    const auto seeded = adapter.walk(route + ".6");
    ASSERT_FALSE(seeded.empty());
    EXPECT_EQ(seeded.front().value.asInt32(), 3);
    EXPECT_EQ(adapter.set({{O(unicast + ".4.5.0.80.67.0.0.9.0"), Value::integer(1)}}), sim::InconsistentValue)
        << "other (1) creates nothing";
}

// The DDM tables under .12.72 and the payload mask table lie outside the catalogue and are served all the same.
TEST_F(DialogTables, DdmTablesWalkAndTakeRowsThroughTheControlSocket) {
    const std::string ddm = "1.3.6.1.4.1.32473.12.72";
    EXPECT_EQ(adapter.get(ddm + ".1.1.0")->asInt32(), 1) << "the settings are scalars at .0";
    ASSERT_EQ(adapter.set({{O(ddm + ".1.2.0"), Value::integer(2)}}), 0);
    EXPECT_EQ(adapter.get(ddm + ".1.2.0")->asInt32(), 2);

    const auto temperatures = adapter.walk(ddm + ".2.1.1.1.2");
    ASSERT_EQ(temperatures.size(), 3u);
    EXPECT_EQ(temperatures[0].oid.toString(), ddm + ".2.1.1.1.2.1");
    EXPECT_EQ(temperatures[0].value.bytes, "36.50");
    EXPECT_EQ(adapter.set({{O(ddm + ".2.1.1.1.2.1"), Value::octets("1")}}), sim::NotWritable);

    // Thresholds are keyed by port and type; rows come and go through the control socket.
    const std::string highAlarm = ddm + ".3.1.1.1.2";
    EXPECT_EQ(Names(adapter.walk(highAlarm)),
              (std::vector<std::string>{highAlarm + ".1.1", highAlarm + ".2.2", highAlarm + ".3.3"}));
    ASSERT_EQ(agent.control("rows " + ddm + ".3.1.1.1 25.1-5"), "ok");
    EXPECT_EQ(adapter.walk(highAlarm).size(), 8u);
    ASSERT_EQ(adapter.set({{O(highAlarm + ".25.2"), Value::octets("3600")}}), 0);
    EXPECT_EQ(adapter.get(highAlarm + ".25.2")->bytes, "3600");
    ASSERT_EQ(agent.control("remove " + highAlarm + ".25"), "ok");
    EXPECT_EQ(adapter.walk(highAlarm).size(), 3u);

    const std::string shutdown = ddm + ".3.2.2.1.2";
    ASSERT_EQ(adapter.set({{O(shutdown + ".2"), Value::integer(3)}}), 0);
    EXPECT_EQ(adapter.get(shutdown + ".2")->asInt32(), 3);
    EXPECT_EQ(adapter.set({{O(shutdown + ".9"), Value::integer(3)}}), sim::NoCreation) << "no such port row";
}

TEST_F(DialogTables, PayloadMasksAreCreatedAndDestroyedThroughTheirRowStatus) {
    const std::string mask = "1.3.6.1.4.1.32473.12.9.2.9.1";
    EXPECT_EQ(adapter.walk(mask + ".8").size(), 3u);
    const std::string ports(8, '\0');
    const std::string window = std::string("\x12\x34") + std::string(14, '\0');
    ASSERT_EQ(adapter.set({{O(mask + ".2.200"), Value::octets(ports)},
                           {O(mask + ".4.200"), Value::octets(window)},
                           {O(mask + ".8.200"), Value::integer(sim::CreateAndGo)}}), 0);
    EXPECT_EQ(adapter.get(mask + ".8.200")->asInt32(), sim::Active);
    EXPECT_EQ(adapter.get(mask + ".4.200")->bytes, window);
    EXPECT_EQ(adapter.get(mask + ".3.200")->bytes.size(), 16u) << "the other windows are seeded";
    EXPECT_EQ(adapter.walk(mask + ".8").size(), 4u);
    ASSERT_EQ(adapter.set({{O(mask + ".8.200"), Value::integer(sim::Destroy)}}), 0);
    EXPECT_FALSE(adapter.get(mask + ".4.200"));
    EXPECT_EQ(adapter.walk(mask + ".8").size(), 3u);
}

} // namespace
