#pragma once
// Builds the simulator's MIB from table descriptions: object types, index syntaxes and a few rows
// per table, scalars at ".0".
#include "SimMib.h"

#include "NxSNMPVar.h"

#include <optional>
#include <string>
#include <vector>

namespace sim {

// One catalogue record, copied out of the static tables so that tests can write their own.
struct SeedColumn {
    std::string oid;      // dotted, without instance; blank for an index that exists only in the instance
    std::string caption;
    int32_t syntax = 0;
    int32_t access = 0;   // NxSNMPAccess bits
    std::vector<int32_t> optionValues;      // an integer option list
    std::vector<std::string> optionTexts;   // its display texts, in the same order
    std::vector<std::string> optionOids;    // an OID option list
    std::optional<StatusRule> status;       // a status column that creates and removes rows
    std::vector<snmp::Value> seeds;         // the values of rows 1, 2, ... (cycled); empty: by the syntax
};

struct SeedTable {
    std::string label;
    NxVarListKind kind = MVT_FMV;
    std::vector<SeedColumn> columns;
    // How many leading columns the module reads as keys. When that is more than the table's not-accessible
    // columns, those leading columns are the index (readable ones answer their part of the instance);
    // otherwise the not-accessible columns are.
    int keyCount = 0;
};

struct SeedReport {
    int tables = 0;
    size_t objects = 0;
    std::vector<std::string> problems;  // records that could not be used, with the reason
};

// Seeds `rows` rows per table (fewer when an enumerated index has fewer values). A column that an
// earlier table defined keeps that table's definition and rows.
SeedReport SeedTables(SimMib& mib, const std::vector<SeedTable>& tables, int rows = 3);

// The standard system group (1.3.6.1.2.1.1): description, object ID, up time, contact, name, location, services.
void SeedSystemGroup(SimMib& mib, const std::string& description);

// The roots the agent serves; every object of the MIB lies under one of them.
const std::vector<snmp::Oid>& ServedRoots();
bool IsServed(const snmp::Oid& oid);

} // namespace sim
