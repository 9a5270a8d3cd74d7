#pragma once
// Catalogue module Oid_dhcpv6server: DHCPv6 server (1.3.6.1.4.1.32473.12.90).
#include "CatalogModule.h"

void Oid_dhcpv6serverStartup();
void Oid_dhcpv6serverExit();
extern const CatalogModule Oid_dhcpv6serverModule;

// The module's tables, each named after its variable list and commented with its label.
namespace Oid_dhcpv6server {
extern const CatalogTable E_12_90_1_1;  // 1.3.6.1.4.1.32473.12.90.1.1
extern const CatalogTable E_12_90_1_1_2_1;  // 1.3.6.1.4.1.32473.12.90.1.1.2.1
extern const CatalogTable E_12_90_1_2_1_1;  // 1.3.6.1.4.1.32473.12.90.1.2.1.1
extern const CatalogTable E_12_90_1_2_2_1;  // 1.3.6.1.4.1.32473.12.90.1.2.2.1
extern const CatalogTable E_12_90_1_3_1;  // 1.3.6.1.4.1.32473.12.90.1.3.1
extern const CatalogTable E_12_90_1_4_1;  // 1.3.6.1.4.1.32473.12.90.1.4.1
extern const CatalogTable E_12_90_1_5_1;  // 1.3.6.1.4.1.32473.12.90.1.5.1
}  // namespace Oid_dhcpv6server
