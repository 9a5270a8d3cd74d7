#pragma once
// Catalogue module Oid_ospfv3: OSPFv3 (1.3.6.1.2.1.191).
#include "CatalogModule.h"

void Oid_ospfv3Startup();
void Oid_ospfv3Exit();
extern const CatalogModule Oid_ospfv3Module;

// The module's tables, each named after its variable list and commented with its label.
namespace Oid_ospfv3 {
extern const CatalogTable Mib2_191_1_1;  // 1.3.6.1.2.1.191.1.1
extern const CatalogTable Mib2_191_1_2_1;  // 1.3.6.1.2.1.191.1.2.1
extern const CatalogTable Mib2_191_1_3_1;  // 1.3.6.1.2.1.191.1.3.1
extern const CatalogTable Mib2_191_1_4_1;  // 1.3.6.1.2.1.191.1.4.1
extern const CatalogTable Mib2_191_1_5_1;  // 1.3.6.1.2.1.191.1.5.1
extern const CatalogTable Mib2_191_1_7_1;  // 1.3.6.1.2.1.191.1.7.1
extern const CatalogTable Mib2_191_1_8_1;  // 1.3.6.1.2.1.191.1.8.1
extern const CatalogTable Mib2_191_1_9_1;  // 1.3.6.1.2.1.191.1.9.1
extern const CatalogTable Mib2_191_1_11_1;  // 1.3.6.1.2.1.191.1.11.1
extern const CatalogTable Mib2_191_1_12_1;  // 1.3.6.1.2.1.191.1.12.1
extern const CatalogTable Mib2_191_1_13_1;  // 1.3.6.1.2.1.191.1.13.1
}  // namespace Oid_ospfv3
