#pragma once
// The MIB object catalogue: every module's tables, found by label.
#include "NxSNMPVar.h"

#include <string_view>
#include <vector>

class NxOptionList;
class NxSNMPLedColorMapList;

// A table's label is its root OID; where several tables share a root, a parenthesis follows that tells them
// apart: ' (N entries from "First")' or ' (N entries from "First" to "Last")'. The two bridge tables whose
// parenthesis would still be the same are told apart by their second caption, added at its end:
//   1.3.6.1.2.1.17.7.1 (5 entries from "Index" to "Status", second "MAC Address")
//   1.3.6.1.2.1.17.7.1 (5 entries from "Index" to "Status", second "Unicast Address")
// Tables read as scalars have Kind SVT_SV, one row MVT_SV, and whole tables MVT_FMV; a command that adds and
// deletes rows passes MVT_UMV with its own key count.
struct CatalogTable {
    const char* Label;
    const char* Module;   // "Oid_switch", ...
    MibObjectTable Table;
    NxVarListKind Kind;   // how the system reads it
};

// Every table of every module, in module order.
const std::vector<CatalogTable>& AllCatalogTables();
// The table with exactly this label, or nullptr.
MibObjectTable FindCatalogTable(std::string_view label);

// Option list Ln (1..263), or nullptr for another number; filled between CatalogStartup and CatalogExit.
// Each module holds its own copy of the lists its tables use; this is the copy of the first module
// (in catalogue order) that uses Ln. The LED colour maps exist only between start-up and exit.
NxOptionList* CatalogOptionList(int number);
extern NxSNMPLedColorMapList* SystemLedColorMap;
extern NxSNMPLedColorMapList* PortLedColorMap;
extern NxSNMPLedColorMapList* ExtraPortLedColorMap;
extern NxSNMPLedColorMapList* ExtraPortLedColorMapGrey;

// Runs every module's start-up step (lists and maps built), and every exit step in reverse order.
void CatalogStartup();
void CatalogExit();
