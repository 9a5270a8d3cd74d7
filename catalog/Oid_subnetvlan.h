#pragma once
// Catalogue module Oid_subnetvlan: subnet VLAN (1.3.6.1.4.1.32473.12.75).
#include "CatalogModule.h"

void Oid_subnetvlanStartup();
void Oid_subnetvlanExit();
extern const CatalogModule Oid_subnetvlanModule;

// The module's tables, each named after its variable list and commented with its label.
namespace Oid_subnetvlan {
extern const CatalogTable E_12_75_3_2_1;  // 1.3.6.1.4.1.32473.12.75.3.2.1
extern const CatalogTable E_12_75_3_1_1;  // 1.3.6.1.4.1.32473.12.75.3.1.1
extern const CatalogTable E_12_75_3_3_1;  // 1.3.6.1.4.1.32473.12.75.3.3.1
}  // namespace Oid_subnetvlan
