#include "CatalogSource.h"

#include "Exception.h"
#include "NxSNMPConvert.h"
#include "NxSNMPVarList.h"
#include "TableKeys.h"

#include <gtest/gtest.h>

#include <cctype>

namespace sim {
namespace {

using snmp::Oid;

Oid O(const std::string& text) { return *Oid::Parse(text); }

bool Blank(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isspace(c); });
}

// The whole catalogue, seeded once for these tests.
class CatalogSeeding : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        CatalogStartup();
        tables_ = new std::vector<SeedTable>(SeedTablesFromCatalog(AllCatalogTables()));
        CatalogExit();
        mib_ = new SimMib;
        report_ = new SeedReport(SeedTables(*mib_, *tables_));
    }
    static void TearDownTestSuite() {
        delete report_;
        delete mib_;
        delete tables_;
    }

    size_t ObjectsUnder(const Oid& prefix) const {
        size_t count = 0;
        for (auto it = mib_->Objects().lower_bound(prefix); it != mib_->Objects().end() && it->first.StartsWith(prefix); ++it)
            ++count;
        return count;
    }

    static std::vector<SeedTable>* tables_;
    static SimMib* mib_;
    static SeedReport* report_;
};

std::vector<SeedTable>* CatalogSeeding::tables_ = nullptr;
SimMib* CatalogSeeding::mib_ = nullptr;
SeedReport* CatalogSeeding::report_ = nullptr;

TEST_F(CatalogSeeding, EveryReadableObjectOfEveryTableIsServed) {
    EXPECT_EQ(tables_->size(), 457u);
    EXPECT_TRUE(report_->problems.empty()) << report_->problems.front();
    for (const SeedTable& table : *tables_) {
        for (const SeedColumn& column : table.columns) {
            if (Blank(column.oid) || (column.access & ~implied) == notaccess)
                continue;
            const Oid oid = O(column.oid);
            ASSERT_TRUE(mib_->FindDef(oid)) << table.label << " " << column.oid;
            EXPECT_GE(ObjectsUnder(oid), 1u) << table.label << " " << column.oid;
            if (table.kind == SVT_SV && !mib_->FindDef(oid)->entry) {
                EXPECT_TRUE(mib_->Find(Oid(oid).Append(0))) << "scalars sit at .0: " << column.oid;
            }
        }
    }
}

TEST_F(CatalogSeeding, RowStatusColumnsAreKnownByTheirOptionLists) {
    int rowStatusColumns = 0;
    for (const SeedTable& table : *tables_)
        for (const SeedColumn& column : table.columns)
            if (const ColumnDef* def = Blank(column.oid) ? nullptr : mib_->FindDef(O(column.oid)); def && def->rowStatus)
                ++rowStatusColumns;
    EXPECT_GT(rowStatusColumns, 50);
    EXPECT_TRUE(mib_->FindDef(O("1.3.6.1.4.1.32473.12.15.2.3.1.24"))->rowStatus);
    EXPECT_TRUE(mib_->FindDef(O("1.3.6.1.6.3.12.1.2.1.9"))->rowStatus);
}

TEST_F(CatalogSeeding, ImpliedStringIndexesCarryNoLength) {
    // The SNMP target address table is indexed by an IMPLIED name: "row1" is 114.111.119.49.
    EXPECT_TRUE(mib_->Find(O("1.3.6.1.6.3.12.1.2.1.9.114.111.119.49")));
    EXPECT_FALSE(mib_->Find(O("1.3.6.1.6.3.12.1.2.1.9.4.114.111.119.49")));
}

TEST_F(CatalogSeeding, TheMainWindowsObjectsHaveTheirTypes) {
    struct Case { const char* oid; bool writable; };
    const Case cases[] = {
        {"1.3.6.1.4.1.32473.12.11.1.2", true}, {"1.3.6.1.4.1.32473.11.70.7.2.1.2.4", true},
        {"1.3.6.1.4.1.32473.12.15.1.2", true}, {"1.0.8802.1.1.1.1.1.1", true},
        {"1.3.6.1.4.1.32473.11.70.7.2.1.1.6", false}, {"1.3.6.1.4.1.32473.12.11.1.9.4.1.5", false},
        {"1.3.6.1.4.1.32473.12.11.1.9.4.1.9", false}, {"1.3.6.1.4.1.32473.12.24.2.1.1.7", true},
        {"1.3.6.1.4.1.32473.11.70.7.2.3.1.1.5", false},
    };
    for (const Case& c : cases) {
        const ColumnDef* def = mib_->FindDef(O(c.oid));
        ASSERT_TRUE(def) << c.oid;
        EXPECT_EQ(def->writable, c.writable) << c.oid;
    }
    // The port table is indexed by port and medium.
    EXPECT_TRUE(mib_->Find(O("1.3.6.1.4.1.32473.11.70.7.2.3.1.1.5.2.2")));
}

