#pragma once
// Catalogue module Oid_bridgemib: BRIDGE-MIB port counters, P-BRIDGE-MIB and Q-BRIDGE-MIB (1.3.6.1.2.1.17).
#include "CatalogModule.h"

void Oid_bridgemibStartup();
void Oid_bridgemibExit();
extern const CatalogModule Oid_bridgemibModule;

// The module's tables, each named after its variable list and commented with its label.
namespace Oid_bridgemib {
extern const CatalogTable Mib2_17_4_A;  // 1.3.6.1.2.1.17.4 (4 entries from "Index" to "HC Port In Discards")
extern const CatalogTable Mib2_17_4_B;  // 1.3.6.1.2.1.17.4 (4 entries from "Index" to "In Overflow Discards")
extern const CatalogTable Mib2_17_A;  // 1.3.6.1.2.1.17 (2 entries from "Port Number")
extern const CatalogTable Mib2_17_6_1_1_A;  // 1.3.6.1.2.1.17.6.1.1 (1 entries from "Device Capabilities")
extern const CatalogTable Mib2_17_6_1_1_B;  // 1.3.6.1.2.1.17.6.1.1 (1 entries from "Traffic Classes Enabled")
extern const CatalogTable Mib2_17_B;  // 1.3.6.1.2.1.17 (3 entries from "Port Number" to "Port Number Traffic Classes")
extern const CatalogTable Mib2_17_C;  // 1.3.6.1.2.1.17 (3 entries from "Port Number" to "Regenerated User Priority")
extern const CatalogTable Mib2_17_D;  // 1.3.6.1.2.1.17 (3 entries from "Port Number" to "Mapped Traffic Class")
extern const CatalogTable Mib2_17_E;  // 1.3.6.1.2.1.17 (3 entries from "Port Number" to "Port Outbound Access Priority")
extern const CatalogTable Mib2_17_F;  // 1.3.6.1.2.1.17 (4 entries from "Port Number")
extern const CatalogTable Mib2_17_7_1_1;  // 1.3.6.1.2.1.17.7.1.1
extern const CatalogTable Mib2_17_7_1_2_1_1;  // 1.3.6.1.2.1.17.7.1.2.1.1
extern const CatalogTable Mib2_17_7_1_A;  // 1.3.6.1.2.1.17.7.1 (4 entries from "VLAN ID" to "GMRP Learnt Ports")
extern const CatalogTable Mib2_17_7_1_B;  // 1.3.6.1.2.1.17.7.1 (4 entries from "VLAN ID" to "Forbidden Ports")
extern const CatalogTable Mib2_17_7_1_4_2_1;  // 1.3.6.1.2.1.17.7.1.4.2.1
extern const CatalogTable Mib2_17_7_1_4_A;  // 1.3.6.1.2.1.17.7.1.4 (6 entries from "VLAN ID")
extern const CatalogTable Mib2_17_G;  // 1.3.6.1.2.1.17 (7 entries from "Port Number")
extern const CatalogTable Mib2_17_7_1_4_B;  // 1.3.6.1.2.1.17.7.1.4 (1 entries from "VLAN Number Deletes")
extern const CatalogTable Mib2_17_7_1_4_C;  // 1.3.6.1.2.1.17.7.1.4 (1 entries from "Next Free Local VLAN Index")
extern const CatalogTable Mib2_17_7_1_C;  // 1.3.6.1.2.1.17.7.1 (5 entries from "Index" to "Status", second "MAC Address")
extern const CatalogTable Mib2_17_7_1_D;  // 1.3.6.1.2.1.17.7.1 (5 entries from "Index" to "Status", second "Unicast Address")
}  // namespace Oid_bridgemib
