#include "Scenario.h"

#include "CatalogSource.h"
#include "Seeding.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace sim {
namespace {

using snmp::Oid;
using snmp::Value;
using snmp::ValueType;

Oid O(const std::string& text) { return *Oid::Parse(text); }

TEST(Scenario, TypedValuesParse) {
    struct Case { const char* type; const char* text; std::optional<Value> value; };
    const Case cases[] = {
        {"int", "-5", Value::Integer(-5)},
        {"int", "0x10", Value::Integer(16)},
        {"int", "5x", std::nullopt},
        {"int", "4294967296", std::nullopt},
        {"str", "QSW-2126P", Value::Octets("QSW-2126P")},
        {"str", "\"two  words \\\" here\"", Value::Octets("two  words \" here")},
        {"str", "\"open", std::nullopt},
        {"str", "", Value::Octets("")},
        {"hex", "00:50:43 0a", Value::Octets(std::string("\x00\x50\x43\x0a", 4))},
        {"hex", "abc", std::nullopt},
        {"hex", "zz", std::nullopt},
        {"oid", "1.3.6.1", Value::ObjectId(O("1.3.6.1"))},
        {"oid", "", std::nullopt},
        {"ip", "10.1.2.3", Value::IpAddress("\x0a\x01\x02\x03")},
        {"ip", "10.1.2.300", std::nullopt},
        {"counter", "42", Value::Unsigned32(ValueType::Counter32, 42)},
        {"gauge", "-1", std::nullopt},
        {"ticks", "100", Value::Unsigned32(ValueType::TimeTicks, 100)},
        {"counter64", "18446744073709551615", Value::Counter64(18446744073709551615ull)},
        {"float", "1.5", std::nullopt},
    };
    for (const Case& c : cases) {
        std::string error;
        auto value = ParseTypedValue(c.type, c.text, error);
        EXPECT_EQ(value, c.value) << c.type << " " << c.text;
        EXPECT_EQ(error.empty(), value.has_value()) << c.type << " " << c.text;
    }
}

TEST(Scenario, LedFramesEncodeSystemOctetsAndPortPairs) {
    std::string error;
    auto frame = ParseLedFrame("2 5b 0 / 3 3b - 1", error);
    ASSERT_TRUE(frame) << error;
    EXPECT_EQ(frame->bytes, std::string("\x02\x85\x00" "\x00\x03" "\x80\x03" "\x01\x00" "\x00\x01", 11));
    for (const char* bad : {"2 2 0", "2 / 3 / 4", "2 / 8", "2 / x", "200 / 1"})
        EXPECT_FALSE(ParseLedFrame(bad, error)) << bad;
}

TEST(Scenario, DirectivesSetRemoveAndAnimate) {
    SimMib mib;
    SeedSystemGroup(mib, "d");
    EXPECT_EQ(ApplyScenarioLine(mib, "set 1.3.6.1.2.1.1.4.0 str ops  # the contact"), "");
    EXPECT_EQ(mib.Get(O("1.3.6.1.2.1.1.4.0"), 0)->bytes, "ops");
    EXPECT_TRUE(mib.Find(O("1.3.6.1.2.1.1.4.0"))->writable) << "set keeps the access";
    EXPECT_EQ(ApplyScenarioLine(mib, "set 1.3.6.1.4.1.32473.12.11.1.2.0 int 1"), "");
    EXPECT_FALSE(mib.Find(O("1.3.6.1.4.1.32473.12.11.1.2.0"))->writable);
    EXPECT_EQ(ApplyScenarioLine(mib, "set-rw 1.3.6.1.4.1.32473.12.11.1.2.0 int 2"), "");
    EXPECT_TRUE(mib.Find(O("1.3.6.1.4.1.32473.12.11.1.2.0"))->writable);
    EXPECT_EQ(ApplyScenarioLine(mib, "set 1.3.6.1.2.1.1.5.0 str \"a # b\""), "");
    EXPECT_EQ(mib.Get(O("1.3.6.1.2.1.1.5.0"), 0)->bytes, "a # b");

    EXPECT_EQ(ApplyScenarioLine(mib, "led 1.3.6.1.4.1.32473.11.70.7.2.1.1.6.0 500 2 / 3"), "");
    EXPECT_EQ(ApplyScenarioLine(mib, "led 1.3.6.1.4.1.32473.11.70.7.2.1.1.6.0 500 2 / 0"), "");
    const Oid led = O("1.3.6.1.4.1.32473.11.70.7.2.1.1.6.0");
    EXPECT_EQ(mib.Get(led, 100)->bytes, std::string("\x02\x00\x03", 3));
    EXPECT_EQ(mib.Get(led, 600)->bytes, std::string("\x02\x00\x00", 3));

    EXPECT_EQ(ApplyScenarioLine(mib, "remove 1.3.6.1.2.1.1"), "");
    EXPECT_FALSE(mib.Find(O("1.3.6.1.2.1.1.1.0")));
    EXPECT_TRUE(mib.Find(led));
    EXPECT_EQ(ApplyScenarioLine(mib, "   # only a comment"), "");
}

TEST(Scenario, InstancePatternsExpandTheirRanges) {
    struct Case { const char* pattern; std::vector<std::string> instances; };
    const Case cases[] = {
        {"5", {"5"}}, {"21.2", {"21.2"}}, {"21-23.2", {"21.2", "22.2", "23.2"}},
        {"1-2.1-2", {"1.1", "1.2", "2.1", "2.2"}}, {"4-2", {}}, {"1.", {}}, {"", {}}, {"a-b", {}}, {"0-200000", {}},
    };
    for (const Case& c : cases) {
        auto expanded = ExpandInstances(c.pattern);
        std::vector<std::string> texts;
        for (const Oid& oid : expanded.value_or(std::vector<Oid>{}))
            texts.push_back(oid.ToString());
        EXPECT_EQ(texts, c.instances) << c.pattern;
        EXPECT_EQ(expanded.has_value(), !c.instances.empty()) << c.pattern;
    }
}

TEST(Scenario, RowsAddSeededRowsToAKnownEntryAndKeepWhatIsThere) {
    SimMib mib;
    ColumnDef status;
    status.oid = O("1.3.6.1.4.1.32473.9.1.1.2");
    status.syntax = 2;
    status.optionValues = {1, 2, 3};
    mib.DefineColumn(status, O("1.3.6.1.4.1.32473.9.1.1"), {{2, false, {}}, {2, false, {}}});
    EXPECT_EQ(ApplyScenarioLine(mib, "set 1.3.6.1.4.1.32473.9.1.1.2.2.1 int 3"), "");
    EXPECT_EQ(ApplyScenarioLine(mib, "rows 1.3.6.1.4.1.32473.9.1.1 1-3.1 5.2"), "");
    EXPECT_EQ(mib.size(), 4u);
    EXPECT_EQ(mib.Get(O("1.3.6.1.4.1.32473.9.1.1.2.1.1"), 0)->AsInt32(), 1);
    EXPECT_EQ(mib.Get(O("1.3.6.1.4.1.32473.9.1.1.2.2.1"), 0)->AsInt32(), 3) << "kept";
    EXPECT_EQ(mib.Get(O("1.3.6.1.4.1.32473.9.1.1.2.5.2"), 0)->AsInt32(), 2) << "values vary by the first index";
    EXPECT_EQ(ApplyScenarioLine(mib, "rows 1.3.6.1.4.1.32473.9.2.1 1"), "no table entry is known at 1.3.6.1.4.1.32473.9.2.1");
    EXPECT_EQ(ApplyScenarioLine(mib, "rows 1.3.6.1.4.1.32473.9.1.1 3-1"), "\"3-1\" is no instance (arcs, or ranges such as 1-24)");
    EXPECT_EQ(ApplyScenarioLine(mib, "rows 1.3.6.1.4.1.32473.9.1.1"), "rows needs at least one instance");
}

TEST(Scenario, BadLinesSayWhatIsWrong) {
    SimMib mib;
    struct Case { const char* line; const char* message; };
    const Case cases[] = {
        {"sett 1.3.6 int 1", "unknown directive \"sett\" (set, set-rw, remove, rows, led, port-lists)"},
        {"port-lists 0", "port-lists needs a number of octets from 1 to 1024"},
        {"port-lists many", "port-lists needs a number of octets from 1 to 1024"},
        {"set 1.3.x int 1", "\"1.3.x\" is no OID"},
        {"set 1.3.6 integer 1", "unknown value type \"integer\" (int, str, hex, oid, ip, counter, gauge, ticks, counter64)"},
        {"set 1.3.6 int one", "\"one\" is no integer"},
        {"led 1.3.6 0 1 / 1", "the LED period must be a number of milliseconds above 0"},
        {"remove", "\"\" is no OID"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ApplyScenarioLine(mib, c.line), c.message) << c.line;
    EXPECT_EQ(mib.size(), 0u);
}

TEST(Scenario, AFileStopsAtItsFirstBadLineNamingIt) {
    const std::string path = ::testing::TempDir() + "bad.scn";
    std::ofstream(path) << "# fine\nset 1.3.6.1.2.1.1.4.0 str ok\nset 1.3.6.1.2.1.1.5.0 int x\n";
    SimMib mib;
    try {
        LoadScenarioFile(mib, path);
        FAIL() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()), path + ":3: \"x\" is no integer");
    }
    EXPECT_THROW(LoadScenarioFile(mib, path + ".missing"), std::runtime_error);
    std::remove(path.c_str());
}

