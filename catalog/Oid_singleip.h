#pragma once
// Catalogue module Oid_singleip: single IP management (1.3.6.1.4.1.32473.12.8).
#include "CatalogModule.h"

void Oid_singleipStartup();
void Oid_singleipExit();
extern const CatalogModule Oid_singleipModule;

// The module's tables, each named after its variable list and commented with its label.
namespace Oid_singleip {
extern const CatalogTable E_12_8_1_1;  // 1.3.6.1.4.1.32473.12.8.1.1
extern const CatalogTable E_12_8_1_2;  // 1.3.6.1.4.1.32473.12.8.1.2
extern const CatalogTable E_12_8_1_3_1;  // 1.3.6.1.4.1.32473.12.8.1.3.1
extern const CatalogTable E_12_8_1_4_1;  // 1.3.6.1.4.1.32473.12.8.1.4.1
extern const CatalogTable E_12_8_1_5_1;  // 1.3.6.1.4.1.32473.12.8.1.5.1
extern const CatalogTable E_12_8_1_6_1;  // 1.3.6.1.4.1.32473.12.8.1.6.1
extern const CatalogTable E_12_8_6_1;  // 1.3.6.1.4.1.32473.12.8.6.1
}  // namespace Oid_singleip
