#pragma once
// The MIB object catalogue: every module's tables, found by label.
#include "NxSNMPVar.h"

#include <string_view>
#include <vector>

class NxOptionList;
class NxSNMPLedColorMapList;

struct CatalogTable {
    const char* Label;    // root OID, plus " (N entries from "A" ...)" where roots repeat
    const char* Module;   // "Oid_switch", ...
    MibObjectTable Table;
    NxVarListKind Kind;   // how the system reads it
};

// Every table of every module, in module order.
const std::vector<CatalogTable>& AllCatalogTables();
// The table with this label, or nullptr.
MibObjectTable FindCatalogTable(std::string_view label);

// Option list Ln (1..263) and the LED colour maps; valid between CatalogStartup and CatalogExit.
NxOptionList* CatalogOptionList(int number);
extern NxSNMPLedColorMapList* SystemLedColorMap;
extern NxSNMPLedColorMapList* PortLedColorMap;
extern NxSNMPLedColorMapList* ExtraPortLedColorMap;
extern NxSNMPLedColorMapList* ExtraPortLedColorMapGrey;

// Runs every module's start-up step (lists and maps built), and every exit step in reverse order.
void CatalogStartup();
void CatalogExit();
