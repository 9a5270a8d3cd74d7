#pragma once
// Catalogue module Oid_snmpv3: SNMP target, notification and community tables (1.3.6.1.6.3.12, 1.3.6.1.6.3.13,
// 1.3.6.1.6.3.18).
#include "CatalogModule.h"

void Oid_snmpv3Startup();
void Oid_snmpv3Exit();
extern const CatalogModule Oid_snmpv3Module;

// The module's tables, each named after its variable list and commented with its label.
namespace Oid_snmpv3 {
extern const CatalogTable SnmpModules_12_1_2_1;  // 1.3.6.1.6.3.12.1.2.1
extern const CatalogTable SnmpModules_12_1_3_1;  // 1.3.6.1.6.3.12.1.3.1
extern const CatalogTable SnmpModules_18_1_1_1;  // 1.3.6.1.6.3.18.1.1.1
extern const CatalogTable SnmpModules_A;  // 1.3.6.1.6.3 (3 entries from "Name")
extern const CatalogTable SnmpModules_13_1_1_1;  // 1.3.6.1.6.3.13.1.1.1
extern const CatalogTable SnmpModules_B;  // 1.3.6.1.6.3 (4 entries from "Target Params Name")
extern const CatalogTable SnmpModules_13_1;  // 1.3.6.1.6.3.13.1
}  // namespace Oid_snmpv3
