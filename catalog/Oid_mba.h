#pragma once
// Catalogue module Oid_mba: 802.1X extensions, RADIUS servers and authenticator tables (1.3.6.1.4.1.32473.12.3),
// MAC-based access control (1.3.6.1.4.1.32473.12.35), shell, system and network state switches
// (1.3.6.1.4.1.32473.12.55).
#include "CatalogModule.h"

void Oid_mbaStartup();
void Oid_mbaExit();
extern const CatalogModule Oid_mbaModule;

// The module's tables, each named after its variable list and commented with its label.
namespace Oid_mba {
extern const CatalogTable E_12_3_11_1_1;  // 1.3.6.1.4.1.32473.12.3.11.1.1
extern const CatalogTable E_12_3_11;  // 1.3.6.1.4.1.32473.12.3.11
extern const CatalogTable E_12_3_11_2_1;  // 1.3.6.1.4.1.32473.12.3.11.2.1
extern const CatalogTable E_12_55_1;  // 1.3.6.1.4.1.32473.12.55.1
extern const CatalogTable E_12_3_1;  // 1.3.6.1.4.1.32473.12.3.1
extern const CatalogTable E_12_3_2_4_1;  // 1.3.6.1.4.1.32473.12.3.2.4.1
extern const CatalogTable E_12_3_6_1_1;  // 1.3.6.1.4.1.32473.12.3.6.1.1
extern const CatalogTable E_12_3_6_2_1;  // 1.3.6.1.4.1.32473.12.3.6.2.1 (14 entries from "MAC Address")
extern const CatalogTable E_12_3_6_3_1;  // 1.3.6.1.4.1.32473.12.3.6.3.1
extern const CatalogTable E_12_3_6_4_1;  // 1.3.6.1.4.1.32473.12.3.6.4.1
extern const CatalogTable E_12_35_1_A;  // 1.3.6.1.4.1.32473.12.35.1 (4 entries from "State")
extern const CatalogTable E_12_35_1_B;  // 1.3.6.1.4.1.32473.12.35.1 (2 entries from "VLAN Name")
extern const CatalogTable E_12_35_1_C;  // 1.3.6.1.4.1.32473.12.35.1 (1 entries from "Delete State")
extern const CatalogTable E_12_35_1_D;  // 1.3.6.1.4.1.32473.12.35.1 (1 entries from "VLAN Name")
extern const CatalogTable E_12_35_2_1_1;  // 1.3.6.1.4.1.32473.12.35.2.1.1
extern const CatalogTable E_12_35_3_1_1;  // 1.3.6.1.4.1.32473.12.35.3.1.1
extern const CatalogTable E_12_35_4_1_1;  // 1.3.6.1.4.1.32473.12.35.4.1.1
extern const CatalogTable E_12_35_1_E;  // 1.3.6.1.4.1.32473.12.35.1 (3 entries from "Max User")
extern const CatalogTable E_12_3_7;  // 1.3.6.1.4.1.32473.12.3.7
extern const CatalogTable E_12_3_10;  // 1.3.6.1.4.1.32473.12.3.10
extern const CatalogTable E_12_3_10_3_1;  // 1.3.6.1.4.1.32473.12.3.10.3.1
extern const CatalogTable E_12_3_10_4_1;  // 1.3.6.1.4.1.32473.12.3.10.4.1
extern const CatalogTable E_12_3_9_1_1;  // 1.3.6.1.4.1.32473.12.3.9.1.1
extern const CatalogTable E_12_3_8_1_1;  // 1.3.6.1.4.1.32473.12.3.8.1.1
}  // namespace Oid_mba
