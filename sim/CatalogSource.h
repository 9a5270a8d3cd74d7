#pragma once
// Reads the project's MIB object catalogue into table descriptions for seeding.
#include "Seeding.h"

#include "Catalog.h"

#include <vector>

namespace sim {

SeedTable SeedTableFromCatalog(const CatalogTable& table);
std::vector<SeedTable> SeedTablesFromCatalog(const std::vector<CatalogTable>& tables);

} // namespace sim
