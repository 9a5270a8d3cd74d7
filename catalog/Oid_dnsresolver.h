#pragma once
// Catalogue module Oid_dnsresolver: DNS resolver (1.3.6.1.4.1.32473.12.85).
#include "CatalogModule.h"

void Oid_dnsresolverStartup();
void Oid_dnsresolverExit();
extern const CatalogModule Oid_dnsresolverModule;

// The module's tables, each named after its variable list and commented with its label.
namespace Oid_dnsresolver {
extern const CatalogTable E_12_85_1;  // 1.3.6.1.4.1.32473.12.85.1
extern const CatalogTable E_12_85_1_3_1_1;  // 1.3.6.1.4.1.32473.12.85.1.3.1.1
extern const CatalogTable E_12_85_1_3_2_1;  // 1.3.6.1.4.1.32473.12.85.1.3.2.1
extern const CatalogTable E_12_85_1_4_1_1;  // 1.3.6.1.4.1.32473.12.85.1.4.1.1
extern const CatalogTable E_12_85_1_4_2_1;  // 1.3.6.1.4.1.32473.12.85.1.4.2.1
}  // namespace Oid_dnsresolver
