#pragma once
// Catalogue module Oid_sflow: sFlow (1.3.6.1.4.1.32473.12.36).
#include "CatalogModule.h"

void Oid_sflowStartup();
void Oid_sflowExit();
extern const CatalogModule Oid_sflowModule;

// The module's tables, each named after its variable list and commented with its label.
namespace Oid_sflow {
extern const CatalogTable E_12_36_1;  // 1.3.6.1.4.1.32473.12.36.1
extern const CatalogTable E_12_36_1_4_1;  // 1.3.6.1.4.1.32473.12.36.1.4.1
extern const CatalogTable E_12_36_1_5_1;  // 1.3.6.1.4.1.32473.12.36.1.5.1
extern const CatalogTable E_12_36_1_6_1;  // 1.3.6.1.4.1.32473.12.36.1.6.1
}  // namespace Oid_sflow
