#pragma once
// Catalogue module Oid_pim: PIM (1.3.6.1.4.1.32473.12.52), ping limit (1.3.6.1.2.1.80.1).
#include "CatalogModule.h"

void Oid_pimStartup();
void Oid_pimExit();
extern const CatalogModule Oid_pimModule;

// The module's tables, each named after its variable list and commented with its label.
namespace Oid_pim {
extern const CatalogTable E_12_52_1;  // 1.3.6.1.4.1.32473.12.52.1
extern const CatalogTable E_12_52_2_3_1;  // 1.3.6.1.4.1.32473.12.52.2.3.1
extern const CatalogTable E_12_52_3_1;  // 1.3.6.1.4.1.32473.12.52.3.1
extern const CatalogTable E_12_52_3_1_3_1;  // 1.3.6.1.4.1.32473.12.52.3.1.3.1
extern const CatalogTable E_12_52_3_2;  // 1.3.6.1.4.1.32473.12.52.3.2
extern const CatalogTable E_12_52_3_2_4_1;  // 1.3.6.1.4.1.32473.12.52.3.2.4.1
extern const CatalogTable E_12_52_3_4;  // 1.3.6.1.4.1.32473.12.52.3.4
extern const CatalogTable E_12_52_3_5_1;  // 1.3.6.1.4.1.32473.12.52.3.5.1
extern const CatalogTable E_12_52_3_6_1;  // 1.3.6.1.4.1.32473.12.52.3.6.1
extern const CatalogTable Mib2_80_1;  // 1.3.6.1.2.1.80.1
}  // namespace Oid_pim
