#pragma once
// Values and index sub-identifiers that fit a syntax and option list, varied by row number.
#include "SimMib.h"

namespace sim {

// The value of a column (or scalar) in seeded row `row` (1, 2, ...); also the default of a created row.
snmp::Value SeedValue(const ColumnDef& def, int row);
// The instance sub-identifiers of one index part in seeded row `row`.
std::vector<uint32_t> SeedIndexArcs(const IndexPart& part, int row, bool last);

} // namespace sim
