#pragma once
// Reads the project's MIB object catalogue into table descriptions for seeding, each with the key count the
// module's commands read it with (the menu command table is the one place that says so).
#include "Seeding.h"

#include "Catalog.h"

#include <string>
#include <vector>

namespace sim {

// The largest key count a command, tabbed page, state table or port popup command reads this label with; 0 for none.
int CommandKeyCount(const std::string& label);

SeedTable SeedTableFromCatalog(const CatalogTable& table);
std::vector<SeedTable> SeedTablesFromCatalog(const std::vector<CatalogTable>& tables);

} // namespace sim
