#pragma once
// Reads the project's MIB object catalogue into table descriptions for seeding.
#include "Seeding.h"

#include "Catalog.h"

#include <vector>

namespace sim {

TableSpec TableSpecFromCatalog(const CatalogTable& table);
std::vector<TableSpec> TableSpecsFromCatalog(const std::vector<CatalogTable>& tables);

} // namespace sim
