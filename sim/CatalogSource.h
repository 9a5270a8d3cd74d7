#pragma once
// Reads the project's MIB object catalogue into table descriptions for seeding, each with the key count the
// module reads it with (TableKeys).
#include "Seeding.h"

#include "Catalog.h"

#include <string>
#include <vector>

namespace sim {

SeedTable SeedTableFromCatalog(const CatalogTable& table);
std::vector<SeedTable> SeedTablesFromCatalog(const std::vector<CatalogTable>& tables);

} // namespace sim
