#pragma once
// Catalogue module Oid_poe: power over Ethernet (1.3.6.1.4.1.32473.12.24).
#include "CatalogModule.h"

void Oid_poeStartup();
void Oid_poeExit();
extern const CatalogModule Oid_poeModule;

// The module's tables, each named after its variable list and commented with its label.
namespace Oid_poe {
extern const CatalogTable E_12_24_1;  // 1.3.6.1.4.1.32473.12.24.1
extern const CatalogTable E_12_24_2_1_1_A;  // 1.3.6.1.4.1.32473.12.24.2.1.1 (8 entries from "Box ID")
extern const CatalogTable E_12_24_2_1_1_B;  // 1.3.6.1.4.1.32473.12.24.2.1.1 (1 entries from "Led State")
extern const CatalogTable E_12_24_3_1_1;  // 1.3.6.1.4.1.32473.12.24.3.1.1
extern const CatalogTable E_12_24_4_1_1;  // 1.3.6.1.4.1.32473.12.24.4.1.1
}  // namespace Oid_poe
