#pragma once
// The status columns of the tables without RowStatus whose rows a write of the status creates and removes
// (static unicast and multicast filtering, IPv4 static routes, DHCP/BOOTP relay servers, DNS relay entries,
// server-group membership).
#include "SimMib.h"

#include <optional>
#include <string_view>

namespace sim {

// The rule of the column with this OID (dotted, without instance), if it is such a status column.
std::optional<StatusRule> StatusRuleOf(std::string_view columnOid);

} // namespace sim
