#pragma once
// Catalogue module Oid_equipment: stacking units, power and fans (1.3.6.1.4.1.32473.12.11), front-panel LED status
// (1.3.6.1.4.1.32473.11.70.7), SNMP counters (1.3.6.1.2.1.11).
#include "CatalogModule.h"

void Oid_equipmentStartup();
void Oid_equipmentExit();
extern const CatalogModule Oid_equipmentModule;
