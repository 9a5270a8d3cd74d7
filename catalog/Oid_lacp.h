#pragma once
// Catalogue module Oid_lacp: link aggregation (1.3.6.1.4.1.32473.12.4), BGP4 scalars (1.3.6.1.2.1.15).
#include "CatalogModule.h"

void Oid_lacpStartup();
void Oid_lacpExit();
extern const CatalogModule Oid_lacpModule;

// The module's tables, each named after its variable list and commented with its label.
namespace Oid_lacp {
extern const CatalogTable E_12_4_1_1_1_1;  // 1.3.6.1.4.1.32473.12.4.1.1.1.1
extern const CatalogTable E_12_4_1_1;  // 1.3.6.1.4.1.32473.12.4.1.1
extern const CatalogTable E_12_4_1_2_1_1;  // 1.3.6.1.4.1.32473.12.4.1.2.1.1
extern const CatalogTable Mib2_15;  // 1.3.6.1.2.1.15
}  // namespace Oid_lacp
