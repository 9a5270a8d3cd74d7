#pragma once
// Catalogue module Oid_dhcpserver: DHCP server (1.3.6.1.4.1.32473.12.38).
#include "CatalogModule.h"

void Oid_dhcpserverStartup();
void Oid_dhcpserverExit();
extern const CatalogModule Oid_dhcpserverModule;

// The module's tables, each named after its variable list and commented with its label.
namespace Oid_dhcpserver {
extern const CatalogTable E_12_38_1;  // 1.3.6.1.4.1.32473.12.38.1
extern const CatalogTable E_12_38_3_1_1;  // 1.3.6.1.4.1.32473.12.38.3.1.1
extern const CatalogTable E_12_38_3_2_1_1;  // 1.3.6.1.4.1.32473.12.38.3.2.1.1
extern const CatalogTable E_12_38_3_2_2_1;  // 1.3.6.1.4.1.32473.12.38.3.2.2.1
extern const CatalogTable E_12_38_3_2_3_1;  // 1.3.6.1.4.1.32473.12.38.3.2.3.1
extern const CatalogTable E_12_38_3_2_4_1;  // 1.3.6.1.4.1.32473.12.38.3.2.4.1
extern const CatalogTable E_12_38_3_3_1;  // 1.3.6.1.4.1.32473.12.38.3.3.1
extern const CatalogTable E_12_38_3_4_1;  // 1.3.6.1.4.1.32473.12.38.3.4.1
}  // namespace Oid_dhcpserver
