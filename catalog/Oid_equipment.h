#pragma once
// Catalogue module Oid_equipment: stacking units, power and fans (1.3.6.1.4.1.32473.12.11), front-panel LED status
// (1.3.6.1.4.1.32473.11.70.7), SNMP counters (1.3.6.1.2.1.11).
#include "CatalogModule.h"

void Oid_equipmentStartup();
void Oid_equipmentExit();
extern const CatalogModule Oid_equipmentModule;

// The module's tables, each named after its variable list and commented with its label.
namespace Oid_equipment {
extern const CatalogTable E_12_11_1_6_1;  // 1.3.6.1.4.1.32473.12.11.1.6.1
extern const CatalogTable E_12_11_1_7_1;  // 1.3.6.1.4.1.32473.12.11.1.7.1
extern const CatalogTable E_12_11_1_A;  // 1.3.6.1.4.1.32473.12.11.1 (4 entries from "Capacity")
extern const CatalogTable E_12_11_1_9;  // 1.3.6.1.4.1.32473.12.11.1.9
extern const CatalogTable E_12_11_1_B;  // 1.3.6.1.4.1.32473.12.11.1 (1 entries from "Mode")
extern const CatalogTable E_12_11_1_9_4_1_A;  // 1.3.6.1.4.1.32473.12.11.1.9.4.1 (14 entries from "Management ID")
extern const CatalogTable E_12_11_1_9_4_1_B;  // 1.3.6.1.4.1.32473.12.11.1.9.4.1 (9 entries from "ID")
extern const CatalogTable E_11_70_7_2_1_1;  // 1.3.6.1.4.1.32473.11.70.7.2.1.1 (1 entries from "Management Front Panel Led Status")
extern const CatalogTable E_12_11_1_9_4_1_C;  // 1.3.6.1.4.1.32473.12.11.1.9.4.1 (1 entries from "Management Front Panel Led Status")
extern const CatalogTable Mib2_11;  // 1.3.6.1.2.1.11
}  // namespace Oid_equipment
