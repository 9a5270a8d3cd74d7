#pragma once
// Reads the project's MIB object catalogue into table descriptions for seeding, each with the key count the
// module reads it with (TableKeys).
#include "Seeding.h"

#include "Catalog.h"

#include <string>
#include <vector>

namespace sim {

// Seeds every table the simulator serves: the catalogue's (started and ended around it) and the extra tables.
SeedReport SeedServedTables(SimMib& mib, int rows = 3);

SeedTable SeedTableFromCatalog(const CatalogTable& table);
std::vector<SeedTable> SeedTablesFromCatalog(const std::vector<CatalogTable>& tables);

} // namespace sim
