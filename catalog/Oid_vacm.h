#pragma once
// Catalogue module Oid_vacm: view-based access control (1.3.6.1.6.3.16).
#include "CatalogModule.h"

void Oid_vacmStartup();
void Oid_vacmExit();
extern const CatalogModule Oid_vacmModule;

// The module's tables, each named after its variable list and commented with its label.
namespace Oid_vacm {
extern const CatalogTable SnmpModules_16_1_2_1;  // 1.3.6.1.6.3.16.1.2.1
extern const CatalogTable SnmpModules_16_1;  // 1.3.6.1.6.3.16.1
extern const CatalogTable SnmpModules_16_1_5_2_1;  // 1.3.6.1.6.3.16.1.5.2.1
}  // namespace Oid_vacm
