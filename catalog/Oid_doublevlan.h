#pragma once
// Catalogue module Oid_doublevlan: double VLAN (1.3.6.1.4.1.32473.12.28), SNMP engine (1.3.6.1.6.3.10.2.1).
#include "CatalogModule.h"

void Oid_doublevlanStartup();
void Oid_doublevlanExit();
extern const CatalogModule Oid_doublevlanModule;

// The module's tables, each named after its variable list and commented with its label.
namespace Oid_doublevlan {
extern const CatalogTable E_12_28_1;  // 1.3.6.1.4.1.32473.12.28.1
extern const CatalogTable E_12_28_3_1_1;  // 1.3.6.1.4.1.32473.12.28.3.1.1
extern const CatalogTable SnmpModules_10_2_1;  // 1.3.6.1.6.3.10.2.1
}  // namespace Oid_doublevlan
