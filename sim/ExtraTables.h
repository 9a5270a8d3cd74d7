#pragma once
// The tables that dedicated dialogs read and write outside the MIB object catalogue: the transceiver
// diagnostics (DDM) under 1.3.6.1.4.1.32473.12.72 and the payload mask table (1.3.6.1.4.1.32473.12.9.2.9.1).
// Described once, in OutsideTables.h, and read the way the catalogue is read for seeding (each table's key columns are
// its not-accessible ones), so their option lists must be filled (CatalogStartup) when this is called.
#include "Seeding.h"

#include <vector>

namespace sim {

// The DDM settings (two scalars), status, threshold and port management tables, then the payload mask table.
std::vector<SeedTable> ExtraTables();

} // namespace sim
