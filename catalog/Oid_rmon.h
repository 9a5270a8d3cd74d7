#pragma once
// Catalogue module Oid_rmon: RMON probe configuration (1.3.6.1.2.1.16.19).
#include "CatalogModule.h"

void Oid_rmonStartup();
void Oid_rmonExit();
extern const CatalogModule Oid_rmonModule;

// The module's tables, each named after its variable list and commented with its label.
namespace Oid_rmon {
extern const CatalogTable Mib2_16_19_A;  // 1.3.6.1.2.1.16.19 (4 entries from "Capabilities")
extern const CatalogTable Mib2_16_19_11_1;  // 1.3.6.1.2.1.16.19.11.1
extern const CatalogTable Mib2_16_19_B;  // 1.3.6.1.2.1.16.19 (1 entries from "Default Gateway")
}  // namespace Oid_rmon
