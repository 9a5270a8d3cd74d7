#pragma once
// Catalogue module Oid_usm: USM users (1.3.6.1.6.3.15.1.2).
#include "CatalogModule.h"

void Oid_usmStartup();
void Oid_usmExit();
extern const CatalogModule Oid_usmModule;

// The module's tables, each named after its variable list and commented with its label.
namespace Oid_usm {
extern const CatalogTable SnmpModules_15_1_2_2_1;  // 1.3.6.1.6.3.15.1.2.2.1
}  // namespace Oid_usm