// The catalogue's MIB with a scenario file loaded, as the agent builds it.
void LoadWithCatalogue(SimMib& mib, const std::string& scenario) {
    CatalogStartup();
    SeedTables(mib, SeedTablesFromCatalog(AllCatalogTables()));
    CatalogExit();
    LoadScenarioFile(mib, std::string(QSWSIM_SCENARIOS) + "/" + scenario);
}

// The objects the main window and the front-panel views read, in both scenarios.
class ScenarioFiles : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override { LoadWithCatalogue(mib, GetParam()); }
    SimMib mib;
};

TEST_P(ScenarioFiles, ServeTheMainWindowsObjects) {
    for (const char* scalar : {"1.3.6.1.4.1.32473.12.11.1.2.0", "1.3.6.1.4.1.32473.11.70.7.2.1.2.4.0",
                               "1.3.6.1.4.1.32473.12.15.1.2.0", "1.0.8802.1.1.1.1.1.1.0",
                               "1.3.6.1.4.1.32473.12.24.2.1.1.7.1"}) {
        const Object* object = mib.Find(O(scalar));
        ASSERT_TRUE(object) << scalar;
        EXPECT_EQ(object->value.type, ValueType::Integer) << scalar;
        EXPECT_TRUE(object->writable) << scalar;
    }
    EXPECT_EQ(mib.Get(O("1.3.6.1.4.1.32473.11.70.7.2.1.1.6.0"), 0)->bytes.size(), 5u + 2 * 26);
    for (const char* column : {"2", "3", "4", "5", "7", "8", "9", "15"})
        EXPECT_TRUE(mib.Find(O(std::string("1.3.6.1.4.1.32473.12.11.1.9.4.1.") + column + ".1"))) << column;
    for (int port = 21; port <= 24; ++port)
        EXPECT_TRUE(mib.Find(O("1.3.6.1.4.1.32473.11.70.7.2.3.1.1.5." + std::to_string(port) + ".2"))) << port;
    // The port popup's tables have a row for every port button.
    for (const std::string hint : {"1.1", "24.1", "21.2", "24.2"}) {
        EXPECT_TRUE(mib.Find(O("1.3.6.1.4.1.32473.11.70.7.2.3.1.1.4." + hint))) << hint;
        EXPECT_TRUE(mib.Find(O("1.3.6.1.4.1.32473.11.70.7.2.3.2.1.4." + hint))) << hint;
    }
}

