#pragma once
// Catalogue module Oid_dot1x: IEEE 802.1X PAE (1.0.8802.1.1.1), guest VLAN (1.3.6.1.4.1.32473.12.30).
#include "CatalogModule.h"

void Oid_dot1xStartup();
void Oid_dot1xExit();
extern const CatalogModule Oid_dot1xModule;

// The module's tables, each named after its variable list and commented with its label.
namespace Oid_dot1x {
extern const CatalogTable Ieee8802_1_1_1_1_1;  // 1.0.8802.1.1.1.1.1
extern const CatalogTable Ieee8802_1_1_1_1_1_2_1;  // 1.0.8802.1.1.1.1.1.2.1
extern const CatalogTable Ieee8802_1_1_1_1_A;  // 1.0.8802.1.1.1.1 (14 entries from "Port Number")
extern const CatalogTable Ieee8802_1_1_1_1_B;  // 1.0.8802.1.1.1.1 (13 entries from "Port Number" to "Last EAPOL Frame Source")
extern const CatalogTable Ieee8802_1_1_1_1_C;  // 1.0.8802.1.1.1.1 (19 entries from "Port Number")
extern const CatalogTable Ieee8802_1_1_1_1_D;  // 1.0.8802.1.1.1.1 (10 entries from "Port Number")
extern const CatalogTable E_12_30_1_A;  // 1.3.6.1.4.1.32473.12.30.1 (2 entries from "Name")
extern const CatalogTable E_12_30_1_B;  // 1.3.6.1.4.1.32473.12.30.1 (1 entries from "VLAN Name")
extern const CatalogTable E_12_30_1_C;  // 1.3.6.1.4.1.32473.12.30.1 (1 entries from "Delete State")
}  // namespace Oid_dot1x