int LeadingNotAccessible(MibObjectTable table) {
    int count = 0;
    while (table[count].Oid && (table[count].Access & ~implied) == notaccess)
        ++count;
    return count;
}

// The project's own index and value conversions read every seeded row of every catalogue table, with the keys
// the module reads it with (the leading not-accessible columns for a table read without keys). A
// readable key column answers what its part of the instance says.
TEST_F(CatalogSeeding, SeededRowsReadBackThroughTheProjectsConversions) {
    CatalogStartup();
    int rows = 0;
    int readableKeys = 0;
    for (const CatalogTable& table : AllCatalogTables()) {
        if (table.Kind == SVT_SV)
            continue;
        const int commandKeys = TableKeyCountOf(table.Label);
        const int keys = commandKeys > 0 ? commandKeys : LeadingNotAccessible(table.Table);
        NxSNMPVarList vars(table.Table, MVT_FMV, keys);
        for (int column = 0; column < vars.GetCount(); ++column) {
            if (Blank(vars.GetVar(column)->Oid) || !vars.IsReadable(column))
                continue;
            const Oid columnOid = O(vars.GetVar(column)->Oid);
            for (auto it = mib_->Objects().upper_bound(columnOid);
                 it != mib_->Objects().end() && it->first.StartsWith(columnOid); ++it) {
                const std::string instance = InstanceBelow(it->first, columnOid).ToString();
                try {
                    VbToValue(vars, column, {it->first, it->second.value});
                    const std::string answered = vars.GetVar(column)->Value;
                    if (keys > 0) {
                        SplitInstance(vars, instance);
                        const std::string joined = JoinInstance(vars);
                        EXPECT_EQ(instance.substr(0, joined.size()), joined) << table.Label << " " << it->first.ToString();
                    }
                    if (column < keys) {
                        EXPECT_EQ(answered, vars.GetVar(column)->Value) << table.Label << " " << it->first.ToString();
                        ++readableKeys;
                    }
                    ++rows;
                } catch (const Exception& error) {
                    ADD_FAILURE() << table.Label << " " << it->first.ToString() << ": " << error.Message;
                }
            }
        }
    }
    CatalogExit();
    EXPECT_GT(rows, 1000);
    EXPECT_GT(readableKeys, 20);
}

// The tables read with more keys than the catalogue has not-accessible columns take their leading columns as
// the index.
TEST_F(CatalogSeeding, KeyCountsShapeTheInstances) {
    struct Case { const char* column; const char* instance; };
    const Case cases[] = {
        // State Table: PAE MAC Address and PAE Port Number, both read-only.
        {"1.3.6.1.4.1.32473.12.3.6.1.1.3", "0.80.67.0.0.1.1"},
        // Update Server Table: IP Address, Mask (not accessible), Protocol and Port (read-only).
        {"1.3.6.1.4.1.32473.12.39.1.19.1.5", "10.0.0.1.10.0.0.1.1.1"},
        // RIP2 Routing Information: a read-only IP Address.
        {"1.3.6.1.2.1.23.2.1.2", "10.0.0.1"},
        // IPv6 static routes, read with 4 keys: destination, prefix length, interface name, a read-only next hop.
        {"1.3.6.1.4.1.32473.12.26.3.1.1.5", "254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1.1.4.114.111.119.49.254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1"},
        // IPv6 neighbours, read with 3 keys: address, MAC address, a read-only interface name.
        {"1.3.6.1.4.1.32473.12.26.4.1.1.4", "254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.2.0.80.67.0.0.2.4.114.111.119.50"},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(mib_->Find(O(c.column).Append(O(c.instance)))) << c.column << "." << c.instance;
    EXPECT_EQ(TableKeyCountOf("1.3.6.1.4.1.32473.12.39.1.19.1"), 4);
    EXPECT_EQ(TableKeyCountOf("no such label"), 0);
    // The read-only key columns answer their part of the instance.
    EXPECT_EQ(mib_->Get(O("1.3.6.1.4.1.32473.12.3.6.1.1.1.0.80.67.0.0.2.2"), 0)->bytes, std::string("\x00\x50\x43\x00\x00\x02", 6));
    EXPECT_EQ(mib_->Get(O("1.3.6.1.4.1.32473.12.39.1.19.1.4.10.0.0.3.10.0.0.3.3.3"), 0)->AsInt32(), 3);
}

} // namespace
} // namespace sim
