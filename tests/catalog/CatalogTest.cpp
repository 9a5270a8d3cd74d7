#include "CatalogFixture.h"

#include <map>
#include <set>
#include <string>

namespace {

struct ModuleCounts {
    const char* Module;
    int Tables;
    int Entries;
    int OptionLists;  // distinct lists its tables use
};

constexpr ModuleCounts ExpectedModules[] = {
    {"Oid_filesystem", 10, 53, 9},    {"Oid_acl", 28, 311, 17},       {"Oid_dhcpserver", 8, 42, 9},
    {"Oid_dhcpv6server", 7, 29, 3},   {"Oid_mba", 24, 123, 24},       {"Oid_equipment", 10, 67, 9},
    {"Oid_time", 4, 18, 4},           {"Oid_dnsresolver", 5, 18, 4},  {"Oid_doublevlan", 3, 13, 2},
    {"Oid_dot1x", 9, 66, 10},         {"Oid_lacp", 4, 40, 1},         {"Oid_ip", 39, 210, 35},
    {"Oid_lldp", 34, 161, 8},         {"Oid_mldsnooping", 7, 40, 6},  {"Oid_ospfv3", 11, 134, 17},
    {"Oid_pim", 10, 31, 5},           {"Oid_ping", 7, 96, 11},        {"Oid_poe", 5, 25, 7},
    {"Oid_protocolvlan", 1, 7, 4},    {"Oid_radius", 4, 32, 0},       {"Oid_rmon", 3, 8, 2},
    {"Oid_security", 39, 240, 38},    {"Oid_sflow", 4, 22, 2},        {"Oid_singleip", 7, 36, 4},
    {"Oid_subnetvlan", 3, 12, 2},     {"Oid_supervlan", 4, 22, 2},    {"Oid_snmpv3", 7, 42, 5},
    {"Oid_timerange", 2, 11, 1},      {"Oid_usm", 1, 13, 4},          {"Oid_vacm", 3, 21, 5},
    {"Oid_webauth", 4, 28, 8},        {"Oid_switch", 129, 613, 92},   {"Oid_bridgemib", 21, 75, 7},
};

TEST(Catalog, ModulesHoldTheirTablesEntriesAndLists) {
    ASSERT_EQ(CatalogModules().size(), std::size(ExpectedModules));
    for (size_t i = 0; i < std::size(ExpectedModules); ++i) {
        const ModuleCounts& expected = ExpectedModules[i];
        const CatalogModule& module = *CatalogModules()[i];
        SCOPED_TRACE(expected.Module);
        EXPECT_STREQ(module.Name, expected.Module);
        EXPECT_EQ(static_cast<int>(module.Tables.size()), expected.Tables);
        int entries = 0;
        std::set<const NxOptionList*> used;
        for (const CatalogTable* entry : module.Tables) {
            const CatalogTable& table = *entry;
            EXPECT_STREQ(table.Module, module.Name);
            entries += EntryCount(table.Table);
            for (const NxSNMPVar* var = table.Table; var->Oid != nullptr; ++var)
                if (var->Options != nullptr)
                    used.insert(var->Options);
        }
        EXPECT_EQ(entries, expected.Entries);
        EXPECT_EQ(static_cast<int>(used.size()), expected.OptionLists);
        EXPECT_EQ(static_cast<int>(module.OptionLists.size()), expected.OptionLists);
    }
}

TEST(Catalog, AllTablesInModuleOrder) {
    const std::vector<CatalogTable>& tables = AllCatalogTables();
    ASSERT_EQ(tables.size(), 457u);
    int entries = 0;
    for (const CatalogTable& table : tables)
        entries += EntryCount(table.Table);
    EXPECT_EQ(entries, 2659);
    EXPECT_STREQ(tables.front().Module, "Oid_filesystem");
    EXPECT_STREQ(tables.back().Module, "Oid_bridgemib");
}

TEST(Catalog, SyntaxAndAccessTallies) {
    std::map<int32_t, int> syntaxes;
    std::map<int32_t, int> accesses;
    for (const CatalogTable& table : AllCatalogTables())
        for (const NxSNMPVar* var = table.Table; var->Oid != nullptr; ++var) {
            ++syntaxes[var->Syntax];
            ++accesses[var->Access];
        }
    const std::map<int32_t, int> expectedSyntaxes = {
        {sxInteger, 1566},   {sxDisplayStr, 282},   {sxCounter, 171},   {sxGauge, 144},    {sxIpAddress, 136},
        {sxOctetStr, 111},   {sxBitStr, 84},        {sxMacAddress, 65}, {sxIpv6Address, 35}, {sxTimeTicks, 23},
        {sxCounter64, 20},   {sxObjectId, 11},      {sxBitList, 7},     {sxInetAddress, 3}, {sxDateTime, 1},
    };
    const std::map<int32_t, int> expectedAccesses = {
        {readwrite, 1253}, {readonly, 918}, {notaccess, 480}, {notaccess | implied, 8},
    };
    EXPECT_EQ(syntaxes, expectedSyntaxes);
    EXPECT_EQ(accesses, expectedAccesses);
}

TEST(Catalog, RecordsAreCompleteAndExpressionFree) {
    for (const CatalogTable& table : AllCatalogTables()) {
        SCOPED_TRACE(table.Label);
        ASSERT_GT(EntryCount(table.Table), 0);
        for (const NxSNMPVar* var = table.Table; var->Oid != nullptr; ++var) {
            EXPECT_NE(var->Caption, nullptr);
            EXPECT_EQ(var->GetExpr, nullptr);
            EXPECT_EQ(var->SetExpr, nullptr);
            EXPECT_EQ(var->AuxExpr, nullptr);
        }
        const NxSNMPVar& end = table.Table[EntryCount(table.Table)];
        EXPECT_EQ(end.Caption, nullptr);
        EXPECT_EQ(end.Syntax, 0);
        EXPECT_EQ(end.Access, 0);
        EXPECT_EQ(end.Options, nullptr);
    }
}

// Index columns lead every table; their OID is below the label's root unless it exists only in the instance.
TEST(Catalog, IndexColumnsComeFirstAndOidsLieBelowTheRoot) {
    for (const CatalogTable& table : AllCatalogTables()) {
        SCOPED_TRACE(table.Label);
        std::string label = table.Label;
        std::string root = label.substr(0, label.find(' ')) + ".";
        bool pastIndexes = false;
        for (const NxSNMPVar* var = table.Table; var->Oid != nullptr; ++var) {
            bool index = (var->Access & notaccess) != 0;
            EXPECT_FALSE(index && pastIndexes) << var->Caption;
            pastIndexes = pastIndexes || !index;
            std::string oid = var->Oid;
            if (oid.find_first_not_of(' ') != std::string::npos) {
                EXPECT_EQ(oid.rfind(root, 0), 0u) << oid;
            }
        }
    }
}

// Indexes that exist only in the instance: 68 with one blank, one with two blanks, one empty. The empty one
// does not end its table.
TEST(Catalog, InstanceOnlyIndexesKeepTheirOidTexts) {
    std::map<std::string, int> blankOids;
    for (const CatalogTable& table : AllCatalogTables())
        for (const NxSNMPVar* var = table.Table; var->Oid != nullptr; ++var)
            if (std::string(var->Oid).find_first_not_of(' ') == std::string::npos) {
                ++blankOids[var->Oid];
                EXPECT_EQ(var->Access, notaccess) << table.Label;
            }
    EXPECT_EQ(blankOids, (std::map<std::string, int>{{" ", 68}, {"  ", 1}, {"", 1}}));

    MibObjectTable protocolGroups = FindCatalogTable("1.3.6.1.2.1.17.7.1.5.2.1");
    ASSERT_NE(protocolGroups, nullptr);
    EXPECT_STREQ(protocolGroups[0].Oid, "");
    EXPECT_EQ(EntryCount(protocolGroups), 4);
    EXPECT_STREQ(protocolGroups[3].Caption, "Row Status");
}

TEST(Catalog, LabelsAreUniqueAndFindTheirTables) {
    std::set<std::string> labels;
    for (const CatalogTable& table : AllCatalogTables()) {
        EXPECT_TRUE(labels.insert(table.Label).second) << table.Label;
        EXPECT_EQ(FindCatalogTable(table.Label), table.Table) << table.Label;
    }
    EXPECT_EQ(FindCatalogTable("1.3.6.1.4.1.32473.12.58.1.1"), nullptr);
    EXPECT_EQ(FindCatalogTable(""), nullptr);
}

// Where tables share a root, a parenthesis tells them apart by their entry count and first (and last) caption.
TEST(Catalog, LabelParenthesesMatchTheirTables) {
    std::map<std::string, int> roots;
    for (const CatalogTable& table : AllCatalogTables()) {
        std::string label = table.Label;
        ++roots[label.substr(0, label.find(' '))];
    }
    for (const CatalogTable& table : AllCatalogTables()) {
        SCOPED_TRACE(table.Label);
        std::string label = table.Label;
        size_t open = label.find(" (");
        std::string root = label.substr(0, open);
        if (roots[root] > 1) {
            EXPECT_NE(open, std::string::npos);
        }
        if (open == std::string::npos)
            continue;
        int count = EntryCount(table.Table);
        std::string first = table.Table[0].Caption;
        // a caption's leading and trailing blanks are not part of the label
        first = first.substr(first.find_first_not_of(' '));
        first = first.substr(0, first.find_last_not_of(' ') + 1);
        std::string expected = " (" + std::to_string(count) + " entries from \"" + first + "\"";
        EXPECT_EQ(label.compare(open, expected.size(), expected), 0);
    }
}

TEST(Catalog, SharedBridgeLabelIsToldApartBySecondCaption) {
    const char* shared = "1.3.6.1.2.1.17.7.1 (5 entries from \"Index\" to \"Status\")";
    EXPECT_EQ(FindCatalogTable(shared), nullptr);
    MibObjectTable multicast =
        FindCatalogTable("1.3.6.1.2.1.17.7.1 (5 entries from \"Index\" to \"Status\", second \"MAC Address\")");
    MibObjectTable unicast =
        FindCatalogTable("1.3.6.1.2.1.17.7.1 (5 entries from \"Index\" to \"Status\", second \"Unicast Address\")");
    ASSERT_NE(multicast, nullptr);
    ASSERT_NE(unicast, nullptr);
    EXPECT_STREQ(multicast[1].Caption, "MAC Address");
    EXPECT_STREQ(unicast[1].Caption, "Unicast Address");
}

TEST_F(CatalogRunning, EveryOptionReferenceResolvesToABuiltListOfItsModule) {
    for (const CatalogModule* module : CatalogModules()) {
        SCOPED_TRACE(module->Name);
        std::set<const NxOptionList*> referenced;
        for (const CatalogTable* table : module->Tables)
            for (const NxSNMPVar* var = table->Table; var->Oid != nullptr; ++var)
                if (var->Options != nullptr) {
                    EXPECT_NE(ListNumberOf(*module, var->Options), 0) << table->Label << " " << var->Caption;
                    EXPECT_GT(var->Options->Count(), 0) << table->Label << " " << var->Caption;
                    referenced.insert(var->Options);
                }
        for (const CatalogOptionListDef& def : module->OptionLists)
            EXPECT_TRUE(referenced.contains(def.List)) << "L" << def.Number << " unused";
    }
}

TEST(Catalog, KindsFollowHowTablesAreRead) {
    std::map<NxVarListKind, int> kinds;
    for (const CatalogTable& table : AllCatalogTables())
        ++kinds[table.Kind];
    EXPECT_EQ(kinds, (std::map<NxVarListKind, int>{{SVT_SV, 144}, {MVT_SV, 8}, {MVT_FMV, 305}}));
    const CatalogTable* stpVersion = FindTableRecord("1.3.6.1.4.1.32473.12.15.1 (1 entries from \"STP Version\")");
    ASSERT_NE(stpVersion, nullptr);
    EXPECT_EQ(stpVersion->Kind, SVT_SV);
    const CatalogTable* linkStatus =
        FindTableRecord("1.3.6.1.4.1.32473.11.70.7.2.3.1.1 (1 entries from \"Link Status\")");
    ASSERT_NE(linkStatus, nullptr);
    EXPECT_EQ(linkStatus->Kind, MVT_SV);
}

struct PickedEntry {
    const char* Label;
    int Index;
    const char* Oid;
    const char* Caption;
    int32_t Syntax;
    int32_t Access;
    int List;  // n of Ln, 0 for none
};

// Entries picked across modules, compared field by field.
constexpr PickedEntry PickedEntries[] = {
    {"1.3.6.1.4.1.32473.12.58.1.1.1", 0, "1.3.6.1.4.1.32473.12.58.1.1.1.1", "Index", 2, 1, 0},
    {"1.3.6.1.4.1.32473.12.58.1.1.1", 11, "1.3.6.1.4.1.32473.12.58.1.1.1.12", "Action", 2, 6, 181},
    // "Log State" carries the OID of "Trap State": shown, never written
    {"1.3.6.1.4.1.32473.12.78.1", 2, "1.3.6.1.4.1.32473.12.78.1.2", "Log State", 2, 2, 10},
    {"1.3.6.1.2.1.17.2.15.1 (10 entries from \"Port\" to \"Forward Transitions\")", 2, "1.3.6.1.2.1.17.2.15.1.3",
     "Status        ", 2, 2, 198},
    {"1.3.6.1.4.1.32473.11.70.7.2.15.2.1", 2, "1.3.6.1.4.1.32473.11.70.7.2.15.2.1.3", " Head    ", 64, 2, 0},
    {"1.3.6.1.4.1.32473.12.15.1 (1 entries from \"STP Version\")", 0, "1.3.6.1.4.1.32473.12.15.1.2", "STP Version", 2,
     6, 182},
    {"1.3.6.1.4.1.32473.12.78.3.1.1", 16, "1.3.6.1.4.1.32473.12.78.3.1.1.17", "Protection VLAN Range List 65-128", 78,
     6, 0},
    {"1.3.6.1.2.1.17.7.1.5.2.1", 0, "", "Port", 2, 1, 0},
    {"1.0.8802.1.1.2.1.5.32962.1.1.2.1 (3 entries from \"Port Number\" to \"VLAN Name TX\")", 1, " ", "VLAN ID", 2, 1,
     0},
    {"1.3.6.1.2.1.10.131.1.1.1.1", 0, "  ", "IF Index", 2, 1, 0},
    {"1.3.6.1.4.1.32473.12.84.1.4.1", 2, "1.3.6.1.4.1.32473.12.84.1.4.1.2", "Address                           ", 81,
     65, 0},
    {"1.3.6.1.6.3.13.1", 1, "1.3.6.1.6.3.13.1.3.1.1", "Subtree", 6, 65, 0},
    {"1.3.6.1.6.3 (4 entries from \"Target Params Name\")", 3, "1.3.6.1.6.3.13.1.2.1.3", "Row Status", 2, 6, 12},
    {"1.3.6.1.6.3.15.1.2.2.1", 4, "1.3.6.1.6.3.15.1.2.2.1.5", "Authentication Protocol", 6, 6, 175},
    {"1.3.6.1.6.3.15.1.2.2.1", 7, "1.3.6.1.6.3.15.1.2.2.1.8", "Privacy Protocol", 6, 6, 176},
    {"1.3.6.1.2.1.17.7.1 (5 entries from \"Index\" to \"Status\", second \"MAC Address\")", 1,
     "1.3.6.1.2.1.17.7.1.3.2.1.1", "MAC Address", 73, 1, 0},
    {"1.3.6.1.2.1.17.7.1 (5 entries from \"Index\" to \"Status\", second \"Unicast Address\")", 4,
     "1.3.6.1.2.1.17.7.1.3.1.1.4", "Status", 2, 6, 263},
    {"1.3.6.1.2.1.17.4 (4 entries from \"Index\" to \"HC Port In Discards\")", 0, "1.3.6.1.2.1.17.4.4.1.1", " Index", 2,
     2, 0},
    {"1.3.6.1.2.1.191.1.12.1", 3, "1.3.6.1.2.1.191.1.12.1.4", "Prefix", 81, 1, 0},
    {"1.3.6.1.4.1.32473.12.10", 1, "1.3.6.1.4.1.32473.12.10.2", "Current Clock(Example 1992-5-26,13:30:15.0)", 74, 6,
     0},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1", 3, "1.3.6.1.2.1.67.2.2.1.1.3.1.4", "Round Trip Time", 67, 2, 0},
    {"1.3.6.1.4.1.32473.12.4.1.1", 1, "1.3.6.1.4.1.32473.12.4.1.1.2.1.1", "Ports                ", 3, 2, 0},
    {"1.3.6.1.4.1.32473.12.3.6.1.1", 3, "1.3.6.1.4.1.32473.12.3.6.1.1.4", "Backend  State", 2, 2, 40},
    {"1.3.6.1.4.1.32473.12.30.1 (2 entries from \"Name\")", 1, "1.3.6.1.4.1.32473.12.30.1.2", " Port", 3, 6, 0},
    {"1.3.6.1.4.1.32473.12.9.2.1.1", 0, "1.3.6.1.4.1.32473.12.9.2.1.1.1", "Mask ID ", 2, 1, 0},
    {"1.3.6.1.4.1.32473.12.9.2.1.1", 3, "1.3.6.1.4.1.32473.12.9.2.1.1.4", "MAC Address Mask Sourcc", 73, 6, 0},
};

TEST(Catalog, PickedEntriesMatchFieldByField) {
    for (const PickedEntry& picked : PickedEntries) {
        SCOPED_TRACE(std::string(picked.Label) + " #" + std::to_string(picked.Index));
        const CatalogTable* table = FindTableRecord(picked.Label);
        ASSERT_NE(table, nullptr);
        ASSERT_LT(picked.Index, EntryCount(table->Table));
        const NxSNMPVar& var = table->Table[picked.Index];
        EXPECT_STREQ(var.Oid, picked.Oid);
        EXPECT_STREQ(var.Caption, picked.Caption);
        EXPECT_EQ(var.Syntax, picked.Syntax);
        EXPECT_EQ(var.Access, picked.Access);
        const CatalogModule* module = FindModule(table->Module);
        ASSERT_NE(module, nullptr);
        EXPECT_EQ(ListNumberOf(*module, var.Options), picked.List);
        EXPECT_EQ(var.Options == nullptr, picked.List == 0);
    }
}

struct RowStatusColumn {
    const char* Label;
    int Column;  // counted from 0
};

// The tables of the commands that add and delete rows, with their RowStatus column.
constexpr RowStatusColumn AddDeleteTables[] = {
    {"1.3.6.1.4.1.32473.12.15.2.3.1", 23},
    {"1.3.6.1.6.3.12.1.2.1", 8},
    {"1.3.6.1.6.3.12.1.3.1", 6},
    {"1.3.6.1.6.3.15.1.2.2.1", 12},
    {"1.3.6.1.6.3.16.1.2.1", 4},
    {"1.3.6.1.6.3.16.1", 9},
    {"1.3.6.1.6.3.16.1.5.2.1", 5},
    {"1.3.6.1.6.3.13.1.1.1", 4},
    {"1.3.6.1.6.3 (4 entries from \"Target Params Name\")", 3},
    {"1.3.6.1.6.3.13.1", 5},
    {"1.3.6.1.6.3.18.1.1.1", 7},
    {"1.3.6.1.4.1.32473.12.8.1.3.1", 9},
    {"1.3.6.1.4.1.32473.12.36.1.4.1", 6},
    {"1.3.6.1.4.1.32473.12.36.1.5.1", 4},
    {"1.3.6.1.4.1.32473.12.36.1.6.1", 3},
    {"1.3.6.1.2.1.80.1.2.1", 22},
    {"1.3.6.1.2.1.81.1.2.1", 26},
    {"1.3.6.1.4.1.32473.12.81.3.1.1", 1},
    {"1.3.6.1.4.1.32473.12.5.9.1", 17},
    {"1.3.6.1.4.1.32473.12.23.4.2.1", 6},
    {"1.3.6.1.4.1.32473.12.27.3.2.1", 3},
    {"1.3.6.1.4.1.32473.12.35.4.1.1", 2},
    {"1.3.6.1.4.1.32473.12.39.1.19.1", 4},
    {"1.3.6.1.4.1.32473.12.39.4.3.1", 3},
    {"1.3.6.1.4.1.32473.11.70.7.2.11.8.1 (4 entries from \"VLAN ID\" to \"Status\")", 3},
    {"1.3.6.1.4.1.32473.11.70.7.2.19.1.1", 3},
    {"1.3.6.1.4.1.32473.12.71.3.3.1", 2},
    {"1.3.6.1.4.1.32473.12.71.3.4.1", 6},
    {"1.3.6.1.4.1.32473.12.9.6.1.1", 28},
    {"1.3.6.1.4.1.32473.12.9.4.1.1", 6},
    {"1.3.6.1.4.1.32473.12.9.5.1.1", 8},
    {"1.3.6.1.4.1.32473.12.9.4.2.1", 17},
    {"1.3.6.1.4.1.32473.12.9.5.2.1", 16},
    {"1.3.6.1.4.1.32473.12.9.4.3.1", 6},
    {"1.3.6.1.4.1.32473.12.9.5.3.1", 9},
    {"1.3.6.1.4.1.32473.12.9.4.4.1", 6},
    {"1.3.6.1.4.1.32473.12.9.5.4.1", 7},
    {"1.3.6.1.4.1.32473.12.78.3.1.1", 23},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.5.1", 7},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.6.1.1", 3},
    {"1.3.6.1.4.1.32473.11.70.7.3.2.1.8.1", 5},
    {"1.3.6.1.2.1.10.131.1.1.3.1", 6},
    {"1.3.6.1.4.1.32473.12.38.3.1.1", 2},
    {"1.3.6.1.4.1.32473.12.38.3.2.2.1", 3},
    {"1.3.6.1.4.1.32473.12.38.3.2.3.1", 3},
    {"1.3.6.1.4.1.32473.12.38.3.2.4.1", 3},
    {"1.3.6.1.4.1.32473.12.38.3.3.1", 4},
    {"1.3.6.1.4.1.32473.12.90.1.2.1.1", 7},
    {"1.3.6.1.4.1.32473.12.90.1.2.2.1", 3},
    {"1.3.6.1.4.1.32473.12.90.1.3.1", 3},
    {"1.3.6.1.4.1.32473.12.90.1.4.1", 3},
    {"1.3.6.1.4.1.32473.12.85.1.3.1.1", 1},
    {"1.3.6.1.4.1.32473.12.85.1.4.1.1", 1},
    {"1.3.6.1.4.1.32473.11.70.7.3.5.1", 3},
    {"1.3.6.1.2.1.191.1.2.1", 8},
    {"1.3.6.1.2.1.191.1.8.1", 10},
    {"1.3.6.1.2.1.191.1.12.1", 5},
    {"1.3.6.1.4.1.32473.12.52.3.2.4.1", 3},
    {"1.3.6.1.4.1.32473.12.52.3.5.1", 1},
    {"1.3.6.1.4.1.32473.12.52.3.6.1", 3},
    {"1.3.6.1.4.1.32473.12.26.3.2.1", 3},
    {"1.3.6.1.2.1.17.7.1.5.2.1", 3},
    {"1.3.6.1.4.1.32473.12.56.3.2.1", 3},
    {"1.3.6.1.4.1.32473.12.57.3.2.1", 2},
    {"1.3.6.1.4.1.32473.12.57.3.3.1", 5},
    {"1.3.6.1.4.1.32473.12.57.4.1.1", 1},
    {"1.3.6.1.4.1.32473.12.57.4.2.1", 19},
    {"1.3.6.1.4.1.32473.12.75.3.2.1", 4},
    {"1.3.6.1.4.1.32473.12.75.3.3.1", 4},
    {"1.3.6.1.4.1.32473.12.91.1.1.1", 12},
    {"1.3.6.1.4.1.32473.12.91.1.3.1", 3},
};

TEST_F(CatalogRunning, AddDeleteTablesHaveARowStatusColumn) {
    for (const RowStatusColumn& entry : AddDeleteTables) {
        SCOPED_TRACE(entry.Label);
        MibObjectTable table = FindCatalogTable(entry.Label);
        ASSERT_NE(table, nullptr);
        ASSERT_LT(entry.Column, EntryCount(table));
        const NxSNMPVar& status = table[entry.Column];
        EXPECT_EQ(status.Syntax, sxInteger);
        EXPECT_EQ(status.Access, readwrite);
        ASSERT_NE(status.Options, nullptr);
        EXPECT_EQ(status.Options->TextToValue("createAndGo"), "4");
        EXPECT_EQ(status.Options->TextToValue("destroy"), "6");
    }
}

}  // namespace
