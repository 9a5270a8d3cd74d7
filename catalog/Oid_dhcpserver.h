#pragma once
// Catalogue module Oid_dhcpserver: DHCP server (1.3.6.1.4.1.32473.12.38).
#include "CatalogModule.h"

void Oid_dhcpserverStartup();
void Oid_dhcpserverExit();
extern const CatalogModule Oid_dhcpserverModule;
