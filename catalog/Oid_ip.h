#pragma once
// Catalogue module Oid_ip: IP interfaces, routes, RIP, DHCP and DNS relay, IPv6 (1.3.6.1.4.1.32473.11.70.7.3), BGP4
// peers (1.3.6.1.2.1.15), tunnels (1.3.6.1.2.1.10.131), RIPv2 (1.3.6.1.2.1.23), IP forwarding (1.3.6.1.2.1.4.24),
// IPv6 routes and neighbours (1.3.6.1.4.1.32473.12.26), route redistribution (1.3.6.1.4.1.32473.12.83), DHCPv6
// relay (1.3.6.1.4.1.32473.12.84).
#include "CatalogModule.h"

void Oid_ipStartup();
void Oid_ipExit();
extern const CatalogModule Oid_ipModule;
