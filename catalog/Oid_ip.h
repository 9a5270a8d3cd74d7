#pragma once
// Catalogue module Oid_ip: IP interfaces, routes, RIP, DHCP and DNS relay, IPv6 (1.3.6.1.4.1.32473.11.70.7.3), BGP4
// peers (1.3.6.1.2.1.15), tunnels (1.3.6.1.2.1.10.131), RIPv2 (1.3.6.1.2.1.23), IP forwarding (1.3.6.1.2.1.4.24),
// IPv6 routes and neighbours (1.3.6.1.4.1.32473.12.26), route redistribution (1.3.6.1.4.1.32473.12.83), DHCPv6
// relay (1.3.6.1.4.1.32473.12.84).
#include "CatalogModule.h"

void Oid_ipStartup();
void Oid_ipExit();
extern const CatalogModule Oid_ipModule;

// The module's tables, each named after its variable list and commented with its label.
namespace Oid_ip {
extern const CatalogTable Mib2_15_3_1;  // 1.3.6.1.2.1.15.3.1
extern const CatalogTable Mib2_15_6_1;  // 1.3.6.1.2.1.15.6.1
extern const CatalogTable Mib2_10_131_1_1_1_1;  // 1.3.6.1.2.1.10.131.1.1.1.1
extern const CatalogTable Mib2_10_131_1_1_3_1;  // 1.3.6.1.2.1.10.131.1.1.3.1
extern const CatalogTable E_12_84_1;  // 1.3.6.1.4.1.32473.12.84.1
extern const CatalogTable E_12_84_1_4_1;  // 1.3.6.1.4.1.32473.12.84.1.4.1
extern const CatalogTable E_12_84_1_3_1;  // 1.3.6.1.4.1.32473.12.84.1.3.1
extern const CatalogTable E_12_83;  // 1.3.6.1.4.1.32473.12.83
extern const CatalogTable E_12_83_6_1;  // 1.3.6.1.4.1.32473.12.83.6.1
extern const CatalogTable Mib2_4_24;  // 1.3.6.1.2.1.4.24
extern const CatalogTable E_12_26_3_1_1;  // 1.3.6.1.4.1.32473.12.26.3.1.1
extern const CatalogTable E_12_26_3_2_1;  // 1.3.6.1.4.1.32473.12.26.3.2.1
extern const CatalogTable E_12_26_4_1_1;  // 1.3.6.1.4.1.32473.12.26.4.1.1
extern const CatalogTable E_12_26_4;  // 1.3.6.1.4.1.32473.12.26.4
extern const CatalogTable Mib2_23_1;  // 1.3.6.1.2.1.23.1
extern const CatalogTable Mib2_23_2_1;  // 1.3.6.1.2.1.23.2.1 (5 entries from "IP Address")
extern const CatalogTable Mib2_23_3_1;  // 1.3.6.1.2.1.23.3.1
extern const CatalogTable E_11_70_7_3_2_1_8_1;  // 1.3.6.1.4.1.32473.11.70.7.3.2.1.8.1
extern const CatalogTable E_11_70_7_3_15;  // 1.3.6.1.4.1.32473.11.70.7.3.15
extern const CatalogTable E_11_70_7_3_1_1;  // 1.3.6.1.4.1.32473.11.70.7.3.1.1
extern const CatalogTable E_11_70_7_3_2_1;  // 1.3.6.1.4.1.32473.11.70.7.3.2.1
extern const CatalogTable E_11_70_7_3_2_1_4_1;  // 1.3.6.1.4.1.32473.11.70.7.3.2.1.4.1
extern const CatalogTable E_11_70_7_3_2_1_5_1;  // 1.3.6.1.4.1.32473.11.70.7.3.2.1.5.1
extern const CatalogTable E_11_70_7_3_2_1_3_1;  // 1.3.6.1.4.1.32473.11.70.7.3.2.1.3.1
extern const CatalogTable E_11_70_7_3_2_2_1_1;  // 1.3.6.1.4.1.32473.11.70.7.3.2.2.1.1
extern const CatalogTable E_11_70_7_3_2_5_1;  // 1.3.6.1.4.1.32473.11.70.7.3.2.5.1 (6 entries from "Route Destination")
extern const CatalogTable E_11_70_7_3_2_6_1_1;  // 1.3.6.1.4.1.32473.11.70.7.3.2.6.1.1
extern const CatalogTable E_11_70_7_3_3_1;  // 1.3.6.1.4.1.32473.11.70.7.3.3.1
extern const CatalogTable E_11_70_7_3_3_1_4_1;  // 1.3.6.1.4.1.32473.11.70.7.3.3.1.4.1
extern const CatalogTable E_11_70_7_3_3_1_8;  // 1.3.6.1.4.1.32473.11.70.7.3.3.1.8
extern const CatalogTable E_11_70_7_3_3_1_8_3_1;  // 1.3.6.1.4.1.32473.11.70.7.3.3.1.8.3.1
extern const CatalogTable E_11_70_7_3_3_1_8_4_1;  // 1.3.6.1.4.1.32473.11.70.7.3.3.1.8.4.1
extern const CatalogTable E_11_70_7_3_3_1_9;  // 1.3.6.1.4.1.32473.11.70.7.3.3.1.9
extern const CatalogTable E_11_70_7_3_3_1_9_4_1;  // 1.3.6.1.4.1.32473.11.70.7.3.3.1.9.4.1
extern const CatalogTable E_11_70_7_3_3_2;  // 1.3.6.1.4.1.32473.11.70.7.3.3.2
extern const CatalogTable E_11_70_7_3_3_2_6_1;  // 1.3.6.1.4.1.32473.11.70.7.3.3.2.6.1
extern const CatalogTable E_11_70_7_3_5_1;  // 1.3.6.1.4.1.32473.11.70.7.3.5.1
extern const CatalogTable E_11_70_7_3_2;  // 1.3.6.1.4.1.32473.11.70.7.3.2
extern const CatalogTable E_11_70_7_3_9;  // 1.3.6.1.4.1.32473.11.70.7.3.9
}  // namespace Oid_ip
