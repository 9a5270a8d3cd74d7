// The tables the dedicated dialogs read and write, served by the running qswsim.
#include "AgentClient.h"

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

} // namespace
