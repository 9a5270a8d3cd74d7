#pragma once
// Seeded values shaped like a real switch's, for the catalogue objects that dialogs decode octet by octet
// (summer-time dates, cipher-suite and capability bits, time capacity) or check against a range.
#include "SnmpTypes.h"

#include <string_view>
#include <vector>

namespace sim {

// The values of rows 1, 2, ... of the object with this OID (dotted, without instance); empty: seeded by syntax.
std::vector<snmp::Value> ShapedSeedsOf(std::string_view objectOid);

} // namespace sim
