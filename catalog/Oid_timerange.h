#pragma once
// Catalogue module Oid_timerange: time ranges (1.3.6.1.4.1.32473.12.50.3), USM statistics (1.3.6.1.6.3.15.1.1).
#include "CatalogModule.h"

void Oid_timerangeStartup();
void Oid_timerangeExit();
extern const CatalogModule Oid_timerangeModule;

// The module's tables, each named after its variable list and commented with its label.
namespace Oid_timerange {
extern const CatalogTable E_12_50_3_1_1;  // 1.3.6.1.4.1.32473.12.50.3.1.1
extern const CatalogTable SnmpModules_15_1_1;  // 1.3.6.1.6.3.15.1.1
}  // namespace Oid_timerange
