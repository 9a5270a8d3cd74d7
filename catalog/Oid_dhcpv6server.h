#pragma once
// Catalogue module Oid_dhcpv6server: DHCPv6 server (1.3.6.1.4.1.32473.12.90).
#include "CatalogModule.h"

void Oid_dhcpv6serverStartup();
void Oid_dhcpv6serverExit();
extern const CatalogModule Oid_dhcpv6serverModule;
