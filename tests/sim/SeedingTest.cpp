#include "Seeding.h"

#include <gtest/gtest.h>

#include <set>

namespace sim {
namespace {

using snmp::Oid;
using snmp::ValueType;

Oid O(const std::string& text) { return *Oid::Parse(text); }

const std::string E = "1.3.6.1.4.1.32473.";

SeedColumn Col(std::string oid, int32_t syntax, int32_t access, std::vector<int32_t> values = {},
               std::vector<std::string> texts = {}) {
    SeedColumn c;
    c.oid = std::move(oid);
    c.caption = "Caption ";
    c.syntax = syntax;
    c.access = access;
    c.optionValues = std::move(values);
    c.optionTexts = std::move(texts);
    return c;
}

const std::vector<int32_t> kRowStatusValues = {1, 2, 3, 4, 5, 6};
const std::vector<std::string> kRowStatusTexts = {"active", "notInService", "notReady", "createAndGo", "createAndWait", "destroy"};

// The instances seeded for one column, in order.
std::vector<std::string> InstancesOf(const SimMib& mib, const std::string& column) {
    std::vector<std::string> out;
    const Oid prefix = O(column);
    for (const auto& [oid, object] : mib.Objects())
        if (oid.StartsWith(prefix) && oid.size() > prefix.size())
            out.push_back(InstanceBelow(oid, prefix).ToString());
    return out;
}

TEST(Seeding, IndexValuesFitTheIndexSyntaxes) {
    struct Case { const char* what; std::vector<SeedColumn> index; std::vector<std::string> instances; };
    const std::vector<Case> cases = {
        {"integer", {Col(E + "9.1.1.1", sxInteger, notaccess)}, {"1", "2", "3"}},
        {"IP address", {Col(E + "9.1.1.1", sxIpAddress, notaccess)}, {"10.0.0.1", "10.0.0.2", "10.0.0.3"}},
        {"MAC address", {Col(E + "9.1.1.1", sxMacAddress, notaccess)}, {"0.80.67.0.0.1", "0.80.67.0.0.2", "0.80.67.0.0.3"}},
        {"string", {Col(E + "9.1.1.1", sxDisplayStr, notaccess)}, {"4.114.111.119.49", "4.114.111.119.50", "4.114.111.119.51"}},
        {"IMPLIED string", {Col(E + "9.1.1.1", sxDisplayStr, notaccess | implied)}, {"114.111.119.49", "114.111.119.50", "114.111.119.51"}},
        {"IMPLIED string before an integer keeps its length",
         {Col(E + "9.1.1.1", sxDisplayStr, notaccess | implied), Col(E + "9.1.1.2", sxInteger, notaccess)},
         {"4.114.111.119.49.1", "4.114.111.119.50.2", "4.114.111.119.51.3"}},
        {"blank-OID index and an integer", {Col(" ", sxInteger, notaccess), Col(E + "9.1.1.1", sxInteger, notaccess)}, {"1.1", "2.2", "3.3"}},
        {"empty-OID index", {Col("", sxInteger, notaccess)}, {"1", "2", "3"}},
        {"enumerated index with two values", {Col(E + "9.1.1.1", sxInteger, notaccess, {1, 2}, {"copper", "fiber"})}, {"1", "2"}},
        {"inet address", {Col(E + "9.1.1.1", sxInetAddress, notaccess)}, {"10.0.0.1", "10.0.0.2", "10.0.0.3"}},
        {"no index column: rows numbered", {}, {"1", "2", "3"}},
    };
    for (const Case& c : cases) {
        SeedTable table{"test", MVT_FMV, c.index};
        table.columns.push_back(Col(E + "9.1.1.5", sxInteger, readonly));
        SimMib mib;
        SeedReport report = SeedTables(mib, {table});
        EXPECT_TRUE(report.problems.empty()) << c.what;
        EXPECT_EQ(InstancesOf(mib, E + "9.1.1.5"), c.instances) << c.what;
    }
}

// A table whose readers take more leading columns as keys than it has not-accessible columns: those leading
// columns form the index, and the readable ones answer their part of the instance.
TEST(Seeding, KeyCountBeyondTheNotAccessibleColumnsMakesTheLeadingColumnsTheIndex) {
    struct Case {
        const char* what;
        std::vector<SeedColumn> columns;
        int keyCount;
        std::vector<std::string> instances;  // of the last column
    };
    const std::vector<Case> cases = {
        {"two read-only keys", {Col(E + "9.1.1.1", sxMacAddress, readonly), Col(E + "9.1.1.2", sxInteger, readonly)}, 2,
         {"0.80.67.0.0.1.1", "0.80.67.0.0.2.2", "0.80.67.0.0.3.3"}},
        {"two not-accessible and two read-only keys",
         {Col(E + "9.1.1.1", sxIpAddress, notaccess), Col(E + "9.1.1.2", sxIpAddress, notaccess),
          Col(E + "9.1.1.3", sxInteger, readonly, {1, 2, 3}, {"all", "tcp", "udp"}), Col(E + "9.1.1.4", sxInteger, readonly)},
         4, {"10.0.0.1.10.0.0.1.1.1", "10.0.0.2.10.0.0.2.2.2", "10.0.0.3.10.0.0.3.3.3"}},
        {"a read-only string key", {Col(E + "9.1.1.1", sxDisplayStr, readonly)}, 1,
         {"4.114.111.119.49", "4.114.111.119.50", "4.114.111.119.51"}},
        {"fewer keys than not-accessible columns: the index stays",
         {Col(E + "9.1.1.1", sxInteger, notaccess), Col(E + "9.1.1.2", sxGauge, notaccess)}, 1, {"1.1", "2.2", "3.3"}},
        {"no key count and no index column: rows numbered", {Col(E + "9.1.1.1", sxInteger, readonly)}, 0, {"1", "2", "3"}},
    };
    for (const Case& c : cases) {
        SeedTable table{"test", MVT_FMV, c.columns, c.keyCount};
        table.columns.push_back(Col(E + "9.1.1.9", sxInteger, readwrite));
        SimMib mib;
        EXPECT_TRUE(SeedTables(mib, {table}).problems.empty()) << c.what;
        EXPECT_EQ(InstancesOf(mib, E + "9.1.1.9"), c.instances) << c.what;
        // Every served column has the same rows.
        for (const SeedColumn& column : c.columns) {
            if (column.access != notaccess) {
                EXPECT_EQ(InstancesOf(mib, column.oid), c.instances) << c.what << " " << column.oid;
            }
        }
    }
}

TEST(Seeding, ReadableKeyColumnsAnswerTheirPartOfTheInstanceAlsoInCreatedRows) {
    const SeedTable table{"servers", MVT_UMV, {
        Col(E + "9.1.1.1", sxIpAddress, notaccess),
        Col(E + "9.1.1.2", sxDisplayStr, readonly),
        Col(E + "9.1.1.3", sxCounter, readonly),
        Col(E + "9.1.1.4", sxMacAddress, readonly),
        Col(E + "9.1.1.5", sxInteger, readwrite, kRowStatusValues, kRowStatusTexts)}, 4};
    SimMib mib;
    SeedTables(mib, {table});
    const std::string row2 = "10.0.0.2.4.114.111.119.50.2.0.80.67.0.0.2";
    EXPECT_EQ(mib.Get(O(E + "9.1.1.2." + row2), 0)->bytes, "row2");
    EXPECT_EQ(mib.Get(O(E + "9.1.1.3." + row2), 0)->type, ValueType::Counter32);
    EXPECT_EQ(mib.Get(O(E + "9.1.1.3." + row2), 0)->AsUInt32(), 2u);
    EXPECT_EQ(mib.Get(O(E + "9.1.1.4." + row2), 0)->bytes, std::string("\x00\x50\x43\x00\x00\x02", 6));
    const std::string created = "192.168.1.9.2.104.105.77.0.1.2.3.4.5";
    const std::vector<snmp::VarBind> set = {{O(E + "9.1.1.5." + created), snmp::Value::Integer(CreateAndGo)}};
    ASSERT_EQ(mib.CheckSet(set), std::vector<int>{NoError});
    mib.ApplySet(set);
    EXPECT_EQ(mib.Get(O(E + "9.1.1.2." + created), 0)->bytes, "hi");
    EXPECT_EQ(mib.Get(O(E + "9.1.1.3." + created), 0)->AsUInt32(), 77u);
    EXPECT_EQ(mib.Get(O(E + "9.1.1.4." + created), 0)->bytes, std::string("\x00\x01\x02\x03\x04\x05", 6));
    // An instance too short for the index: the key columns take seeded values.
    ASSERT_TRUE(mib.AddRow(O(E + "9.1.1"), O("10.0.0.7")));
    EXPECT_TRUE(mib.Find(O(E + "9.1.1.2.10.0.0.7")));
}

TEST(Seeding, ValuesFitSyntaxAndOptionList) {
    SeedTable table{"test", MVT_FMV, {
        Col(E + "9.1.1.1", sxInteger, notaccess),
        Col(E + "9.1.1.2", sxInteger, readwrite, {2, 3}, {"disabled", "enabled"}),
        Col(E + "9.1.1.3", sxDisplayStr, readonly),
        Col(E + "9.1.1.4", sxIpAddress, readwrite),
        Col(E + "9.1.1.5", sxMacAddress, readonly),
        Col(E + "9.1.1.6", sxCounter64, readonly),
        Col(E + "9.1.1.7", sxIpv6Address, readonly),
        Col(E + "9.1.1.8", sxInteger, readwrite, kRowStatusValues, kRowStatusTexts),
    }};
    SeedColumn oidColumn = Col(E + "9.1.1.9", sxObjectId, readwrite);
    oidColumn.optionOids = {"1.3.6.1.6.3.10.1.1.2", "1.3.6.1.6.3.10.1.1.3"};
    table.columns.push_back(oidColumn);
    SimMib mib;
    SeedTables(mib, {table});
    EXPECT_EQ(mib.Get(O(E + "9.1.1.2.1"), 0)->AsInt32(), 2);
    EXPECT_EQ(mib.Get(O(E + "9.1.1.2.2"), 0)->AsInt32(), 3);
    EXPECT_EQ(mib.Get(O(E + "9.1.1.2.3"), 0)->AsInt32(), 2);
    EXPECT_EQ(mib.Get(O(E + "9.1.1.3.2"), 0)->bytes, "Caption 2");
    EXPECT_EQ(mib.Get(O(E + "9.1.1.4.1"), 0)->type, ValueType::IpAddress);
    EXPECT_EQ(mib.Get(O(E + "9.1.1.4.1"), 0)->bytes.size(), 4u);
    EXPECT_EQ(mib.Get(O(E + "9.1.1.5.1"), 0)->bytes.size(), 6u);
    EXPECT_EQ(mib.Get(O(E + "9.1.1.6.1"), 0)->type, ValueType::Counter64);
    EXPECT_EQ(mib.Get(O(E + "9.1.1.7.1"), 0)->bytes.size(), 16u);
    EXPECT_EQ(mib.Get(O(E + "9.1.1.8.3"), 0)->AsInt32(), Active);
    EXPECT_EQ(mib.Get(O(E + "9.1.1.9.1"), 0)->oid, O("1.3.6.1.6.3.10.1.1.2"));
    EXPECT_FALSE(mib.Find(O(E + "9.1.1.1.1"))) << "index columns are not served";
    EXPECT_TRUE(mib.Find(O(E + "9.1.1.4.1"))->writable);
    EXPECT_FALSE(mib.Find(O(E + "9.1.1.5.1"))->writable);
    EXPECT_TRUE(mib.TypeOf(O(E + "9.1.1.8.7"))->rowStatus);
}

TEST(Seeding, RowStatusListsAreRecognisedWhateverTheirCase) {
    SeedTable table{"test", MVT_FMV, {
        Col(E + "9.1.1.1", sxInteger, notaccess),
        Col(E + "9.1.1.2", sxInteger, readwrite, {1, 4, 6}, {"active", "createAndGo", "destroy"}),
        Col(E + "9.1.1.3", sxInteger, readwrite, {1, 2, 3, 4, 5, 6},
            {"Active", "NotInService", "NotReady", "CreateAndGo", "CreateAndWait", "Destroy"}),
        Col(E + "9.1.1.4", sxInteger, readwrite, {1, 2, 4}, {"enable", "disable", "createandgo"}),
        Col(E + "9.1.1.5", sxInteger, readwrite, {4}, {"four"}),
    }};
    SimMib mib;
    SeedTables(mib, {table});
    EXPECT_TRUE(mib.FindDef(O(E + "9.1.1.2"))->rowStatus);
    EXPECT_TRUE(mib.FindDef(O(E + "9.1.1.3"))->rowStatus);
    EXPECT_TRUE(mib.FindDef(O(E + "9.1.1.4"))->rowStatus);
    EXPECT_FALSE(mib.FindDef(O(E + "9.1.1.5"))->rowStatus);
}

TEST(Seeding, ScalarsSitAtDotZeroOnce) {
    const SeedTable a{"a", SVT_SV, {Col(E + "12.15.1.2", sxInteger, readwrite, {0, 1, 2}, {"stp", "rstp", "mstp"}),
                                    Col(E + "12.15.1.3", sxInteger, readwrite)}};
    const SeedTable b{"b", SVT_SV, {Col(E + "12.15.1.2", sxInteger, readonly)}};
    SimMib mib;
    SeedTables(mib, {a, b});
    EXPECT_EQ(mib.Get(O(E + "12.15.1.2.0"), 0)->AsInt32(), 0);
    EXPECT_TRUE(mib.Find(O(E + "12.15.1.2.0"))->writable) << "the first table that names an object defines it";
    EXPECT_EQ(mib.size(), 2u);
}

TEST(Seeding, TablesSharingAnEntryShareItsRows) {
    // A one-row table without index columns, listed first, and the table that gives the entry its index.
    const SeedTable oneRow{"one row", MVT_SV, {Col(E + "11.70.7.2.3.1.1.5", sxInteger, readonly, {1, 2, 3}, {"other", "link-pass", "link-fail"})}};
    const SeedTable ports{"ports", MVT_FMV, {
        Col(E + "11.70.7.2.3.1.1.1", sxInteger, notaccess),
        Col(E + "11.70.7.2.3.1.1.2", sxInteger, notaccess, {1, 2}, {"copper", "fiber"}),
        Col(E + "11.70.7.2.3.1.1.3", sxInteger, readonly)}};
    const SeedTable more{"more", MVT_FMV, {
        Col(E + "11.70.7.2.3.1.1.1", sxInteger, notaccess),
        Col(E + "11.70.7.2.3.1.1.5", sxInteger, readonly)}};
    SimMib mib;
    SeedTables(mib, {oneRow, ports, more});
    EXPECT_EQ(InstancesOf(mib, E + "11.70.7.2.3.1.1.3"), (std::vector<std::string>{"1.1", "2.2", "3.1"}));
    EXPECT_EQ(InstancesOf(mib, E + "11.70.7.2.3.1.1.5"), InstancesOf(mib, E + "11.70.7.2.3.1.1.3"));
}

TEST(Seeding, UnusableRecordsAreReported) {
    const SeedTable table{"broken", MVT_FMV, {
        Col(E + "9.1.1.1", sxInteger, notaccess),
        Col("1.3.x", sxInteger, readonly),
        Col("1.2.840.1", sxInteger, readonly),
        Col(E + "9.1.1.2", sxInteger, readonly)}};
    SimMib mib;
    SeedReport report = SeedTables(mib, {table});
    EXPECT_EQ(report.problems.size(), 2u);
    EXPECT_EQ(InstancesOf(mib, E + "9.1.1.2").size(), 3u);
}

TEST(Seeding, SystemGroupHasWritableContactNameAndLocation) {
    SimMib mib;
    SeedSystemGroup(mib, "QSW-2126P");
    EXPECT_EQ(mib.Get(O("1.3.6.1.2.1.1.1.0"), 0)->bytes, "QSW-2126P");
    EXPECT_EQ(mib.Get(O("1.3.6.1.2.1.1.3.0"), 1230)->AsUInt32(), 123u);
    const std::set<std::string> writable = {"1.3.6.1.2.1.1.4.0", "1.3.6.1.2.1.1.5.0", "1.3.6.1.2.1.1.6.0"};
    for (const auto& [oid, object] : mib.Objects())
        EXPECT_EQ(object.writable, writable.count(oid.ToString()) == 1) << oid.ToString();
}

} // namespace
} // namespace sim
