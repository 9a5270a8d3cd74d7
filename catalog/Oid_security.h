#pragma once
// Catalogue module Oid_security: login methods and servers (1.3.6.1.4.1.32473.12.5), SSH (1.3.6.1.4.1.32473.12.6),
// SSL (1.3.6.1.4.1.32473.12.7), CPU protection (1.3.6.1.4.1.32473.12.19), IP-MAC-port binding
// (1.3.6.1.4.1.32473.12.23), web-based access control (1.3.6.1.4.1.32473.12.39), multicast VLAN replication
// (1.3.6.1.4.1.32473.12.71).
#include "CatalogModule.h"

void Oid_securityStartup();
void Oid_securityExit();
extern const CatalogModule Oid_securityModule;

// The module's tables, each named after its variable list and commented with its label.
namespace Oid_security {
extern const CatalogTable E_12_6_1;  // 1.3.6.1.4.1.32473.12.6.1
extern const CatalogTable E_12_6_3_A;  // 1.3.6.1.4.1.32473.12.6.3 (1 entries from "Key Expand Administration")
extern const CatalogTable E_12_6_3_B;  // 1.3.6.1.4.1.32473.12.6.3 (14 entries from "3DES state")
extern const CatalogTable E_12_6_4_1_1;  // 1.3.6.1.4.1.32473.12.6.4.1.1
extern const CatalogTable E_12_6_3_2;  // 1.3.6.1.4.1.32473.12.6.3.2
extern const CatalogTable E_12_6_3_3;  // 1.3.6.1.4.1.32473.12.6.3.3
extern const CatalogTable E_12_6_3_5;  // 1.3.6.1.4.1.32473.12.6.3.5
extern const CatalogTable E_12_7_1;  // 1.3.6.1.4.1.32473.12.7.1
extern const CatalogTable E_12_7_2;  // 1.3.6.1.4.1.32473.12.7.2
extern const CatalogTable E_12_5_1;  // 1.3.6.1.4.1.32473.12.5.1
extern const CatalogTable E_12_5;  // 1.3.6.1.4.1.32473.12.5
extern const CatalogTable E_12_5_3_1;  // 1.3.6.1.4.1.32473.12.5.3.1
extern const CatalogTable E_12_5_7;  // 1.3.6.1.4.1.32473.12.5.7
extern const CatalogTable E_12_5_9_1;  // 1.3.6.1.4.1.32473.12.5.9.1
extern const CatalogTable E_12_5_4_1;  // 1.3.6.1.4.1.32473.12.5.4.1
extern const CatalogTable E_12_5_10_1;  // 1.3.6.1.4.1.32473.12.5.10.1
extern const CatalogTable E_12_5_12_1;  // 1.3.6.1.4.1.32473.12.5.12.1
extern const CatalogTable E_12_19_1;  // 1.3.6.1.4.1.32473.12.19.1
extern const CatalogTable E_12_19_2;  // 1.3.6.1.4.1.32473.12.19.2
extern const CatalogTable E_12_19_3;  // 1.3.6.1.4.1.32473.12.19.3
extern const CatalogTable E_12_23_1;  // 1.3.6.1.4.1.32473.12.23.1
extern const CatalogTable E_12_23_3_2_1;  // 1.3.6.1.4.1.32473.12.23.3.2.1
extern const CatalogTable E_12_23_4_1_1;  // 1.3.6.1.4.1.32473.12.23.4.1.1
extern const CatalogTable E_12_23_4_2_1;  // 1.3.6.1.4.1.32473.12.23.4.2.1
extern const CatalogTable E_12_23_4_3_1;  // 1.3.6.1.4.1.32473.12.23.4.3.1
extern const CatalogTable E_12_23_3;  // 1.3.6.1.4.1.32473.12.23.3
extern const CatalogTable E_12_23_4_4_1;  // 1.3.6.1.4.1.32473.12.23.4.4.1
extern const CatalogTable E_12_23_4_5_1;  // 1.3.6.1.4.1.32473.12.23.4.5.1
extern const CatalogTable E_12_23_4_6_1;  // 1.3.6.1.4.1.32473.12.23.4.6.1
extern const CatalogTable E_12_39_1;  // 1.3.6.1.4.1.32473.12.39.1
extern const CatalogTable E_12_39_1_19_1;  // 1.3.6.1.4.1.32473.12.39.1.19.1
extern const CatalogTable E_12_39_3_1_1;  // 1.3.6.1.4.1.32473.12.39.3.1.1
extern const CatalogTable E_12_39_4_1_1;  // 1.3.6.1.4.1.32473.12.39.4.1.1
extern const CatalogTable E_12_39_4_2_1;  // 1.3.6.1.4.1.32473.12.39.4.2.1
extern const CatalogTable E_12_39_4_3_1;  // 1.3.6.1.4.1.32473.12.39.4.3.1
extern const CatalogTable E_12_71;  // 1.3.6.1.4.1.32473.12.71
extern const CatalogTable E_12_71_3_3_1;  // 1.3.6.1.4.1.32473.12.71.3.3.1
extern const CatalogTable E_12_71_3_4_1;  // 1.3.6.1.4.1.32473.12.71.3.4.1
extern const CatalogTable E_12_71_3_5_1;  // 1.3.6.1.4.1.32473.12.71.3.5.1
}  // namespace Oid_security