INSTANTIATE_TEST_SUITE_P(Both, ScenarioFiles, ::testing::Values("standalone-qsw2126p.scn", "stack-3-units.scn"));

TEST(ScenarioFiles, TheStackHasAQsw2126PAQsw2150AndAnAbsentUnit) {
    SimMib mib;
    LoadWithCatalogue(mib, "stack-3-units.scn");
    const std::string unit = "1.3.6.1.4.1.32473.12.11.1.9.4.1.";
    EXPECT_EQ(mib.Get(O("1.3.6.1.4.1.32473.12.11.1.2.0"), 0)->AsInt32(), 1);
    EXPECT_EQ(mib.Get(O(unit + "9.1"), 0)->bytes, "QSW-2126P");
    EXPECT_EQ(mib.Get(O(unit + "9.2"), 0)->bytes, "QSW-2150");
    EXPECT_EQ(mib.Get(O(unit + "15.3"), 0)->AsInt32(), 2);
    // LED strings: n system octets and two per port (QSW-2126P: 5 and 26 ports; QSW-2150: 3 and 50).
    for (int64_t t : {0, 4000}) {
        EXPECT_EQ(mib.Get(O(unit + "5.1"), t)->bytes.size(), 5u + 2 * 26);
        EXPECT_EQ(mib.Get(O(unit + "5.2"), t)->bytes.size(), 3u + 2 * 50);
    }
    EXPECT_NE(mib.Get(O(unit + "5.1"), 0), mib.Get(O(unit + "5.1"), 4000)) << "the LEDs change over time";
    for (int port = 109; port <= 112; ++port)
        EXPECT_TRUE(mib.Find(O("1.3.6.1.4.1.32473.11.70.7.2.3.1.1.5." + std::to_string(port) + ".2"))) << port;
    for (const std::string hint : {"65.1", "112.1", "109.2"})
        EXPECT_TRUE(mib.Find(O("1.3.6.1.4.1.32473.11.70.7.2.3.2.1.5." + hint))) << hint;
    EXPECT_FALSE(mib.Find(O("1.3.6.1.4.1.32473.11.70.7.2.3.2.1.5.129.1"))) << "the absent unit has no ports";
}

} // namespace
} // namespace sim
