#pragma once
// Tables that dedicated dialogs read and write outside the MIB object catalogue (none of them is among
// AllCatalogTables): each described once, here, for the dialogs and for the simulator that serves them.
// - The transceiver diagnostics (DDM) under 1.3.6.1.4.1.32473.12.72: the settings (two scalars), the status per port,
//   the thresholds per port and reading, and the port management.
// - The payload mask table 1.3.6.1.4.1.32473.12.9.2.9.1: an entry ID (1-255), a port list, five mask windows of up to
//   16 octets and a RowStatus last.
// Their option lists are filled by CatalogStartup and cleared by CatalogExit, as the catalogue's are.
#include "Catalog.h"

struct OutsideTable {
    const char* Label;
    MibObjectTable Table;
    NxVarListKind Kind;
    int KeyCount;  // the leading not-accessible columns

    // The table as the catalogue's readers take one (module "Outside").
    CatalogTable Catalogued() const { return {Label, "Outside", Table, Kind}; }
};

namespace Oid_outside {
extern const OutsideTable DdmSettings;
extern const OutsideTable DdmStatus;
extern const OutsideTable DdmThresholds;
extern const OutsideTable DdmPorts;
extern const OutsideTable PayloadMasks;
}  // namespace Oid_outside

// Every outside table, in the order above.
const std::vector<const OutsideTable*>& AllOutsideTables();

void OutsideTablesStartup();
void OutsideTablesExit();
