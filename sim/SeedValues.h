#pragma once
// Values and index sub-identifiers that fit a syntax and option list, varied by row number.
#include "SimMib.h"

#include <optional>

namespace sim {

// The value of a column (or scalar) in seeded row `row` (1, 2, ...); also the default of a created row.
snmp::Value SeedValue(const ColumnDef& def, int row);
// The instance sub-identifiers of one index part in seeded row `row`.
std::vector<uint32_t> SeedIndexArcs(const IndexPart& part, int row, bool last);

// An instance cut into its index parts, each without its length prefix; nullopt when it is too short.
std::optional<std::vector<std::vector<uint32_t>>> SplitIndexArcs(const std::vector<IndexPart>& index,
                                                                 const snmp::Oid& instance);
// The value a column answers for one part of its row's instance.
snmp::Value IndexPartValue(int32_t syntax, const std::vector<uint32_t>& arcs);
// The value of a column in the row with this instance: a readable index column answers its part of the
// instance (as a real agent does), any other column its seeded value for `row`.
snmp::Value RowValue(const ColumnDef& def, const snmp::Oid& instance, int row);

} // namespace sim
