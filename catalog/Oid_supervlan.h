#pragma once
// Catalogue module Oid_supervlan: super VLAN (1.3.6.1.4.1.32473.12.91), SNMP target scalars (1.3.6.1.6.3.12.1).
#include "CatalogModule.h"

void Oid_supervlanStartup();
void Oid_supervlanExit();
extern const CatalogModule Oid_supervlanModule;

// The module's tables, each named after its variable list and commented with its label.
namespace Oid_supervlan {
extern const CatalogTable E_12_91_1_1_1;  // 1.3.6.1.4.1.32473.12.91.1.1.1
extern const CatalogTable E_12_91_1_2_1;  // 1.3.6.1.4.1.32473.12.91.1.2.1
extern const CatalogTable E_12_91_1_3_1;  // 1.3.6.1.4.1.32473.12.91.1.3.1
extern const CatalogTable SnmpModules_12_1;  // 1.3.6.1.6.3.12.1
}  // namespace Oid_supervlan
